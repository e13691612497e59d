// The stand-in wlanapi.dll, installed in the test prefix's System32 (see
// system_standin.h): Wine's own does not implement the hosted network. It
// answers the functions Lumaret calls as Microsoft documents them (return
// codes, memory the caller gives back with WlanFreeMemory, notifications on
// a thread of its own until the handle is closed), takes the hosted network
// from the behaviour folder (standin_files.h) and records every call.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "testsupport/standin_files.h"
#include "wlan/hosted_network_api.h"

namespace {

using namespace lumaret::standin;
namespace api = lumaret::wlan_api;

const char kName[] = "wlanapi";

CRITICAL_SECTION lock;

struct Lock {
  Lock() { EnterCriticalSection(&lock); }
  ~Lock() { LeaveCriticalSection(&lock); }
};

// A client handle; the HANDLE the caller gets is its address.
struct Client {
  DWORD sources = WLAN_NOTIFICATION_SOURCE_NONE;
  WLAN_NOTIFICATION_CALLBACK callback = nullptr;
  PVOID context = nullptr;
  HANDLE thread = nullptr;
  HANDLE stop = nullptr;
};

std::vector<Client*> clients;       // open handles
std::vector<void*> handedOut;       // memory not given back yet

DWORD Record(const char* function, DWORD result) {
  AppendLine(FilePath(kName, "log"), std::string("call\t") + std::to_string(GetCurrentProcessId()) + "\t" + function +
                                         "\t" + std::to_string(result));
  return result;
}

Client* Find(HANDLE handle) {
  for (Client* c : clients) {
    if (c == handle) return c;
  }
  return nullptr;
}

void* HandOut(std::size_t size) {
  void* p = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size);
  if (p) {
    Lock held;
    handedOut.push_back(p);
  }
  return p;
}

std::string Trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

unsigned Interfaces() {
  const std::string text = Trimmed(ReadFileBytes(FilePath(kName, "interfaces")));
  return text.empty() ? 1 : static_cast<unsigned>(std::atoi(text.c_str()));
}

api::WLAN_HOSTED_NETWORK_STATE State() {
  if (Interfaces() == 0) return api::wlan_hosted_network_unavailable;
  const std::string text = Trimmed(ReadFileBytes(FilePath(kName, "state")));
  if (text == "unavailable") return api::wlan_hosted_network_unavailable;
  if (text == "active") return api::wlan_hosted_network_active;
  return api::wlan_hosted_network_idle;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The hex digits of the text, in order, as bytes.
std::vector<unsigned char> HexBytes(const std::string& text) {
  std::vector<unsigned char> bytes;
  int high = -1;
  for (char c : text) {
    const int d = HexDigit(c);
    if (d < 0) continue;
    if (high < 0) {
      high = d;
    } else {
      bytes.push_back(static_cast<unsigned char>(high * 16 + d));
      high = -1;
    }
  }
  return bytes;
}

GUID AdapterGuid() {
  GUID g{};
  const std::vector<unsigned char> b = HexBytes(ReadFileBytes(FilePath(kName, "guid")));
  if (b.size() != 16) return g;
  g.Data1 = (DWORD(b[0]) << 24) | (DWORD(b[1]) << 16) | (DWORD(b[2]) << 8) | b[3];
  g.Data2 = static_cast<WORD>((b[4] << 8) | b[5]);
  g.Data3 = static_cast<WORD>((b[6] << 8) | b[7]);
  for (int i = 0; i < 8; ++i) g.Data4[i] = b[8 + i];
  return g;
}

// The peers' addresses, shown while the hosted network is active.
std::vector<std::vector<unsigned char>> Peers(api::WLAN_HOSTED_NETWORK_STATE state) {
  std::vector<std::vector<unsigned char>> peers;
  if (state != api::wlan_hosted_network_active) return peers;
  const std::string text = ReadFileBytes(FilePath(kName, "peers"));
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::vector<unsigned char> mac = HexBytes(text.substr(start, end - start));
    if (mac.size() == 6) peers.push_back(mac);
    start = end + 1;
  }
  return peers;
}

// WLAN_HOSTED_NETWORK_STATE_CHANGE and WLAN_HOSTED_NETWORK_DATA_PEER_STATE_CHANGE,
// the data of the two notifications sent.
struct StateChange {
  api::WLAN_HOSTED_NETWORK_STATE OldState;
  api::WLAN_HOSTED_NETWORK_STATE NewState;
  DWORD StateChangeReason;
};
struct PeerChange {
  api::WLAN_HOSTED_NETWORK_PEER_STATE OldState;
  api::WLAN_HOSTED_NETWORK_PEER_STATE NewState;
  DWORD PeerStateChangeReason;
};

