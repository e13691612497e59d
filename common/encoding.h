// Conversions between the window's UTF-16 texts and the program's ANSI texts,
// and the rules of the ANSI code page that every split and search follows.
#pragma once

#include <string>

#include "common/text.h"

namespace lumaret {

// UTF-16 to the system ANSI code page, exactly what the A functions return
// (characters outside the code page become the system's default character).
std::string WideToAnsi(const std::wstring& wide);

// The system ANSI code page to UTF-16.
std::wstring AnsiToWide(const std::string& ansi);

// The rules of a code page as the system gives them: lead bytes by
// IsDBCSLeadByteEx, and U+3000 when the code page holds it (not a best-fit
// stand-in such as the ASCII space).
CodePage CodePageRules(unsigned codePage);

// The rules of the system ANSI code page (CP_ACP), asked for once.
const CodePage& AnsiCodePage();

}  // namespace lumaret
