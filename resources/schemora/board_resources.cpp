#include "resources/schemora/board_resources.h"

#include "platform/core/ui_host.h"
#include "resources/schemora/file_resources.h"

using namespace scm;

void AddBoardUtilitiesItem(plat::MenuItem& utilitiesMenu)
{
    utilitiesMenu.items.push_back(plat::menuItem(kCmdMakeBoard, "&Printed Circuit Board..."));
}

plat::DialogTemplate MakeBoardDialogTemplate()
{
    using K = plat::ControlKind;
    plat::DialogTemplate t;
    t.id = kIddMakeBoard;
    t.title = "Make Printed Circuit Board";
    AddDialogControl(t, 0xFFFF, K::Static, "Schematic:", 0);
    AddDialogControl(t, kIdcBoardSchematic, K::Static, "", 0, 1);
    AddDialogControl(t, 0xFFFF, K::GroupBox, "Initial Artwork File", 1);
    AddDialogControl(t, kIdcBoardGenerate, K::RadioButton, "Generate with PLACE", 2, 0, true);
    AddDialogControl(t, kIdcBoardExisting, K::RadioButton, "Use existing file", 3);
    AddDialogControl(t, 0xFFFF, K::Static, "Name:", 4);
    AddDialogControl(t, kIdcBoardName, K::Edit, "", 4, 1, true, 4096);
    AddDialogControl(t, kIdcBoardBrowse, K::PushButton, "Browse...", 4, 2);
    AddDialogControl(t, kIdcBoardNewNetlist, K::CheckBox, "Generate new netlist", 5, 0, true);
    AddDialogControl(t, plat::kIdOk, K::DefPushButton, "Make", 6, 0, true);
    AddDialogControl(t, plat::kIdCancel, K::PushButton, "Cancel", 6, 1);
    AddDialogControl(t, kIdcBoardHelp, K::PushButton, "Help", 6, 2);
    return t;
}

void AddBoardStrings(std::map<unsigned, std::string>& strings)
{
    strings[kCmdMakeBoard] = "Carry the drawing to a printed circuit board\nPrinted Circuit Board";
    strings[kStrBoardFilePrompt] = "Tracelyn (*.TLZ)|*.tlz|";
}
