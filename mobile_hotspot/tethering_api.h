// The Windows Runtime interfaces of the Mobile Hotspot that Lumaret calls,
// declared from C++ without C++/WinRT: each with the IID and the method
// order of the Windows SDK's metadata (the IIDs, and how each was obtained,
// are in tethering_metadata.h). A method Lumaret never calls keeps its
// place in the table with untyped arguments, so the ones after it are where
// Windows has them. The base interfaces (IInspectable, IAsyncInfo,
// IActivationFactory) and HSTRING come from MinGW's headers.
//
//   NetworkInformation (statics)      the internet connection profile
//   NetworkOperatorTetheringManager   statics: one for a connection profile;
//                                     the manager: state, clients, the access
//                                     point, start and stop
//   ...AccessPointConfiguration       the name (SSID) and passphrase
//   ...OperationResult                how a start or stop went
//
// Used by Lumaret and by the tests' stand-in, which implements them.
#pragma once

#include <windows.h>
#include <activation.h>
#include <asyncinfo.h>
#include <eventtoken.h>
#include <hstring.h>
#include <inspectable.h>

#include "mobile_hotspot/tethering_metadata.h"

namespace lumaret {
namespace tethering {

constexpr GUID Guid(const Iid& i) {
  return GUID{i.data1, i.data2, i.data3,
              {i.data4[0], i.data4[1], i.data4[2], i.data4[3], i.data4[4], i.data4[5], i.data4[6], i.data4[7]}};
}

// ---- Windows.Foundation --------------------------------------------------------

struct IAsyncAction;

// AsyncActionCompletedHandler: a delegate, so IUnknown-based.
struct IAsyncActionCompletedHandler : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Invoke(IAsyncAction* asyncInfo, AsyncStatus status) = 0;
};

struct IAsyncAction : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE put_Completed(IAsyncActionCompletedHandler* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Completed(IAsyncActionCompletedHandler** handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetResults() = 0;
};

// ---- Windows.Networking.Connectivity -------------------------------------------

// IConnectionProfile: only passed from NetworkInformation to the tethering
// manager's statics, never called, so its methods are not declared.
struct IConnectionProfile : IInspectable {};

struct INetworkInformationStatics : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE GetConnectionProfiles(void** value) = 0;
  // Null (and S_OK) when there is no internet connection.
  virtual HRESULT STDMETHODCALLTYPE GetInternetConnectionProfile(IConnectionProfile** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetLanIdentifiers(void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetHostNames(void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetProxyConfigurationAsync(void* uri, void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetSortedEndpointPairs(void* destinationList, INT32 sortOptions, void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_NetworkStatusChanged(void* handler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_NetworkStatusChanged(EventRegistrationToken token) = 0;
};

// ---- Windows.Networking.NetworkOperators ---------------------------------------

struct INetworkOperatorTetheringOperationResult : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_Status(OperationStatus* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AdditionalErrorMessage(HSTRING* value) = 0;
};

struct IAsyncOperationOfOperationResult;

// AsyncOperationCompletedHandler<NetworkOperatorTetheringOperationResult>.
struct IAsyncOperationCompletedHandlerOfOperationResult : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Invoke(IAsyncOperationOfOperationResult* asyncInfo, AsyncStatus status) = 0;
};

// IAsyncOperation<NetworkOperatorTetheringOperationResult>.
struct IAsyncOperationOfOperationResult : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE put_Completed(IAsyncOperationCompletedHandlerOfOperationResult* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Completed(IAsyncOperationCompletedHandlerOfOperationResult** handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetResults(INetworkOperatorTetheringOperationResult** results) = 0;
};

struct INetworkOperatorTetheringAccessPointConfiguration : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_Ssid(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Ssid(HSTRING value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Passphrase(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Passphrase(HSTRING value) = 0;
};

struct INetworkOperatorTetheringManager : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_MaxClientCount(UINT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ClientCount(UINT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_TetheringOperationalState(OperationalState* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentAccessPointConfiguration(
      INetworkOperatorTetheringAccessPointConfiguration** configuration) = 0;
  virtual HRESULT STDMETHODCALLTYPE ConfigureAccessPointAsync(
      INetworkOperatorTetheringAccessPointConfiguration* configuration, IAsyncAction** asyncInfo) = 0;
  virtual HRESULT STDMETHODCALLTYPE StartTetheringAsync(IAsyncOperationOfOperationResult** asyncInfo) = 0;
  virtual HRESULT STDMETHODCALLTYPE StopTetheringAsync(IAsyncOperationOfOperationResult** asyncInfo) = 0;
};

struct INetworkOperatorTetheringManagerStatics2 : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE GetTetheringCapabilityFromConnectionProfile(IConnectionProfile* profile,
                                                                                 Capability* result) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateFromConnectionProfile(IConnectionProfile* profile,
                                                                INetworkOperatorTetheringManager** value) = 0;
};

// Declared for the stand-in, which answers it as Windows does; Lumaret
// creates its manager through Statics2 (the Mobile Hotspot picks its own
// Wi-Fi adapter).
struct INetworkOperatorTetheringManagerStatics3 : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE CreateFromConnectionProfileWithTargetAdapter(
      IConnectionProfile* profile, void* adapter, INetworkOperatorTetheringManager** value) = 0;
};

// ---- The IIDs as GUIDs -----------------------------------------------------------

inline constexpr GUID IID_Unknown = Guid(kIUnknown);
inline constexpr GUID IID_Inspectable = Guid(kIInspectable);
inline constexpr GUID IID_AgileObject = Guid(kIAgileObject);
inline constexpr GUID IID_ActivationFactory = Guid(kIActivationFactory);
inline constexpr GUID IID_AsyncInfo = Guid(kIAsyncInfo);
inline constexpr GUID IID_AsyncAction = Guid(kIAsyncAction);
inline constexpr GUID IID_AsyncActionCompletedHandler = Guid(kAsyncActionCompletedHandler);
inline constexpr GUID IID_NetworkInformationStatics = Guid(kINetworkInformationStatics);
inline constexpr GUID IID_ConnectionProfile = Guid(kIConnectionProfile);
inline constexpr GUID IID_TetheringManagerStatics2 = Guid(kINetworkOperatorTetheringManagerStatics2);
inline constexpr GUID IID_TetheringManagerStatics3 = Guid(kINetworkOperatorTetheringManagerStatics3);
inline constexpr GUID IID_TetheringManager = Guid(kINetworkOperatorTetheringManager);
inline constexpr GUID IID_AccessPointConfiguration = Guid(kINetworkOperatorTetheringAccessPointConfiguration);
inline constexpr GUID IID_OperationResult = Guid(kINetworkOperatorTetheringOperationResult);
inline constexpr GUID IID_AsyncOperationOfOperationResult = Guid(kIAsyncOperationOfOperationResult);
inline constexpr GUID IID_AsyncOperationCompletedHandlerOfOperationResult =
    Guid(kAsyncOperationCompletedHandlerOfOperationResult);

}  // namespace tethering
}  // namespace lumaret
