#include "resources/schemora/view_resources.h"

#include "common/editor_keys.h"
#include "common/numbering_templates.h"
#include "platform/app/keys.h"
#include "platform/app/string_table.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/board_resources.h"
#include "resources/schemora/setup_dialog_ids.h"
#include "resources/schemora/view_command_ids.h"

#include <algorithm>

using namespace scm;
using plat::menuItem;

void AddClipboardMenuItems(plat::MenuItem& editMenu)
{
    auto& items = editMenu.items;
    const auto undo = std::find_if(items.begin(), items.end(), [](const plat::MenuItem& m) { return m.id == 216; });
    const auto at = undo == items.end() ? items.begin() : undo + 1;
    items.insert(at, {menuItem(kCmdEditCopy, "&Copy\tCtrl+C"), menuItem(kCmdEditPaste, "&Paste\tCtrl+V")});
    items.push_back(plat::menuPopup("Advanced", {menuItem(kCmdEditCopyText, "Copy &Text")}));
}

plat::MenuItem AuxMenu()
{
    return plat::menuPopup("&Aux", {menuItem(kCmdAutoText, "&Auto..."), menuItem(kCmdClearBookmarks, "Clear Bookmarks"),
                                    menuItem(kCmdGoToBookmark, "Go To Bookmark\tF2")});
}

void AddUtilitiesItems(plat::MenuItem& utilitiesMenu)
{
    utilitiesMenu.items.push_back(menuItem(kCmdBillOfMaterials, "Bill of &Materials..."));
    utilitiesMenu.items.push_back(menuItem(kCmdResourceUsage, "&Resource Usage..."));
    AddBoardUtilitiesItem(utilitiesMenu);
}

std::vector<plat::Accelerator> ViewAccelerators()
{
    using plat::kFControl;
    using plat::kFShift;
    using plat::kFVirtKey;
    std::vector<plat::Accelerator> keys = {
        {kFVirtKey | kFControl, 'C', kCmdEditCopy},
        {kFVirtKey | kFControl, plat::kVkInsert, kCmdEditCopy},
        {kFVirtKey | kFControl, 'V', kCmdEditPaste},
        {kFVirtKey | kFShift, plat::kVkInsert, kCmdEditPaste},
        {0, 't', 300},
        {kFVirtKey | kFControl, plat::kVkF2, kCmdSetBookmark},
        {kFVirtKey, plat::kVkF2, kCmdGoToBookmark},
        {kFVirtKey, plat::kVkAdd, kCmdLayerUp},
        {kFVirtKey, plat::kVkSubtract, kCmdLayerDown},
        {kFVirtKey | kFControl, 'T', kCmdBringToFront},
        {kFVirtKey | kFControl, 'B', kCmdSendToBack},
    };
    quill::AddCursorKeys(keys, kCursorKeys);
    return keys;
}

std::vector<plat::DialogTemplate> ViewDialogTemplates()
{
    return {AutoIncrementTemplate(kIddAutoIncrement, kIdcAutoText, kIdcAutoStart, 0), MakeBoardDialogTemplate()};
}

namespace {

constexpr plat::StringEntry kStrings[] = {
    {kCmdEditCopy, "Copy the selection to the clipboard\nCopy"},
    {kCmdEditPaste, "Insert the clipboard's objects\nPaste"},
    {kCmdEditCopyText, "Copy the selected texts as plain text\nCopy Text"},
    {kCmdAutoText, "Enter auto-incremented text\nAuto text"},
    {kCmdClearBookmarks, "Remove every bookmark\nClear Bookmarks"},
    {kCmdGoToBookmark, "Show the next bookmark\nGo To Bookmark"},
    {kCmdBillOfMaterials, "Extract bill of materials for design\nBill of Materials"},
};

}  // namespace

std::span<const plat::StringEntry> ViewStrings() { return kStrings; }
