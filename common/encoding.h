// Conversions between the window's UTF-16 texts and the program's ANSI texts.
#pragma once

#include <string>

namespace lumaret {

// UTF-16 to the system ANSI code page, exactly what the A functions return
// (characters outside the code page become the system's default character).
std::string WideToAnsi(const std::wstring& wide);

// The system ANSI code page to UTF-16.
std::wstring AnsiToWide(const std::string& ansi);

}  // namespace lumaret
