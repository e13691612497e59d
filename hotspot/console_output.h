// What a console program such as netsh prints, as the bytes it wrote in its
// console code page (the OEM code page: 936 on a Chinese Windows). Pure: no
// Windows header; the conversion for display is the command runner's.
#pragma once

#include <cstddef>
#include <string>

#include "common/text.h"

namespace lumaret {

// How much of a program's output is kept: its last 64 KB.
constexpr std::size_t kKeptOutputBytes = 64 * 1024;

// Output as it arrives, in pieces that may end in the middle of a two-byte
// character. Only the last `keep` bytes are kept, cut where a character
// begins, so a lead byte never loses its second byte at the cut.
class ConsoleOutput {
 public:
  explicit ConsoleOutput(const CodePage& cp, std::size_t keep = kKeptOutputBytes) : cp_(cp), keep_(keep) {}

  void Append(const char* bytes, std::size_t count);

  // The kept output: at most `keep` bytes, from the first character that
  // begins within the last `keep` bytes.
  std::string Kept() const;
  // Whether output before the kept part was dropped.
  bool Dropped() const;

 private:
  // The offset in buffer_ of the first character at or after `offset`.
  std::size_t CharacterStartFrom(std::size_t offset) const;

  CodePage cp_;
  std::size_t keep_;
  std::string buffer_;      // begins with a character
  bool dropped_ = false;
};

// The last line that holds more than spaces and tabs, without its line end
// and without the spaces and tabs at either end; empty when there is none.
// CR, LF and CR LF all end a line; the walk steps over two-byte characters.
std::string LastNonEmptyLine(const std::string& output, const CodePage& cp);

// The output for showing it whole: every line end (LF, CR LF, CR CR LF as
// console programs write it, or a CR alone) as CR LF, without empty lines
// at the start and without line ends, spaces and tabs at the end.
std::string OutputForDisplay(const std::string& output);

}  // namespace lumaret
