#include "app/web_address.h"

namespace lumaret {

// Hosts under a domain reserved for documentation: no third party is reached.
const char kHomePageAddress[] = "www.orvinel.example";
const char kFaqPageAddress[] = "http://bbs.orvinel.example/forum.php?mod=viewthread&tid=18#lastpost";

namespace {

bool IsSchemeChar(char c, bool first) {
  const bool alpha = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  if (first) return alpha;
  return alpha || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

bool HasScheme(const std::string& address) {
  const std::size_t colon = address.find(':');
  // A one-letter "scheme" is a drive letter, not a scheme.
  if (colon == std::string::npos || colon < 2) return false;
  for (std::size_t i = 0; i < colon; ++i) {
    if (!IsSchemeChar(address[i], i == 0)) return false;
  }
  return true;
}

}  // namespace

std::string WebAddressForShell(const std::string& address) {
  if (address.empty() || HasScheme(address)) return address;
  return "http://" + address;
}

}  // namespace lumaret
