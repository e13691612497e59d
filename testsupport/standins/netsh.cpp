// The stand-in netsh, installed as netsh.exe in the test prefix's System32
// (see system_standin.h). It records how it was started, writes the output
// the test chose, waits, and ends with the chosen exit code (standin_files.h).
#include <windows.h>

#include <cstdlib>
#include <string>

#include "testsupport/standin_files.h"

namespace {

using namespace lumaret::standin;

const char kName[] = "netsh";

void WriteAll(DWORD which, const std::string& bytes) {
  HANDLE out = GetStdHandle(which);
  if (bytes.empty() || out == nullptr || out == INVALID_HANDLE_VALUE) return;
  for (std::size_t at = 0; at < bytes.size();) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(bytes.size() - at < 65536 ? bytes.size() - at : 65536);
    if (!WriteFile(out, bytes.data() + at, chunk, &written, nullptr) || written == 0) return;
    at += written;
  }
}

}  // namespace

int main() {
  const std::string log = FilePath(kName, "log");
  const std::string pid = std::to_string(GetCurrentProcessId());
  const std::string commandLine = GetCommandLineA();
  STARTUPINFOA startup;
  GetStartupInfoA(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
  const bool consoleWindow = GetConsoleWindow() != nullptr;
  AppendLine(log, "begin\t" + pid + "\t" + ModulePath(nullptr) + "\t" + std::to_string(show) + "\t" +
                      (consoleWindow ? "1" : "0") + "\t" + commandLine);

  WriteAll(STD_OUTPUT_HANDLE, ReadFileBytes(FilePath(kName, "stdout")));
  WriteAll(STD_ERROR_HANDLE, ReadFileBytes(FilePath(kName, "stderr")));
  Sleep(static_cast<DWORD>(std::atoi(ReadFileBytes(FilePath(kName, "delay")).c_str())));

  int code = std::atoi(ReadFileBytes(FilePath(kName, "exit")).c_str());
  const std::string only = ReadFileBytes(FilePath(kName, "exit-if"));
  if (!only.empty() && commandLine.find(only) == std::string::npos) code = 0;
  AppendLine(log, "end\t" + pid + "\t" + std::to_string(code));
  return code;
}
