#include "credentials/random_text.h"

#include <utility>

namespace lumaret {

namespace {

constexpr std::uint64_t kWordRange = std::uint64_t{1} << 32;

}  // namespace

std::uint32_t RandomDraws::Below(std::uint64_t bound) {
  if (bound == 0 || bound > kWordRange) bound = kWordRange;
  if (bound == 1) return 0;
  // The largest multiple of bound that fits in the word range: words at or
  // above it would make the low results more likely, so they are drawn again.
  const std::uint64_t limit = kWordRange - kWordRange % bound;
  for (;;) {
    std::uint32_t word = 0;
    if (failed_ || !source_ || !source_(word)) {
      failed_ = true;
      return 0;
    }
    if (word < limit) return static_cast<std::uint32_t>(word % bound);
  }
}

int RandomRange(int low, int high, RandomDraws& draws) {
  if (low < 0) low = 0;
  if (high < 0) high = 0;
  if (low > high) std::swap(low, high);
  if (low == high) return low;
  const std::uint64_t span = static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(low) + 1;
  return low + static_cast<int>(draws.Below(span));
}

std::string RandomLetters(int count, int mode, RandomDraws& draws, const CharacterMade& made) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    int code = 0;
    switch (mode) {
      case 0: code = RandomRange('a', 'z', draws); break;
      case 1: code = RandomRange('A', 'Z', draws); break;
      case 2:
        code = RandomRange(1, 2, draws) == 1 ? RandomRange('a', 'z', draws) : RandomRange('A', 'Z', draws);
        break;
      default: break;
    }
    if (code != 0) text += static_cast<char>(code);
    if (made) made();
  }
  return text;
}

std::string RandomDigits(int count, int mode, RandomDraws& draws, const CharacterMade& made) {
  static const char kOdd[] = "13579";
  static const char kEven[] = "02468";
  std::string text;
  for (int i = 0; i < count; ++i) {
    switch (mode) {
      case 0: text += static_cast<char>('0' + RandomRange(1, 10, draws) - 1); break;
      case 1: text += kOdd[RandomRange(1, 5, draws) - 1]; break;
      case 2: text += kEven[RandomRange(1, 5, draws) - 1]; break;
      default: break;
    }
    if (made) made();
  }
  return text;
}

std::string MakePassword(RandomDraws& draws, const CharacterMade& made) {
  // The order fixes which draws each group gets.
  std::string password = RandomLetters(4, 2, draws, made);
  password += RandomDigits(2, 2, draws, made);
  password += RandomLetters(2, 2, draws, made);
  password += RandomDigits(2, 2, draws, made);
  const int tail = RandomRange(3, 5, draws);
  password += RandomLetters(tail, 2, draws, made);
  return password;
}

}  // namespace lumaret
