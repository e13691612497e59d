#include "hotspot/command_runner.h"

#include <windows.h>

#include "common/encoding.h"
#include "common/message_pump.h"
#include "common/system_library.h"
#include "common/win_handles.h"
#include "hotspot/command_line.h"
#include "hotspot/hotspot_commands.h"

namespace lumaret {

namespace {

// The program the command line names, by its full path in System32; empty
// when the first word is no bare name or no such file is there. Windows'
// own search would look in the program's folder and the current directory
// first, where anyone may have put a netsh.exe for an elevated program to
// run.
std::wstring SystemProgramPath(const std::string& commandLine) {
  const std::string name = ProgramFileName(commandLine, AnsiCodePage());
  if (name.empty()) return std::wstring();
  std::wstring path = SystemFilePath(AnsiToWide(name));
  const DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::wstring();
  return path;
}

// CreateProcess with the program from System32 and the command line as it
// is, and the startup record that only sets the show-window value; the new
// process inherits no handle, the environment and the current directory are
// the caller's. A hidden console program gets no console window at all
// (CREATE_NO_WINDOW): where Windows Terminal is the default terminal,
// SW_HIDE alone still shows one.
bool StartProcess(const std::string& commandLine, std::optional<int> showMode, UniqueHandle* process) {
  const std::wstring program = SystemProgramPath(commandLine);
  if (program.empty()) return false;
  STARTUPINFOW startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(ShowWindowValueFor(showMode));
  const DWORD flags = startup.wShowWindow == SW_HIDE ? CREATE_NO_WINDOW : 0;
  PROCESS_INFORMATION info;
  ZeroMemory(&info, sizeof info);
  std::wstring writable = AnsiToWide(commandLine);  // CreateProcessW may write into it
  if (!CreateProcessW(program.c_str(), &writable[0], nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup,
                      &info)) {
    return false;
  }
  CloseHandle(info.hThread);
  process->reset(info.hProcess);
  return true;
}

}  // namespace

bool RunCommandLine(const std::string& commandLine, bool wait, std::optional<int> showMode) {
  UniqueHandle process;
  if (!StartProcess(commandLine, showMode, &process)) return false;
  if (wait) {
    WaitForSingleObject(process.get(), INFINITE);
  } else {
    WaitForInputIdle(process.get(), 1000);
  }
  return true;
}

CommandOutcome RunCommandLineToEnd(const std::string& commandLine, unsigned limitMs) {
  CommandOutcome outcome;
  UniqueHandle process;
  if (!StartProcess(commandLine, 1, &process)) return outcome;
  outcome.started = true;
  switch (WaitPumpingMessages(process.get(), limitMs)) {
    case WaitEnd::Signalled: {
      DWORD code = 0;
      if (GetExitCodeProcess(process.get(), &code)) {
        outcome.ended = true;
        outcome.exitCode = code;
      }
      break;
    }
    case WaitEnd::TimedOut:
    case WaitEnd::Failed:
      TerminateProcess(process.get(), 1);
      WaitForSingleObject(process.get(), 5000);
      break;
    case WaitEnd::Quit:
      break;
  }
  return outcome;
}

}  // namespace lumaret
