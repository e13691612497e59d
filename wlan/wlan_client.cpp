#include "wlan/wlan_client.h"

#include "common/system_library.h"
#include "wlan/hosted_network_api.h"

namespace lumaret {

namespace {

// The client version of the API of Windows Vista and later.
constexpr DWORD kClientVersion = 2;

// The library with the functions Lumaret calls, made together so the
// library outlives every use of them.
struct WlanFunctions {
  SystemLibrary library{L"wlanapi.dll"};
  SystemFunction<decltype(::WlanOpenHandle)> openHandle{library, "WlanOpenHandle"};
  SystemFunction<decltype(::WlanCloseHandle)> closeHandle{library, "WlanCloseHandle"};
  SystemFunction<decltype(::WlanFreeMemory)> freeMemory{library, "WlanFreeMemory"};
  SystemFunction<decltype(::WlanEnumInterfaces)> enumInterfaces{library, "WlanEnumInterfaces"};
  SystemFunction<decltype(::WlanHostedNetworkQueryStatus)> queryStatus{library, "WlanHostedNetworkQueryStatus"};
  SystemFunction<decltype(::WlanRegisterNotification)> registerNotification{library, "WlanRegisterNotification"};
};

WlanFunctions& Wlan() {
  static WlanFunctions functions;
  return functions;
}

// Memory the API handed out, given back with WlanFreeMemory.
template <typename T>
class WlanMemory {
 public:
  WlanMemory() = default;
  ~WlanMemory() {
    if (p_ && Wlan().freeMemory) Wlan().freeMemory(p_);
  }
  WlanMemory(const WlanMemory&) = delete;
  WlanMemory& operator=(const WlanMemory&) = delete;
  T** put() { return &p_; }
  T* get() const { return p_; }

 private:
  T* p_ = nullptr;
};

std::optional<HostedNetworkState> StateOf(wlan_api::WLAN_HOSTED_NETWORK_STATE state) {
  switch (state) {
    case wlan_api::wlan_hosted_network_unavailable: return HostedNetworkState::Unavailable;
    case wlan_api::wlan_hosted_network_idle: return HostedNetworkState::Idle;
    case wlan_api::wlan_hosted_network_active: return HostedNetworkState::Active;
  }
  return std::nullopt;
}

}  // namespace

struct WlanClient::Target {
  HWND window;
  UINT message;

  // Runs on a thread of the API's: it must not touch the window, only post.
  static VOID WINAPI OnNotification(PWLAN_NOTIFICATION_DATA data, PVOID context) {
    if (!data || !context || data->NotificationSource != WLAN_NOTIFICATION_SOURCE_HNWK) return;
    const Target* target = static_cast<const Target*>(context);
    PostMessageW(target->window, target->message, 0, 0);
  }
};

// The functions are made first, so they are still there when a client that
// lives as long as the program closes its handle at the end.
WlanClient::WlanClient() { Wlan(); }

WlanClient::~WlanClient() { Close(); }

bool WlanClient::Open() {
  if (handle_) return true;
  WlanFunctions& f = Wlan();
  if (!f.openHandle || !f.closeHandle || !f.freeMemory) return false;
  DWORD negotiated = 0;
  HANDLE handle = nullptr;
  if (f.openHandle(kClientVersion, nullptr, &negotiated, &handle) != ERROR_SUCCESS || !handle) return false;
  handle_ = handle;
  return true;
}

void WlanClient::Close() {
  if (handle_) {
    // Waits for a notification callback that is running; none comes after.
    Wlan().closeHandle(handle_, nullptr);
    handle_ = nullptr;
  }
  target_.reset();
}

std::optional<HostedNetworkStatus> WlanClient::QueryHostedNetwork() {
  if (!Open() || !Wlan().queryStatus) return std::nullopt;
  WlanMemory<wlan_api::WLAN_HOSTED_NETWORK_STATUS> raw;
  if (Wlan().queryStatus(handle_, raw.put(), nullptr) != ERROR_SUCCESS || !raw.get()) return std::nullopt;
  const std::optional<HostedNetworkState> state = StateOf(raw.get()->HostedNetworkState);
  if (!state) return std::nullopt;
  HostedNetworkStatus status;
  status.state = *state;
  status.deviceId = raw.get()->IPDeviceID;
  for (DWORD i = 0; i < raw.get()->dwNumberOfPeers; ++i) {
    const wlan_api::WLAN_HOSTED_NETWORK_PEER_STATE& peer = raw.get()->PeerList[i];
    if (peer.PeerAuthState != wlan_api::wlan_hosted_network_peer_state_authenticated) continue;
    MacAddress mac;
    for (std::size_t b = 0; b < mac.size(); ++b) mac[b] = peer.PeerMacAddress[b];
    status.peers.push_back(mac);
  }
  return status;
}

std::optional<unsigned> WlanClient::CountInterfaces() {
  if (!Open() || !Wlan().enumInterfaces) return std::nullopt;
  WlanMemory<WLAN_INTERFACE_INFO_LIST> list;
  if (Wlan().enumInterfaces(handle_, nullptr, list.put()) != ERROR_SUCCESS || !list.get()) return std::nullopt;
  return static_cast<unsigned>(list.get()->dwNumberOfItems);
}

bool WlanClient::PostHostedNetworkChanges(HWND window, UINT message) {
  // A new handle: callbacks for an earlier target have ended with the old one.
  Close();
  if (!Open() || !Wlan().registerNotification) return false;
  auto target = std::make_unique<Target>(Target{window, message});
  if (Wlan().registerNotification(handle_, WLAN_NOTIFICATION_SOURCE_HNWK, TRUE, &Target::OnNotification,
                                  target.get(), nullptr, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  target_ = std::move(target);
  return true;
}

}  // namespace lumaret
