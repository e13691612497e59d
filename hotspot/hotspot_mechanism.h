// A way to run the hotspot. The switch decides which way a click takes,
// what to do and what the status line says; a mechanism only does what it
// is told and reports what Windows said.
#pragma once

#include <windows.h>

#include <string>

#include "hotspot/hotspot_outcome.h"

namespace lumaret {

class HotspotMechanism {
 public:
  virtual ~HotspotMechanism() = default;

  virtual HotspotWay Way() const = 0;

  // Each step runs to its end, while this thread's window messages keep
  // being handled.
  virtual StepReport Configure(const std::string& name, const std::string& key) = 0;
  virtual StepReport Start() = 0;
  virtual StepReport Stop() = 0;

  // What Windows tells of the hotspot now.
  virtual HotspotStatus Status() = 0;

  // From now on `message` is posted to `window` whenever Windows reports a
  // change of the hotspot's state or devices; false when it cannot.
  virtual bool PostChanges(HWND window, UINT message) = 0;

  // Lets go of what is held from Windows (handles, notifications).
  virtual void Release() = 0;
};

}  // namespace lumaret
