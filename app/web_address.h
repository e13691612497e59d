// The maker's two web pages. Pure: no Windows header.
#pragma once

#include <string>

namespace lumaret {

// The home page, given as a bare host name (no scheme, no path).
extern const char kHomePageAddress[];
// The question-and-answer thread of the forum.
extern const char kFaqPageAddress[];

// What the shell is asked to open for an address: an address that carries a
// scheme ("http:", "https:", ...) is taken as it is; a bare host name gets
// "http://" in front, so the shell opens it as a web page and never looks
// for a file of that name.
std::string WebAddressForShell(const std::string& address);

}  // namespace lumaret
