#include "desktop/shortcut_paths.h"

#include "common/text.h"

namespace lumaret {

std::string ShortcutPathFor(const std::string& desktopFolder, const std::string& name,
                            const std::function<std::string(const std::string&)>& titleWithoutExtension,
                            const CodePage& cp) {
  const std::string title = FindFirstChar(name, '\\', cp) != std::string::npos ? titleWithoutExtension(name) : name;
  if (FindNoCase(title, ".lnk", cp) != std::string::npos) return desktopFolder + title;
  return desktopFolder + title + ".lnk";
}

std::vector<std::string> SplitPathPieces(const std::string& path, const CodePage& cp) {
  std::vector<std::string> pieces;
  std::string rest = path;
  for (;;) {
    const std::size_t cut = FindFirstChar(rest, '\\', cp);
    if (cut == std::string::npos) break;
    pieces.push_back(rest.substr(0, cut));
    rest.erase(0, cut + 1);
  }
  if (!rest.empty()) pieces.push_back(rest);
  return pieces;
}

std::optional<std::string> ShortcutWorkingDirectory(const std::string& target, const CodePage& cp) {
  const std::vector<std::string> pieces = SplitPathPieces(target, cp);
  if (pieces.size() < 2) return std::nullopt;
  std::string folder;
  for (std::size_t i = 0; i + 1 < pieces.size(); ++i) folder += pieces[i] + "\\";
  return folder;
}

std::string ShortcutIconLocation(const std::optional<std::string>& icon, const std::string& target,
                                 const std::string& targetExtension) {
  if (icon) return *icon;
  if (!targetExtension.empty()) return target + ",0";
  return "SHELL32.dll,4";
}

}  // namespace lumaret
