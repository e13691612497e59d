// lumaret_startup_bench PARENT_TICKS
// Where Lumaret's start-up time goes. This program links the same libraries
// and resources as Lumaret.exe and takes the same start-up steps in the same
// order (WinMain's, then StartProgram's: app/startup.h), timing each; the
// calls inside MainWindow::Create that load pictures and make fonts are
// timed through this program's own import table, so Lumaret.exe itself
// carries nothing for it. A picture's loading runs from its resource being
// looked for (FindResourceW of RT_RCDATA) until the next call of another
// kind (the next picture's, or the window's own work after the pictures). PARENT_TICKS is the performance counter of the
// parent just before it created this process. Prints one "key value" line
// per step (milliseconds); lumaret_bench --startup-steps gathers them.
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/main_window.h"
#include "app/startup.h"
#include "common/system_library.h"
#include "tools/bench/timing.h"

namespace {

using lumaret::Now;

double pictureSeconds = 0;
double fontSeconds = 0;
double createdSeconds = 0;

// Adds the time of its life to a total.
class Stopwatch {
 public:
  explicit Stopwatch(double& total) : total_(total), start_(Now()) {}
  ~Stopwatch() { total_ += Now() - start_; }

 private:
  double& total_;
  double start_;
};

// Points this program's import of `function` from `dll` at `replacement`;
// the real function goes to `original`.
template <typename F>
bool HookImport(const char* dll, const char* function, F replacement, F* original) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name; ++d) {
    if (_stricmp(reinterpret_cast<const char*>(base + d->Name), dll) != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0) continue;
      DWORD protect = 0;
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protect);
      *original = reinterpret_cast<F>(slots->u1.Function);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protect, &protect);
      return true;
    }
  }
  return false;
}

// Pictures: the stored pictures (found, decoded, resized, made into DIB
// sections) and the icons.
double pictureSince = 0;  // the picture being loaded since then; 0 for none
void EndPicture() {
  if (pictureSince > 0) pictureSeconds += Now() - pictureSince;
  pictureSince = 0;
}
decltype(&::FindResourceW) realFindResourceW;
HRSRC WINAPI TimedFindResourceW(HMODULE m, LPCWSTR name, LPCWSTR type) {
  EndPicture();
  if (type == RT_RCDATA) pictureSince = Now();
  return realFindResourceW(m, name, type);
}
decltype(&::GetStockObject) realGetStockObject;
HGDIOBJ WINAPI TimedGetStockObject(int i) {
  EndPicture();
  return realGetStockObject(i);
}
decltype(&::CreateWindowExW) realCreateWindowExW;
HWND WINAPI TimedCreateWindowExW(DWORD ex, LPCWSTR cls, LPCWSTR name, DWORD style, int x, int y, int w, int h,
                                 HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
  EndPicture();
  return realCreateWindowExW(ex, cls, name, style, x, y, w, h, parent, menu, instance, param);
}
decltype(&::LoadImageW) realLoadImageW;
decltype(&::LoadIconW) realLoadIconW;
HANDLE WINAPI TimedLoadImageW(HINSTANCE i, LPCWSTR n, UINT t, int cx, int cy, UINT f) {
  Stopwatch s(pictureSeconds);
  return realLoadImageW(i, n, t, cx, cy, f);
}
HICON WINAPI TimedLoadIconW(HINSTANCE i, LPCWSTR n) {
  Stopwatch s(pictureSeconds);
  return realLoadIconW(i, n);
}

// Fonts: made (the default GUI font is made anew only at a DPI other than
// the system's), and realised when their metrics are first asked for.
decltype(&::CreateFontW) realCreateFontW;
decltype(&::GetTextMetricsW) realGetTextMetricsW;
HFONT WINAPI TimedCreateFontW(int h, int w, int e, int o, int wt, DWORD i, DWORD u, DWORD s, DWORD c, DWORD op,
                              DWORD cp, DWORD q, DWORD pf, LPCWSTR face) {
  EndPicture();
  Stopwatch t(fontSeconds);
  return realCreateFontW(h, w, e, o, wt, i, u, s, c, op, cp, q, pf, face);
}
decltype(&::CreateFontIndirectW) realCreateFontIndirectW;
HFONT WINAPI TimedCreateFontIndirectW(const LOGFONTW* lf) {
  EndPicture();
  Stopwatch t(fontSeconds);
  return realCreateFontIndirectW(lf);
}
BOOL WINAPI TimedGetTextMetricsW(HDC dc, LPTEXTMETRICW tm) {
  Stopwatch s(fontSeconds);
  return realGetTextMetricsW(dc, tm);
}

