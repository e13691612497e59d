#include "common/window_toolkit.h"

namespace lumaret {

namespace {

// No window: every read is empty, every change goes nowhere, messages are
// dispatched plainly.
class NoWindow final : public WindowToolkit {
 public:
  bool IsOpen() const override { return false; }
  std::string GetText(ControlId) const override { return {}; }
  void SetText(ControlId, const std::string&) override {}
  std::wstring GetTextW(ControlId) const override { return {}; }
  void SetTextW(ControlId, const std::wstring&) override {}
  void AppendTextW(ControlId, const std::wstring&) override {}
  void SetTooltipW(ControlId, const std::wstring&) override {}
  std::wstring TooltipW(ControlId) const override { return {}; }
  void SetEnabled(ControlId, bool) override {}
  bool IsEnabled(ControlId) const override { return false; }
  void SetVisible(ControlId, bool) override {}
  bool IsVisible(ControlId) const override { return false; }
  int GetChecked(ControlId) const override { return 0; }
  void SetChecked(ControlId, bool) override {}
  bool FocusedControl(ControlId*) const override { return false; }
  void FocusControl(ControlId) override {}
  void RouteMessage(MSG& msg) override {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
};

NoWindow noWindow;
WindowToolkit* installed = nullptr;

}  // namespace

WindowToolkit& TheWindow() { return installed ? *installed : noWindow; }

void InstallWindowToolkit(WindowToolkit* toolkit) { installed = toolkit; }

}  // namespace lumaret
