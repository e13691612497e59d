// The status line 透明标签_tip and its tooltip, kept true to the hotspot's
// real state while the window is open: an active hotspot is shown with its
// device count, looked at again every 3 seconds while it is active and
// whenever Windows reports a change, and the line changes only when the
// state or the count does; a hotspot stopped from outside shows
// "WIFI热点已关闭". The looks happen on the GUI thread: a timer and posted
// messages of a message-only window of this module's own.
#pragma once

#include <string>

#include "hotspot/hotspot_mechanism.h"

namespace lumaret {

// The status line's text and its tooltip (the whole message, with more when
// there is more to say); the tooltip is the message itself when not given.
void ShowStatus(const std::wstring& line, const std::wstring& tooltip = std::wstring());

// Starts watching the hotspot that `mechanism` runs, for the window that
// has just been made (an earlier watch ends first). An active hotspot is
// shown at once instead of what the line held.
void WatchHotspot(HotspotMechanism& mechanism);

// Ends the watch: no timer, no notification, and the mechanism lets go of
// what it holds from Windows.
void StopWatchingHotspot();

// From now on the watch follows `mechanism`, the way a click has just
// taken (nothing changes when it is the one watched already); the line
// stays as it is.
void FollowHotspot(HotspotMechanism& mechanism);

// Tells the watch what a step's outcome showed: Windows' status after the
// step (what later looks are compared with) and the command's output (kept
// in the tooltip while the line stays).
void NoteHotspotShown(const HotspotStatus& status, const std::wstring& output);

// While one lives, a step runs and shows its own outcome: the looks leave
// the status line alone.
class HotspotStepRunning {
 public:
  HotspotStepRunning();
  ~HotspotStepRunning();
  HotspotStepRunning(const HotspotStepRunning&) = delete;
  HotspotStepRunning& operator=(const HotspotStepRunning&) = delete;
};

// How often an active hotspot is looked at.
constexpr unsigned kHotspotLookEveryMs = 3000;

}  // namespace lumaret
