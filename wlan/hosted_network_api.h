// What Lumaret uses of Windows' WLAN API (wlanapi.dll, Windows 7 and later)
// for the hosted network and MinGW's wlanapi.h does not declare, as
// Microsoft documents it (wlanapi.h of the Windows SDK). The types keep
// Microsoft's names inside this namespace, so a later MinGW that declares
// them too cannot clash; the function is declared as the DLL exports it.
// The layouts are those of x64, checked below.
#pragma once

#include <windows.h>
#include <wlanapi.h>

#include <cstddef>

namespace lumaret {
namespace wlan_api {

typedef enum _WLAN_HOSTED_NETWORK_STATE {
  wlan_hosted_network_unavailable,
  wlan_hosted_network_idle,
  wlan_hosted_network_active
} WLAN_HOSTED_NETWORK_STATE;

typedef enum _WLAN_HOSTED_NETWORK_PEER_AUTH_STATE {
  wlan_hosted_network_peer_state_invalid,
  wlan_hosted_network_peer_state_authenticated
} WLAN_HOSTED_NETWORK_PEER_AUTH_STATE;

typedef struct _WLAN_HOSTED_NETWORK_PEER_STATE {
  DOT11_MAC_ADDRESS PeerMacAddress;
  WLAN_HOSTED_NETWORK_PEER_AUTH_STATE PeerAuthState;
} WLAN_HOSTED_NETWORK_PEER_STATE, *PWLAN_HOSTED_NETWORK_PEER_STATE;

typedef struct _WLAN_HOSTED_NETWORK_STATUS {
  WLAN_HOSTED_NETWORK_STATE HostedNetworkState;
  GUID IPDeviceID;  // the hosted network's virtual adapter
  DOT11_MAC_ADDRESS wlanHostedNetworkBSSID;
  DOT11_PHY_TYPE dot11PhyType;
  ULONG ulChannelFrequency;
  DWORD dwNumberOfPeers;
  WLAN_HOSTED_NETWORK_PEER_STATE PeerList[1];  // dwNumberOfPeers of them
} WLAN_HOSTED_NETWORK_STATUS, *PWLAN_HOSTED_NETWORK_STATUS;

// WLAN_HOSTED_NETWORK_NOTIFICATION_CODE: the codes of notifications from
// WLAN_NOTIFICATION_SOURCE_HNWK (the first of them is
// L2_NOTIFICATION_CODE_V2_BEGIN).
enum : DWORD {
  wlan_hosted_network_state_change = 0x00001000,
  wlan_hosted_network_peer_state_change,
  wlan_hosted_network_radio_state_change,
};

static_assert(sizeof(WLAN_HOSTED_NETWORK_PEER_STATE) == 12, "WLAN_HOSTED_NETWORK_PEER_STATE");
static_assert(offsetof(WLAN_HOSTED_NETWORK_STATUS, IPDeviceID) == 4, "IPDeviceID");
static_assert(offsetof(WLAN_HOSTED_NETWORK_STATUS, dot11PhyType) == 28, "dot11PhyType");
static_assert(offsetof(WLAN_HOSTED_NETWORK_STATUS, dwNumberOfPeers) == 36, "dwNumberOfPeers");
static_assert(offsetof(WLAN_HOSTED_NETWORK_STATUS, PeerList) == 40, "PeerList");
static_assert(sizeof(WLAN_HOSTED_NETWORK_STATUS) == 52, "WLAN_HOSTED_NETWORK_STATUS");
static_assert(sizeof(WLAN_INTERFACE_INFO) == 532, "WLAN_INTERFACE_INFO");
static_assert(offsetof(WLAN_INTERFACE_INFO_LIST, InterfaceInfo) == 8, "WLAN_INTERFACE_INFO_LIST");
static_assert(sizeof(WLAN_NOTIFICATION_DATA) == 40, "WLAN_NOTIFICATION_DATA");

}  // namespace wlan_api
}  // namespace lumaret

// The hosted network's state, its virtual adapter and its peers, in memory
// the caller frees with WlanFreeMemory.
extern "C" DWORD WINAPI WlanHostedNetworkQueryStatus(HANDLE hClientHandle,
                                                     lumaret::wlan_api::PWLAN_HOSTED_NETWORK_STATUS* ppWlanHostedNetworkStatus,
                                                     PVOID pvReserved);
