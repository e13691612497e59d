// Whether this process runs elevated, as the hosted network's commands need.
#pragma once

namespace lumaret {

// The process token's elevation (TokenElevation). True when it cannot be
// told, so that no one is told to elevate for nothing.
bool ProcessIsElevated();

}  // namespace lumaret