// Settings and registry: the created handler (settings file, panel layout,
// the Run value behind the start-with-Windows button).
void TimedCreated() {
  Stopwatch s(createdSeconds);
  lumaret::OnMainWindowCreated();
}

void Print(const char* key, double seconds) { std::printf("%s %.2f\n", key, seconds * 1000); }

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const double entered = Now();
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  const double parent = __argc > 1 ? static_cast<double>(std::strtoll(__argv[1], nullptr, 10)) /
                                         static_cast<double>(frequency.QuadPart)
                                   : entered;

  // WinMain's step.
  double t = Now();
  lumaret::RestrictDllSearchToSystem32();
  const double dllSearch = Now() - t;

  HookImport("gdi32.dll", "CreateFontW", &TimedCreateFontW, &realCreateFontW);
  HookImport("gdi32.dll", "CreateFontIndirectW", &TimedCreateFontIndirectW, &realCreateFontIndirectW);
  HookImport("gdi32.dll", "GetTextMetricsW", &TimedGetTextMetricsW, &realGetTextMetricsW);
  HookImport("user32.dll", "LoadImageW", &TimedLoadImageW, &realLoadImageW);
  HookImport("user32.dll", "LoadIconW", &TimedLoadIconW, &realLoadIconW);
  HookImport("kernel32.dll", "FindResourceW", &TimedFindResourceW, &realFindResourceW);
  HookImport("gdi32.dll", "GetStockObject", &TimedGetStockObject, &realGetStockObject);
  HookImport("user32.dll", "CreateWindowExW", &TimedCreateWindowExW, &realCreateWindowExW);

  // StartProgram's steps.
  t = Now();
  const HRESULT ole = lumaret::StartPlatform();
  const double platform = Now() - t;
  t = Now();
  if (!lumaret::CreateMainWindow(instance, TimedCreated)) return 1;
  EndPicture();
  const double create = Now() - t;
  t = Now();
  lumaret::ShowMainWindow();
  // The first paint: everything the show left to paint, painted.
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) lumaret::DispatchWindowMessage(m);
  const double firstPaint = Now() - t;
  const double end = Now();
  t = Now();
  lumaret::KeepSystemLibrariesLoaded();
  const double afterPaint = Now() - t;

  // What start-up no longer pays: the DLLs Lumaret imported before, loaded
  // now on first use, in this process as it stands after the first paint.
  t = Now();
  lumaret::SystemLibrary ipHelper(L"iphlpapi.dll");
  ipHelper.Module();
  const double ipHelperLoad = Now() - t;
  t = Now();
  lumaret::SystemLibrary bcrypt(L"bcrypt.dll");
  bcrypt.Module();
  const double bcryptLoad = Now() - t;

  Print("step_to_winmain_ms", entered - parent);
  Print("step_dll_search_ms", dllSearch);
  Print("step_platform_ms", platform);
  Print("step_window_ms", create - pictureSeconds - fontSeconds - createdSeconds);
  Print("step_pictures_ms", pictureSeconds);
  Print("step_fonts_ms", fontSeconds);
  Print("step_settings_ms", createdSeconds);
  Print("step_first_paint_ms", firstPaint);
  Print("step_total_ms", end - parent);
  Print("step_after_paint_ms", afterPaint);
  Print("first_use_iphlpapi_ms", ipHelperLoad);
  Print("first_use_bcrypt_ms", bcryptLoad);
  std::fflush(stdout);

  lumaret::TheMainWindow().Destroy();
  if (SUCCEEDED(ole)) OleUninitialize();
  return 0;
}
