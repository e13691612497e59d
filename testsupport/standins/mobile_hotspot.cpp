// The stand-in Windows Runtime classes of the Mobile Hotspot, one in-process
// DLL that a test registers in its prefix's registry (see system_standin.h):
// Wine has none of these classes. It exports DllGetActivationFactory and
// DllCanUnloadNow, as a Windows Runtime component does, and gives the
// activation factories of
//
//   Windows.Networking.Connectivity.NetworkInformation
//   Windows.Networking.NetworkOperators.NetworkOperatorTetheringManager
//   Windows.Networking.NetworkOperators.NetworkOperatorTetheringAccessPointConfiguration
//
// whose objects behave as Microsoft documents the real ones: an internet
// connection profile (or none), a tethering manager made for it, the access
// point's configuration, and asynchronous operations that complete after
// the delay the test chose, on a thread of their own, calling the Completed
// handler there. Each object answers QueryInterface only for IUnknown,
// IInspectable, IAgileObject (the real ones are agile) and its own
// interfaces. Its behaviour comes from the test's folder, and it records
// every call there (standin_files.h).
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "mobile_hotspot/tethering_api.h"
#include "testsupport/standin_files.h"

namespace {

using namespace lumaret::standin;
using namespace lumaret::tethering;

const char kName[] = "mobilehotspot";
const wchar_t kConnectionProfileClass[] = L"Windows.Networking.Connectivity.ConnectionProfile";

// E_ILLEGAL_METHOD_CALL, E_ILLEGAL_STATE_CHANGE, E_ILLEGAL_DELEGATE_ASSIGNMENT.
constexpr HRESULT kIllegalMethodCall = static_cast<HRESULT>(0x8000000EL);
constexpr HRESULT kIllegalStateChange = static_cast<HRESULT>(0x8000000DL);
constexpr HRESULT kIllegalDelegateAssignment = static_cast<HRESULT>(0x80000018L);

std::atomic<long> liveObjects{0};

// ---- behaviour and records ------------------------------------------------------

std::string Trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

std::string Behaviour(const char* kind) { return Trimmed(ReadFileBytes(FilePath(kName, kind))); }
bool Present(const char* kind) { return GetFileAttributesA(FilePath(kName, kind).c_str()) != INVALID_FILE_ATTRIBUTES; }
long Number(const char* kind, long otherwise) {
  const std::string text = Behaviour(kind);
  // Through unsigned, so that an HRESULT such as 0x80070057 keeps its bits.
  return text.empty() ? otherwise : static_cast<long>(std::strtoul(text.c_str(), nullptr, 0));
}

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n : 0, '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &out[0], n, nullptr, nullptr);
  return out;
}

std::wstring FromUtf8(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(n > 0 ? n : 0, L'\0');
  if (n > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n);
  return out;
}

// One line per call: the function, what it returned, and what it was given
// or did where that matters.
HRESULT Record(const std::string& function, long result, const std::string& detail = std::string()) {
  AppendLine(FilePath(kName, "log"), "call\t" + std::to_string(GetCurrentProcessId()) + "\t" + function + "\t" +
                                         std::to_string(result) + (detail.empty() ? "" : "\t" + detail));
  return result;
}

std::string ThisThread() { return "thread " + std::to_string(GetCurrentThreadId()); }

// combase's string functions, from the combase the process has.
struct Strings {
  using Create = HRESULT(WINAPI*)(LPCWSTR, UINT32, HSTRING*);
  using Delete = HRESULT(WINAPI*)(HSTRING);
  using Raw = PCWSTR(WINAPI*)(HSTRING, UINT32*);
  Create create = nullptr;
  Delete remove = nullptr;
  Raw raw = nullptr;
  Strings() {
    HMODULE combase = LoadLibraryW(L"combase.dll");
    create = reinterpret_cast<Create>(reinterpret_cast<void*>(GetProcAddress(combase, "WindowsCreateString")));
    remove = reinterpret_cast<Delete>(reinterpret_cast<void*>(GetProcAddress(combase, "WindowsDeleteString")));
    raw = reinterpret_cast<Raw>(reinterpret_cast<void*>(GetProcAddress(combase, "WindowsGetStringRawBuffer")));
  }
};

