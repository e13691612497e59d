// Which way a click runs the hotspot: the hosted network through netsh, as
// always, wherever Windows' WLAN API does not report it unavailable; the
// Mobile Hotspot where it does and the Mobile Hotspot is there. A table, no
// Windows header, tested natively.
#pragma once

#include "hotspot/hotspot_outcome.h"

namespace lumaret {

struct MechanismChoice {
  HotspotWay way = HotspotWay::HostedNetwork;
  // The WLAN API could not tell: a configuration or start of the hosted
  // network that fails goes on with the Mobile Hotspot.
  bool fallBack = false;
};

// `hosted` and `interfaces`: the hosted network's state and the number of
// wireless interfaces as the WLAN API tells them (Unknown and -1 when it
// cannot). `mobileExists`: the Mobile Hotspot's classes are there.
// `mobile`: its state, which counts only where the hosted network's is
// unknown (a Mobile Hotspot that is on is then the one in use).
//
//   Mobile Hotspot there?  hosted network          choice
//   no                     anything                hosted network
//   yes                    idle or active          hosted network
//   yes                    unavailable             Mobile Hotspot
//   yes                    unavailable, no         hosted network (its failure
//                          wireless interface      names the missing adapter)
//   yes                    unknown, Mobile on      Mobile Hotspot
//   yes                    unknown                 hosted network, falling
//                                                  back to the Mobile Hotspot
MechanismChoice ChooseMechanism(HotspotState hosted, int interfaces, bool mobileExists, HotspotState mobile);

// Whether the choice needs to know if the Mobile Hotspot is there, and
// whether it needs the Mobile Hotspot's state: so Windows is asked only
// what counts (an adapter with a working hosted network never wakes the
// Mobile Hotspot).
bool ChoiceAsksForMobileHotspot(HotspotState hosted);
bool ChoiceAsksForMobileState(HotspotState hosted);

}  // namespace lumaret
