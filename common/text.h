// Text conventions shared by every subsystem.
//
// A "text" is a byte string in the system ANSI code page. Which bytes begin
// a two-byte character depends on that code page: in GBK (936) every byte
// from 0x81 to 0xFE does, so the second byte of such a pair (which may well
// be 0x5C, the backslash) never counts as a separator; in Western code pages
// such as 1252 no byte does, and é (0xE9) is a character of its own. Every
// search and split here steps over two-byte characters by the rules of the
// code page it is handed. The Windows side asks the system for those rules
// (AnsiCodePage in common/encoding.h). No Windows header in here: this is
// tested natively.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace lumaret {

// What splitting and searching need to know of an ANSI code page.
struct CodePage {
  // leadBytes[b]: the byte b begins a two-byte character.
  std::array<bool, 256> leadBytes{};
  // The ideographic (full-width) space U+3000 in this code page (A1 A1 in
  // GBK); empty when the code page has no such character.
  std::string fullWidthSpace;

  bool IsLeadByte(unsigned char byte) const { return leadBytes[byte]; }
};

// The byte length of the character starting at `offset`: 2 for a lead byte
// followed by a second byte, otherwise 1 (a lead byte at the very end
// counts on its own).
inline std::size_t CharacterLength(const std::string& text, std::size_t offset, const CodePage& cp) {
  return cp.IsLeadByte(static_cast<unsigned char>(text[offset])) && offset + 1 < text.size() ? 2 : 1;
}

// Offset of the first/last byte `ch` (an ASCII byte) that stands as a
// character of its own, or std::string::npos.
std::size_t FindFirstChar(const std::string& text, char ch, const CodePage& cp);
std::size_t FindLastChar(const std::string& text, char ch, const CodePage& cp);

inline std::size_t FindLastBackslash(const std::string& text, const CodePage& cp) {
  return FindLastChar(text, '\\', cp);
}

// The part before the last backslash (without it); the empty text when the
// text holds no backslash. For the executable's path, its run directory.
std::string BeforeLastBackslash(const std::string& path, const CodePage& cp);

// The part after the last backslash; the whole text when it holds none.
std::string AfterLastBackslash(const std::string& path, const CodePage& cp);

// Characters of a text: a lead byte with its second byte counts once (a lead
// byte at the very end counts on its own).
std::size_t CountCharacters(const std::string& text, const CodePage& cp);

// Case-insensitive (ASCII letters only) search for `needle` anywhere in
// `text`, stepping over two-byte characters. Returns npos when absent.
std::size_t FindNoCase(const std::string& text, const std::string& needle, const CodePage& cp);

}  // namespace lumaret
