// Which way a click runs the hotspot, from what the WLAN API tells and
// whether the Mobile Hotspot is there.
#include "hotspot/mechanism_choice.h"

#include <gtest/gtest.h>

namespace lumaret {
namespace {

using S = HotspotState;
constexpr HotspotWay kHosted = HotspotWay::HostedNetwork;
constexpr HotspotWay kMobile = HotspotWay::MobileHotspot;

TEST(ChooseMechanism, OneTable) {
  const struct {
    const char* label;
    S hosted;
    int interfaces;
    bool mobileExists;
    S mobile;
    HotspotWay way;
    bool fallBack;
  } cases[] = {
      // Without the Mobile Hotspot (Windows 7, 8, Wine): today's path always.
      {"no Mobile Hotspot, unavailable", S::Unavailable, 1, false, S::Unknown, kHosted, false},
      {"no Mobile Hotspot, unknown", S::Unknown, -1, false, S::Unknown, kHosted, false},
      {"no Mobile Hotspot, idle", S::Idle, 1, false, S::Unknown, kHosted, false},
      // A driver with the hosted network keeps it, whatever else is there.
      {"idle", S::Idle, 1, true, S::Unknown, kHosted, false},
      {"active", S::Active, 1, true, S::Unknown, kHosted, false},
      {"idle, Mobile Hotspot on from outside", S::Idle, 1, true, S::Active, kHosted, false},
      // A driver without it: the Mobile Hotspot, netsh never runs.
      {"unavailable", S::Unavailable, 1, true, S::Unknown, kMobile, false},
      {"unavailable, two adapters", S::Unavailable, 2, true, S::Idle, kMobile, false},
      {"unavailable, interfaces unknown", S::Unavailable, -1, true, S::Unknown, kMobile, false},
      {"unavailable, no wireless interface", S::Unavailable, 0, true, S::Unknown, kHosted, false},
      // The WLAN API cannot tell: the hosted network first, then the Mobile
      // Hotspot; one that is on already is the one in use.
      {"unknown", S::Unknown, -1, true, S::Idle, kHosted, true},
      {"unknown, Mobile Hotspot state unknown", S::Unknown, -1, true, S::Unknown, kHosted, true},
      {"unknown, Mobile Hotspot on", S::Unknown, -1, true, S::Active, kMobile, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const MechanismChoice choice = ChooseMechanism(c.hosted, c.interfaces, c.mobileExists, c.mobile);
    EXPECT_EQ(choice.way, c.way);
    EXPECT_EQ(choice.fallBack, c.fallBack);
  }
}

// Windows is asked about the Mobile Hotspot only where the answer counts.
TEST(ChooseMechanism, AsksOnlyWhatCounts) {
  const struct {
    S hosted;
    bool exists, state;
  } cases[] = {
      {S::Idle, false, false},
      {S::Active, false, false},
      {S::Unavailable, true, false},
      {S::Unknown, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.hosted));
    EXPECT_EQ(ChoiceAsksForMobileHotspot(c.hosted), c.exists);
    EXPECT_EQ(ChoiceAsksForMobileState(c.hosted), c.state);
    // What is not asked cannot change the choice.
    if (!c.exists) {
      for (S mobile : {S::Unknown, S::Idle, S::Active}) {
        EXPECT_EQ(ChooseMechanism(c.hosted, 1, true, mobile).way, ChooseMechanism(c.hosted, 1, false, mobile).way);
      }
    }
    if (!c.state) {
      for (S mobile : {S::Unknown, S::Idle, S::Active}) {
        EXPECT_EQ(ChooseMechanism(c.hosted, 1, true, mobile).way, ChooseMechanism(c.hosted, 1, true, S::Unknown).way);
      }
    }
  }
}

}  // namespace
}  // namespace lumaret
