// The desktop shortcut, and the path routines it uses. The shortcut file is
// written by the Windows Script Host shell object; COM must already be
// initialised on the calling thread.
//
// Optional arguments are std::optional: the presence flag travels with the
// value. An omitted text counts as empty, an omitted number as 0 and an
// omitted bool as false; only the icon's flag changes what is written.
#pragma once

#include <optional>
#include <string>

namespace lumaret {

// Puts a shortcut named `name` to `target` on the current user's desktop.
// On return `name` holds the full path of the shortcut file. An older file
// at that path is deleted first, even when no new shortcut gets made. True
// once the shortcut object's Save was called.
bool CreateDesktopShortcut(std::string& name, const std::string& target,
                           const std::optional<std::string>& arguments = std::nullopt,
                           const std::optional<std::string>& icon = std::nullopt,
                           std::optional<int> windowStyle = std::nullopt,
                           const std::optional<std::string>& description = std::nullopt,
                           const std::optional<std::string>& hotkey = std::nullopt);

// The path of a well-known folder, ending in a backslash, by kind:
// 0 or omitted the desktop (as 3), 1 documents, 2 favourites, 3 desktop,
// 4 fonts, 5 start menu, 6 start menu programs, 7 startup, 8 application
// data, 9 Windows, 10 system, 11 temporary, 12 Internet cache. Any other
// kind, or a failing system call, gives the empty text.
std::string GetSpecialFolder(std::optional<int> kind = std::nullopt);

// The last component of the path (PathFindFileNameA), without its extension
// unless `withExtension` is given as true.
std::string GetFileTitle(const std::string& path, std::optional<bool> withExtension = std::nullopt);

// The extension of the path's last component with its ".", or the empty
// text (PathFindExtensionA).
std::string GetFileExtension(const std::string& path);

}  // namespace lumaret
