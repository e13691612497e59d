#include "common/text.h"

namespace lumaret {

namespace {

// Calls visit(offset) for the offset of every character start; a lead byte
// with its trail byte counts as one character. A lead byte at the very end
// (no trail byte) is visited as a character of its own.
template <typename Visit>
void ForEachCharStart(const std::string& text, const CodePage& cp, Visit visit) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (!visit(i)) return;
    i += CharacterLength(text, i, cp);
  }
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::size_t FindFirstChar(const std::string& text, char ch, const CodePage& cp) {
  std::size_t found = std::string::npos;
  ForEachCharStart(text, cp, [&](std::size_t i) {
    if (text[i] == ch) {
      found = i;
      return false;
    }
    return true;
  });
  return found;
}

std::size_t FindLastChar(const std::string& text, char ch, const CodePage& cp) {
  std::size_t found = std::string::npos;
  ForEachCharStart(text, cp, [&](std::size_t i) {
    if (text[i] == ch) found = i;
    return true;
  });
  return found;
}

std::size_t CountCharacters(const std::string& text, const CodePage& cp) {
  std::size_t count = 0;
  ForEachCharStart(text, cp, [&count](std::size_t) {
    ++count;
    return true;
  });
  return count;
}

std::string BeforeLastBackslash(const std::string& path, const CodePage& cp) {
  const std::size_t cut = FindLastBackslash(path, cp);
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::string AfterLastBackslash(const std::string& path, const CodePage& cp) {
  const std::size_t cut = FindLastBackslash(path, cp);
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::size_t FindNoCase(const std::string& text, const std::string& needle, const CodePage& cp) {
  if (needle.empty()) return 0;
  std::size_t found = std::string::npos;
  ForEachCharStart(text, cp, [&](std::size_t i) {
    if (text.size() - i < needle.size()) return false;
    for (std::size_t k = 0; k < needle.size(); ++k) {
      if (AsciiLower(text[i + k]) != AsciiLower(needle[k])) return true;
    }
    found = i;
    return false;
  });
  return found;
}

}  // namespace lumaret
