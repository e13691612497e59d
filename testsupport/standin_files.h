// What a stand-in for a part of Windows and the tests that steer it share:
// one folder, named by the environment variable LUMARET_STANDIN_DIR, holds
// for each stand-in (by its name, such as "netsh") the files
//
//   <name>.exit      the exit code, as decimal text (0 when missing)
//   <name>.exit-if   when present, the exit code holds only for command
//                    lines that contain this text; the others exit 0
//   <name>.delay     milliseconds to wait before ending (none when missing)
//   <name>.stdout    bytes to write to standard output, as they are (so in
//   <name>.stderr    whatever code page the test chose), before the wait
//   <name>.linger    milliseconds: when present, the program leaves a
//                    process of its own behind that inherits its handles
//                    (standard output and error among them) and lives that
//                    long; its id is appended to <name>.lingering
//   <name>.log       what the stand-in records, one line per event:
//                      begin<TAB>pid<TAB>program<TAB>show-window<TAB>console window<TAB>command line
//                      end<TAB>pid<TAB>exit code
//                      loaded<TAB>pid<TAB>module   (a DLL that refuses to load)
//                      call<TAB>pid<TAB>function<TAB>result[<TAB>detail]
//                                                      (a DLL's function, with
//                                                      what it was given where
//                                                      that matters)
//                    program and module are the stand-in's own full path;
//                    show-window is -1 when STARTF_USESHOWWINDOW was not
//                    set; console window is 1 when the process got a
//                    console window, 0 when not (CREATE_NO_WINDOW).
//
// The stand-in wlanapi.dll ("wlanapi") takes the hosted network from
//
//   wlanapi.state       "unavailable", "idle" or "active" (idle when missing;
//                       unavailable whatever it says when there is no
//                       wireless interface); a successful start or stop of
//                       the stand-in netsh makes it active or idle, unless
//   wlanapi.hold        is present (the state stays as the test wrote it)
//   wlanapi.interfaces  the number of wireless interfaces (1 when missing)
//   wlanapi.guid        the hosted network's adapter, {xxxxxxxx-xxxx-...}
//   wlanapi.peers       the connected devices' addresses, one a line,
//                       00-1A-2B-03-04-FF (shown only while active)
//   wlanapi.error       when present, the error code (decimal) that
//                       WlanHostedNetworkQueryStatus answers with
//   wlanapi.quiet       when present, no notification is sent (changes are
//                       seen only by asking)
//
// and records every call of its functions (call lines; a notification it
// sends is the function "notification" with its code as the result).
//
// The stand-in Windows Runtime classes of the Mobile Hotspot
// ("mobilehotspot", standins/mobile_hotspot.cpp) take it from
//
//   mobilehotspot.offline      when present, there is no internet connection
//                              profile (GetInternetConnectionProfile: none)
//   mobilehotspot.capability   the TetheringCapability of the connection, as
//                              a number (0, Enabled, when missing)
//   mobilehotspot.state        "on", "off", "transition" or "unknown" (off
//                              when missing); a start or stop that succeeds
//                              makes it on or off
//   mobilehotspot.clients      ClientCount (0 when missing)
//   mobilehotspot.ssid         the access point's name and passphrase as
//   mobilehotspot.passphrase   Windows keeps them, UTF-8 (a default of the
//                              stand-in's when missing); a configuration
//                              that completes writes them
//   mobilehotspot.delay        milliseconds each asynchronous operation runs
//                              before it completes (none when missing)
//   mobilehotspot.start-status the TetheringOperationStatus a start or stop
//   mobilehotspot.stop-status  completes with, as a number (0, Success)
//   mobilehotspot.message      the result's AdditionalErrorMessage, UTF-8
//   mobilehotspot.configure-error  when present, the HRESULT (decimal or
//                              0x...) the configuration ends with, as Error
//
// and records every call of every object (call lines, the method's name
// and HRESULT; an operation's events as "<operation>:completed",
// "<operation>:Completed" (its handler called), ":Cancel", ":Close", with
// the thread they happened on as the detail; put_Ssid, put_Passphrase and
// ConfigureAccessPointAsync with the name and passphrase, UTF-8).
//
// Each line is appended with one write, so processes that overlap never
// tear each other's lines. Only kernel32 is used here: stand-in DLLs
// include this from DllMain.
#pragma once

#include <windows.h>

#include <string>

namespace lumaret {
namespace standin {

constexpr char kFolderVariable[] = "LUMARET_STANDIN_DIR";

// The folder, without a trailing backslash; empty when the variable is unset.
inline std::string Folder() {
  char value[MAX_PATH];
  const DWORD n = GetEnvironmentVariableA(kFolderVariable, value, sizeof value);
  return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

inline std::string FilePath(const std::string& name, const char* kind) {
  const std::string folder = Folder();
  return folder.empty() ? std::string() : folder + "\\" + name + "." + kind;
}

// The whole file; empty when it is missing.
inline std::string ReadFileBytes(const std::string& path) {
  std::string bytes;
  if (path.empty()) return bytes;
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return bytes;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(f, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(f);
  return bytes;
}

inline void AppendLine(const std::string& path, const std::string& line) {
  if (path.empty()) return;
  HANDLE f = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  const std::string whole = line + "\n";
  DWORD written = 0;
  WriteFile(f, whole.data(), static_cast<DWORD>(whole.size()), &written, nullptr);
  CloseHandle(f);
}

// Replaces the file's content in one step (a new file moved over the old),
// so that a reader in another process sees the old or the new, never half.
inline void WriteFileAtomically(const std::string& path, const std::string& bytes) {
  if (path.empty()) return;
  const std::string temporary = path + "." + std::to_string(GetCurrentProcessId()) + ".new";
  HANDLE f = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  const BOOL ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
  if (!ok || !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) DeleteFileA(temporary.c_str());
}

// This module's full path (the process's program for a null module).
inline std::string ModulePath(HMODULE module) {
  char path[MAX_PATH * 2];
  const DWORD n = GetModuleFileNameA(module, path, sizeof path);
  return std::string(path, n < sizeof path ? n : 0);
}

}  // namespace standin
}  // namespace lumaret
