// The stand-in netsh, installed as netsh.exe in the test prefix's System32
// (see system_standin.h). It records how it was started, writes the output
// the test chose, waits, and ends with the chosen exit code (standin_files.h).
// As the real one, it refuses the hosted network's commands to a process
// that is not elevated, and a start or stop that succeeds changes the hosted
// network's state that the stand-in wlanapi.dll reports.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "testsupport/standin_files.h"

namespace {

using namespace lumaret::standin;

const char kName[] = "netsh";
const char kLingerArgument[] = "--linger ";

// "请求的操作需要提升(作为管理员运行)。" in GBK, as netsh prints it on a
// Chinese Windows.
const char kNeedsElevation[] =
    "\xC7\xEB\xC7\xF3\xB5\xC4\xB2\xD9\xD7\xF7\xD0\xE8\xD2\xAA\xCC\xE1\xC9\xFD\x28\xD7\xF7\xCE\xAA\xB9\xDC\xC0\xED"
    "\xD4\xB1\xD4\xCB\xD0\xD0\x29\xA1\xA3\r\n\r\n";

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

bool Elevated() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return true;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  const BOOL ok = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
  CloseHandle(token);
  return !ok || elevation.TokenIsElevated != 0;
}

// Leaves a process of its own behind that inherits this one's handles (its
// standard output and error among them) and lives on for `ms`, as a program
// that starts a helper would. Its id goes into netsh.lingering.
void LeaveLingeringChild(const std::string& ms) {
  std::string commandLine = "\"" + ModulePath(nullptr) + "\" " + kLingerArgument + ms;
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info;
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) return;
  AppendLine(FilePath(kName, "lingering"), std::to_string(info.dwProcessId));
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
}

// A start or stop that netsh did changes the state the stand-in wlanapi.dll
// reports (its file), unless the test holds the state, or the hosted network
// is unavailable, or no state is kept at all (no WLAN stand-in in this test).
void ChangeHostedNetworkState(const std::string& commandLine) {
  const std::string path = FilePath("wlanapi", "state");
  const std::string state = ReadFileBytes(path);
  if (path.empty() || state.empty() || state.find("unavailable") != std::string::npos) return;
  if (GetFileAttributesA(FilePath("wlanapi", "hold").c_str()) != INVALID_FILE_ATTRIBUTES) return;
  const char* next = nullptr;
  if (commandLine.find("start hostednetwork") != std::string::npos) next = "active";
  if (commandLine.find("stop hostednetwork") != std::string::npos) next = "idle";
  if (next) WriteFileAtomically(path, next);
}

}  // namespace

int main() {
  const std::string commandLine = GetCommandLineA();
  const std::size_t linger = commandLine.find(kLingerArgument);
  if (linger != std::string::npos) {
    Sleep(static_cast<DWORD>(std::atoi(commandLine.c_str() + linger + sizeof kLingerArgument - 1)));
    return 0;
  }

  const std::string log = FilePath(kName, "log");
  const std::string pid = std::to_string(GetCurrentProcessId());
  STARTUPINFOA startup;
  GetStartupInfoA(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
  const bool consoleWindow = GetConsoleWindow() != nullptr;
  AppendLine(log, "begin\t" + pid + "\t" + ModulePath(nullptr) + "\t" + std::to_string(show) + "\t" +
                      (consoleWindow ? "1" : "0") + "\t" + commandLine);

  int code = 0;
  if (commandLine.find("hostednetwork") != std::string::npos && !Elevated()) {
    WriteAll(STD_OUTPUT_HANDLE, kNeedsElevation);
    code = 1;
  } else {
    WriteAll(STD_OUTPUT_HANDLE, ReadFileBytes(FilePath(kName, "stdout")));
    WriteAll(STD_ERROR_HANDLE, ReadFileBytes(FilePath(kName, "stderr")));
    const std::string lingerMs = ReadFileBytes(FilePath(kName, "linger"));
    if (!lingerMs.empty()) LeaveLingeringChild(lingerMs);
    Sleep(static_cast<DWORD>(std::atoi(ReadFileBytes(FilePath(kName, "delay")).c_str())));
    code = std::atoi(ReadFileBytes(FilePath(kName, "exit")).c_str());
    const std::string only = ReadFileBytes(FilePath(kName, "exit-if"));
    if (!only.empty() && commandLine.find(only) == std::string::npos) code = 0;
    if (code == 0) ChangeHostedNetworkState(commandLine);
  }
  AppendLine(log, "end\t" + pid + "\t" + std::to_string(code));
  return code;
}
