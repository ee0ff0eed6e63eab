#pragma once
// Ids, menu item, dialog template and strings of Utilities > Printed Circuit Board: the way
// from the drawing to the board program.

#include "platform/app/resources.h"
#include "platform/app/string_table.h"

#include <span>
#include <string>

namespace scm {

enum : unsigned {
    kCmdMakeBoard = 7007,           // Utilities > Printed Circuit Board...

    kIddMakeBoard = 174,
    kIdcBoardSchematic = 106,       // static: the drawing's path
    kIdcBoardGenerate = 751,        // "Generate with PLACE"
    kIdcBoardExisting = 752,        // "Use existing file"
    kIdcBoardName = 753,
    kIdcBoardNewNetlist = 754,
    kIdcBoardBrowse = 755,
    kIdcBoardHelp = 756,

    kStrBoardFilePrompt = 814,
};

}  // namespace scm

void AddBoardUtilitiesItem(plat::MenuItem& utilitiesMenu);
plat::DialogTemplate MakeBoardDialogTemplate();
std::span<const plat::StringEntry> BoardStrings();
