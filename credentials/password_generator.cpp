#include "credentials/password_generator.h"

#include <windows.h>
#include <bcrypt.h>

#include <string>

#include "common/message_pump.h"
#include "common/system_library.h"
#include "common/window_toolkit.h"
#include "credentials/random_text.h"

namespace lumaret {

bool SystemRandomWord(std::uint32_t& word) {
  // bcrypt.dll is no known DLL: loaded from System32 on first use, never
  // imported (it would be looked for beside the program first).
  static SystemLibrary bcrypt(L"bcrypt.dll");
  static SystemFunction<decltype(::BCryptGenRandom)> genRandom(bcrypt, "BCryptGenRandom");
  return genRandom &&
         genRandom(nullptr, reinterpret_cast<PUCHAR>(&word), sizeof word, BCRYPT_USE_SYSTEM_PREFERRED_RNG) ==
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
