// Text conventions shared by every subsystem.
//
// A "text" is a byte string in the system ANSI code page. On Simplified
// Chinese Windows that is GBK: a byte of 0x80 or above begins a two-byte
// character, so the second byte of such a pair (which may well be 0x5C, the
// backslash) never counts as a separator. Every search and split here steps
// over such pairs. No Windows header in here: this is tested natively.
#pragma once

#include <cstddef>
#include <string>

namespace lumaret {

// True when the byte begins a two-byte character.
inline bool IsLeadByte(unsigned char byte) { return byte >= 0x80; }

// Offset of the first/last byte `ch` (an ASCII byte) that stands as a
// character of its own, or std::string::npos.
std::size_t FindFirstChar(const std::string& text, char ch);
std::size_t FindLastChar(const std::string& text, char ch);

inline std::size_t FindLastBackslash(const std::string& text) {
  return FindLastChar(text, '\\');
}

// The part before the last backslash (without it); the empty text when the
// text holds no backslash.
std::string BeforeLastBackslash(const std::string& path);

// The part after the last backslash; the whole text when it holds none.
std::string AfterLastBackslash(const std::string& path);

// Characters of a text: a lead byte with its second byte counts once (a lead
// byte at the very end counts on its own).
std::size_t CountCharacters(const std::string& text);

// Case-insensitive (ASCII letters only) search for `needle` anywhere in
// `text`, stepping over two-byte characters. Returns npos when absent.
std::size_t FindNoCase(const std::string& text, const std::string& needle);

}  // namespace lumaret
