// DLLs that are not known DLLs come from System32 only, whatever lies beside
// the program. The refusing stand-ins (they record that they were loaded and
// refuse) are put beside this binary under the names IPHLPAPI.DLL,
// bcrypt.dll and MSIMG32.dll, and Wine is told to look for those names in
// the program's folder first ("n,b"), as Windows does.
#include "common/system_library.h"

#include <windows.h>
#include <bcrypt.h>

#include <gtest/gtest.h>

#include <string>

#include "testsupport/system_standin.h"

namespace lumaret {
namespace {

const testing::Environment* const kStandIns = testing::AddGlobalTestEnvironment(new standin::SystemStandIns());
const standin::Behaviour kRefused("refused");

const wchar_t* const kDecoys[] = {L"IPHLPAPI.DLL", L"bcrypt.dll", L"MSIMG32.dll"};

std::wstring BesideThisProgram(const std::wstring& name) {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, &path[0], MAX_PATH));
  return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

std::wstring ModulePath(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(module, &path[0], MAX_PATH));
  return path;
}

int LoadsRecorded() {
  int n = 0;
  for (const standin::Event& e : kRefused.Events()) n += e.kind == standin::Event::Kind::Loaded;
  return n;
}

class DllsBesideTheProgram : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const wchar_t* name : kDecoys) {
      CopyFileW(standin::BuiltStandIn(std::wstring(L"refusing\\") + name).c_str(), BesideThisProgram(name).c_str(),
                FALSE);
    }
  }
  static void TearDownTestSuite() {
    for (const wchar_t* name : kDecoys) DeleteFileW(BesideThisProgram(name).c_str());
  }
  void SetUp() override { kRefused.Reset(); }
};

// What the helper guards against: a bare name finds the DLL beside the
// program, which then runs its code in this process.
TEST_F(DllsBesideTheProgram, ABareNameTakesTheOneBesideTheProgram) {
  ASSERT_EQ(GetModuleHandleW(L"iphlpapi.dll"), nullptr) << "already loaded: the search would not run";
  EXPECT_EQ(LoadLibraryW(L"IPHLPAPI.DLL"), nullptr);
  const std::vector<standin::Event> events = kRefused.Events();
  ASSERT_EQ(events.size(), 1u) << "the refusing DLL beside this binary was not loaded";
  EXPECT_EQ(lstrcmpiW(std::wstring(events[0].program.begin(), events[0].program.end()).c_str(),
                      BesideThisProgram(L"IPHLPAPI.DLL").c_str()),
            0);
}

TEST_F(DllsBesideTheProgram, SystemLibraryLoadsSystem32sOwn) {
  for (const wchar_t* name : kDecoys) {
    SystemLibrary library(name);
    ASSERT_TRUE(library.Available()) << "cannot load System32's copy";
    EXPECT_EQ(lstrcmpiW(ModulePath(library.Module()).c_str(), SystemFilePath(name).c_str()), 0);
  }
  EXPECT_EQ(LoadsRecorded(), 0) << "a DLL beside the program was loaded";

  SystemLibrary bcrypt(L"bcrypt.dll");
  SystemFunction<decltype(::BCryptGenRandom)> genRandom(bcrypt, "BCryptGenRandom");
  ASSERT_NE(genRandom.get(), nullptr);
  unsigned char bytes[16] = {};
  EXPECT_EQ(genRandom(nullptr, bytes, sizeof bytes, BCRYPT_USE_SYSTEM_PREFERRED_RNG), 0);
}

TEST_F(DllsBesideTheProgram, MissingLibraryOrFunctionIsOnlyReported) {
  SystemLibrary missing(L"lumaret-no-such-library.dll");
  EXPECT_FALSE(missing.Available());
  EXPECT_EQ(missing.Address("Anything"), nullptr);
  SystemFunction<decltype(::BCryptGenRandom)> fromMissing(missing, "BCryptGenRandom");
  EXPECT_EQ(fromMissing.get(), nullptr);

  SystemLibrary bcrypt(L"bcrypt.dll");
  SystemFunction<decltype(::BCryptGenRandom)> noSuchFunction(bcrypt, "LumaretNoSuchFunction");
  EXPECT_TRUE(bcrypt.Available());
  EXPECT_EQ(noSuchFunction.get(), nullptr);
  EXPECT_EQ(LoadsRecorded(), 0);
}

// Last: the restriction holds for the rest of the process. After it, even a
// bare name (as Windows' own DLLs load theirs) finds System32's copy.
TEST_F(DllsBesideTheProgram, RestrictedSearchSkipsTheProgramsFolder) {
  ASSERT_EQ(GetModuleHandleW(L"msimg32.dll"), nullptr);
  ASSERT_TRUE(RestrictDllSearchToSystem32());
  HMODULE m = LoadLibraryW(L"MSIMG32.dll");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(lstrcmpiW(ModulePath(m).c_str(), SystemFilePath(L"msimg32.dll").c_str()), 0);
  EXPECT_EQ(LoadsRecorded(), 0);
  FreeLibrary(m);
}

}  // namespace
}  // namespace lumaret
