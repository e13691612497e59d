// The Windows Runtime as the Mobile Hotspot module uses it, without
// C++/WinRT: combase's functions, loaded from System32 on first use (there
// is no combase before Windows 8, and then no Windows Runtime class either),
// HSTRINGs owned by HString, activation factories by class name, and the
// wait for an asynchronous operation with the window answering.
//
// Nothing here calls RoGetParameterizedTypeInstanceIID or
// RoGetAgileReference (stubs in Wine; the latter ends the process): the
// parameterized IIDs are constants, and the completion handlers are agile
// themselves.
#pragma once

#include <windows.h>

#include <string>

#include "common/win_handles.h"
#include "mobile_hotspot/tethering_api.h"

namespace lumaret {

// An HSTRING, deleted with WindowsDeleteString. The empty string is the
// null HSTRING, as in the Windows Runtime.
class HString {
 public:
  HString() = default;
  ~HString() { reset(); }
  HString(HString&& o) noexcept : s_(o.s_) { o.s_ = nullptr; }
  HString& operator=(HString&& o) noexcept;
  HString(const HString&) = delete;
  HString& operator=(const HString&) = delete;

  // A new HSTRING holding `text`; false when it could not be made.
  bool Assign(const std::wstring& text);
  HSTRING get() const { return s_; }
  HSTRING* put() {
    reset();
    return &s_;
  }
  // Its characters (WindowsGetStringRawBuffer); empty for the null HSTRING.
  std::wstring Text() const;
  void reset();

 private:
  HSTRING s_ = nullptr;
};

// combase is there (Windows 8 and later, and Wine).
bool WindowsRuntimeLoaded();

// RoGetActivationFactory for the class of that name, asking for `iid`.
// REGDB_E_CLASSNOTREG where Windows has no such class; E_NOTIMPL without
// combase.
HRESULT GetActivationFactory(const wchar_t* className, const GUID& iid, void** factory);

template <typename T>
HRESULT GetActivationFactory(const wchar_t* className, const GUID& iid, ComPtr<T>* factory) {
  return GetActivationFactory(className, iid, factory->put_void());
}

// How the wait for an asynchronous operation ended.
enum class AsyncEnd {
  Completed,  // it completed: its results can be had
  Failed,     // it ended with an error (the error code), or could not be awaited
  Canceled,   // it was cancelled, not by this wait
  TimedOut,   // the limit passed: it has been cancelled
  Abandoned,  // the window's WM_QUIT came (posted again): it is left to end by itself
};

struct AsyncWait {
  AsyncEnd end = AsyncEnd::Failed;
  HRESULT error = S_OK;  // for Failed
};

// Waits for the operation to end, at most `limitMs`, while this thread's
// window messages keep being handled (common/message_pump.h). Its Completed
// handler, which Windows may call on a thread of its own, only sets an
// event. Closes the operation (IAsyncInfo::Close) once its results have
// been taken: call CloseAsync after GetResults.
AsyncWait AwaitAsync(tethering::IAsyncAction* action, DWORD limitMs);
AsyncWait AwaitAsync(tethering::IAsyncOperationOfOperationResult* operation, DWORD limitMs);

// IAsyncInfo::Close of an operation that has ended.
void CloseAsync(IInspectable* operation);

// Windows' text for an error code (FormatMessage), without the line end;
// empty when it has none.
std::wstring SystemErrorText(HRESULT error);

}  // namespace lumaret
