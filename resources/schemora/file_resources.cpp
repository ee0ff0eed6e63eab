#include "resources/schemora/file_resources.h"

#include "platform/app/command_ids.h"
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

void AddDialogControl(plat::DialogTemplate& t, unsigned id, plat::ControlKind kind, const char* text, int row,
                      int column, bool group, int limit)
{
    plat::ControlTemplate c;
    c.id = id;
    c.kind = kind;
    c.text = text;
    c.row = row;
    c.column = column;
    c.group = group;
    c.limit = limit;
    t.controls.push_back(c);
}

namespace {

plat::DialogTemplate printoutSettingsDialog()
{
    using K = plat::ControlKind;
    plat::DialogTemplate t;
    t.id = kIddPrintoutSettings;
    t.title = "Printout Settings";
    AddDialogControl(t, kIdcPrintOneSheet, K::RadioButton, "One Sheet Printout", 0, 0, true);
    AddDialogControl(t, kIdcPrintPaginated, K::RadioButton, "Paginated", 1);
    AddDialogControl(t, kIdcPrintToScale, K::RadioButton, "To Scale", 2);
    AddDialogControl(t, kIdcPrintColor, K::CheckBox, "Color", 3, 0, true);
    AddDialogControl(t, kIdcPrintPreserveAspect, K::CheckBox, "Preserve\nAspect", 4);
    AddDialogControl(t, plat::kIdOk, K::DefPushButton, "OK", 5, 0, true);
    AddDialogControl(t, plat::kIdCancel, K::PushButton, "Cancel", 5, 1);
    return t;
}

}  // namespace

std::vector<plat::DialogTemplate> FileDialogTemplates() { return {printoutSettingsDialog()}; }

void AddFileStrings(std::map<unsigned, std::string>& strings)
{
    strings[kStrCantOpenFileId] = "Can't open file %1";
    strings[kStrTooMuchClipboardData] = "Too much clipboard data";
    strings[kStrNoClipboardData] = "No clipboard data";
    strings[kStrDatabaseFullNotAccessed] = "Database FULL--objects not accessed";
    strings[kCmdPrintoutSettings] = "Choose how drawings are printed\nPrintout Settings";
    strings[kCmdCloseAllWindows] = "Close all drawings\nClose All";
    strings[kCmdDisplayMark] = "Mark signal for display\nMark";
    strings[kCmdHelpContentsItem] = "Show the help contents\nContents";
}
