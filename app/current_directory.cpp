#include "app/current_directory.h"

namespace lumaret {

std::string CurrentDirectoryFor(const std::string& runDirectory) {
  // A colon is never part of a folder's name, so a text that ends in one
  // names a drive ("D:", or "\\?\D:" in the long-path form): its root is
  // the same text with a backslash.
  if (!runDirectory.empty() && runDirectory.back() == ':') return runDirectory + "\\";
  return runDirectory;
}

}  // namespace lumaret
