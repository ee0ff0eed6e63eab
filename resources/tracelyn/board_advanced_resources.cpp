#include "resources/tracelyn/board_search_resources.h"

#include "common/numbering_templates.h"
#include "platform/app/dialog_builder.h"
#include "platform/app/keys.h"
#include "platform/app/string_table.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/board_search_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"

#include <algorithm>

using namespace tly;
using plat::menuItem;

void AddBoardAdvancedResources(plat::ResourceSet& set)
{
    // The commands' menu items stand in the frame's Edit > Advanced and Aux menus.

    using plat::kFControl;
    using plat::kFVirtKey;
    AddBoardKeys(set, {{kFVirtKey, 'G', kCmdRegrid},
                       {kFVirtKey | kFControl, 'L', kCmdMoveToLayer},
                       {kFVirtKey, plat::kVkF7, kCmdCutTrace},
                       {kFVirtKey | kFControl, 'G', kCmdGoto},
                       {kFVirtKey, plat::kVkF11, kCmdBackAnnotate},
                       {0, 'o', kCmdSetReadoutOrigin},
                       {0, 'O', kCmdSetReadoutOrigin}});

    using K = plat::ControlKind;
    constexpr int kTypedChars = 20;
    set.dialogs.push_back(plat::DialogBuilder(kIddGoto, "Enter Goto Coordinates", kTypedChars)
                              .field(kIdcGotoX, "X Coordinate:", 0)
                              .field(kIdcGotoY, "Y Coordinate:", 1)
                              .okCancel(2)
                              .take());
    set.dialogs.push_back(plat::DialogBuilder(kIddSnapText, "Snap Text To Pad")
                              .add(300, K::Static, "Snap Threshold (mils)", 0)
                              .add(kIdcSnapThreshold, K::Edit, "", 0, 1).limit(kTypedChars)
                              .okCancel(1)
                              .take());
    set.dialogs.push_back(plat::DialogBuilder(kIddBackAnnotate, "Update Reference Designators")
                              .labelled(kIdcAnnotationFile, K::Edit, "Annotation file:", 0).limit(260)
                              .add(kIdcAnnotationBrowse, K::PushButton, "Browse", 0, 2)
                              .okCancel(1)
                              .take());
    set.dialogs.push_back(ReferenceNumberingBuilder(kIddSetRefDes, kIdcRefDesType, kIdcRefDesStart).okCancel(2).take());

    plat::AssignStrings(set.strings, {
        {kCmdSnapTextToPad, "Move texts onto the pads they lie near\nSnap Text To Pad"},
        {kCmdCutTrace, "Cut the selected trace at the last click (F7)\nCut Trace"},
        {kCmdGoto, "Centre the view on entered coordinates (Ctrl+G)\nGoto"},
        {kCmdClearDrcMarks, "Remove every design-rule mark\nClear DRC Marks"},
        {kCmdRefNo, "Renumber the reference designators\nRef No"},
        {kCmdBackAnnotate, "Renumber components from an annotation file (F11)\nBack Annotate"},
    });
}
