// Stand-ins for the parts of Windows that Wine lacks or stubs, placed
// exactly where Windows keeps the real ones in the tests' private prefix
// (the tests' own Windows), and the tests' side of steering them.
//
//   - A program or DLL goes into the prefix's System32 under the real name
//     (SystemFileStandIn), what was there before (Wine's placeholder for its
//     builtin) put back afterwards. Wine runs or loads it instead of its
//     builtin only with an "n" override in WINEDLLOVERRIDES ("netsh.exe=n",
//     "wlanapi=n"), which the test's add_test gives (lumaret_wine_test's
//     STANDINS in cmake/LumaretTests.cmake), so that every process the test
//     starts inherits it.
//   - Its behaviour comes from files the test writes into the folder named
//     by LUMARET_STANDIN_DIR, and it records what it was asked there
//     (Behaviour; the files are described in standin_files.h).
//   - A COM class goes under its CLSID in the prefix's registry with the
//     built stand-in's full path as InprocServer32, a WinRT class under
//     HKLM\Software\Microsoft\WindowsRuntime\ActivatableClassId\<name> with
//     it as DllPath (ActivatableClassStandIn): BuiltStandIn gives that path.
//
// The stand-ins themselves are built once, into one folder of the build
// (testsupport/CMakeLists.txt); nothing here changes how Lumaret calls
// Windows.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "testsupport/standin_files.h"

namespace lumaret {
namespace standin {

// The full path of a built stand-in, by its path under the build's stand-in
// folder: L"system32\\netsh.exe", L"refusing\\IPHLPAPI.DLL".
std::wstring BuiltStandIn(const std::wstring& relativePath);

// The built stand-in system32\<name> put into the prefix's System32 as
// <name> for as long as this lives; the file that was there before comes
// back afterwards.
class SystemFileStandIn {
 public:
  explicit SystemFileStandIn(const std::wstring& name);
  ~SystemFileStandIn();
  SystemFileStandIn(const SystemFileStandIn&) = delete;
  SystemFileStandIn& operator=(const SystemFileStandIn&) = delete;

  bool installed() const { return installed_; }
  // Where it is: GetSystemDirectory + "\" + name.
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
  std::wstring saved_;  // the original, moved aside; empty when there was none
  bool installed_ = false;
};

// The built stand-in <dll> (a path under the build's stand-in folder,
// L"winrt\\lumaret_mobile_hotspot.dll") registered as the in-process server
// of the Windows Runtime class `className` in the prefix's registry, as
// Windows registers its own: under
// HKLM\Software\Microsoft\WindowsRuntime\ActivatableClassId\<className>,
// DllPath its full path, ActivationType 0 (in-process), Threading 0 (both),
// TrustLevel 0 (base). Wine's combase then loads it for
// RoGetActivationFactory and RoActivateInstance. What was registered before
// comes back afterwards (Wine registers none of the classes the tests
// stand in for).
class ActivatableClassStandIn {
 public:
  ActivatableClassStandIn(const std::wstring& className, const std::wstring& dll);
  ~ActivatableClassStandIn();
  ActivatableClassStandIn(const ActivatableClassStandIn&) = delete;
  ActivatableClassStandIn& operator=(const ActivatableClassStandIn&) = delete;
  bool registered() const { return registered_; }

 private:
  struct Value {
    std::wstring name;
    DWORD type = 0;
    std::vector<BYTE> data;
  };
  std::wstring key_;
  bool existed_ = false;
  std::vector<Value> saved_;
  bool registered_ = false;
};

// One thing a stand-in recorded (see standin_files.h).
struct Event {
  enum class Kind { Begin, End, Loaded, Call };
  Kind kind = Kind::Begin;
  unsigned long pid = 0;
  std::string program;  // Begin: the stand-in's path; Loaded: the DLL's path; Call: the function
  int showWindow = -1;
  bool consoleWindow = false;
  std::string commandLine;
  int exitCode = 0;  // End; Call: what the function returned
  std::string detail;  // Call: what it was given or did, where recorded
};

// The behaviour files and records of one stand-in, by its name ("netsh").
class Behaviour {
 public:
  explicit Behaviour(std::string name) : name_(std::move(name)) {}

  // No behaviour files and no records (every file <name>.*): exit code 0,
  // no wait, no output.
  void Reset() const;
  // Any behaviour file, by its kind ("state" for wlanapi.state), written as
  // a whole in one step; Remove deletes it.
  void Set(const char* kind, const std::string& bytes) const;
  void Remove(const char* kind) const;
  // The file's content; empty when it is missing.
  std::string Get(const char* kind) const;
  // The exit code, for every command line or only for those that contain
  // `onlyIf` (the others exit 0).
  void SetExitCode(int code, const std::string& onlyIf = std::string()) const;
  void SetDelay(unsigned milliseconds) const;
  // Bytes for standard output and standard error, written as they are.
  void SetOutput(const std::string& out, const std::string& err = std::string()) const;
  // Everything recorded so far, in order.
  std::vector<Event> Events() const;
  // The calls of one function recorded so far, and of those how many
  // returned `result`.
  int Calls(const std::string& function) const;
  int Calls(const std::string& function, int result) const;

 private:
  void Write(const char* kind, const std::string& bytes) const;
  std::string name_;
};

// Installs the named System32 stand-ins for a whole test binary
// (testing::AddGlobalTestEnvironment), after checking that the test runs
// with its stand-in environment, and makes the behaviour folder.
class SystemStandIns : public testing::Environment {
 public:
  SystemStandIns() = default;  // the behaviour folder only
  explicit SystemStandIns(std::initializer_list<const wchar_t*> names) : names_(names) {}
  void SetUp() override;
  void TearDown() override;

 private:
  std::vector<const wchar_t*> names_;
  std::vector<std::unique_ptr<SystemFileStandIn>> installed_;
};

}  // namespace standin
}  // namespace lumaret
