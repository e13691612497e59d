// Command lines by the rules Windows programs split them with
// (CommandLineToArgvW and the C runtime), and the program a command line
// names. Pure: no Windows header.
//
// The rules, for every word after the first: spaces and tabs separate words
// outside double quotes; a double quote begins or ends a quoted part and is
// dropped; backslashes are literal except before a double quote, where each
// pair gives one backslash and an odd one left over makes the quote a
// literal character; inside a quoted part a doubled quote gives one (the C
// runtime's rule; QuoteArgument never writes one). The first word, the
// program, is taken whole up to the next quote when it begins with one, else
// up to the first space or tab.
//
// Texts are ANSI: a command line reaches the program converted to UTF-16,
// so the second byte of a two-byte character (0x5C in GBK, say) is never a
// backslash there, and never one here.
#pragma once

#include <string>
#include <vector>

#include "common/text.h"

namespace lumaret {

// The text as one double-quoted word that splits back to exactly the text:
// backslashes before a quote or before the closing quote doubled, a quote
// escaped by a backslash.
std::string QuoteArgument(const std::string& text, const CodePage& cp);

// The words of a command line, the program first.
std::vector<std::string> SplitCommandLine(const std::string& commandLine, const CodePage& cp);

// The file the command line's first word names, to be looked for in the
// system folder and nowhere else: the bare name, with ".exe" appended when
// it has no extension. Empty when the first word is empty or holds a path
// (a backslash, a slash or a colon): such a program is never started.
std::string ProgramFileName(const std::string& commandLine, const CodePage& cp);

}  // namespace lumaret
