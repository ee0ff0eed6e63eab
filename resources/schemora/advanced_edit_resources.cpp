#include "resources/schemora/advanced_edit_resources.h"

#include "common/find_replace_dialogs.h"
#include "common/numbering_templates.h"
#include "platform/app/dialog_builder.h"
#include "platform/app/keys.h"
#include "platform/app/string_table.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/advanced_edit_ids.h"
#include "resources/schemora/view_command_ids.h"

#include <algorithm>

using namespace scm;
using plat::menuItem;

namespace {

plat::MenuItem& advancedPopup(plat::MenuItem& editMenu)
{
    auto& items = editMenu.items;
    const auto it = std::find_if(items.begin(), items.end(), [](const plat::MenuItem& m) { return m.text == "Advanced"; });
    if (it != items.end())
        return *it;
    items.push_back(plat::menuPopup("Advanced", {}));
    return items.back();
}

plat::DialogTemplate refDesDialog()
{
    using K = plat::ControlKind;
    return ReferenceNumberingBuilder(kIddRefDes, kIdcRefDesType, kIdcRefDesStart)
        .add(kIdcRefDesThisSheet, K::RadioButton, "This schematic sheet", 2).group()
        .add(kIdcRefDesAllSheets, K::RadioButton, "All sheets", 3)
        .okCancel(4)
        .take();
}

plat::DialogTemplate checkSchematicDialog()
{
    using K = plat::ControlKind;
    return plat::DialogBuilder(kIddCheckSchematic, "Check Schematic")
        // A long note: a read-only text box wraps it.
        .add(kIdcCheckNote, K::MultiLineEdit, "", 0, 0, 2).style(plat::kCsReadOnly).size(220, 60)
        .add(kIdcCheckUnattachedText, K::CheckBox, "Check for unattached text", 1)
        .add(kIdcCheckUnattachedTerminals, K::CheckBox, "Check for unattached terminals", 2)
        .add(kIdcCheckOverlappedLines, K::CheckBox, "Correct/remove overlapped lines", 3)
        .add(kIdcCheckSnapToGrid, K::CheckBox, "Snap all objects to current grid", 4)
        .add(kIdcCheckSaveResults, K::CheckBox, "Save results to file", 5)
        .add(plat::kIdOk, K::DefPushButton, "Check Schematic", 6)
        .add(plat::kIdCancel, K::PushButton, "Cancel", 6, 1)
        .take();
}

constexpr plat::StringEntry kStrings[] = {
    {kStrReferenceNotFound, "Reference designator NOT found"},
    {kStrTextNotFound, "Text NOT found"},
    {kStrSearchComplete, "Search complete"},
    {kStrReGridQuestion, "Re-grid  objects?"},
    {kStrDiskError, "Disk error----push ENTER"},
    {kStrNoLibraryParts, "Error: No library parts in schematic. \n\nYou will not be able to get a netilist."},
    {kStrCheckNote,
     "Checking your schematic is recommended before you simulate or make a printed circuit board. You have the "
     "option of letting Schemora correct drawing errors such as overlapped lines and lines that are too short. "
     "Schemora can also snap all drawing elements to the current grid. This reduces netlisting errors. (Use Ctrl "
     "Z to undo corrections)"},
    {kCmdCheckSchematic, "Check the drawing before netlisting\nCheck Schematic"},
    {kCmdFind, "Find a text or a reference designator\nFind"},
    {kCmdReplaceText, "Replace text in the drawing\nReplace Text"},
    {kCmdRefNo, "Renumber the reference designators\nRef No"},
    {kCmdEditScale, "Scale the selected objects\nScale"},
    {kCmdReGrid, "Snap the objects to the grid\nRe-Grid"},
    {kCmdAlignToCenter, "Centre the selection on the object selected last (N)\nAlign To Center"},
    {kCmdAlignWithEdge, "Align the selection with the object selected last (V)\nAlign With Edge"},
    {kCmdAlignOnLine, "Move the selection onto the line selected last (H)\nAlign On Line"},
};

}  // namespace

void AddAdvancedEditItems(plat::MenuItem& editMenu)
{
    auto& items = advancedPopup(editMenu).items;
    items.push_back(menuItem(kCmdEditScale, "&Scale...\tAlt+S"));
    items.push_back(menuItem(kCmdReGrid, "Re-&Grid"));
    items.push_back(menuItem(kCmdAlignToCenter, "Align To &Center\tN"));
    items.push_back(menuItem(kCmdAlignWithEdge, "Align With &Edge\tV"));
    items.push_back(menuItem(kCmdAlignOnLine, "Align On &Line\tH"));
}

void AddSearchItems(plat::MenuItem& auxMenu)
{
    auxMenu.items.push_back(menuItem(kCmdFind, "&Find...\tCtrl+F"));
    auxMenu.items.push_back(menuItem(kCmdReplaceText, "&Replace Text...\tCtrl+H"));
    auxMenu.items.push_back(menuItem(kCmdRefNo, "Ref &No..."));
    auxMenu.items.push_back(menuItem(kCmdCheckSchematic, "&Check Schematic..."));
}

std::vector<plat::Accelerator> AdvancedEditAccelerators()
{
    // Lower-case characters: the capitals belong to the selection filters.
    constexpr uint8_t kChar = 0;
    return {
        {plat::kFVirtKey | plat::kFAlt, 'S', kCmdEditScale},
        {plat::kFVirtKey | plat::kFControl, 'F', kCmdFind},
        {plat::kFVirtKey | plat::kFControl, 'H', kCmdReplaceText},
        {kChar, 'n', kCmdAlignToCenter},
        {kChar, 'v', kCmdAlignWithEdge},
        {kChar, 'h', kCmdAlignOnLine},
    };
}

std::vector<plat::DialogTemplate> AdvancedEditDialogs()
{
    const SearchDialogSetup find{kIddFind, kIdcFindText, kIdcFindReference, kIdcFindPlainText, kIdcFindPlainText};
    return {SearchDialogTemplate(find, "Find", {{kIdcFindReference, "Ref. Designator"}, {kIdcFindPlainText, "Text"}}),
            ContinueSearchTemplate(kIddFindContinue),
            ReplaceTextTemplate(kIddReplaceText, "Replace Text"),
            ReplaceConfirmTemplate(),
            refDesDialog(),
            ScaleFactorsTemplate(kIddScale, "Scale Objects"),
            checkSchematicDialog()};
}

std::span<const plat::StringEntry> AdvancedEditStrings() { return kStrings; }
