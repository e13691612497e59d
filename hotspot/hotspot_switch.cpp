#include "hotspot/hotspot_switch.h"

namespace lumaret {

void OnOpenHotspotClicked() {}
void OnCloseHotspotClicked() {}

}  // namespace lumaret
