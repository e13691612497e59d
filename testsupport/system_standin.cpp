#include "testsupport/system_standin.h"

namespace lumaret {
namespace standin {

namespace {

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

std::wstring SystemFolder() {
  wchar_t folder[MAX_PATH];
  const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder, n < MAX_PATH ? n : 0);
}

std::vector<std::string> Fields(const std::string& line, std::size_t count) {
  // The last field takes the rest, tabs included (command lines may hold them).
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (fields.size() + 1 < count) {
    const std::size_t tab = line.find('\t', start);
    if (tab == std::string::npos) break;
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

// The override that makes Wine take the stand-in: "netsh.exe=n" for a
// program, "wlanapi=n" for a DLL.
std::string OverrideOf(const wchar_t* fileName) {
  std::string name;
  for (const wchar_t* c = fileName; *c; ++c) {
    name += static_cast<char>(*c >= L'A' && *c <= L'Z' ? *c - L'A' + L'a' : *c);
  }
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && name.compare(dot, std::string::npos, ".exe") != 0) name.erase(dot);
  return name + "=n";
}

}  // namespace

std::wstring BuiltStandIn(const std::wstring& relativePath) {
  return Widen(LUMARET_STANDIN_BUILD_FOLDER) + L"\\" + relativePath;
}

SystemFileStandIn::SystemFileStandIn(const std::wstring& name) : path_(SystemFolder() + L"\\" + name) {
  if (GetFileAttributesW(path_.c_str()) != INVALID_FILE_ATTRIBUTES) {
    const std::wstring aside = path_ + L".lumaret-original";
    if (!MoveFileExW(path_.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING)) return;
    saved_ = aside;
  }
  installed_ = CopyFileW(BuiltStandIn(L"system32\\" + name).c_str(), path_.c_str(), FALSE) != FALSE;
}

SystemFileStandIn::~SystemFileStandIn() {
  if (installed_) {
    // A DLL that this process has loaded cannot be deleted while it runs,
    // but it can be renamed: it goes aside, to be deleted when it can be,
    // and the original comes back all the same. A stand-in process may
    // still be ending: that one is waited for.
    const std::wstring name = path_.substr(path_.find_last_of(L'\\') + 1);
    if (GetModuleHandleW(name.c_str()) && !DeleteFileW(path_.c_str())) {
      const std::wstring aside = path_ + L".lumaret-used-" + std::to_wstring(GetCurrentProcessId());
      if (MoveFileExW(path_.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        MoveFileExW(aside.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
      }
    }
    for (int i = 0; i < 50 && GetFileAttributesW(path_.c_str()) != INVALID_FILE_ATTRIBUTES &&
                    !DeleteFileW(path_.c_str());
         ++i) {
      Sleep(100);
    }
  }
  if (!saved_.empty()) MoveFileExW(saved_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING);
}

namespace {

const wchar_t kActivatableClasses[] = L"Software\\Microsoft\\WindowsRuntime\\ActivatableClassId\\";

}  // namespace

ActivatableClassStandIn::ActivatableClassStandIn(const std::wstring& className, const std::wstring& dll)
    : key_(kActivatableClasses + className) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key_.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
    existed_ = true;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
      DWORD nameLength = 256, type = 0, size = 0;
      if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
      Value v{std::wstring(name, nameLength), type, std::vector<BYTE>(size)};
      if (RegQueryValueExW(key, v.name.c_str(), nullptr, nullptr, v.data.data(), &size) == ERROR_SUCCESS) {
        saved_.push_back(v);
      }
    }
    RegCloseKey(key);
  }
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  const std::wstring path = BuiltStandIn(dll);
  const DWORD zero = 0;
  registered_ =
      RegSetValueExW(key, L"DllPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                     static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS &&
      RegSetValueExW(key, L"ActivationType", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), sizeof zero) ==
          ERROR_SUCCESS &&
      RegSetValueExW(key, L"Threading", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), sizeof zero) ==
          ERROR_SUCCESS &&
      RegSetValueExW(key, L"TrustLevel", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), sizeof zero) ==
          ERROR_SUCCESS;
  RegCloseKey(key);
}

ActivatableClassStandIn::~ActivatableClassStandIn() {
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, key_.c_str());
  if (!existed_) return;
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  for (const Value& v : saved_) {
    RegSetValueExW(key, v.name.c_str(), 0, v.type, v.data.data(), static_cast<DWORD>(v.data.size()));
  }
  RegCloseKey(key);
}

void Behaviour::Write(const char* kind, const std::string& bytes) const {
  const std::string path = FilePath(name_, kind);
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE) << "cannot write " << path;
  DWORD written = 0;
  const BOOL ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
  ASSERT_TRUE(ok && written == bytes.size()) << "cannot write " << path;
}

