#include "hotspot/console_output.h"

namespace lumaret {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
bool IsBlankOrLineEnd(char c) { return IsBlank(c) || IsLineEnd(c); }

}  // namespace

void ConsoleOutput::Append(const char* bytes, std::size_t count) {
  buffer_.append(bytes, count);
  // Cut only when twice as much has gathered: each cut walks the buffer
  // from its start, the only place known to begin a character.
  if (buffer_.size() > 2 * keep_) {
    buffer_.erase(0, CharacterStartFrom(buffer_.size() - keep_));
    dropped_ = true;
  }
}

std::size_t ConsoleOutput::CharacterStartFrom(std::size_t offset) const {
  std::size_t i = 0;
  while (i < offset) i += CharacterLength(buffer_, i, cp_);
  return i;
}

std::string ConsoleOutput::Kept() const {
  if (buffer_.size() <= keep_) return buffer_;
  return buffer_.substr(CharacterStartFrom(buffer_.size() - keep_));
}

bool ConsoleOutput::Dropped() const { return dropped_ || buffer_.size() > keep_; }

std::string LastNonEmptyLine(const std::string& output, const CodePage& cp) {
  std::string last;
  std::size_t lineStart = 0;
  auto take = [&](std::size_t end) {
    std::size_t b = lineStart, e = end;
    while (b < e && IsBlank(output[b])) ++b;
    // Spaces and tabs are always characters of their own: no two-byte
    // character of a Windows code page has a second byte below 0x40.
    while (e > b && IsBlank(output[e - 1])) --e;
    if (e > b) last = output.substr(b, e - b);
  };
  std::size_t i = 0;
  while (i < output.size()) {
    const std::size_t length = CharacterLength(output, i, cp);
    if (length == 1 && IsLineEnd(output[i])) {
      take(i);
      lineStart = i + 1;
    }
    i += length;
  }
  take(output.size());
  return last;
}

std::string OutputForDisplay(const std::string& output) {
  std::string lines;
  lines.reserve(output.size());
  for (std::size_t i = 0; i < output.size();) {
    if (!IsLineEnd(output[i])) {
      lines += output[i++];
      continue;
    }
    // CRs, then at most one LF: one line end.
    while (i < output.size() && output[i] == '\r') ++i;
    if (i < output.size() && output[i] == '\n') ++i;
    lines += "\r\n";
  }
  std::size_t begin = 0;
  // Whole empty lines at the start go; the first line keeps its indent.
  for (std::size_t i = 0; i < lines.size() && IsBlankOrLineEnd(lines[i]); ++i) {
    if (lines[i] == '\n') begin = i + 1;
  }
  std::size_t end = lines.size();
  while (end > begin && IsBlankOrLineEnd(lines[end - 1])) --end;
  return lines.substr(begin, end - begin);
}

}  // namespace lumaret
