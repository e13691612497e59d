#include "desktop/startup_entry_path.h"

#include "common/text.h"

namespace lumaret {

const char kStartupEntryName[] = "orvinelwifi";
const char kRunKeyPrefix[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";
const wchar_t kStartupOnCaption[] = L"自动开启热点[已开启]";
const wchar_t kStartupOffCaption[] = L"自动开启热点[已关闭]";

RegistryValuePath SplitRegistryValuePath(const std::string& fullPath, const CodePage& cp) {
  return {BeforeLastBackslash(fullPath, cp), AfterLastBackslash(fullPath, cp)};
}

std::string RunValueFullPath(const std::string& entryName) { return kRunKeyPrefix + entryName; }

std::string QuotedProgramPath(const std::string& path) { return "\"" + path + "\""; }

const char kAutostartArgument[] = "/autostart";

std::string StartupCommandLine(const std::string& path) {
  return QuotedProgramPath(path) + " " + kAutostartArgument;
}

bool AsksToTurnOnHotspot(const std::vector<std::wstring>& arguments) {
  const std::string wanted = kAutostartArgument;
  for (const std::wstring& argument : arguments) {
    if (argument.size() != wanted.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < wanted.size() && same; ++i) {
      wchar_t c = argument[i];
      if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
      same = c == static_cast<wchar_t>(wanted[i]);
    }
    if (same) return true;
  }
  return false;
}

}  // namespace lumaret
