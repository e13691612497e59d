#include "hotspot/command_runner.h"

#include <windows.h>

#include <atomic>
#include <vector>

#include "common/encoding.h"
#include "common/message_pump.h"
#include "common/system_library.h"
#include "common/win_handles.h"
#include "hotspot/command_line.h"
#include "hotspot/console_output.h"
#include "hotspot/hotspot_commands.h"

namespace lumaret {

namespace {

// What is still read after the command ended: output it wrote before it
// ended is in the pipe already; a pipe that stays open this long without
// more is held by something the command left running.
constexpr DWORD kDrainAfterEndMs = 250;

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

// The pipe a command writes its output into: our end is read overlapped,
// so the wait can handle window messages meanwhile and give up on a pipe
// that stays open; the command's end is the one inheritable handle. A named
// pipe, since anonymous pipes cannot be read overlapped: a new name each
// time, which only this process may have created (first instance, one
// instance, no remote clients), and our own end connected at once.
class OutputPipe {
 public:
  explicit OutputPipe(ConsoleOutput* output) : output_(output) {}
  ~OutputPipe() { Cancel(); }
  OutputPipe(const OutputPipe&) = delete;
  OutputPipe& operator=(const OutputPipe&) = delete;

  bool Create() {
    static std::atomic<unsigned> count{0};
    const std::wstring name = L"\\\\.\\pipe\\Lumaret-output-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++count) + L"-" + std::to_wstring(GetTickCount64());
    read_.reset(CreateNamedPipeW(name.c_str(),
                                 PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                                 PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1, 0,
                                 static_cast<DWORD>(buffer_.size()), 0, nullptr));
    if (!read_) return false;
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    write_.reset(CreateFileW(name.c_str(), GENERIC_WRITE, 0, &inheritable, OPEN_EXISTING, 0, nullptr));
    event_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!write_ || !event_) return false;
    return true;
  }

  HANDLE writeEnd() const { return write_.get(); }
  // Ours goes once the command has its copy: the pipe ends when the last
  // writer does.
  void CloseWriteEnd() { write_.reset(); }
  HANDLE event() const { return event_.get(); }
  bool reading() const { return pending_; }

  // Reads until a read has to wait (pending, its event set when it
  // completes) or the pipe has ended.
  void Read() {
    while (!ended_ && !pending_) {
      ZeroMemory(&overlapped_, sizeof overlapped_);
      overlapped_.hEvent = event_.get();
      DWORD got = 0;
      if (ReadFile(read_.get(), buffer_.data(), static_cast<DWORD>(buffer_.size()), &got, &overlapped_)) {
        Take(got);
      } else if (GetLastError() == ERROR_IO_PENDING) {
        pending_ = true;
      } else {
        ended_ = true;  // ERROR_BROKEN_PIPE: every writer is gone
      }
    }
  }

  // The pending read has completed (its event is set): takes what it
  // brought and reads on.
  void Completed() {
    if (!pending_) return;
    pending_ = false;
    DWORD got = 0;
    if (GetOverlappedResult(read_.get(), &overlapped_, &got, FALSE)) {
      Take(got);
    } else if (GetLastError() != ERROR_MORE_DATA) {
      ended_ = true;
      return;
    } else {
      Take(got);
    }
    Read();
  }

  // Gives up a pending read, waiting for the cancellation, so the buffer
  // and the event are never used after this.
  void Cancel() {
    if (!pending_) return;
    CancelIoEx(read_.get(), &overlapped_);
    DWORD got = 0;
    if (GetOverlappedResult(read_.get(), &overlapped_, &got, TRUE)) Take(got);
    pending_ = false;
    ended_ = true;
  }

 private:
  void Take(DWORD got) {
    if (got > 0) output_->Append(buffer_.data(), got);
  }

