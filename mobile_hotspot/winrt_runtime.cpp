#include "mobile_hotspot/winrt_runtime.h"

#include <winstring.h>
#include <roapi.h>

#include <atomic>

#include "common/message_pump.h"
#include "common/system_library.h"

namespace lumaret {

using namespace tethering;

namespace {

// The functions Lumaret calls, made together so the library outlives every
// use of them. combase is a known DLL on the systems that have it, but
// Windows 7 has none, so it cannot be imported.
struct CombaseFunctions {
  SystemLibrary library{L"combase.dll"};
  SystemFunction<decltype(::RoGetActivationFactory)> getActivationFactory{library, "RoGetActivationFactory"};
  SystemFunction<decltype(::WindowsCreateString)> createString{library, "WindowsCreateString"};
  SystemFunction<decltype(::WindowsDeleteString)> deleteString{library, "WindowsDeleteString"};
  SystemFunction<decltype(::WindowsGetStringRawBuffer)> rawBuffer{library, "WindowsGetStringRawBuffer"};
};

CombaseFunctions& Combase() {
  static CombaseFunctions functions;
  return functions;
}

// A Completed handler that sets an event, nothing else: Windows may call it
// on any thread (it is agile, so Windows never marshals the call back to
// this one), and it must never touch the window. It owns the event, so a
// call that comes after the wait has given up still finds it.
template <typename Handler, typename Async>
class SignalWhenCompleted final : public Handler {
 public:
  explicit SignalWhenCompleted(const GUID& handlerIid)
      : iid_(handlerIid), event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  HANDLE event() const { return event_.get(); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_Unknown || riid == IID_AgileObject || riid == iid_) {
      *out = static_cast<Handler*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE Invoke(Async*, AsyncStatus) override {
    SetEvent(event_.get());
    return S_OK;
  }

 private:
  ~SignalWhenCompleted() = default;
  const GUID iid_;
  UniqueHandle event_;
  std::atomic<ULONG> references_{1};
};

template <typename Handler, typename Async>
AsyncWait Await(Async* operation, const GUID& handlerIid, DWORD limitMs) {
  AsyncWait wait;
  ComPtr<IAsyncInfo> info;
  if (!operation) {
    wait.error = E_POINTER;
    return wait;
  }
  wait.error = operation->QueryInterface(IID_AsyncInfo, info.put_void());
  if (FAILED(wait.error)) return wait;

  ComPtr<SignalWhenCompleted<Handler, Async>> handler;
  *handler.put() = new SignalWhenCompleted<Handler, Async>(handlerIid);
  if (!handler->event()) {
    wait.error = HRESULT_FROM_WIN32(GetLastError());
    return wait;
  }
  // An operation that has ended already calls the handler at once.
  wait.error = operation->put_Completed(handler.get());
  if (FAILED(wait.error)) return wait;

  switch (WaitPumpingMessages(handler->event(), limitMs)) {
    case WaitEnd::Signalled: break;
    case WaitEnd::Quit:
      wait.end = AsyncEnd::Abandoned;
      return wait;
    case WaitEnd::TimedOut:
      info->Cancel();
      wait.end = AsyncEnd::TimedOut;
      return wait;
    case WaitEnd::Failed:
      info->Cancel();
      wait.error = HRESULT_FROM_WIN32(GetLastError());
      return wait;
  }

  AsyncStatus status = Started;
  wait.error = info->get_Status(&status);
  if (FAILED(wait.error)) return wait;
  switch (status) {
    case Completed: wait.end = AsyncEnd::Completed; break;
    case Canceled: wait.end = AsyncEnd::Canceled; break;
    case Error: {
      HRESULT code = E_FAIL;
      info->get_ErrorCode(&code);
      wait.error = FAILED(code) ? code : E_FAIL;
      break;
    }
    default: wait.error = E_UNEXPECTED; break;  // signalled while still running
  }
  return wait;
}

}  // namespace

HString& HString::operator=(HString&& o) noexcept {
  if (this != &o) {
    reset();
    s_ = o.s_;
    o.s_ = nullptr;
  }
  return *this;
}

bool HString::Assign(const std::wstring& text) {
  reset();
  if (text.empty()) return true;
  CombaseFunctions& f = Combase();
  if (!f.createString || !f.deleteString) return false;
  return SUCCEEDED(f.createString(text.data(), static_cast<UINT32>(text.size()), &s_));
}

std::wstring HString::Text() const {
  if (!s_ || !Combase().rawBuffer) return std::wstring();
  UINT32 length = 0;
  const wchar_t* chars = Combase().rawBuffer(s_, &length);
  return chars ? std::wstring(chars, length) : std::wstring();
}

void HString::reset() {
  if (s_ && Combase().deleteString) Combase().deleteString(s_);
  s_ = nullptr;
}

bool WindowsRuntimeLoaded() { return Combase().library.Available(); }

HRESULT GetActivationFactory(const wchar_t* className, const GUID& iid, void** factory) {
  if (!factory) return E_POINTER;
  *factory = nullptr;
  if (!Combase().getActivationFactory) return E_NOTIMPL;
  HString name;
  if (!name.Assign(className)) return E_OUTOFMEMORY;
  return Combase().getActivationFactory(name.get(), iid, factory);
}

AsyncWait AwaitAsync(IAsyncAction* action, DWORD limitMs) {
  return Await<IAsyncActionCompletedHandler, IAsyncAction>(action, IID_AsyncActionCompletedHandler, limitMs);
}

AsyncWait AwaitAsync(IAsyncOperationOfOperationResult* operation, DWORD limitMs) {
  return Await<IAsyncOperationCompletedHandlerOfOperationResult, IAsyncOperationOfOperationResult>(
      operation, IID_AsyncOperationCompletedHandlerOfOperationResult, limitMs);
}

void CloseAsync(IInspectable* operation) {
  ComPtr<IAsyncInfo> info;
  if (operation && SUCCEEDED(operation->QueryInterface(IID_AsyncInfo, info.put_void()))) info->Close();
}

std::wstring SystemErrorText(HRESULT error) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = n && text ? std::wstring(text, n) : std::wstring();
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' ')) {
    message.pop_back();
  }
  return message;
}

}  // namespace lumaret
