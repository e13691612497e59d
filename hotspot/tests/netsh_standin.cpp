// Stands in for netsh in the hotspot tests. Built as netsh.exe beside the
// test binary, where CreateProcess looks first. It records how it was
// started and ends with the exit code and after the delay the test chose,
// all through environment variables that the test sets and the child
// inherits:
//   LUMARET_NETSH_LOG       file to append to: "begin <show-window> <command line>"
//                           when it starts, "end <exit code>" when it ends
//   LUMARET_NETSH_DELAY_MS  milliseconds to sleep before ending
//   LUMARET_NETSH_EXIT      exit code (0 when unset)
//   LUMARET_NETSH_EXIT_IF   when set, the exit code holds only for command
//                           lines that contain this text; the others exit 0
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

std::string Variable(const char* name) {
  char value[2048];
  const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
  return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

void Append(const std::string& path, const std::string& line) {
  if (path.empty()) return;
  HANDLE f = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(f, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(f);
}

}  // namespace

int main() {
  const std::string log = Variable("LUMARET_NETSH_LOG");
  const std::string commandLine = GetCommandLineA();
  STARTUPINFOA startup;
  GetStartupInfoA(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
  Append(log, "begin " + std::to_string(show) + " " + commandLine + "\n");

  Sleep(static_cast<DWORD>(std::atoi(Variable("LUMARET_NETSH_DELAY_MS").c_str())));

  int code = std::atoi(Variable("LUMARET_NETSH_EXIT").c_str());
  const std::string only = Variable("LUMARET_NETSH_EXIT_IF");
  if (!only.empty() && commandLine.find(only) == std::string::npos) code = 0;
  Append(log, "end " + std::to_string(code) + "\n");
  return code;
}