Strings& String() {
  static Strings strings;
  return strings;
}

HRESULT MakeString(const std::wstring& text, HSTRING* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_OK;
  return String().create ? String().create(text.data(), static_cast<UINT32>(text.size()), out) : E_FAIL;
}

std::wstring TextOf(HSTRING s) {
  UINT32 length = 0;
  const wchar_t* chars = s && String().raw ? String().raw(s, &length) : nullptr;
  return chars ? std::wstring(chars, length) : std::wstring();
}

// The text of a string handed over, which is deleted.
std::wstring TakeText(HSTRING s) {
  std::wstring text = TextOf(s);
  if (s && String().remove) String().remove(s);
  return text;
}

// The access point's configuration as Windows keeps it.
std::wstring HeldSsid() {
  return Present("ssid") ? FromUtf8(ReadFileBytes(FilePath(kName, "ssid"))) : L"LUMARET-STANDIN 4711";
}
std::wstring HeldPassphrase() {
  return Present("passphrase") ? FromUtf8(ReadFileBytes(FilePath(kName, "passphrase"))) : L"stand-in passphrase";
}

OperationalState HeldState() {
  const std::string state = Behaviour("state");
  if (state == "on") return OperationalState::On;
  if (state == "transition") return OperationalState::InTransition;
  if (state == "unknown") return OperationalState::Unknown;
  return OperationalState::Off;
}

// ---- objects ---------------------------------------------------------------------

