// The password and name buttons in the real window, with the system's
// generator and the real message queue.
#include "credentials/password_generator.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "testsupport/window_test_support.h"
#include "common/run_directory.h"
#include "credentials/random_text.h"
#include "hotspot/settings_file.h"

namespace lumaret {
namespace {

// Takes out the posted messages still waiting (the quit one included).
std::vector<UINT> PostedMessagesLeft() {
  std::vector<UINT> left;
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE)) left.push_back(m.message);
  return left;
}

// 13 to 15 characters: four letters, two even digits, two letters, two even
// digits, then letters.
::testing::AssertionResult IsPasswordShape(const std::string& pw) {
  if (pw.size() < 13 || pw.size() > 15) return ::testing::AssertionFailure() << "length of " << pw;
  for (std::size_t i = 0; i < pw.size(); ++i) {
    const char c = pw[i];
    const bool digitPlace = (i >= 4 && i <= 5) || (i >= 8 && i <= 9);
    const bool ok = digitPlace ? (c >= '0' && c <= '8' && (c - '0') % 2 == 0)
                               : ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
    if (!ok) return ::testing::AssertionFailure() << "place " << i + 1 << " of " << pw;
  }
  return ::testing::AssertionSuccess();
}

class PasswordButtonsTest : public testing::Test {
 protected:
  void SetUp() override {
    RemoveSettingsBesideProgram();
    ASSERT_TRUE(OpenMainWindow());
  }
  void TearDown() override { CloseMainWindow(); }
  // A click as the user makes it, returning before the queue is drained.
  void ClickNow(ControlId id) { SendMessageW(w.Control(id), BM_CLICK, 0, 0); }
  void PostClick(ControlId id) { PostMessageW(w.Control(id), BM_CLICK, 0, 0); }

  MainWindow& w = TheMainWindow();
};

TEST_F(PasswordButtonsTest, GenerateFillsThePasswordBoxOnly) {
  w.SetText(ControlId::编辑框_ssid, "MyNet");
  w.SetText(ControlId::编辑框_pw, "old password");
  std::set<std::string> seen;
  for (int i = 0; i < 20; ++i) {
    ClickNow(ControlId::超级按钮_mmsj);
    DrainMessages();
    const std::string pw = w.GetText(ControlId::编辑框_pw);
    EXPECT_TRUE(IsPasswordShape(pw));
    seen.insert(pw);
  }
  EXPECT_EQ(seen.size(), 20u) << "passwords repeat";
  EXPECT_EQ(w.GetText(ControlId::编辑框_ssid), "MyNet");
}

TEST_F(PasswordButtonsTest, ResetNameWritesTheDefaultNameAndNothingElse) {
  const std::string settings = SettingsFileBesideProgram();
  for (const char* before : {"Other name", "Windows_wifi", ""}) {
    SCOPED_TRACE(before);
    w.SetText(ControlId::编辑框_ssid, before);
    w.SetText(ControlId::编辑框_pw, "keep me");
    ClickNow(ControlId::超级按钮_id);
    DrainMessages();
    EXPECT_EQ(w.GetText(ControlId::编辑框_ssid), "Windows_wifi");
    EXPECT_EQ(w.GetText(ControlId::编辑框_pw), "keep me");
    EXPECT_EQ(SavedSsid, "");
    EXPECT_EQ(GetFileAttributesA(settings.c_str()), INVALID_FILE_ATTRIBUTES) << "settings file written";
  }
}

TEST_F(PasswordButtonsTest, ClicksWaitingDuringAGenerationRunInsideItAndTheQuitStays) {
  w.SetText(ControlId::编辑框_ssid, "MyNet");
  // Waiting before the outer click: two more generations and a name reset,
  // then the quit message of a closing window.
  PostClick(ControlId::超级按钮_mmsj);
  PostClick(ControlId::超级按钮_id);
  PostClick(ControlId::超级按钮_mmsj);
  PostQuitMessage(0);
  ClickNow(ControlId::超级按钮_mmsj);

  // The waiting clicks ran inside the outer generation, nested, and the name
  // reset among them; the password is whole; of the posted messages only the
  // quit is left, for the main loop.
  EXPECT_EQ(w.GetText(ControlId::编辑框_ssid), "Windows_wifi");
  EXPECT_TRUE(IsPasswordShape(w.GetText(ControlId::编辑框_pw)));
  EXPECT_EQ(PostedMessagesLeft(), (std::vector<UINT>{WM_QUIT}));
}

TEST_F(PasswordButtonsTest, AnUnknownModeStillPumpsAfterEveryRound) {
  w.SetText(ControlId::编辑框_ssid, "MyNet");
  RandomDraws draws(SystemRandomWord);
  int rounds = 0;
  const std::string text = RandomLetters(3, 9, draws, [&] {
    ++rounds;
    if (rounds == 2) PostClick(ControlId::超级按钮_id);
    PumpPendingEvents();
  });
  EXPECT_EQ(text, "");
  EXPECT_EQ(rounds, 3);
  EXPECT_EQ(w.GetText(ControlId::编辑框_ssid), "Windows_wifi") << "the click posted in round 2 did not run";
}

TEST(SystemRandomWord, GivesVaryingWords) {
  std::set<std::uint32_t> words;
  std::uint32_t orBits = 0, andBits = 0xFFFFFFFFu;
  for (int i = 0; i < 256; ++i) {
    std::uint32_t word = 0;
    ASSERT_TRUE(SystemRandomWord(word));
    words.insert(word);
    orBits |= word;
    andBits &= word;
  }
  EXPECT_GT(words.size(), 250u);
  EXPECT_EQ(orBits, 0xFFFFFFFFu) << "a bit never set";
  EXPECT_EQ(andBits, 0u) << "a bit always set";
}

}  // namespace
}  // namespace lumaret
