// The random-password and name-reset buttons.
#pragma once

namespace lumaret {

// Click of 超级按钮_mmsj: a fresh password into 编辑框_pw.
void OnGeneratePasswordClicked();
// Click of 超级按钮_id: "Windows_wifi" into 编辑框_ssid.
void OnResetNameClicked();

}  // namespace lumaret
