#include "hotspot/hosted_network.h"

#include "adapters/adapter_entry.h"
#include "common/encoding.h"
#include "hotspot/command_runner.h"
#include "hotspot/console_output.h"
#include "hotspot/hotspot_commands.h"

namespace lumaret {

namespace {

StepReport RunStep(const std::string& commandLine) {
  const CommandOutcome o = RunCommandLineToEnd(commandLine);
  StepReport r;
  r.started = o.started;
  r.ended = o.ended;
  r.timedOut = o.timedOut;
  r.exitCode = o.exitCode;
  r.output = ConsoleOutputText(o.output);
  r.lastLine = ConsoleOutputText(LastNonEmptyLine(o.output, ConsoleCodePage()));
  return r;
}

HotspotState StateOf(HostedNetworkState state) {
  switch (state) {
    case HostedNetworkState::Unavailable: return HotspotState::Unavailable;
    case HostedNetworkState::Idle: return HotspotState::Idle;
    case HostedNetworkState::Active: return HotspotState::Active;
  }
  return HotspotState::Unknown;
}

}  // namespace

StepReport HostedNetwork::Configure(const std::string& name, const std::string& key) {
  return RunStep(ConfigurationCommandLine(name, key, AnsiCodePage()));
}

StepReport HostedNetwork::Start() { return RunStep(kStartCommandLine); }

StepReport HostedNetwork::Stop() { return RunStep(kStopCommandLine); }

HotspotStatus HostedNetwork::Status() {
  HotspotStatus status;
  const std::optional<HostedNetworkStatus> hosted = wlan_.QueryHostedNetwork();
  if (!hosted) return status;  // the state cannot be told: nothing else counts either
  status.state = StateOf(hosted->state);
  if (const std::optional<unsigned> interfaces = wlan_.CountInterfaces()) status.interfaces = static_cast<int>(*interfaces);
  if (hosted->state == HostedNetworkState::Active) {
    for (const MacAddress& mac : hosted->peers) status.devices.push_back(MacText(mac.data(), mac.size()));
    status.deviceCount = status.devices.size();
  }
  return status;
}

bool HostedNetwork::PostChanges(HWND window, UINT message) { return wlan_.PostHostedNetworkChanges(window, message); }

void HostedNetwork::Release() { wlan_.Close(); }

std::optional<GUID> HostedNetwork::AdapterId() {
  const std::optional<HostedNetworkStatus> hosted = wlan_.QueryHostedNetwork();
  if (!hosted) return std::nullopt;
  return hosted->deviceId;
}

HostedNetwork& TheHostedNetwork() {
  static HostedNetwork network;
  return network;
}

}  // namespace lumaret
