#include "resources/schemora/file_resources.h"

#include "platform/app/command_ids.h"
#include "platform/app/dialog_builder.h"
#include "platform/app/string_table.h"
#include "platform/core/ui_host.h"

#include <algorithm>

using namespace scm;

plat::MenuItem PrintoutSettingsMenuItem() { return plat::menuItem(kCmdPrintoutSettings, "P&rintout Settings..."); }
plat::MenuItem CloseAllWindowsMenuItem() { return plat::menuItem(kCmdCloseAllWindows, "Clo&se All Windows"); }
plat::MenuItem DisplayMenu() { return plat::menuPopup("&Display", {plat::menuItem(kCmdDisplayMark, "&Mark")}); }

void AddPrintoutSettingsItem(plat::MenuItem& fileMenu)
{
    auto& items = fileMenu.items;
    const auto print = std::find_if(items.begin(), items.end(), [](const plat::MenuItem& item) {
        return item.id == plat::kIdFilePrint || item.id == plat::kIdFilePrintSetup;
    });
    items.insert(print, PrintoutSettingsMenuItem());
}

namespace {

plat::DialogTemplate printoutSettingsDialog()
{
    using K = plat::ControlKind;
    return plat::DialogBuilder(kIddPrintoutSettings, "Printout Settings")
        .add(kIdcPrintOneSheet, K::RadioButton, "One Sheet Printout", 0).group()
        .add(kIdcPrintPaginated, K::RadioButton, "Paginated", 1)
        .add(kIdcPrintToScale, K::RadioButton, "To Scale", 2)
        .add(kIdcPrintColor, K::CheckBox, "Color", 3).group()
        .add(kIdcPrintPreserveAspect, K::CheckBox, "Preserve\nAspect", 4)
        .okCancel(5)
        .take();
}

constexpr plat::StringEntry kStrings[] = {
    {kStrCantOpenFileId, "Can't open file %1"},
    {kStrTooMuchClipboardData, "Too much clipboard data"},
    {kStrNoClipboardData, "No clipboard data"},
    {kStrDatabaseFullNotAccessed, "Database FULL--objects not accessed"},
    {kCmdPrintoutSettings, "Choose how drawings are printed\nPrintout Settings"},
    {kCmdCloseAllWindows, "Close all drawings\nClose All"},
    {kCmdDisplayMark, "Mark signal for display\nMark"},
    {kCmdHelpContentsItem, "Show the help contents\nContents"},
};

}  // namespace

std::vector<plat::DialogTemplate> FileDialogTemplates() { return {printoutSettingsDialog()}; }

std::span<const plat::StringEntry> FileStrings() { return kStrings; }
