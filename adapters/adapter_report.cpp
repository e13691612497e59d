#include "adapters/adapter_report.h"

namespace lumaret {

void OnRefreshAdaptersClicked() {}

}  // namespace lumaret
