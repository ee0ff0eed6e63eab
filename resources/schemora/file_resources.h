#pragma once
// Ids, dialog templates and menu items of the schematic program's File, Window, Display and
// Help commands and of the clipboard and DXF exchange.

#include "platform/app/resources.h"
#include "platform/app/string_table.h"

#include <span>
#include <string>
#include <vector>

namespace scm {

enum : unsigned {
    kCmdHelpContentsItem = 33,      // "&Help/Contents" of the drawing menu
    kCmdDisplayMark = 602,          // "&Display/&Mark": the mark tool
    kCmdPrintoutSettings = 32807,
    kCmdCloseAllWindows = 32820,

    kIddPrintoutSettings = 178,
    kIdcPrintOneSheet = 100,
    kIdcPrintPaginated = 101,
    kIdcPrintToScale = 102,
    kIdcPrintColor = 104,
    kIdcPrintPreserveAspect = 1097,

    kStrCantOpenFileId = 7030,
    kStrTooMuchClipboardData = 860,
    kStrNoClipboardData = 861,
    kStrDatabaseFullNotAccessed = 862,
};

}  // namespace scm

// Menu items the File, Window, Display and Help menus of the drawing menu gain.
plat::MenuItem PrintoutSettingsMenuItem();
plat::MenuItem CloseAllWindowsMenuItem();
plat::MenuItem DisplayMenu();
// Inserts the Printout Settings item into a File menu, before its print commands.
void AddPrintoutSettingsItem(plat::MenuItem& fileMenu);

std::vector<plat::DialogTemplate> FileDialogTemplates();
// Strings of these commands (the status-bar prompts and messages).
std::span<const plat::StringEntry> FileStrings();
