#include "resources/schemora/board_resources.h"

#include "platform/core/ui_host.h"
#include "platform/app/dialog_builder.h"
#include "platform/app/string_table.h"

using namespace scm;

void AddBoardUtilitiesItem(plat::MenuItem& utilitiesMenu)
{
    utilitiesMenu.items.push_back(plat::menuItem(kCmdMakeBoard, "&Printed Circuit Board..."));
}

plat::DialogTemplate MakeBoardDialogTemplate()
{
    using K = plat::ControlKind;
    return plat::DialogBuilder(kIddMakeBoard, "Make Printed Circuit Board")
        .labelled(kIdcBoardSchematic, K::Static, "Schematic:", 0)
        .add(plat::kIdStaticText, K::GroupBox, "Initial Artwork File", 1).rows(3)
        .add(kIdcBoardGenerate, K::RadioButton, "Generate with PLACE", 2).group()
        .add(kIdcBoardExisting, K::RadioButton, "Use existing file", 3)
        .labelled(kIdcBoardName, K::Edit, "Name:", 4).group().limit(4096)
        .add(kIdcBoardBrowse, K::PushButton, "Browse...", 4, 2)
        .add(kIdcBoardNewNetlist, K::CheckBox, "Generate new netlist", 5).group()
        .add(plat::kIdOk, K::DefPushButton, "Make", 6).group()
        .add(plat::kIdCancel, K::PushButton, "Cancel", 6, 1)
        .add(kIdcBoardHelp, K::PushButton, "Help", 6, 2)
        .take();
}

namespace {

constexpr plat::StringEntry kStrings[] = {
    {kCmdMakeBoard, "Carry the drawing to a printed circuit board\nPrinted Circuit Board"},
    {kStrBoardFilePrompt, "Tracelyn (*.TLZ)|*.tlz|"},
};

}  // namespace

std::span<const plat::StringEntry> BoardStrings() { return kStrings; }
