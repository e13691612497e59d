// What the Mobile Hotspot's answers mean for the status line: its state as
// the hotspot's, and the reason words for an operation's status, for a
// connection that may not be shared, and for an error code. Tables only:
// no Windows header, tested natively.
#pragma once

#include <string>

#include "hotspot/hotspot_outcome.h"
#include "mobile_hotspot/tethering_metadata.h"

namespace lumaret {

// "没有可共享的网络连接": Windows names no internet connection, so there is
// nothing for the Mobile Hotspot to share.
extern const wchar_t kNoConnectionCause[];
// "移动热点的操作被取消": the operation ended cancelled, not by Lumaret.
extern const wchar_t kOperationCanceledCause[];

// On as Active, Off as Idle; in transition or unknown cannot be told yet.
HotspotState HotspotStateOf(tethering::OperationalState state);

// The reason for a start or stop that ended with this status; empty for
// Success. A status Lumaret does not know is named by its number.
std::wstring OperationStatusCause(tethering::OperationStatus status);

// The reason the connection may not be shared; empty when it may.
std::wstring CapabilityCause(tethering::Capability capability);

// A call that failed with an HRESULT: "移动热点出错（0x80070005）".
std::wstring ErrorCause(long hresult);

}  // namespace lumaret
