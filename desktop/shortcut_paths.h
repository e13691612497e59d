// The rules of a desktop shortcut that need no system call: where its file
// goes, which working directory and icon it gets. Pure: no Windows header.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/text.h"

namespace lumaret {

// The path of the shortcut file for `name` in `desktopFolder` (which ends in
// a backslash, or is empty when the desktop was not found). A name holding a
// backslash is first reduced by `titleWithoutExtension` to its last component
// without extension; ".lnk" is appended unless the name holds it anywhere,
// compared without regard to the case of ASCII letters.
std::string ShortcutPathFor(const std::string& desktopFolder, const std::string& name,
                            const std::function<std::string(const std::string&)>& titleWithoutExtension,
                            const CodePage& cp);

// The pieces of a path between its backslashes, from start to end. An empty
// piece before a leading backslash or between two counts; the empty piece
// after a final backslash does not. Two-byte characters are stepped over.
std::vector<std::string> SplitPathPieces(const std::string& path, const CodePage& cp);

// The target's folder ending in a backslash: every piece but the last, each
// followed by "\". Nothing when the target has fewer than two pieces (no
// backslash at all, or only a final one as in D:\).
std::optional<std::string> ShortcutWorkingDirectory(const std::string& target, const CodePage& cp);

// The icon location: the icon when one was given (even the empty text);
// otherwise the target with ",0" when the target has an extension, else the
// shell's generic program icon "SHELL32.dll,4".
std::string ShortcutIconLocation(const std::optional<std::string>& icon, const std::string& target,
                                 const std::string& targetExtension);

}  // namespace lumaret
