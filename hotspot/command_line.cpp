#include "hotspot/command_line.h"

namespace lumaret {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string QuoteArgument(const std::string& text, const CodePage& cp) {
  std::string quoted = "\"";
  std::size_t backslashes = 0;  // waiting to see what follows them
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharacterLength(text, i, cp);
    if (length == 1 && text[i] == '\\') {
      ++backslashes;
    } else if (length == 1 && text[i] == '"') {
      quoted.append(backslashes * 2 + 1, '\\');
      quoted += '"';
      backslashes = 0;
    } else {
      quoted.append(backslashes, '\\');
      quoted.append(text, i, length);
      backslashes = 0;
    }
    i += length;
  }
  quoted.append(backslashes * 2, '\\');  // they stand before the closing quote
  quoted += '"';
  return quoted;
}

std::vector<std::string> SplitCommandLine(const std::string& commandLine, const CodePage& cp) {
  std::vector<std::string> words;
  const std::string& s = commandLine;
  std::size_t i = 0;

  // The program: no escapes, the quotes only mark where it ends.
  std::string program;
  if (i < s.size() && s[i] == '"') {
    ++i;
    while (i < s.size() && s[i] != '"') {
      const std::size_t length = CharacterLength(s, i, cp);
      program.append(s, i, length);
      i += length;
    }
    if (i < s.size()) ++i;  // the closing quote
  } else {
    while (i < s.size() && !IsBlank(s[i])) {
      const std::size_t length = CharacterLength(s, i, cp);
      program.append(s, i, length);
      i += length;
    }
  }
  words.push_back(program);

  for (;;) {
    while (i < s.size() && IsBlank(s[i])) ++i;
    if (i >= s.size()) break;
    std::string word;
    bool quoted = false;
    while (i < s.size() && (quoted || !IsBlank(s[i]))) {
      if (s[i] == '\\') {
        std::size_t backslashes = 0;
        while (i < s.size() && s[i] == '\\') {
          ++backslashes;
          ++i;
        }
        if (i < s.size() && s[i] == '"') {
          word.append(backslashes / 2, '\\');
          if (backslashes % 2 == 1) {
            word += '"';
            ++i;
          }
        } else {
          word.append(backslashes, '\\');
        }
      } else if (s[i] == '"') {
        if (quoted && i + 1 < s.size() && s[i + 1] == '"') {
          word += '"';  // a doubled quote inside a quoted part
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        const std::size_t length = CharacterLength(s, i, cp);
        word.append(s, i, length);
        i += length;
      }
    }
    words.push_back(word);
  }
  return words;
}

std::string ProgramFileName(const std::string& commandLine, const CodePage& cp) {
  const std::string program = SplitCommandLine(commandLine, cp).front();
  if (program.empty()) return std::string();
  for (char separator : {'\\', '/', ':'}) {
    if (FindFirstChar(program, separator, cp) != std::string::npos) return std::string();
  }
  if (FindLastChar(program, '.', cp) == std::string::npos) return program + ".exe";
  return program;
}

}  // namespace lumaret
