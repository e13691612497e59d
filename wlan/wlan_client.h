// Windows' WLAN API, as far as the hosted network needs it: whether the API
// answers, the wireless interfaces, the hosted network's state, its virtual
// adapter and its peers, and notifications of changes. wlanapi.dll is no
// known DLL: it is loaded from System32 on first use. This module only asks
// Windows; what to make of the answers is the hotspot switch's business.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace lumaret {

enum class HostedNetworkState { Unavailable, Idle, Active };

using MacAddress = std::array<unsigned char, 6>;

struct HostedNetworkStatus {
  HostedNetworkState state = HostedNetworkState::Unavailable;
  // IPDeviceID: the GUID of the hosted network's virtual adapter.
  GUID deviceId{};
  // The peers that are connected (authenticated), in the API's order.
  std::vector<MacAddress> peers;
};

// One client handle of the WLAN API, opened on first use and kept until
// Close (or the end of the client). Used on one thread.
class WlanClient {
 public:
  WlanClient();
  ~WlanClient();
  WlanClient(const WlanClient&) = delete;
  WlanClient& operator=(const WlanClient&) = delete;

  // WlanHostedNetworkQueryStatus; nothing when the API is missing or answers
  // with an error (Wine's does not implement it).
  std::optional<HostedNetworkStatus> QueryHostedNetwork();

  // WlanEnumInterfaces: how many wireless interfaces there are; nothing when
  // the API is missing or answers with an error.
  std::optional<unsigned> CountInterfaces();

  // From now on `message` is posted to `window` whenever the hosted network
  // reports a change (its state, its peers, its radio). The API calls back
  // on a thread of its own; only the post happens there. Replaces an
  // earlier registration. False when the API cannot notify.
  bool PostHostedNetworkChanges(HWND window, UINT message);

  // WlanCloseHandle: no notification comes after this returns. The next
  // query opens a new handle.
  void Close();

 private:
  struct Target;
  bool Open();

  HANDLE handle_ = nullptr;
  std::unique_ptr<Target> target_;
};

}  // namespace lumaret
