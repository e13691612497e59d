#include "common/run_directory.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/encoding.h"

namespace lumaret {
namespace {

std::wstring ModulePathW() {
  std::wstring buf(32768, L'\0');
  buf.resize(GetModuleFileNameW(nullptr, &buf[0], static_cast<DWORD>(buf.size())));
  return buf;
}

TEST(RunDirectory, SplitsTheModulePath) {
  const std::string full = WideToAnsi(ModulePathW());
  EXPECT_EQ(GetExecutablePath(), full);
  EXPECT_EQ(GetRunDirectory() + "\\" + GetExecutableName(), full);
  EXPECT_EQ(GetExecutableFullPath(), full);
  EXPECT_EQ(GetExecutableName(), "common_wine_tests.exe");
  EXPECT_NE(GetRunDirectory().back(), '\\');
}

// A copy of this binary in a folder whose path is far beyond 260 bytes in
// the ANSI code page (two bytes for each Chinese character, though fewer
// than 260 characters, so Windows starts it as usual) reports its whole
// path: run it with --print-path and read what it prints.
TEST(RunDirectory, PathLongerThan260BytesIsReadWhole) {
  wchar_t temp[MAX_PATH];
  ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
  std::wstring dir = std::wstring(temp) + L"lumaret-long";
  CreateDirectoryW(dir.c_str(), nullptr);
  for (wchar_t ch : {L'长', L'路', L'径', L'名'}) {
    dir += L"\\" + std::wstring(40, ch);
    CreateDirectoryW(dir.c_str(), nullptr);
  }
  const std::wstring exe = dir + L"\\copy.exe";
  ASSERT_LT(exe.size(), static_cast<std::size_t>(MAX_PATH));
  ASSERT_GT(WideToAnsi(exe).size(), 300u);
  ASSERT_TRUE(CopyFileW(ModulePathW().c_str(), exe.c_str(), FALSE)) << GetLastError();

  SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, &sa, 0));
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = writeEnd;
  si.hStdError = writeEnd;
  PROCESS_INFORMATION pi{};
  std::wstring cmd = L"\"" + exe + L"\" --print-path";
  const BOOL started = CreateProcessW(exe.c_str(), &cmd[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
  CloseHandle(writeEnd);
  std::string out;
  if (started) {
    char chunk[512];
    DWORD got = 0;
    while (ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got > 0) out.append(chunk, got);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  CloseHandle(readEnd);
  ASSERT_TRUE(started) << GetLastError();
  EXPECT_EQ(out, WideToAnsi(exe) + "|" + WideToAnsi(dir) + "|copy.exe");
  DeleteFileW(exe.c_str());
}

}  // namespace
}  // namespace lumaret

// The long-path test starts a copy of this binary in this mode.
int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--print-path") {
    const std::string line =
        lumaret::GetExecutablePath() + "|" + lumaret::GetRunDirectory() + "|" + lumaret::GetExecutableName();
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    return 0;
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
