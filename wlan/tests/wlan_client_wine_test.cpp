// The WLAN API module against the stand-in wlanapi.dll in the test prefix's
// System32 (Wine's own does not implement the hosted network): what it
// reads, that every handle is closed and all memory given back, and that
// notifications arrive as messages posted to a window of this thread.
#include "wlan/wlan_client.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testsupport/system_standin.h"

namespace lumaret {
namespace {

const testing::Environment* const kStandIns =
    testing::AddGlobalTestEnvironment(new standin::SystemStandIns({L"wlanapi.dll"}));
const standin::Behaviour kWlan("wlanapi");

constexpr UINT kChanged = WM_APP + 7;

class WlanClientTest : public testing::Test {
 protected:
  void SetUp() override {
    kWlan.Reset();
    window_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    DestroyWindow(window_);
    kWlan.Reset();
  }
  // Waits up to `ms` for a kChanged message to the window, taking out every
  // one that came.
  int ChangesWithin(DWORD ms) {
    int n = 0;
    const DWORD start = GetTickCount();
    do {
      MSG m;
      while (PeekMessageW(&m, window_, kChanged, kChanged, PM_REMOVE)) ++n;
      if (n > 0) return n;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_POSTMESSAGE);
    } while (GetTickCount() - start < ms);
    return n;
  }
  HWND window_ = nullptr;
};

bool SameGuid(const GUID& a, const GUID& b) { return memcmp(&a, &b, sizeof a) == 0; }

TEST_F(WlanClientTest, ReadsTheHostedNetworkAsTheApiReportsIt) {
  const GUID adapter = {0x12345678, 0x9ABC, 0xDEF0, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};
  const struct {
    const char* label;
    const char* state;
    const char* interfaces;
    HostedNetworkState expected;
    std::size_t peers;
  } cases[] = {
      {"active with its two devices", "active", "1", HostedNetworkState::Active, 2},
      {"idle: no devices", "idle", "1", HostedNetworkState::Idle, 0},
      {"unavailable", "unavailable", "2", HostedNetworkState::Unavailable, 0},
      {"no wireless interface", "active", "0", HostedNetworkState::Unavailable, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    kWlan.Set("state", c.state);
    kWlan.Set("interfaces", c.interfaces);
    kWlan.Set("guid", "{12345678-9ABC-DEF0-0123-456789ABCDEF}");
    kWlan.Set("peers", "00-1A-2B-03-04-FF\r\n02-11-22-33-44-55\r\n");
    WlanClient wlan;
    const std::optional<HostedNetworkStatus> status = wlan.QueryHostedNetwork();
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(status->state, c.expected);
    EXPECT_TRUE(SameGuid(status->deviceId, adapter));
    ASSERT_EQ(status->peers.size(), c.peers);
    if (c.peers == 2) {
      EXPECT_EQ(status->peers[0], (MacAddress{0x00, 0x1A, 0x2B, 0x03, 0x04, 0xFF}));
      EXPECT_EQ(status->peers[1], (MacAddress{0x02, 0x11, 0x22, 0x33, 0x44, 0x55}));
    }
    EXPECT_EQ(wlan.CountInterfaces(), std::optional<unsigned>(static_cast<unsigned>(std::stoi(c.interfaces))));
  }
}

TEST_F(WlanClientTest, AnErrorIsNoAnswer) {
  kWlan.Set("state", "active");
  kWlan.Set("error", "1062");  // ERROR_SERVICE_NOT_ACTIVE
  WlanClient wlan;
  EXPECT_FALSE(wlan.QueryHostedNetwork().has_value());
  EXPECT_EQ(wlan.CountInterfaces(), std::optional<unsigned>(1u));
  kWlan.Remove("error");
  EXPECT_TRUE(wlan.QueryHostedNetwork().has_value());
}

// One handle for as long as the client keeps it, closed in the end; every
// answer's memory given back with WlanFreeMemory.
TEST_F(WlanClientTest, ClosesItsHandleAndGivesBackAllMemory) {
  kWlan.Set("state", "active");
  kWlan.Set("peers", "00-1A-2B-03-04-FF\r\n");
  {
    WlanClient wlan;
    for (int i = 0; i < 3; ++i) {
      EXPECT_TRUE(wlan.QueryHostedNetwork().has_value());
      EXPECT_TRUE(wlan.CountInterfaces().has_value());
    }
    EXPECT_EQ(kWlan.Calls("WlanOpenHandle", ERROR_SUCCESS), 1);
    EXPECT_EQ(kWlan.Calls("WlanCloseHandle"), 0);
    wlan.Close();
    EXPECT_EQ(kWlan.Calls("WlanCloseHandle", ERROR_SUCCESS), 1);
    EXPECT_TRUE(wlan.QueryHostedNetwork().has_value()) << "a query after Close opens a new handle";
  }
  EXPECT_EQ(kWlan.Calls("WlanOpenHandle", ERROR_SUCCESS), 2);
  EXPECT_EQ(kWlan.Calls("WlanCloseHandle", ERROR_SUCCESS), 2);
  EXPECT_EQ(kWlan.Calls("WlanFreeMemory", ERROR_SUCCESS),
            kWlan.Calls("WlanHostedNetworkQueryStatus", ERROR_SUCCESS) + kWlan.Calls("WlanEnumInterfaces", ERROR_SUCCESS));
  EXPECT_EQ(kWlan.Calls("WlanFreeMemory", ERROR_INVALID_PARAMETER), 0);
}

// The API calls back on a thread of its own; what reaches this thread is a
// posted message, for a change of the state and for one of the devices, and
// none once the handle is closed.
TEST_F(WlanClientTest, ChangesArriveAsPostedMessagesUntilClosed) {
  kWlan.Set("state", "idle");
  WlanClient wlan;
  ASSERT_TRUE(wlan.PostHostedNetworkChanges(window_, kChanged));
  EXPECT_EQ(ChangesWithin(300), 0) << "a message without a change";
  kWlan.Set("state", "active");
  EXPECT_GT(ChangesWithin(3000), 0) << "no message for the state";
  kWlan.Set("peers", "00-1A-2B-03-04-FF\r\n");
  EXPECT_GT(ChangesWithin(3000), 0) << "no message for a device";

  // A new registration replaces the old one: one handle is open.
  ASSERT_TRUE(wlan.PostHostedNetworkChanges(window_, kChanged));
  EXPECT_EQ(kWlan.Calls("WlanOpenHandle", ERROR_SUCCESS) - kWlan.Calls("WlanCloseHandle", ERROR_SUCCESS), 1);

  wlan.Close();
  kWlan.Set("state", "idle");
  EXPECT_EQ(ChangesWithin(500), 0) << "a message after the handle was closed";
  EXPECT_EQ(kWlan.Calls("WlanOpenHandle", ERROR_SUCCESS), kWlan.Calls("WlanCloseHandle", ERROR_SUCCESS));
}

}  // namespace
}  // namespace lumaret
