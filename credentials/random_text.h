// Random passwords from a random source that the caller supplies. The program
// hands in the operating system's cryptographic generator; tests hand in
// fixed values. No Windows header in here: this is tested natively.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace lumaret {

// Gives one uniformly distributed 32-bit word, or false when the source has
// none to give.
using RandomWordSource = std::function<bool(std::uint32_t& word)>;

// Runs after every character made (the program lets pending window events
// run there).
using CharacterMade = std::function<void()>;

// Uniform draws from a word source, without modulo bias: a word from the top
// end of the 32-bit range that would favour the low results is thrown away
// and another one taken. Once the source has failed, every draw gives 0 and
// failed() stays true, so the caller can throw the result away.
class RandomDraws {
 public:
  explicit RandomDraws(RandomWordSource source) : source_(std::move(source)) {}

  // A number from 0 to bound - 1; bound 0 counts as 2^32. A bound of 1 gives
  // 0 without taking a word.
  std::uint32_t Below(std::uint64_t bound);
  bool failed() const { return failed_; }

 private:
  RandomWordSource source_;
  bool failed_ = false;
};

// A random integer from low to high, both included. A negative bound counts
// as 0; low and high are swapped when low is the greater; equal bounds give
// low without drawing.
int RandomRange(int low, int high, RandomDraws& draws);

// count ASCII letters (none when count is below 1). Mode 0: lower case,
// 1: upper case, 2: the case drawn for each letter. Any other mode appends
// nothing, but `made` still runs count times.
std::string RandomLetters(int count, int mode, RandomDraws& draws, const CharacterMade& made);

// count decimal digits (none when count is below 1). Mode 0: any digit,
// 1: odd digits 1 3 5 7 9, 2: even digits 0 2 4 6 8. Any other mode appends
// nothing, but `made` still runs count times.
std::string RandomDigits(int count, int mode, RandomDraws& draws, const CharacterMade& made);

// The Wi-Fi password: 4 letters, 2 even digits, 2 letters, 2 even digits and
// 3 to 5 letters (the count drawn after the second digit pair), letter case
// drawn per letter; 13 to 15 characters in all.
std::string MakePassword(RandomDraws& draws, const CharacterMade& made);

}  // namespace lumaret