void Notify(const Client& client, DWORD code, void* data, DWORD size) {
  if (GetFileAttributesA(FilePath(kName, "quiet").c_str()) != INVALID_FILE_ATTRIBUTES) return;
  WLAN_NOTIFICATION_DATA n{};
  n.NotificationSource = WLAN_NOTIFICATION_SOURCE_HNWK;
  n.NotificationCode = code;
  n.dwDataSize = size;
  n.pData = data;
  Record("notification", code);
  client.callback(&n, client.context);
}

// Watches the behaviour files and tells the client of every change of the
// state and of the peers, on this thread, as the WLAN service does on one
// of its own; ends when the handle is closed or the registration goes.
DWORD WINAPI Watch(LPVOID parameter) {
  Client* client = static_cast<Client*>(parameter);
  api::WLAN_HOSTED_NETWORK_STATE state = State();
  std::vector<std::vector<unsigned char>> peers = Peers(state);
  while (WaitForSingleObject(client->stop, 50) == WAIT_TIMEOUT) {
    const api::WLAN_HOSTED_NETWORK_STATE nowState = State();
    const std::vector<std::vector<unsigned char>> nowPeers = Peers(nowState);
    if (nowState != state) {
      StateChange change{state, nowState, 0};
      Notify(*client, api::wlan_hosted_network_state_change, &change, sizeof change);
    }
    if (nowPeers != peers) {
      PeerChange change{};
      change.NewState.PeerAuthState = api::wlan_hosted_network_peer_state_authenticated;
      Notify(*client, api::wlan_hosted_network_peer_state_change, &change, sizeof change);
    }
    state = nowState;
    peers = nowPeers;
  }
  return 0;
}

void StopWatching(Client* client) {
  if (!client->thread) return;
  SetEvent(client->stop);
  WaitForSingleObject(client->thread, INFINITE);
  CloseHandle(client->thread);
  CloseHandle(client->stop);
  client->thread = nullptr;
  client->stop = nullptr;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) InitializeCriticalSection(&lock);
  return TRUE;
}

