// The controls of the program's one window, by their design names. Features
// address the window's controls by these names only. Pure: no Windows header.
#pragma once

#include <cstddef>

namespace lumaret {

// In stacking order (top first).
enum class ControlId : int {
  超级按钮1,
  透明标签4,
  分组框1,
  透明标签3,
  按钮2,
  按钮1,
  编辑框1,
  透明标签2,
  超级按钮,
  透明标签_tip,
  超级按钮_mmsj,
  超级按钮_id,
  超级按钮4,
  透明标签1,
  超级按钮3,
  超级按钮_off,
  超级按钮_ope,
  编辑框_pw,
  编辑框_ssid,
};
constexpr std::size_t kControlCount = 19;

}  // namespace lumaret
