#include "common/run_directory.h"

#include <windows.h>

#include "common/encoding.h"

namespace lumaret {

std::string GetExecutablePath() {
  // GetModuleFileNameA cuts the path to the buffer and returns its size when
  // the buffer was too small; grow until the whole path fits.
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD n = GetModuleFileNameA(nullptr, &buffer[0], size);
    if (n == 0) return std::string();
    if (n < size) {
      buffer.resize(n);
      return buffer;
    }
    if (buffer.size() >= 32768 * 3) return std::string();  // beyond any Windows path
    buffer.resize(buffer.size() * 2);
  }
}

std::string GetRunDirectory() { return BeforeLastBackslash(GetExecutablePath(), AnsiCodePage()); }

std::string GetExecutableName() {
  const std::string path = GetExecutablePath();
  if (FindLastBackslash(path, AnsiCodePage()) == std::string::npos) return std::string();
  return AfterLastBackslash(path, AnsiCodePage());
}

std::string GetExecutableFullPath() { return GetRunDirectory() + "\\" + GetExecutableName(); }

}  // namespace lumaret
