// The random-password and name-reset buttons.
#pragma once

#include <cstdint>

#include "common/message_pump.h"  // PumpPendingEvents, run after every character

namespace lumaret {

// Click of 超级按钮_mmsj: a fresh password into 编辑框_pw. Window events that
// are waiting run after every character, so other clicks (this one
// included) may run in the middle. Should the system's generator fail, the
// box keeps what it held.
void OnGeneratePasswordClicked();
// Click of 超级按钮_id: "Windows_wifi" into 编辑框_ssid, nothing else.
void OnResetNameClicked();

// One word from the system's cryptographic generator (BCryptGenRandom, the
// system-preferred generator, of bcrypt.dll from System32); false when it
// gives none or cannot be had. This is the only
// random source of the program: there is no seed and nothing to reseed.
bool SystemRandomWord(std::uint32_t& word);

}  // namespace lumaret
