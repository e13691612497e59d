#include "common/encoding.h"

#include <windows.h>

namespace lumaret {

std::string WideToAnsi(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
  if (n <= 0) return std::string();
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &out[0], n, nullptr, nullptr);
  return out;
}

std::wstring AnsiToWide(const std::string& ansi) {
  if (ansi.empty()) return std::wstring();
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &out[0], n);
  return out;
}

CodePage CodePageRules(unsigned codePage) {
  CodePage cp;
  for (unsigned b = 0; b < 256; ++b) cp.leadBytes[b] = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(b)) != FALSE;
  // UTF-8 holds every character and takes neither flags nor a default.
  const UINT actual = codePage == CP_ACP ? GetACP() : codePage;
  const bool utf8 = actual == CP_UTF8;
  const wchar_t ideographicSpace = 0x3000;
  char bytes[8] = {};
  BOOL defaulted = FALSE;
  const int n = WideCharToMultiByte(actual, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, &ideographicSpace, 1, bytes,
                                    sizeof bytes, nullptr, utf8 ? nullptr : &defaulted);
  if (n > 0 && !defaulted) cp.fullWidthSpace.assign(bytes, static_cast<std::size_t>(n));
  return cp;
}

const CodePage& AnsiCodePage() {
  static const CodePage ansi = CodePageRules(CP_ACP);
  return ansi;
}

}  // namespace lumaret
