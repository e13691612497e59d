#include "mobile_hotspot/tethering_texts.h"

#include <cstdio>

namespace lumaret {

using tethering::Capability;
using tethering::OperationalState;
using tethering::OperationStatus;

const wchar_t kNoConnectionCause[] = L"没有可共享的网络连接";
const wchar_t kOperationCanceledCause[] = L"移动热点的操作被取消";

HotspotState HotspotStateOf(OperationalState state) {
  switch (state) {
    case OperationalState::On: return HotspotState::Active;
    case OperationalState::Off: return HotspotState::Idle;
    case OperationalState::InTransition:
    case OperationalState::Unknown: break;
  }
  return HotspotState::Unknown;
}

std::wstring OperationStatusCause(OperationStatus status) {
  switch (status) {
    case OperationStatus::Success: return std::wstring();
    case OperationStatus::Unknown: return L"移动热点出现未知错误";
    case OperationStatus::MobileBroadbandDeviceOff: return L"移动宽带设备已关闭";
    case OperationStatus::WiFiDeviceOff: return L"无线网卡已关闭";
    case OperationStatus::EntitlementCheckTimeout: return L"运营商授权检查超时";
    case OperationStatus::EntitlementCheckFailure: return L"运营商不允许共享此连接";
    case OperationStatus::OperationInProgress: return L"移动热点正忙，请稍后再试";
    case OperationStatus::BluetoothDeviceOff: return L"蓝牙已关闭";
    case OperationStatus::NetworkLimitedConnectivity: return L"网络连接受限";
  }
  return L"移动热点返回 " + std::to_wstring(static_cast<long>(status));
}

std::wstring CapabilityCause(Capability capability) {
  switch (capability) {
    case Capability::Enabled: return std::wstring();
    case Capability::DisabledByGroupPolicy: return L"移动热点已被组策略禁用";
    case Capability::DisabledByHardwareLimitation: return L"无线网卡不支持移动热点";
    case Capability::DisabledByOperator: return L"运营商不允许共享此连接";
    case Capability::DisabledBySku: return L"此版本的Windows不支持移动热点";
    case Capability::DisabledByRequiredAppNotInstalled: return L"缺少移动热点所需的应用";
    case Capability::DisabledDueToUnknownCause: return L"移动热点因未知原因不可用";
    case Capability::DisabledBySystemCapability: return L"系统不允许使用移动热点";
  }
  return L"移动热点不可用（" + std::to_wstring(static_cast<long>(capability)) + L"）";
}

std::wstring ErrorCause(long hresult) {
  wchar_t code[16];
  std::swprintf(code, sizeof code / sizeof code[0], L"0x%08lX", static_cast<unsigned long>(hresult) & 0xFFFFFFFFul);
  return std::wstring(L"移动热点出错（") + code + L"）";
}

}  // namespace lumaret
