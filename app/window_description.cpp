#include "app/window_description.h"

#include "app/dpi_scale.h"

namespace lumaret {

const wchar_t kMainWindowTitle[] = L"Lumaret";

namespace {

using K = ControlKind;
using C = ControlId;

constexpr LabelAlign L = LabelAlign::Left;
constexpr LabelAlign M = LabelAlign::Centre;

const std::array<ControlDescription, kControlCount> kControls = {{
    // id, name, kind, inPanel, place, text, tooltip, focus, visible, limit, align
    {C::超级按钮1, "超级按钮1", K::TextButton, false, {312, 304, 104, 16}, L"Orvinel 出品", nullptr, true, true, 0, L},
    {C::透明标签4, "透明标签4", K::Label, false, {296, 304, 16, 16}, L"|", nullptr, false, true, 0, M},
    {C::分组框1, "分组框1", K::Panel, false, {0, 0, 96, 120}, L"", nullptr, false, false, 0, L},
    {C::透明标签3, "透明标签3", K::Label, true, {8, 88, 16, 24}, L"请先刷新网卡信息，该信息仅供参考 *", nullptr, false, true, 0, L},
    {C::按钮2, "按钮2", K::PushButton, true, {48, 88, 48, 24}, L"刷新", nullptr, true, true, 0, L},
    {C::按钮1, "按钮1", K::PushButton, true, {24, 88, 48, 24}, L"关闭", nullptr, true, true, 0, L},
    {C::编辑框1, "编辑框1", K::ReportBox, true, {8, 16, 64, 64}, L"", nullptr, true, true, 0, L},
    {C::透明标签2, "透明标签2", K::Label, false, {152, 304, 16, 16}, L"|", nullptr, false, true, 0, M},
    {C::超级按钮, "超级按钮", K::TwoStateButton, false, {168, 304, 128, 16}, L"自动开启热点[已关闭]", L"开机自动开启热点", true, true, 0, L},
    {C::透明标签_tip, "透明标签_tip", K::Label, false, {192, 224, 232, 16}, L"为了防止开启蓝屏，请升级无线网卡驱动。", nullptr, false, true, 0, L},
    {C::超级按钮_mmsj, "超级按钮_mmsj", K::PictureButton, false, {372, 181, 17, 13}, L"", L"随机定义密码 <随机生成8位以上密码>", true, true, 0, L},
    {C::超级按钮_id, "超级按钮_id", K::PictureButton, false, {371, 136, 17, 13}, L"", L"热点名称 <仅可输入字母数字以及下划线，不可输入特殊字符>", true, true, 0, L},
    {C::超级按钮4, "超级按钮4", K::TextButton, false, {88, 304, 64, 16}, L"常见问题", nullptr, true, true, 0, L},
    {C::透明标签1, "透明标签1", K::Label, false, {72, 304, 16, 16}, L"|", nullptr, false, true, 0, M},
    {C::超级按钮3, "超级按钮3", K::TextButton, false, {8, 304, 64, 16}, L"网卡信息", nullptr, true, true, 0, L},
    {C::超级按钮_off, "超级按钮_off", K::PictureButton, false, {344, 248, 96, 40}, L"", nullptr, true, true, 0, L},
    {C::超级按钮_ope, "超级按钮_ope", K::PictureButton, false, {244, 248, 96, 40}, L"", nullptr, true, true, 0, L},
    {C::编辑框_pw, "编辑框_pw", K::EditBox, false, {153, 176, 215, 24}, L"", nullptr, true, true, 26, L},
    {C::编辑框_ssid, "编辑框_ssid", K::EditBox, false, {154, 131, 214, 24}, L"Windows_wifi", nullptr, true, true, 18, L},
}};

const std::array<ControlId, kControlCount> kStackingOrder = {{
    // Over the panel, as listed.
    C::超级按钮1, C::透明标签4, C::分组框1,
    // In the panel: the report, then the row beneath it.
    C::编辑框1, C::透明标签3, C::按钮2, C::按钮1,
    // Under the panel: the two boxes, each with its ring button, the status
    // line, the two large buttons, then the links along the bottom.
    C::编辑框_ssid, C::超级按钮_id, C::编辑框_pw, C::超级按钮_mmsj, C::透明标签_tip, C::超级按钮_ope,
    C::超级按钮_off, C::超级按钮3, C::透明标签1, C::超级按钮4, C::透明标签2, C::超级按钮,
}};

}  // namespace

const std::array<ControlDescription, kControlCount>& Controls() { return kControls; }

const ControlDescription& Describe(ControlId id) { return kControls[static_cast<std::size_t>(id)]; }

Rect PlaceAt(ControlId id, int dpi) { return ScaleToDpi(Describe(id).place, dpi); }

const std::array<ControlId, kControlCount>& StackingOrder() { return kStackingOrder; }

bool CoveredByPanel(ControlId id) {
  return !Describe(id).inPanel && static_cast<int>(id) > static_cast<int>(ControlId::分组框1);
}

Size MainWindowSizeAt(int dpi, Size frameAt96, Size frameAtDpi) {
  return {ScaleToDpi(kMainWindowWidth - frameAt96.width, dpi) + frameAtDpi.width,
          ScaleToDpi(kMainWindowHeight - frameAt96.height, dpi) + frameAtDpi.height};
}

Point CentredOrigin(int screenWidth, int screenHeight, int width, int height) {
  return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

}  // namespace lumaret
