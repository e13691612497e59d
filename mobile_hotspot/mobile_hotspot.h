// The Windows Mobile Hotspot (Windows 10 1607 and later) as a way to run the
// hotspot, for Wi-Fi adapters whose drivers have no hosted network: the
// Windows Runtime's NetworkOperatorTetheringManager for the internet
// connection configures the access point's name and passphrase, starts and
// stops tethering, and tells its state and how many devices are connected.
// It shares the internet connection by itself. This module only talks to
// Windows; the hotspot switch decides when it is used and what the status
// line says.
#pragma once

#include "common/win_handles.h"
#include "hotspot/hotspot_mechanism.h"
#include "mobile_hotspot/tethering_api.h"

namespace lumaret {

// Each asynchronous operation is awaited as long as a netsh command.
constexpr unsigned kMobileHotspotTimeLimitMs = 30000;

class MobileHotspot final : public HotspotMechanism {
 public:
  explicit MobileHotspot(unsigned limitMs = kMobileHotspotTimeLimitMs) : limitMs_(limitMs) {}

  HotspotWay Way() const override { return HotspotWay::MobileHotspot; }

  // Windows has the Mobile Hotspot's classes: NetworkInformation and the
  // tethering manager give their activation factories.
  bool Exists();

  // The access point gets the name and passphrase unless it holds them
  // already: the one Windows has is changed and handed back
  // (ConfigureAccessPointAsync), so its other settings stay.
  StepReport Configure(const std::string& name, const std::string& key) override;
  // StartTetheringAsync: the internet connection is shared.
  StepReport Start() override;
  // StopTetheringAsync.
  StepReport Stop() override;
  // TetheringOperationalState, and while it is on ClientCount; Unknown when
  // there is no tethering manager to ask.
  HotspotStatus Status() override;
  // Windows has no notification for the Mobile Hotspot's state: false (the
  // watch looks every 3 seconds while it is on).
  bool PostChanges(HWND window, UINT message) override;
  void Release() override;

 private:
  using Manager = tethering::INetworkOperatorTetheringManager;
  ComPtr<Manager> ManagerForInternet(bool checkCapability, StepReport* why);
  ComPtr<Manager> ManagerInUse(StepReport* why);
  StepReport RunOperation(bool start);

  unsigned limitMs_;
  // The manager last made: a stop or a look still reaches the hotspot it
  // started after the internet connection has gone.
  ComPtr<Manager> last_;
};

// The program's one Mobile Hotspot.
MobileHotspot& TheMobileHotspot();

}  // namespace lumaret
