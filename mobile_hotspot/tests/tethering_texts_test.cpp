// The Mobile Hotspot's answers in the status line's words.
#include "mobile_hotspot/tethering_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace lumaret {
namespace {

using tethering::Capability;
using tethering::OperationalState;
using tethering::OperationStatus;

TEST(TetheringTexts, OperationalStateAsTheHotspotsState) {
  EXPECT_EQ(HotspotStateOf(OperationalState::On), HotspotState::Active);
  EXPECT_EQ(HotspotStateOf(OperationalState::Off), HotspotState::Idle);
  EXPECT_EQ(HotspotStateOf(OperationalState::InTransition), HotspotState::Unknown);
  EXPECT_EQ(HotspotStateOf(OperationalState::Unknown), HotspotState::Unknown);
  EXPECT_EQ(HotspotStateOf(static_cast<OperationalState>(7)), HotspotState::Unknown);
}

TEST(TetheringTexts, EveryOperationStatus) {
  const struct {
    int status;
    const wchar_t* cause;
  } cases[] = {
      {0, L""},
      {1, L"移动热点出现未知错误"},
      {2, L"移动宽带设备已关闭"},
      {3, L"无线网卡已关闭"},
      {4, L"运营商授权检查超时"},
      {5, L"运营商不允许共享此连接"},
      {6, L"移动热点正忙，请稍后再试"},
      {7, L"蓝牙已关闭"},
      {8, L"网络连接受限"},
      {9, L"移动热点返回 9"},
      {-1, L"移动热点返回 -1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status);
    EXPECT_EQ(OperationStatusCause(static_cast<OperationStatus>(c.status)), c.cause);
  }
}

TEST(TetheringTexts, EveryCapability) {
  const struct {
    int capability;
    const wchar_t* cause;
  } cases[] = {
      {0, L""},
      {1, L"移动热点已被组策略禁用"},
      {2, L"无线网卡不支持移动热点"},
      {3, L"运营商不允许共享此连接"},
      {4, L"此版本的Windows不支持移动热点"},
      {5, L"缺少移动热点所需的应用"},
      {6, L"移动热点因未知原因不可用"},
      {7, L"系统不允许使用移动热点"},
      {8, L"移动热点不可用（8）"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.capability);
    EXPECT_EQ(CapabilityCause(static_cast<Capability>(c.capability)), c.cause);
  }
}

TEST(TetheringTexts, ErrorCodesInHex) {
  EXPECT_EQ(ErrorCause(static_cast<long>(0x80070005ul)), L"移动热点出错（0x80070005）");
  EXPECT_EQ(ErrorCause(static_cast<long>(0x80040154ul)), L"移动热点出错（0x80040154）");
  EXPECT_EQ(ErrorCause(1), L"移动热点出错（0x00000001）");
  EXPECT_EQ(std::wstring(kNoConnectionCause), L"没有可共享的网络连接");
}

}  // namespace
}  // namespace lumaret
