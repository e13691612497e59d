#include "credentials/password_generator.h"

#include <windows.h>
#include <bcrypt.h>

#include <string>

#include "app/main_window.h"
#include "credentials/random_text.h"

namespace lumaret {

bool SystemRandomWord(std::uint32_t& word) {
  return BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(&word), sizeof word, BCRYPT_USE_SYSTEM_PREFERRED_RNG) ==
         0;  // STATUS_SUCCESS
}

void PumpPendingEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
    // Take out the message just looked at (the first one of its kind).
    if (!PeekMessageW(&msg, nullptr, msg.message, msg.message, PM_REMOVE)) break;
    DispatchWindowMessage(msg);
  }
}

void OnGeneratePasswordClicked() {
  RandomDraws draws(SystemRandomWord);
  const std::string password = MakePassword(draws, PumpPendingEvents);
  if (draws.failed()) return;
  TheMainWindow().SetText(ControlId::编辑框_pw, password);
}

void OnResetNameClicked() { TheMainWindow().SetTextW(ControlId::编辑框_ssid, L"Windows_wifi"); }

}  // namespace lumaret
