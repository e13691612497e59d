#include "credentials/random_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace lumaret {
namespace {

// A source that hands out the given words in order and then fails, and counts
// what was taken.
class FixedWords {
 public:
  explicit FixedWords(std::vector<std::uint32_t> words) : words_(std::move(words)) {}
  RandomWordSource Source() {
    return [this](std::uint32_t& word) {
      if (taken_ >= words_.size()) return false;
      word = words_[taken_++];
      return true;
    };
  }
  std::size_t taken() const { return taken_; }

 private:
  std::vector<std::uint32_t> words_;
  std::size_t taken_ = 0;
};

RandomWordSource Constant(std::uint32_t value) {
  return [value](std::uint32_t& word) {
    word = value;
    return true;
  };
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsEvenDigit(char c) { return c == '0' || c == '2' || c == '4' || c == '6' || c == '8'; }

TEST(Password, ShapeHoldsOverManyGenerations) {
  std::mt19937 engine(20261211);
  RandomDraws draws([&engine](std::uint32_t& word) {
    word = static_cast<std::uint32_t>(engine());
    return true;
  });
  std::set<std::size_t> lengths;
  std::set<char> seen;
  for (int run = 0; run < 3000; ++run) {
    int made = 0;
    const std::string pw = MakePassword(draws, [&made] { ++made; });
    SCOPED_TRACE(pw);
    ASSERT_GE(pw.size(), 13u);
    ASSERT_LE(pw.size(), 15u);
    ASSERT_EQ(made, static_cast<int>(pw.size())) << "one pump per character";
    for (std::size_t i = 0; i < pw.size(); ++i) {
      const bool digitPlace = (i >= 4 && i <= 5) || (i >= 8 && i <= 9);  // places 5-6 and 9-10
      if (digitPlace) {
        ASSERT_TRUE(IsEvenDigit(pw[i])) << "place " << i + 1;
      } else {
        ASSERT_TRUE(IsLetter(pw[i])) << "place " << i + 1;
      }
      seen.insert(pw[i]);
    }
    lengths.insert(pw.size());
  }
  EXPECT_FALSE(draws.failed());
  EXPECT_EQ(lengths, (std::set<std::size_t>{13, 14, 15}));
  // Every even digit and all 52 letters turn up: nothing is left out.
  EXPECT_EQ(seen.size(), 5u + 52u);
}

TEST(Password, FixedWordsGiveAFixedPassword) {
  const struct {
    std::uint32_t word;
    const char* password;
  } cases[] = {
      // Case draw 1 + 0 -> lower, letter 'a' + 0, digit index 1 + 0 -> '0', tail 3.
      {0, "aaaa00aa00aaa"},
      // Case draw 1 + 1 -> upper, 'A' + 1, digit index 2 -> '2', tail 3 + 1.
      {1, "BBBB22BB22BBBB"},
      // 2: lower case ('a' + 2), digit index 3 -> '4', tail 3 + 2.
      {2, "cccc44cc44ccccc"},
  };
  for (const auto& c : cases) {
    RandomDraws draws(Constant(c.word));
    EXPECT_EQ(MakePassword(draws, nullptr), c.password) << "word " << c.word;
  }
}

TEST(Password, AFailingSourceIsReported) {
  FixedWords words({7, 7, 7});
  RandomDraws draws(words.Source());
  MakePassword(draws, nullptr);
  EXPECT_TRUE(draws.failed());
  EXPECT_EQ(words.taken(), 3u);
  EXPECT_EQ(draws.Below(10), 0u) << "no draw after a failure";
}

TEST(RandomDraws, RejectsTheWordsThatWouldBiasTheLowResults) {
  const struct {
    const char* label;
    std::uint64_t bound;
    std::vector<std::uint32_t> words;
    std::uint32_t result;
    std::size_t taken;
  } cases[] = {
      // 2^32 = 1 (mod 3): only the very last word is thrown away.
      {"bound 3, top word redrawn", 3, {0xFFFFFFFFu, 5}, 2, 2},
      {"bound 3, last accepted word", 3, {0xFFFFFFFEu}, 0xFFFFFFFEu % 3, 1},
      // 2^32 = 22 (mod 26): the top 22 words are thrown away.
      {"bound 26, first rejected word", 26, {0xFFFFFFFFu - 21, 0xFFFFFFFFu, 3}, 3, 3},
      {"bound 26, last accepted word", 26, {0xFFFFFFFFu - 22}, 25, 1},
      // A power of two divides the range: nothing is thrown away.
      {"bound 2^31", std::uint64_t{1} << 31, {0xFFFFFFFFu}, 0x7FFFFFFFu, 1},
      {"bound 1 takes no word", 1, {}, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    FixedWords words(c.words);
    RandomDraws draws(words.Source());
    EXPECT_EQ(draws.Below(c.bound), c.result);
    EXPECT_EQ(words.taken(), c.taken);
    EXPECT_FALSE(draws.failed());
  }
}

TEST(RandomRange, BoundRules) {
  const struct {
    const char* label;
    int low, high;
    std::vector<std::uint32_t> words;
    int result;
    std::size_t taken;
  } cases[] = {
      {"in order", 3, 5, {4}, 3 + 4 % 3, 1},
      {"reversed bounds are swapped", 5, 3, {4}, 3 + 4 % 3, 1},
      {"negative low counts as 0", -4, 2, {5}, 5 % 3, 1},
      {"negative high counts as 0", 2, -4, {5}, 5 % 3, 1},
      {"equal bounds give low without drawing", 7, 7, {}, 7, 0},
      {"both negative: 0 without drawing", -3, -1, {}, 0, 0},
      {"highest reaches high", 3, 5, {2}, 5, 1},
      {"whole int range", 0, INT_MAX, {0xFFFFFFFFu}, INT_MAX, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    FixedWords words(c.words);
    RandomDraws draws(words.Source());
    EXPECT_EQ(RandomRange(c.low, c.high, draws), c.result);
    EXPECT_EQ(words.taken(), c.taken);
    EXPECT_FALSE(draws.failed());
  }
}

TEST(RandomCharacters, ModesCountsAndPumps) {
  using Maker = std::string (*)(int, int, RandomDraws&, const CharacterMade&);
  const struct {
    const char* label;
    Maker make;
    int count, mode;
    std::uint32_t word;
    std::string text;
    int words;  // words taken
  } cases[] = {
      {"letters lower", RandomLetters, 3, 0, 25, "zzz", 3},
      {"letters upper", RandomLetters, 2, 1, 0, "AA", 2},
      {"letters mixed, word 1 -> upper", RandomLetters, 2, 2, 1, "BB", 4},
      {"letters count 0", RandomLetters, 0, 2, 0, "", 0},
      {"letters negative count", RandomLetters, -5, 2, 0, "", 0},
      {"letters unknown mode 3", RandomLetters, 4, 3, 0, "", 0},
      {"letters unknown mode -1", RandomLetters, 2, -1, 0, "", 0},
      {"digits any", RandomDigits, 2, 0, 9, "99", 2},
      {"digits odd", RandomDigits, 3, 1, 4, "999", 3},
      {"digits odd, first", RandomDigits, 1, 1, 0, "1", 1},
      {"digits even", RandomDigits, 2, 2, 4, "88", 2},
      {"digits count 0", RandomDigits, 0, 0, 0, "", 0},
      {"digits negative count", RandomDigits, -1, 0, 0, "", 0},
      {"digits unknown mode", RandomDigits, 3, 7, 0, "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    int taken = 0;
    RandomDraws draws([&](std::uint32_t& word) {
      ++taken;
      word = c.word;
      return true;
    });
    int made = 0;
    EXPECT_EQ(c.make(c.count, c.mode, draws, [&made] { ++made; }), c.text);
    EXPECT_EQ(made, c.count < 1 ? 0 : c.count) << "pumps";
    EXPECT_EQ(taken, c.words);
  }
}

}  // namespace
}  // namespace lumaret
