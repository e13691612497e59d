#include "hotspot/hotspot_commands.h"

#include "hotspot/command_line.h"

namespace lumaret {

const char kStartCommandLine[] = "netsh wlan start hostednetwork";
const char kStopCommandLine[] = "netsh wlan stop hostednetwork";

namespace {

bool IsFullWidthSpaceAt(const std::string& text, std::size_t i, const CodePage& cp) {
  return !cp.fullWidthSpace.empty() && text.compare(i, cp.fullWidthSpace.size(), cp.fullWidthSpace) == 0;
}

}  // namespace

std::string TrimSpaces(const std::string& text, const CodePage& cp) {
  const std::size_t wide = cp.fullWidthSpace.size();
  std::size_t begin = 0;
  for (;;) {
    if (begin < text.size() && text[begin] == ' ') {
      begin += 1;
    } else if (IsFullWidthSpaceAt(text, begin, cp)) {
      begin += wide;
    } else {
      break;
    }
  }

  // Walk the rest character by character, remembering where the current run
  // of spaces began.
  std::size_t end = text.size();
  std::size_t runStart = std::string::npos;
  std::size_t i = begin;
  while (i < text.size()) {
    if (IsFullWidthSpaceAt(text, i, cp)) {
      if (runStart == std::string::npos) runStart = i;
      i += wide;
    } else if (cp.IsLeadByte(static_cast<unsigned char>(text[i]))) {
      if (i + 1 >= text.size()) {  // a lead byte without its second byte
        runStart = std::string::npos;
        end = i;
        break;
      }
      runStart = std::string::npos;
      i += 2;
    } else {
      if (text[i] == ' ') {
        if (runStart == std::string::npos) runStart = i;
      } else {
        runStart = std::string::npos;
      }
      i += 1;
    }
  }
  if (runStart != std::string::npos) end = runStart;
  return text.substr(begin, end - begin);
}

std::string ConfigurationCommandLine(const std::string& name, const std::string& key, const CodePage& cp) {
  return "netsh wlan set hostednetwork mode=allow ssid=" + QuoteArgument(name, cp) + " key=" + QuoteArgument(key, cp);
}

InputProblem CheckHotspotInput(const std::string& name, const std::string& key, const CodePage& cp) {
  if (name.empty()) return InputProblem::NameEmpty;
  if (name.size() > kMaxNameBytes) return InputProblem::NameTooLong;
  if (FindFirstChar(name, '"', cp) != std::string::npos) return InputProblem::NameHasQuote;
  const std::size_t keyLength = CountCharacters(key, cp);
  if (keyLength < kMinKeyCharacters || keyLength > kMaxKeyCharacters) return InputProblem::KeyWrongLength;
  if (FindFirstChar(key, '"', cp) != std::string::npos) return InputProblem::KeyHasQuote;
  return InputProblem::None;
}

const wchar_t* InputProblemText(InputProblem problem) {
  switch (problem) {
    case InputProblem::None: return nullptr;
    case InputProblem::NameEmpty: return L"请填写WIFI名称";
    case InputProblem::NameTooLong: return L"WIFI名称太长，最多32个字节";
    case InputProblem::NameHasQuote: return L"WIFI名称不能包含双引号";
    case InputProblem::KeyWrongLength: return L"WIFI密码须为8到63个字符";
    case InputProblem::KeyHasQuote: return L"WIFI密码不能包含双引号";
  }
  return nullptr;
}

bool NeedsConfiguration(const std::string& savedSsidAtStart, const std::string& savedSsid,
                        const std::string& savedCode, const std::string& trimmedName,
                        const std::string& trimmedKey, const CodePage& cp) {
  if (savedSsidAtStart.empty()) return true;
  return TrimSpaces(savedSsid, cp) != trimmedName || TrimSpaces(savedCode, cp) != trimmedKey;
}

int ShowWindowValueFor(std::optional<int> showMode) {
  // Show-window values: SW_HIDE, SW_SHOWNORMAL, SW_SHOWMINIMIZED,
  // SW_SHOWMAXIMIZED, SW_SHOWNOACTIVATE, SW_MINIMIZE.
  static const int kValues[] = {0, 1, 2, 3, 4, 6};
  int mode = showMode.value_or(2);
  if (mode < 1) mode = 1;
  if (mode > 6) mode = 6;
  return kValues[mode - 1];
}

}  // namespace lumaret