// IUnknown and IInspectable for an object with the interfaces First and
// Rest: a derived class says which IIDs it answers beyond IUnknown,
// IInspectable and IAgileObject, and its class name.
template <typename First, typename... Rest>
class Runtime : public First, public Rest... {
 public:
  Runtime() { ++liveObjects; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    void* found = nullptr;
    if (riid == IID_Unknown || riid == IID_Inspectable || riid == IID_AgileObject) {
      found = static_cast<First*>(this);
    } else {
      found = Interface(riid);
    }
    *out = found;
    if (!found) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetIids(ULONG* count, IID** iids) override {
    if (!count || !iids) return E_POINTER;
    const std::vector<GUID> own = Iids();
    *iids = static_cast<IID*>(CoTaskMemAlloc(sizeof(IID) * (own.empty() ? 1 : own.size())));
    if (!*iids) return E_OUTOFMEMORY;
    for (std::size_t i = 0; i < own.size(); ++i) (*iids)[i] = own[i];
    *count = static_cast<ULONG>(own.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetRuntimeClassName(HSTRING* name) override { return MakeString(ClassName(), name); }
  HRESULT STDMETHODCALLTYPE GetTrustLevel(TrustLevel* level) override {
    if (!level) return E_POINTER;
    *level = BaseTrust;
    return S_OK;
  }

 protected:
  virtual ~Runtime() { --liveObjects; }
  virtual void* Interface(REFIID riid) = 0;
  virtual std::vector<GUID> Iids() const = 0;
  virtual const wchar_t* ClassName() const = 0;

 private:
  std::atomic<ULONG> references_{1};
};

class ConnectionProfile final : public Runtime<IConnectionProfile> {
 protected:
  void* Interface(REFIID riid) override { return riid == IID_ConnectionProfile ? this : nullptr; }
  std::vector<GUID> Iids() const override { return {IID_ConnectionProfile}; }
  const wchar_t* ClassName() const override { return kConnectionProfileClass; }
};

class AccessPointConfiguration final : public Runtime<INetworkOperatorTetheringAccessPointConfiguration> {
 public:
  AccessPointConfiguration(std::wstring ssid, std::wstring passphrase)
      : ssid_(std::move(ssid)), passphrase_(std::move(passphrase)) {}
  HRESULT STDMETHODCALLTYPE get_Ssid(HSTRING* value) override { return Record("get_Ssid", MakeString(ssid_, value)); }
  HRESULT STDMETHODCALLTYPE put_Ssid(HSTRING value) override {
    ssid_ = TextOf(value);
    return Record("put_Ssid", S_OK, Utf8(ssid_));
  }
  HRESULT STDMETHODCALLTYPE get_Passphrase(HSTRING* value) override {
    return Record("get_Passphrase", MakeString(passphrase_, value));
  }
  HRESULT STDMETHODCALLTYPE put_Passphrase(HSTRING value) override {
    passphrase_ = TextOf(value);
    return Record("put_Passphrase", S_OK, Utf8(passphrase_));
  }

 protected:
  void* Interface(REFIID riid) override { return riid == IID_AccessPointConfiguration ? this : nullptr; }
  std::vector<GUID> Iids() const override { return {IID_AccessPointConfiguration}; }
  const wchar_t* ClassName() const override { return kAccessPointConfigurationClass; }

 private:
  std::wstring ssid_;
  std::wstring passphrase_;
};

class OperationResult final : public Runtime<INetworkOperatorTetheringOperationResult> {
 public:
  OperationResult(OperationStatus status, std::wstring message) : status_(status), message_(std::move(message)) {}
  HRESULT STDMETHODCALLTYPE get_Status(OperationStatus* value) override {
    if (!value) return Record("get_Status", E_POINTER);
    *value = status_;
    return Record("get_Status", S_OK);
  }
  HRESULT STDMETHODCALLTYPE get_AdditionalErrorMessage(HSTRING* value) override {
    return Record("get_AdditionalErrorMessage", MakeString(message_, value));
  }

 protected:
  void* Interface(REFIID riid) override { return riid == IID_OperationResult ? this : nullptr; }
  std::vector<GUID> Iids() const override { return {IID_OperationResult}; }
  const wchar_t* ClassName() const override { return kOperationResultClass; }

 private:
  OperationStatus status_;
  std::wstring message_;
};

// An asynchronous operation: it begins at once and completes `delay`
// milliseconds later on a thread of its own, where it does its work (the
// change it makes to the hotspot), takes its status and calls the Completed
// handler. Cancel ends it as Canceled, without the work, and calls the
// handler too; a handler given after the end is called at once.
template <typename AsyncInterface, typename Handler>
class Async : public Runtime<AsyncInterface, IAsyncInfo> {
 public:
  // `work` returns the error code the operation ends with (S_OK: completed).
  Async(std::string name, const GUID& iid, std::function<HRESULT()> work)
      : name_(std::move(name)), iid_(iid), work_(std::move(work)) {
    InitializeCriticalSection(&lock_);
  }

  void Begin() {
    delay_ = static_cast<DWORD>(Number("delay", 0));
    this->AddRef();  // for the thread
    HANDLE thread = CreateThread(nullptr, 0, &Async::Run, this, 0, nullptr);
    if (thread) {
      CloseHandle(thread);
    } else {
      Complete();
      this->Release();
    }
  }

  HRESULT STDMETHODCALLTYPE put_Completed(Handler* handler) override {
    if (!handler) return Record(name_ + ":put_Completed", E_INVALIDARG);
    AsyncStatus status;
    {
      Held held(this);
      if (handlerGiven_) return Record(name_ + ":put_Completed", kIllegalDelegateAssignment);
      handlerGiven_ = true;
      handler->AddRef();
      handler_ = handler;
      status = status_;
    }
    Record(name_ + ":put_Completed", S_OK, ThisThread());
    if (status != Started) CallHandler(status);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Completed(Handler** handler) override {
    if (!handler) return E_POINTER;
    Held held(this);
    *handler = handler_;
    if (handler_) handler_->AddRef();
    return S_OK;
  }

  // IAsyncInfo.
  HRESULT STDMETHODCALLTYPE get_Id(UINT32* id) override {
    if (!id) return E_POINTER;
    *id = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Status(AsyncStatus* status) override {
    if (!status) return E_POINTER;
    Held held(this);
    *status = status_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_ErrorCode(HRESULT* code) override {
    if (!code) return E_POINTER;
    Held held(this);
    *code = error_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Cancel() override {
    bool cancelled = false;
    {
      Held held(this);
      if (status_ == Started) {
        status_ = Canceled;
        cancelled = true;
      }
    }
    Record(name_ + ":Cancel", S_OK, cancelled ? "cancelled" : "had ended");
    if (cancelled) CallHandler(Canceled);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Close() override {
    Held held(this);
    if (status_ == Started) return Record(name_ + ":Close", kIllegalStateChange);
    return Record(name_ + ":Close", S_OK);
  }

 protected:
  ~Async() override {
    if (handler_) handler_->Release();
    DeleteCriticalSection(&lock_);
  }
  void* Interface(REFIID riid) override {
    if (riid == iid_) return static_cast<AsyncInterface*>(this);
    if (riid == IID_AsyncInfo) return static_cast<IAsyncInfo*>(this);
    return nullptr;
  }
  std::vector<GUID> Iids() const override { return {iid_, IID_AsyncInfo}; }
  const wchar_t* ClassName() const override { return L"Windows.Foundation.IAsyncInfo"; }

  const std::string& Name() const { return name_; }

  HRESULT EndedWith(AsyncStatus wanted) {
    Held held(this);
    if (status_ == Completed && wanted == Completed) return S_OK;
    if (status_ == Error) return error_;
    return kIllegalMethodCall;
  }

 private:
  struct Held {
    explicit Held(Async* a) : a_(a) { EnterCriticalSection(&a_->lock_); }
    ~Held() { LeaveCriticalSection(&a_->lock_); }
    Async* a_;
  };

  static DWORD WINAPI Run(LPVOID parameter) {
    Async* self = static_cast<Async*>(parameter);
    Sleep(self->delay_);
    self->Complete();
    self->Release();
    return 0;
  }

  void Complete() {
    {
      Held held(this);
      if (status_ != Started) return;  // cancelled meanwhile
    }
    const HRESULT outcome = work_();
    AsyncStatus status;
    {
      Held held(this);
      if (status_ != Started) return;
      error_ = outcome;
      status_ = SUCCEEDED(outcome) ? Completed : Error;
      status = status_;
    }
    Record(name_ + ":completed", outcome, ThisThread());
    CallHandler(status);
  }

  void CallHandler(AsyncStatus status) {
    Handler* handler = nullptr;
    {
      Held held(this);
      if (handlerCalled_ || !handler_) return;
      handlerCalled_ = true;
      handler = handler_;
      handler->AddRef();
    }
    Record(name_ + ":Completed", static_cast<long>(status), ThisThread());
    handler->Invoke(static_cast<AsyncInterface*>(this), status);
    handler->Release();
  }

  std::string name_;
  GUID iid_;
  std::function<HRESULT()> work_;
  CRITICAL_SECTION lock_;
  DWORD delay_ = 0;
  AsyncStatus status_ = Started;
  HRESULT error_ = S_OK;
  Handler* handler_ = nullptr;
  bool handlerGiven_ = false;
  bool handlerCalled_ = false;
};

class AsyncAction final : public Async<IAsyncAction, IAsyncActionCompletedHandler> {
 public:
  AsyncAction(std::string name, std::function<HRESULT()> work)
      : Async(std::move(name), IID_AsyncAction, std::move(work)) {}
  HRESULT STDMETHODCALLTYPE GetResults() override { return EndedWith(Completed); }
};

class TetheringOperation final
    : public Async<IAsyncOperationOfOperationResult, IAsyncOperationCompletedHandlerOfOperationResult> {
 public:
  // The result is made when the operation completes, from what the test
  // chose for it then.
  TetheringOperation(std::string name, const char* statusFile, OperationalState onSuccess)
      : Async(std::move(name), IID_AsyncOperationOfOperationResult, [this, statusFile, onSuccess] {
          const OperationStatus status = static_cast<OperationStatus>(Number(statusFile, 0));
          if (status == OperationStatus::Success) {
            WriteFileAtomically(FilePath(kName, "state"), onSuccess == OperationalState::On ? "on" : "off");
          }
          result_ = new OperationResult(status, FromUtf8(ReadFileBytes(FilePath(kName, "message"))));
          return S_OK;
        }) {}
  HRESULT STDMETHODCALLTYPE GetResults(INetworkOperatorTetheringOperationResult** results) override {
    if (!results) return E_POINTER;
    *results = nullptr;
    const HRESULT hr = EndedWith(Completed);
    if (SUCCEEDED(hr)) {
      result_->AddRef();
      *results = result_;
    }
    return Record(Name() + ":GetResults", hr);
  }

 private:
  ~TetheringOperation() override {
    if (result_) result_->Release();
  }
  OperationResult* result_ = nullptr;
};

class TetheringManager final : public Runtime<INetworkOperatorTetheringManager> {
 public:
  HRESULT STDMETHODCALLTYPE get_MaxClientCount(UINT32* value) override {
    if (!value) return Record("get_MaxClientCount", E_POINTER);
    *value = 8;
    return Record("get_MaxClientCount", S_OK);
  }
  HRESULT STDMETHODCALLTYPE get_ClientCount(UINT32* value) override {
    if (!value) return Record("get_ClientCount", E_POINTER);
    *value = static_cast<UINT32>(Number("clients", 0));
    return Record("get_ClientCount", S_OK, std::to_string(*value));
  }
  HRESULT STDMETHODCALLTYPE get_TetheringOperationalState(OperationalState* value) override {
    if (!value) return Record("get_TetheringOperationalState", E_POINTER);
    *value = HeldState();
    return Record("get_TetheringOperationalState", S_OK, std::to_string(static_cast<int>(*value)));
  }
  HRESULT STDMETHODCALLTYPE GetCurrentAccessPointConfiguration(
      INetworkOperatorTetheringAccessPointConfiguration** configuration) override {
    if (!configuration) return Record("GetCurrentAccessPointConfiguration", E_POINTER);
    *configuration = new AccessPointConfiguration(HeldSsid(), HeldPassphrase());
    return Record("GetCurrentAccessPointConfiguration", S_OK);
  }
  HRESULT STDMETHODCALLTYPE ConfigureAccessPointAsync(INetworkOperatorTetheringAccessPointConfiguration* configuration,
                                                      IAsyncAction** asyncInfo) override {
    if (!configuration || !asyncInfo) return Record("ConfigureAccessPointAsync", E_INVALIDARG);
    // What the configuration holds now is what Windows takes.
    HSTRING ssid = nullptr;
    HSTRING passphrase = nullptr;
    configuration->get_Ssid(&ssid);
    configuration->get_Passphrase(&passphrase);
    const std::wstring newSsid = TakeText(ssid);
    const std::wstring newPassphrase = TakeText(passphrase);
    AsyncAction* action = new AsyncAction("ConfigureAccessPointAsync", [newSsid, newPassphrase] {
      const long error = Number("configure-error", 0);
      if (error != 0) return static_cast<HRESULT>(error);
      WriteFileAtomically(FilePath(kName, "ssid"), Utf8(newSsid));
      WriteFileAtomically(FilePath(kName, "passphrase"), Utf8(newPassphrase));
      return S_OK;
    });
    *asyncInfo = action;
    Record("ConfigureAccessPointAsync", S_OK, Utf8(newSsid) + "\t" + Utf8(newPassphrase));
    action->Begin();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE StartTetheringAsync(IAsyncOperationOfOperationResult** asyncInfo) override {
    return Begin("StartTetheringAsync", "start-status", OperationalState::On, asyncInfo);
  }
  HRESULT STDMETHODCALLTYPE StopTetheringAsync(IAsyncOperationOfOperationResult** asyncInfo) override {
    return Begin("StopTetheringAsync", "stop-status", OperationalState::Off, asyncInfo);
  }

 protected:
  void* Interface(REFIID riid) override { return riid == IID_TetheringManager ? this : nullptr; }
  std::vector<GUID> Iids() const override { return {IID_TetheringManager}; }
  const wchar_t* ClassName() const override { return kTetheringManagerClass; }

 private:
  HRESULT Begin(const char* name, const char* statusFile, OperationalState onSuccess,
                IAsyncOperationOfOperationResult** asyncInfo) {
    if (!asyncInfo) return Record(name, E_POINTER);
    TetheringOperation* operation = new TetheringOperation(name, statusFile, onSuccess);
    *asyncInfo = operation;
    Record(name, S_OK, ThisThread());
    operation->Begin();
    return S_OK;
  }
};

// ---- activation factories ---------------------------------------------------------

class NetworkInformationFactory final : public Runtime<IActivationFactory, INetworkInformationStatics> {
 public:
  HRESULT STDMETHODCALLTYPE ActivateInstance(IInspectable** instance) override {
    if (instance) *instance = nullptr;
    return Record("NetworkInformation:ActivateInstance", E_NOTIMPL);  // a static class
  }
  HRESULT STDMETHODCALLTYPE GetConnectionProfiles(void**) override { return Record("GetConnectionProfiles", E_NOTIMPL); }
  HRESULT STDMETHODCALLTYPE GetInternetConnectionProfile(IConnectionProfile** value) override {
    if (!value) return Record("GetInternetConnectionProfile", E_POINTER);
    *value = Present("offline") ? nullptr : new ConnectionProfile;
    return Record("GetInternetConnectionProfile", S_OK, *value ? "profile" : "none");
  }
  HRESULT STDMETHODCALLTYPE GetLanIdentifiers(void**) override { return Record("GetLanIdentifiers", E_NOTIMPL); }
  HRESULT STDMETHODCALLTYPE GetHostNames(void**) override { return Record("GetHostNames", E_NOTIMPL); }
  HRESULT STDMETHODCALLTYPE GetProxyConfigurationAsync(void*, void**) override {
    return Record("GetProxyConfigurationAsync", E_NOTIMPL);
  }
  HRESULT STDMETHODCALLTYPE GetSortedEndpointPairs(void*, INT32, void**) override {
    return Record("GetSortedEndpointPairs", E_NOTIMPL);
  }
  HRESULT STDMETHODCALLTYPE add_NetworkStatusChanged(void*, EventRegistrationToken*) override {
    return Record("add_NetworkStatusChanged", E_NOTIMPL);
  }
  HRESULT STDMETHODCALLTYPE remove_NetworkStatusChanged(EventRegistrationToken) override {
    return Record("remove_NetworkStatusChanged", E_NOTIMPL);
  }

 protected:
  void* Interface(REFIID riid) override {
    if (riid == IID_ActivationFactory) return static_cast<IActivationFactory*>(this);
    if (riid == IID_NetworkInformationStatics) return static_cast<INetworkInformationStatics*>(this);
    return nullptr;
  }
  std::vector<GUID> Iids() const override { return {IID_ActivationFactory, IID_NetworkInformationStatics}; }
  const wchar_t* ClassName() const override { return kNetworkInformationClass; }
};

class TetheringManagerFactory final : public Runtime<IActivationFactory, INetworkOperatorTetheringManagerStatics2,
                                                     INetworkOperatorTetheringManagerStatics3> {
 public:
  HRESULT STDMETHODCALLTYPE ActivateInstance(IInspectable** instance) override {
    if (instance) *instance = nullptr;
    return Record("NetworkOperatorTetheringManager:ActivateInstance", E_NOTIMPL);  // made only for a profile
  }
  HRESULT STDMETHODCALLTYPE GetTetheringCapabilityFromConnectionProfile(IConnectionProfile* profile,
                                                                         Capability* result) override {
    if (!profile || !result) return Record("GetTetheringCapabilityFromConnectionProfile", E_INVALIDARG);
    *result = static_cast<Capability>(Number("capability", 0));
    return Record("GetTetheringCapabilityFromConnectionProfile", S_OK, std::to_string(static_cast<int>(*result)));
  }
  HRESULT STDMETHODCALLTYPE CreateFromConnectionProfile(IConnectionProfile* profile,
                                                        INetworkOperatorTetheringManager** value) override {
    return Create("CreateFromConnectionProfile", profile, value);
  }
  HRESULT STDMETHODCALLTYPE CreateFromConnectionProfileWithTargetAdapter(
      IConnectionProfile* profile, void* adapter, INetworkOperatorTetheringManager** value) override {
    if (!adapter) return Record("CreateFromConnectionProfileWithTargetAdapter", E_INVALIDARG);
    return Create("CreateFromConnectionProfileWithTargetAdapter", profile, value);
  }

 protected:
  void* Interface(REFIID riid) override {
    if (riid == IID_ActivationFactory) return static_cast<IActivationFactory*>(this);
    if (riid == IID_TetheringManagerStatics2) return static_cast<INetworkOperatorTetheringManagerStatics2*>(this);
    if (riid == IID_TetheringManagerStatics3) return static_cast<INetworkOperatorTetheringManagerStatics3*>(this);
    return nullptr;
  }
  std::vector<GUID> Iids() const override {
    return {IID_ActivationFactory, IID_TetheringManagerStatics2, IID_TetheringManagerStatics3};
  }
  const wchar_t* ClassName() const override { return kTetheringManagerClass; }

 private:
  HRESULT Create(const char* name, IConnectionProfile* profile, INetworkOperatorTetheringManager** value) {
    if (!value) return Record(name, E_POINTER);
    *value = nullptr;
    if (!profile) return Record(name, E_INVALIDARG);
    *value = new TetheringManager;
    return Record(name, S_OK);
  }
};

class AccessPointConfigurationFactory final : public Runtime<IActivationFactory> {
 public:
  HRESULT STDMETHODCALLTYPE ActivateInstance(IInspectable** instance) override {
    if (!instance) return Record("NetworkOperatorTetheringAccessPointConfiguration:ActivateInstance", E_POINTER);
    *instance = new AccessPointConfiguration(std::wstring(), std::wstring());
    return Record("NetworkOperatorTetheringAccessPointConfiguration:ActivateInstance", S_OK);
  }

 protected:
  void* Interface(REFIID riid) override { return riid == IID_ActivationFactory ? this : nullptr; }
  std::vector<GUID> Iids() const override { return {IID_ActivationFactory}; }
  const wchar_t* ClassName() const override { return kAccessPointConfigurationClass; }
};

}  // namespace

extern "C" {

__declspec(dllexport) HRESULT WINAPI DllGetActivationFactory(HSTRING classId, IActivationFactory** factory) {
  const std::wstring name = TextOf(classId);
  if (!factory) return Record("DllGetActivationFactory", E_POINTER, Utf8(name));
  *factory = nullptr;
  if (name == kNetworkInformationClass) {
    *factory = new NetworkInformationFactory;
  } else if (name == kTetheringManagerClass) {
    *factory = new TetheringManagerFactory;
  } else if (name == kAccessPointConfigurationClass) {
    *factory = new AccessPointConfigurationFactory;
  } else {
    return Record("DllGetActivationFactory", CLASS_E_CLASSNOTAVAILABLE, Utf8(name));
  }
  return Record("DllGetActivationFactory", S_OK, Utf8(name));
}

__declspec(dllexport) HRESULT WINAPI DllCanUnloadNow() { return liveObjects == 0 ? S_OK : S_FALSE; }

}  // extern "C"
