#pragma once
// The desktop's program menu and file associations, through the freedesktop files in the
// user's own folders: desktop entries under the applications folder, MIME type definitions
// and the user's MIME defaults list. Nothing outside the user's folders is written.

#include "platform/core/atomic_file.h"

#include <string>
#include <string_view>

namespace plat {

// $XDG_DATA_HOME, else ~/.local/share; $XDG_CONFIG_HOME, else ~/.config.
std::string userDataFolder();
std::string userConfigFolder();

struct DesktopEntry {
    std::string name;           // the menu title
    std::string exec;           // the program's full path
    std::string path;           // the folder it starts in
    std::string icon;           // an icon file's full path, or empty
};

// Writes "<data>/applications/<group>/<name>.desktop" (the menu shows it under the group's
// folder); what went wrong when it could not be written.
WriteResult writeDesktopEntry(std::string_view group, const DesktopEntry& entry);

// Lets files whose names match glob open in the desktop's text editor: declares mimeType for
// the glob as a kind of plain text in the user's MIME database and, where the user's defaults
// name an application for plain text, adds it for mimeType to the user's "mimeapps.list" beside
// the associations already there (none is replaced). What went wrong when a file could not be
// written.
WriteResult associateWithTextEditor(std::string_view mimeType, std::string_view glob, std::string_view comment);

// The desktop entry the user's MIME defaults give for a type ("" when none).
std::string defaultApplicationFor(std::string_view mimeType);

}  // namespace plat
