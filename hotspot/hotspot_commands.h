// The netsh command lines of the hosted network, and what decides and checks
// the name and password that go into them. Pure: no Windows header.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "common/text.h"

namespace lumaret {

extern const char kStartCommandLine[];  // "netsh wlan start hostednetwork"
extern const char kStopCommandLine[];   // "netsh wlan stop hostednetwork"

// A copy of the text without leading and trailing ASCII spaces (0x20) and
// full-width spaces (the code page's U+3000: A1 A1 in GBK; none in 1252).
// Tabs, line breaks and inner spaces stay. A lead byte left without its
// second byte at the very end is cut off (and the spaces before it stay).
std::string TrimSpaces(const std::string& text, const CodePage& cp);

// "netsh wlan set hostednetwork mode=allow ssid="<name>" key="<key>"": each
// quoted by QuoteArgument, so that netsh gets exactly the name and key as
// one word each, whatever spaces or backslashes they hold.
std::string ConfigurationCommandLine(const std::string& name, const std::string& key, const CodePage& cp);

// What is wrong with a (trimmed) name and key before they may go into the
// configuration command: the name must be 1 to 32 bytes, the key 8 to 63
// characters (a two-byte character counts once), neither with a double quote.
enum class InputProblem {
  None,
  NameEmpty,
  NameTooLong,
  NameHasQuote,
  KeyWrongLength,
  KeyHasQuote,
};
InputProblem CheckHotspotInput(const std::string& name, const std::string& key, const CodePage& cp);
constexpr std::size_t kMaxNameBytes = 32;
constexpr std::size_t kMinKeyCharacters = 8;
constexpr std::size_t kMaxKeyCharacters = 63;

// The status-line text that tells the user what is wrong; nullptr for None.
const wchar_t* InputProblemText(InputProblem problem);

// Whether a click of the open button configures before it starts: always in
// a run that started with no saved name, otherwise when the trimmed box texts
// differ from the trimmed saved name and password (what the hosted network
// was last configured with).
bool NeedsConfiguration(const std::string& savedSsidAtStart, const std::string& savedSsid,
                        const std::string& savedCode, const std::string& trimmedName,
                        const std::string& trimmedKey, const CodePage& cp);

// The show-window value of the command runner's startup record for a show
// mode: omitted means 2; below 1 counts as 1, above 6 as 6.
// 1 hidden (0), 2 normal (1), 3 minimised (2), 4 maximised (3),
// 5 normal without activation (4), 6 minimise (6).
int ShowWindowValueFor(std::optional<int> showMode);

}  // namespace lumaret