void Behaviour::Reset() const {
  const std::string folder = Folder();
  if (folder.empty()) return;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\" + name_ + ".*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder + "\\" + found.cFileName).c_str());
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

void Behaviour::Set(const char* kind, const std::string& bytes) const {
  WriteFileAtomically(FilePath(name_, kind), bytes);
}

void Behaviour::Remove(const char* kind) const { DeleteFileA(FilePath(name_, kind).c_str()); }

std::string Behaviour::Get(const char* kind) const { return ReadFileBytes(FilePath(name_, kind)); }

int Behaviour::Calls(const std::string& function) const {
  int n = 0;
  for (const Event& e : Events()) n += e.kind == Event::Kind::Call && e.program == function;
  return n;
}

int Behaviour::Calls(const std::string& function, int result) const {
  int n = 0;
  for (const Event& e : Events()) n += e.kind == Event::Kind::Call && e.program == function && e.exitCode == result;
  return n;
}

void Behaviour::SetExitCode(int code, const std::string& onlyIf) const {
  Write("exit", std::to_string(code));
  if (onlyIf.empty()) {
    DeleteFileA(FilePath(name_, "exit-if").c_str());
  } else {
    Write("exit-if", onlyIf);
  }
}

void Behaviour::SetDelay(unsigned milliseconds) const { Write("delay", std::to_string(milliseconds)); }

void Behaviour::SetOutput(const std::string& out, const std::string& err) const {
  Write("stdout", out);
  Write("stderr", err);
}

std::vector<Event> Behaviour::Events() const {
  std::vector<Event> events;
  const std::string bytes = ReadFileBytes(FilePath(name_, "log"));
  std::size_t start = 0;
  for (std::size_t nl; (nl = bytes.find('\n', start)) != std::string::npos; start = nl + 1) {
    const std::string line = bytes.substr(start, nl - start);
    Event e;
    if (line.rfind("begin\t", 0) == 0) {
      const std::vector<std::string> f = Fields(line, 6);
      if (f.size() < 6) continue;
      e.kind = Event::Kind::Begin;
      e.pid = std::stoul(f[1]);
      e.program = f[2];
      e.showWindow = std::stoi(f[3]);
      e.consoleWindow = f[4] == "1";
      e.commandLine = f[5];
    } else if (line.rfind("end\t", 0) == 0) {
      const std::vector<std::string> f = Fields(line, 3);
      if (f.size() < 3) continue;
      e.kind = Event::Kind::End;
      e.pid = std::stoul(f[1]);
      e.exitCode = std::stoi(f[2]);
    } else if (line.rfind("call\t", 0) == 0) {
      const std::vector<std::string> f = Fields(line, 5);
      if (f.size() < 4) continue;
      e.kind = Event::Kind::Call;
      e.pid = std::stoul(f[1]);
      e.program = f[2];
      e.exitCode = static_cast<int>(std::stoll(f[3]));
      if (f.size() > 4) e.detail = f[4];
    } else if (line.rfind("loaded\t", 0) == 0) {
      const std::vector<std::string> f = Fields(line, 3);
      if (f.size() < 3) continue;
      e.kind = Event::Kind::Loaded;
      e.pid = std::stoul(f[1]);
      e.program = f[2];
    } else {
      continue;
    }
    events.push_back(e);
  }
  return events;
}

void SystemStandIns::SetUp() {
  const std::string folder = Folder();
  ASSERT_FALSE(folder.empty()) << kFolderVariable << " is not set: run this test through ctest";
  for (std::size_t cut = folder.find_first_of("\\/", 3); cut != std::string::npos;
       cut = folder.find_first_of("\\/", cut + 1)) {
    CreateDirectoryA(folder.substr(0, cut).c_str(), nullptr);
  }
  CreateDirectoryA(folder.c_str(), nullptr);

  char overrides[2048] = {};
  GetEnvironmentVariableA("WINEDLLOVERRIDES", overrides, sizeof overrides);
  for (const wchar_t* name : names_) {
    ASSERT_NE(std::string(overrides).find(OverrideOf(name)), std::string::npos)
        << "WINEDLLOVERRIDES lacks " << OverrideOf(name) << ": run this test through ctest";
    installed_.push_back(std::make_unique<SystemFileStandIn>(name));
    ASSERT_TRUE(installed_.back()->installed()) << "stand-in not installed in System32";
  }
}

void SystemStandIns::TearDown() {
  while (!installed_.empty()) installed_.pop_back();  // the last installed goes first
}

}  // namespace standin
}  // namespace lumaret
