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

}  // namespace lumaret
