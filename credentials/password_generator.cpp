#include "credentials/password_generator.h"

#include <windows.h>
#include <bcrypt.h>

#include <string>

#include "common/message_pump.h"
#include "common/window_toolkit.h"
#include "credentials/random_text.h"

namespace lumaret {

bool SystemRandomWord(std::uint32_t& word) {
  return BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(&word), sizeof word, BCRYPT_USE_SYSTEM_PREFERRED_RNG) ==
         0;  // STATUS_SUCCESS
}

void OnGeneratePasswordClicked() {
  RandomDraws draws(SystemRandomWord);
  const std::string password = MakePassword(draws, PumpPendingEvents);
  if (draws.failed()) return;
  TheWindow().SetText(ControlId::编辑框_pw, password);
}

void OnResetNameClicked() { TheWindow().SetTextW(ControlId::编辑框_ssid, L"Windows_wifi"); }

}  // namespace lumaret
