#include "resources/tracelyn/board_search_resources.h"

#include "common/find_replace_dialogs.h"
#include "platform/app/keys.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/board_search_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"

#include <algorithm>

using namespace tly;
using plat::menuItem;

namespace {

using K = plat::ControlKind;

plat::ControlTemplate control(unsigned id, K kind, std::string text, int row, int column = 0, bool group = false)
{
    return DialogControl(id, kind, std::move(text), row, column, group, kind == K::Edit ? 20 : 0);
}

plat::DialogTemplate dialog(unsigned id, std::string title, std::vector<plat::ControlTemplate> controls)
{
    const int row = controls.empty() ? 0 : controls.back().row + 1;
    controls.push_back(control(plat::kIdOk, K::DefPushButton, "OK", row, 0, true));
    controls.push_back(control(plat::kIdCancel, K::PushButton, "Cancel", row, 1));
    plat::DialogTemplate t;
    t.id = id;
    t.title = std::move(title);
    t.controls = std::move(controls);
    return t;
}

}  // namespace

void AddBoardAdvancedResources(plat::ResourceSet& set)
{
    // The commands' menu items stand in the frame's Edit > Advanced and Aux menus.

    using plat::kFControl;
    using plat::kFVirtKey;
    AddBoardKeys(set, {{kFVirtKey | kFControl, 'L', kCmdMoveToLayer},
                       {kFVirtKey, plat::kVkF7, kCmdCutTrace},
                       {kFVirtKey | kFControl, 'G', kCmdGoto},
                       {kFVirtKey, plat::kVkF11, kCmdBackAnnotate},
                       {0, 'o', kCmdSetReadoutOrigin},
                       {0, 'O', kCmdSetReadoutOrigin}});

    set.dialogs.push_back(dialog(kIddGoto, "Enter Goto Coordinates",
                                 {control(0xFFFF, K::Static, "X Coordinate:", 0), control(kIdcGotoX, K::Edit, "", 0, 1),
                                  control(0xFFFF, K::Static, "Y Coordinate:", 1), control(kIdcGotoY, K::Edit, "", 1, 1)}));
    set.dialogs.push_back(dialog(kIddSnapText, "Snap Text To Pad",
                                 {control(300, K::Static, "Snap Threshold (mils)", 0),
                                  control(kIdcSnapThreshold, K::Edit, "", 0, 1)}));
    plat::ControlTemplate file = control(kIdcAnnotationFile, K::Edit, "", 0, 1);
    file.limit = 260;
    set.dialogs.push_back(dialog(kIddBackAnnotate, "Update Reference Designators",
                                 {control(0xFFFF, K::Static, "Annotation file:", 0), file,
                                  control(kIdcAnnotationBrowse, K::PushButton, "Browse", 0, 2)}));
    set.dialogs.push_back(dialog(kIddSetRefDes, "Set Reference Designators",
                                 {control(0xFFFF, K::Static, "Enter type (a-z):", 0), control(kIdcRefDesType, K::Edit, "", 0, 1),
                                  control(0xFFFF, K::Static, "Enter starting index:", 1),
                                  control(kIdcRefDesStart, K::Edit, "", 1, 1)}));

    set.strings[kCmdSnapTextToPad] = "Move texts onto the pads they lie near\nSnap Text To Pad";
    set.strings[kCmdCutTrace] = "Cut the selected trace at the last click (F7)\nCut Trace";
    set.strings[kCmdGoto] = "Centre the view on entered coordinates (Ctrl+G)\nGoto";
    set.strings[kCmdClearDrcMarks] = "Remove every design-rule mark\nClear DRC Marks";
    set.strings[kCmdRefNo] = "Renumber the reference designators\nRef No";
    set.strings[kCmdBackAnnotate] = "Renumber components from an annotation file (F11)\nBack Annotate";
}
