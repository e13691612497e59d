#include "mobile_hotspot/mobile_hotspot.h"

#include "common/encoding.h"
#include "mobile_hotspot/tethering_texts.h"
#include "mobile_hotspot/winrt_runtime.h"

namespace lumaret {

using namespace tethering;

namespace {

StepReport NewReport() {
  StepReport r;
  r.way = HotspotWay::MobileHotspot;
  return r;
}

// A call that failed: before an operation began, or the operation itself.
StepReport Failure(HRESULT error, bool started) {
  StepReport r = NewReport();
  r.started = started;
  r.ended = started;
  r.exitCode = static_cast<unsigned long>(error);
  r.lastLine = ErrorCause(error);
  r.output = SystemErrorText(error);
  return r;
}

// Windows said no before anything began.
StepReport Refusal(const std::wstring& cause) {
  StepReport r = NewReport();
  r.lastLine = cause;
  return r;
}

// Fills in how the wait for an operation ended; true when it completed and
// its results are to be looked at.
bool Ended(const AsyncWait& wait, StepReport* r) {
  r->started = true;
  switch (wait.end) {
    case AsyncEnd::Completed: r->ended = true; return true;
    case AsyncEnd::TimedOut:
      r->timedOut = true;
      r->exitCode = static_cast<unsigned long>(HRESULT_FROM_WIN32(ERROR_TIMEOUT));
      return false;
    case AsyncEnd::Abandoned: return false;  // the window has gone: nothing is shown
    case AsyncEnd::Canceled:
      r->ended = true;
      r->exitCode = static_cast<unsigned long>(E_ABORT);
      r->lastLine = kOperationCanceledCause;
      return false;
    case AsyncEnd::Failed: break;
  }
  *r = Failure(wait.error, true);
  return false;
}

template <typename T>
ComPtr<T> Share(const ComPtr<T>& p) {
  ComPtr<T> copy;
  if (p) {
    p->AddRef();
    *copy.put() = p.get();
  }
  return copy;
}

}  // namespace

bool MobileHotspot::Exists() {
  ComPtr<INetworkInformationStatics> information;
  ComPtr<INetworkOperatorTetheringManagerStatics2> tethering;
  return SUCCEEDED(GetActivationFactory(kNetworkInformationClass, IID_NetworkInformationStatics, &information)) &&
         SUCCEEDED(GetActivationFactory(kTetheringManagerClass, IID_TetheringManagerStatics2, &tethering));
}

// The tethering manager of the internet connection profile: the Mobile
// Hotspot shares that connection, so there is none without it.
ComPtr<MobileHotspot::Manager> MobileHotspot::ManagerForInternet(bool checkCapability, StepReport* why) {
  ComPtr<Manager> manager;
  ComPtr<INetworkInformationStatics> information;
  HRESULT hr = GetActivationFactory(kNetworkInformationClass, IID_NetworkInformationStatics, &information);
  if (FAILED(hr)) {
    *why = Failure(hr, false);
    return manager;
  }
  ComPtr<IConnectionProfile> profile;
  hr = information->GetInternetConnectionProfile(profile.put());
  if (FAILED(hr)) {
    *why = Failure(hr, false);
    return manager;
  }
  if (!profile) {
    *why = Refusal(kNoConnectionCause);
    return manager;
  }
  ComPtr<INetworkOperatorTetheringManagerStatics2> statics;
  hr = GetActivationFactory(kTetheringManagerClass, IID_TetheringManagerStatics2, &statics);
  if (FAILED(hr)) {
    *why = Failure(hr, false);
    return manager;
  }
  if (checkCapability) {
    Capability capability = Capability::DisabledDueToUnknownCause;
    hr = statics->GetTetheringCapabilityFromConnectionProfile(profile.get(), &capability);
    if (FAILED(hr)) {
      *why = Failure(hr, false);
      return manager;
    }
    if (capability != Capability::Enabled) {
      *why = Refusal(CapabilityCause(capability));
      return manager;
    }
  }
  hr = statics->CreateFromConnectionProfile(profile.get(), manager.put());
  if (FAILED(hr) || !manager) {
    *why = Failure(FAILED(hr) ? hr : E_POINTER, false);
    manager.reset();
    return manager;
  }
  last_ = Share(manager);
  return manager;
}

ComPtr<MobileHotspot::Manager> MobileHotspot::ManagerInUse(StepReport* why) {
  ComPtr<Manager> manager = ManagerForInternet(false, why);
  return manager ? std::move(manager) : Share(last_);
}

StepReport MobileHotspot::Configure(const std::string& name, const std::string& key) {
  StepReport r = NewReport();
  ComPtr<Manager> manager = ManagerForInternet(true, &r);
  if (!manager) return r;
  ComPtr<INetworkOperatorTetheringAccessPointConfiguration> configuration;
  HRESULT hr = manager->GetCurrentAccessPointConfiguration(configuration.put());
  if (FAILED(hr) || !configuration) return Failure(FAILED(hr) ? hr : E_POINTER, false);

  const std::wstring wantedName = AnsiToWide(name);
  const std::wstring wantedKey = AnsiToWide(key);
  HString heldName, heldKey;
  if (SUCCEEDED(configuration->get_Ssid(heldName.put())) && SUCCEEDED(configuration->get_Passphrase(heldKey.put())) &&
      heldName.Text() == wantedName && heldKey.Text() == wantedKey) {
    r.started = r.ended = true;  // nothing to change
    return r;
  }
  HString newName, newKey;
  if (!newName.Assign(wantedName) || !newKey.Assign(wantedKey)) return Failure(E_OUTOFMEMORY, false);
  hr = configuration->put_Ssid(newName.get());
  if (SUCCEEDED(hr)) hr = configuration->put_Passphrase(newKey.get());
  if (FAILED(hr)) return Failure(hr, false);

  ComPtr<IAsyncAction> action;
  hr = manager->ConfigureAccessPointAsync(configuration.get(), action.put());
  if (FAILED(hr) || !action) return Failure(FAILED(hr) ? hr : E_POINTER, false);
  if (!Ended(AwaitAsync(action.get(), limitMs_), &r)) return r;
  hr = action->GetResults();
  CloseAsync(action.get());
  return FAILED(hr) ? Failure(hr, true) : r;
}

StepReport MobileHotspot::Start() { return RunOperation(true); }

StepReport MobileHotspot::Stop() { return RunOperation(false); }

StepReport MobileHotspot::RunOperation(bool start) {
  StepReport r = NewReport();
  // A stop needs no connection that may be shared, only the hotspot.
  ComPtr<Manager> manager = start ? ManagerForInternet(true, &r) : ManagerInUse(&r);
  if (!manager) return r;
  r = NewReport();
  ComPtr<IAsyncOperationOfOperationResult> operation;
  HRESULT hr = start ? manager->StartTetheringAsync(operation.put()) : manager->StopTetheringAsync(operation.put());
  if (FAILED(hr) || !operation) return Failure(FAILED(hr) ? hr : E_POINTER, false);
  if (!Ended(AwaitAsync(operation.get(), limitMs_), &r)) return r;

  ComPtr<INetworkOperatorTetheringOperationResult> result;
  hr = operation->GetResults(result.put());
  CloseAsync(operation.get());
  if (FAILED(hr) || !result) return Failure(FAILED(hr) ? hr : E_POINTER, true);
  OperationStatus status = OperationStatus::Unknown;
  hr = result->get_Status(&status);
  if (FAILED(hr)) return Failure(hr, true);
  HString message;
  result->get_AdditionalErrorMessage(message.put());
  r.exitCode = static_cast<unsigned long>(status);
  r.lastLine = OperationStatusCause(status);
  r.output = message.Text();
  return r;
}

HotspotStatus MobileHotspot::Status() {
  HotspotStatus status;
  StepReport why;
  ComPtr<Manager> manager = ManagerInUse(&why);
  OperationalState state = OperationalState::Unknown;
  if (!manager || FAILED(manager->get_TetheringOperationalState(&state))) return status;
  status.state = HotspotStateOf(state);
  UINT32 clients = 0;
  if (status.state == HotspotState::Active && SUCCEEDED(manager->get_ClientCount(&clients))) {
    status.deviceCount = clients;
  }
  return status;
}

bool MobileHotspot::PostChanges(HWND, UINT) { return false; }

void MobileHotspot::Release() { last_.reset(); }

MobileHotspot& TheMobileHotspot() {
  static MobileHotspot hotspot;
  return hotspot;
}

}  // namespace lumaret
