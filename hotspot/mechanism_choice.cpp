#include "hotspot/mechanism_choice.h"

namespace lumaret {

MechanismChoice ChooseMechanism(HotspotState hosted, int interfaces, bool mobileExists, HotspotState mobile) {
  constexpr MechanismChoice kHosted{HotspotWay::HostedNetwork, false};
  constexpr MechanismChoice kMobile{HotspotWay::MobileHotspot, false};
  if (!mobileExists) return kHosted;
  switch (hosted) {
    case HotspotState::Idle:
    case HotspotState::Active: return kHosted;
    case HotspotState::Unavailable: return interfaces == 0 ? kHosted : kMobile;
    case HotspotState::Unknown: break;
  }
  if (mobile == HotspotState::Active) return kMobile;
  return {HotspotWay::HostedNetwork, true};
}

bool ChoiceAsksForMobileHotspot(HotspotState hosted) {
  return hosted == HotspotState::Unavailable || hosted == HotspotState::Unknown;
}

bool ChoiceAsksForMobileState(HotspotState hosted) { return hosted == HotspotState::Unknown; }

}  // namespace lumaret
