#include "desktop/startup_entry.h"

namespace lumaret {

void OnStartupToggleClicked() {}

}  // namespace lumaret
