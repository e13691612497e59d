// lumaret_bench: measures Lumaret.exe from outside, beside a baseline
// program that opens one empty window of the same size. Prints one
// "key value" line per figure; scripts/bench.sh turns them into a table.
//
//   lumaret_bench --starts N                    (start times and memory)
//   lumaret_bench --start-times N               (start times only)
//   lumaret_bench --startup-steps N             (where start-up time goes)
//   lumaret_bench --netsh FOLDER                (responsiveness)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/window_description.h"
#include "tools/bench/timing.h"
#include "tools/driver.h"

namespace {

using lumaret::Median;
using lumaret::Now;
using lumaret::ControlId;
using lumaret::ControlOf;

void Click(HWND main, ControlId id) { lumaret::ClickControl(main, id); }

struct Running {
  PROCESS_INFORMATION pi{};
  HWND window = nullptr;
  double startSeconds = 0;
};

struct FindArgs {
  DWORD pid;
  const wchar_t* cls;
  HWND found;
};

BOOL CALLBACK FindTopWindow(HWND h, LPARAM lp) {
  auto* a = reinterpret_cast<FindArgs*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  wchar_t cls[64] = {};
  GetClassNameW(h, cls, 64);
  if (pid == a->pid && IsWindowVisible(h) && std::wstring(cls) == a->cls) {
    a->found = h;
    return FALSE;
  }
  return TRUE;
}

// Starts the program and waits until its window is visible (for Lumaret that
// is after its created handler, which loads the settings, has run).
bool Start(const std::wstring& exe, const wchar_t* windowClass, Running* r, const std::wstring& folder = L"") {
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  std::wstring cmd = L"\"" + exe + L"\"";
  const double t0 = Now();
  if (!CreateProcessW(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &si, &r->pi)) {
    return false;
  }
  FindArgs a{r->pi.dwProcessId, windowClass, nullptr};
  while (Now() - t0 < 60) {
    EnumWindows(FindTopWindow, reinterpret_cast<LPARAM>(&a));
    if (a.found) break;
    Sleep(1);
  }
  r->startSeconds = Now() - t0;
  r->window = a.found;
  return a.found != nullptr;
}

void Stop(Running* r) {
  if (r->window) PostMessageW(r->window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(r->pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(r->pi.hProcess, 1);
  CloseHandle(r->pi.hThread);
  CloseHandle(r->pi.hProcess);
  *r = Running{};
}

void PrintMemory(const char* key, HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX pmc{};
  pmc.cb = sizeof(pmc);
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof(pmc))) {
    // Wine leaves PrivateUsage at 0; the pagefile usage is the same figure
    // (committed private memory) on Windows.
    const SIZE_T priv = pmc.PrivateUsage ? pmc.PrivateUsage : pmc.PagefileUsage;
    std::printf("%s_private_bytes %llu\n", key, static_cast<unsigned long long>(priv));
    std::printf("%s_working_set %llu\n", key, static_cast<unsigned long long>(pmc.WorkingSetSize));
  }
}

// Settles a freshly started process: a short wait, then a round trip.
void Settle(HWND w) {
  Sleep(300);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
}

// The start times of Lumaret and the baseline, `n` starts of each taken in
// turn.
void StartTimes(int n) {
  const std::wstring folder = lumaret::ThisProgramFolder();
  std::vector<double> lumaret, baseline;
  for (int i = 0; i < n; ++i) {
    Running r;
    if (Start(folder + L"Lumaret.exe", L"LumaretMainWindow", &r)) lumaret.push_back(r.startSeconds);
    Stop(&r);
    if (Start(folder + L"lumaret_baseline.exe", L"LumaretBaseline", &r)) baseline.push_back(r.startSeconds);
    Stop(&r);
  }
  std::printf("start_runs %zu\n", lumaret.size());
  std::printf("start_lumaret_ms %.1f\n", Median(lumaret) * 1000);
  std::printf("start_baseline_ms %.1f\n", Median(baseline) * 1000);
}

int Starts(int n) {
  const std::wstring folder = lumaret::ThisProgramFolder();
  StartTimes(n);

  // Memory after start, and after a hundred passwords and ten reports.
  Running r;
  if (Start(folder + L"lumaret_baseline.exe", L"LumaretBaseline", &r)) {
    Settle(r.window);
    PrintMemory("mem_baseline", r.pi.hProcess);
  }
  Stop(&r);
  if (Start(folder + L"Lumaret.exe", L"LumaretMainWindow", &r)) {
    Settle(r.window);
    PrintMemory("mem_lumaret_start", r.pi.hProcess);
    auto use = [&] {
      for (int i = 0; i < 100; ++i) Click(r.window, ControlId::超级按钮_mmsj);
      Click(r.window, ControlId::超级按钮3);
      for (int i = 0; i < 10; ++i) Click(r.window, ControlId::按钮2);
      Settle(r.window);
    };
    use();
    PrintMemory("mem_lumaret_used", r.pi.hProcess);
    // A second round of the same: what the first one added and a second
    // does not add again is the heap settling, not a leak.
    use();
    PrintMemory("mem_lumaret_again", r.pi.hProcess);
  }
  Stop(&r);
  return 0;
}

// The longest round trip of a message to the window while the open button's
// netsh stand-in takes three seconds to answer.
int Responsiveness(const std::wstring& folder) {
  Running r;
  if (!Start(folder + L"\\Lumaret.exe", L"LumaretMainWindow", &r, folder)) return 1;
  Settle(r.window);
  PostMessageW(ControlOf(r.window, ControlId::超级按钮_ope), BM_CLICK, 0, 0);
  double longest = 0;
  const double t0 = Now();
  while (Now() - t0 < 4.0) {
    const double t = Now();
    DWORD_PTR result = 0;
    SendMessageTimeoutW(r.window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
    longest = std::max(longest, Now() - t);
    Sleep(10);
  }
  std::printf("responsive_longest_ms %.1f\n", longest * 1000);
  Stop(&r);
  return 0;
}

// Runs lumaret_startup_bench `n` times, each in a fresh process, and prints
// the median of every step it reports.
int StartupSteps(int n) {
  const std::wstring exe = lumaret::ThisProgramFolder() + L"lumaret_startup_bench.exe";
  std::map<std::string, std::vector<double>> steps;
  for (int i = 0; i < n; ++i) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0)) return 1;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    PROCESS_INFORMATION pi{};
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    std::wstring cmd = L"\"" + exe + L"\" " + std::to_wstring(ticks.QuadPart);
    const BOOL started = CreateProcessW(exe.c_str(), &cmd[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(writeEnd);
    std::string out;
    char chunk[1024];
    DWORD got = 0;
    while (started && ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got > 0) out.append(chunk, got);
    CloseHandle(readEnd);
    if (!started) return 1;
    WaitForSingleObject(pi.hProcess, 30000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    std::istringstream lines(out);
    std::string key;
    double value = 0;
    while (lines >> key >> value) steps[key].push_back(value);
  }
  for (const auto& [key, values] : steps) std::printf("%s %.1f\n", key.c_str(), Median(values));
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && std::wstring(argv[1]) == L"--startup-steps") return StartupSteps(_wtoi(argv[2]));
  if (argc == 3 && std::wstring(argv[1]) == L"--starts") return Starts(_wtoi(argv[2]));
  if (argc == 3 && std::wstring(argv[1]) == L"--start-times") {
    StartTimes(_wtoi(argv[2]));
    return 0;
  }
  if (argc == 3 && std::wstring(argv[1]) == L"--netsh") return Responsiveness(argv[2]);
  std::fprintf(stderr, "usage: lumaret_bench --starts N | --start-times N | --startup-steps N | --netsh FOLDER\n");
  return 2;
}
