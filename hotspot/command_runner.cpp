#include "hotspot/command_runner.h"

#include <windows.h>

#include "common/message_pump.h"
#include "common/win_handles.h"
#include "hotspot/hotspot_commands.h"

namespace lumaret {

namespace {

// CreateProcessA with the startup record that only sets the show-window
// value; the new process inherits no handle, the environment and the
// current directory are the caller's.
bool StartProcess(const std::string& commandLine, std::optional<int> showMode, UniqueHandle* process) {
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(ShowWindowValueFor(showMode));
  PROCESS_INFORMATION info;
  ZeroMemory(&info, sizeof info);
  std::string writable = commandLine;  // CreateProcessA may write into it
  if (!CreateProcessA(nullptr, &writable[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
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