extern "C" {

__declspec(dllexport) DWORD WINAPI WlanOpenHandle(DWORD dwClientVersion, PVOID pReserved,
                                                  PDWORD pdwNegotiatedVersion, PHANDLE phClientHandle) {
  if (pReserved || !pdwNegotiatedVersion || !phClientHandle) return Record("WlanOpenHandle", ERROR_INVALID_PARAMETER);
  if (dwClientVersion != 1 && dwClientVersion != 2) return Record("WlanOpenHandle", ERROR_NOT_SUPPORTED);
  Client* client = new Client;
  {
    Lock held;
    clients.push_back(client);
  }
  *pdwNegotiatedVersion = dwClientVersion;
  *phClientHandle = client;
  return Record("WlanOpenHandle", ERROR_SUCCESS);
}

__declspec(dllexport) DWORD WINAPI WlanCloseHandle(HANDLE hClientHandle, PVOID pReserved) {
  Client* client = nullptr;
  {
    Lock held;
    client = Find(hClientHandle);
    if (!client || pReserved) return Record("WlanCloseHandle", client ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
    for (auto it = clients.begin(); it != clients.end(); ++it) {
      if (*it == client) {
        clients.erase(it);
        break;
      }
    }
  }
  // Returns only when no callback runs any more.
  StopWatching(client);
  delete client;
  return Record("WlanCloseHandle", ERROR_SUCCESS);
}

__declspec(dllexport) VOID WINAPI WlanFreeMemory(PVOID pMemory) {
  bool known = false;
  {
    Lock held;
    for (auto it = handedOut.begin(); it != handedOut.end(); ++it) {
      if (*it == pMemory) {
        handedOut.erase(it);
        known = true;
        break;
      }
    }
  }
  if (known) HeapFree(GetProcessHeap(), 0, pMemory);
  Record("WlanFreeMemory", known ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER);
}

__declspec(dllexport) DWORD WINAPI WlanEnumInterfaces(HANDLE hClientHandle, PVOID pReserved,
                                                      PWLAN_INTERFACE_INFO_LIST* ppInterfaceList) {
  {
    Lock held;
    if (!Find(hClientHandle)) return Record("WlanEnumInterfaces", ERROR_INVALID_HANDLE);
  }
  if (pReserved || !ppInterfaceList) return Record("WlanEnumInterfaces", ERROR_INVALID_PARAMETER);
  const unsigned count = Interfaces();
  auto* list = static_cast<PWLAN_INTERFACE_INFO_LIST>(
      HandOut(offsetof(WLAN_INTERFACE_INFO_LIST, InterfaceInfo) + count * sizeof(WLAN_INTERFACE_INFO)));
  if (!list) return Record("WlanEnumInterfaces", ERROR_NOT_ENOUGH_MEMORY);
  list->dwNumberOfItems = count;
  for (unsigned i = 0; i < count; ++i) {
    WLAN_INTERFACE_INFO& info = list->InterfaceInfo[i];
    info.InterfaceGuid.Data1 = 0x4C554D00 + i;
    const std::wstring description = L"Lumaret stand-in wireless adapter " + std::to_wstring(i + 1);
    description.copy(info.strInterfaceDescription, 255);
    info.isState = wlan_interface_state_connected;
  }
  *ppInterfaceList = list;
  return Record("WlanEnumInterfaces", ERROR_SUCCESS);
}

__declspec(dllexport) DWORD WINAPI WlanHostedNetworkQueryStatus(HANDLE hClientHandle,
                                                                api::PWLAN_HOSTED_NETWORK_STATUS* ppWlanHostedNetworkStatus,
                                                                PVOID pvReserved) {
  {
    Lock held;
    if (!Find(hClientHandle)) return Record("WlanHostedNetworkQueryStatus", ERROR_INVALID_HANDLE);
  }
  if (pvReserved || !ppWlanHostedNetworkStatus) return Record("WlanHostedNetworkQueryStatus", ERROR_INVALID_PARAMETER);
  const std::string error = Trimmed(ReadFileBytes(FilePath(kName, "error")));
  if (!error.empty()) return Record("WlanHostedNetworkQueryStatus", static_cast<DWORD>(std::atoi(error.c_str())));
  const api::WLAN_HOSTED_NETWORK_STATE state = State();
  const std::vector<std::vector<unsigned char>> peers = Peers(state);
  const std::size_t entries = peers.empty() ? 1 : peers.size();
  auto* status = static_cast<api::PWLAN_HOSTED_NETWORK_STATUS>(
      HandOut(offsetof(api::WLAN_HOSTED_NETWORK_STATUS, PeerList) + entries * sizeof(api::WLAN_HOSTED_NETWORK_PEER_STATE)));
  if (!status) return Record("WlanHostedNetworkQueryStatus", ERROR_NOT_ENOUGH_MEMORY);
  status->HostedNetworkState = state;
  status->IPDeviceID = AdapterGuid();
  if (state == api::wlan_hosted_network_active) {
    const unsigned char bssid[6] = {0x02, 0x4C, 0x55, 0x4D, 0x00, 0x01};
    for (int i = 0; i < 6; ++i) status->wlanHostedNetworkBSSID[i] = bssid[i];
    status->dot11PhyType = dot11_phy_type_ht;
    status->ulChannelFrequency = 2437000;  // channel 6, in kHz
  }
  status->dwNumberOfPeers = static_cast<DWORD>(peers.size());
  for (std::size_t i = 0; i < peers.size(); ++i) {
    for (int b = 0; b < 6; ++b) status->PeerList[i].PeerMacAddress[b] = peers[i][b];
    status->PeerList[i].PeerAuthState = api::wlan_hosted_network_peer_state_authenticated;
  }
  *ppWlanHostedNetworkStatus = status;
  return Record("WlanHostedNetworkQueryStatus", ERROR_SUCCESS);
}

__declspec(dllexport) DWORD WINAPI WlanRegisterNotification(HANDLE hClientHandle, DWORD dwNotifSource,
                                                            WINBOOL bIgnoreDuplicate,
                                                            WLAN_NOTIFICATION_CALLBACK funcCallback,
                                                            PVOID pCallbackContext, PVOID pReserved,
                                                            PDWORD pdwPrevNotifSource) {
  (void)bIgnoreDuplicate;
  Client* client = nullptr;
  {
    Lock held;
    client = Find(hClientHandle);
  }
  if (!client) return Record("WlanRegisterNotification", ERROR_INVALID_HANDLE);
  if (pReserved || (dwNotifSource != WLAN_NOTIFICATION_SOURCE_NONE && !funcCallback)) {
    return Record("WlanRegisterNotification", ERROR_INVALID_PARAMETER);
  }
  if (pdwPrevNotifSource) *pdwPrevNotifSource = client->sources;
  StopWatching(client);
  client->sources = dwNotifSource;
  client->callback = funcCallback;
  client->context = pCallbackContext;
  if (dwNotifSource & WLAN_NOTIFICATION_SOURCE_HNWK) {
    client->stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    client->thread = CreateThread(nullptr, 0, Watch, client, 0, nullptr);
  }
  return Record("WlanRegisterNotification", ERROR_SUCCESS);
}

}  // extern "C"