  ConsoleOutput* output_;
  UniqueHandle read_, write_, event_;
  OVERLAPPED overlapped_{};
  std::vector<char> buffer_ = std::vector<char>(64 * 1024);
  bool pending_ = false;
  bool ended_ = false;
};

// CreateProcess with the program from System32 and the command line as it
// is, and a startup record that only sets the show-window value and, when
// given, the output handle for standard output and error; the new process
// inherits that handle and nothing else (an explicit handle list), the
// environment and the current directory are the caller's. A hidden console
// program gets no console window at all (CREATE_NO_WINDOW): where Windows
// Terminal is the default terminal, SW_HIDE alone still shows one.
bool StartProcess(const std::string& commandLine, std::optional<int> showMode, HANDLE output, UniqueHandle* process) {
  const std::wstring program = SystemProgramPath(commandLine);
  if (program.empty()) return false;
  STARTUPINFOEXW startup;
  ZeroMemory(&startup, sizeof startup);
  startup.StartupInfo.cb = sizeof startup.StartupInfo;
  startup.StartupInfo.dwFlags = STARTF_USESHOWWINDOW;
  startup.StartupInfo.wShowWindow = static_cast<WORD>(ShowWindowValueFor(showMode));
  DWORD flags = startup.StartupInfo.wShowWindow == SW_HIDE ? CREATE_NO_WINDOW : 0;

  std::vector<char> attributes;
  HANDLE inherited[1] = {output};
  if (output) {
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    attributes.resize(size);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
    if (size == 0 || !InitializeProcThreadAttributeList(list, 1, 0, &size)) return false;
    if (!UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited, sizeof inherited, nullptr,
                                   nullptr)) {
      DeleteProcThreadAttributeList(list);
      return false;
    }
    startup.lpAttributeList = list;
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags |= STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdOutput = output;
    startup.StartupInfo.hStdError = output;
    flags |= EXTENDED_STARTUPINFO_PRESENT;
  }
  PROCESS_INFORMATION info;
  ZeroMemory(&info, sizeof info);
  std::wstring writable = AnsiToWide(commandLine);  // CreateProcessW may write into it
  const BOOL created = CreateProcessW(program.c_str(), &writable[0], nullptr, nullptr, output ? TRUE : FALSE, flags,
                                      nullptr, nullptr, &startup.StartupInfo, &info);
  if (startup.lpAttributeList) DeleteProcThreadAttributeList(startup.lpAttributeList);
  if (!created) return false;
  CloseHandle(info.hThread);
  process->reset(info.hProcess);
  return true;
}

}  // namespace

bool RunCommandLine(const std::string& commandLine, bool wait, std::optional<int> showMode) {
  UniqueHandle process;
  if (!StartProcess(commandLine, showMode, nullptr, &process)) return false;
  if (wait) {
    WaitForSingleObject(process.get(), INFINITE);
  } else {
    WaitForInputIdle(process.get(), 1000);
  }
  return true;
}

CommandOutcome RunCommandLineToEnd(const std::string& commandLine, unsigned limitMs) {
  CommandOutcome outcome;
  ConsoleOutput output(ConsoleCodePage());
  OutputPipe pipe(&output);
  // Without a pipe the command still runs; its output goes nowhere.
  const bool capture = pipe.Create();
  UniqueHandle process;
  if (!StartProcess(commandLine, 1, capture ? pipe.writeEnd() : nullptr, &process)) return outcome;
  outcome.started = true;
  pipe.CloseWriteEnd();
  if (capture) pipe.Read();

  const DWORD start = GetTickCount();
  bool ended = false;
  for (;;) {
    const DWORD elapsed = GetTickCount() - start;
    const HANDLE handles[2] = {process.get(), pipe.event()};
    DWORD which = 0;
    const WaitEnd end = WaitPumpingMessages(handles, pipe.reading() ? 2 : 1, elapsed < limitMs ? limitMs - elapsed : 0,
                                            &which);
    if (end == WaitEnd::Signalled && which == 1) {
      pipe.Completed();
      continue;
    }
    if (end == WaitEnd::Signalled) {
      ended = true;
    } else if (end == WaitEnd::TimedOut || end == WaitEnd::Failed) {
      TerminateProcess(process.get(), 1);
      WaitForSingleObject(process.get(), 5000);
      outcome.timedOut = true;
    }
    if (end == WaitEnd::Quit) return outcome;  // left to finish by itself
    break;
  }

  // What it wrote before it ended is in the pipe; a pipe that something it
  // left behind keeps open is given up after a short while.
  while (pipe.reading()) {
    const HANDLE event = pipe.event();
    if (WaitPumpingMessages(&event, 1, kDrainAfterEndMs) != WaitEnd::Signalled) break;
    pipe.Completed();
  }
  pipe.Cancel();
  outcome.output = output.Kept();

  if (ended) {
    DWORD code = 0;
    if (GetExitCodeProcess(process.get(), &code)) {
      outcome.ended = true;
      outcome.exitCode = code;
    }
  }
  return outcome;
}

const CodePage& ConsoleCodePage() {
  static const CodePage console = CodePageRules(GetOEMCP());
  return console;
}

std::wstring ConsoleOutputText(const std::string& output) {
  const std::string lines = OutputForDisplay(output);
  if (lines.empty()) return std::wstring();
  const UINT cp = GetOEMCP();
  const int n = MultiByteToWideChar(cp, 0, lines.data(), static_cast<int>(lines.size()), nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(cp, 0, lines.data(), static_cast<int>(lines.size()), &wide[0], n);
  return wide;
}

}  // namespace lumaret
