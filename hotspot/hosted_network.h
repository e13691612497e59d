// The Windows hosted network as a way to run the hotspot: netsh configures,
// starts and stops it; the WLAN API tells its state and its devices.
#pragma once

#include <optional>

#include "hotspot/hotspot_mechanism.h"
#include "wlan/wlan_client.h"

namespace lumaret {

class HostedNetwork final : public HotspotMechanism {
 public:
  HotspotWay Way() const override { return HotspotWay::HostedNetwork; }
  StepReport Configure(const std::string& name, const std::string& key) override;
  StepReport Start() override;
  StepReport Stop() override;
  HotspotStatus Status() override;
  bool PostChanges(HWND window, UINT message) override;
  void Release() override;

  // The hosted network's virtual adapter (IPDeviceID), when the WLAN API
  // tells it.
  std::optional<GUID> AdapterId();

 private:
  WlanClient wlan_;
};

// The program's one hosted network.
HostedNetwork& TheHostedNetwork();

}  // namespace lumaret
