// The library save and copy dialogs and the menu items that open them.
#include "resources/schemora/edit_resources.h"

#include "platform/app/command_ids.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/edit_ids.h"

#include <algorithm>

namespace scm {

namespace {

using K = plat::ControlKind;
constexpr unsigned kNoId = 0xFFFF;
constexpr int kListHeight = 120;

}  // namespace

plat::DialogTemplate SaveLibraryPartDialog()
{
    plat::DialogTemplate t;
    t.id = kIddSaveLibraryPart;
    t.title = "Save Library Part";
    t.controls = {
        {.id = kNoId, .kind = K::Static, .text = "Library", .row = 0},
        {.id = kNoId, .kind = K::Static, .text = "Part", .row = 0, .column = 1},
        {.id = kIdcSaveLibraryName, .kind = K::Edit, .row = 1},
        {.id = kIdcPartName, .kind = K::Edit, .row = 1, .column = 1},
        {.id = kIdcLibraryList, .kind = K::ListBox, .row = 2, .height = kListHeight},
        {.id = kIdcPartList, .kind = K::ListBox, .row = 2, .column = 1, .height = kListHeight},
        {.id = plat::kIdOk, .kind = K::DefPushButton, .text = "Save Part", .row = 3},
        {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 3, .column = 1},
    };
    return t;
}

plat::DialogTemplate CopyLibraryPartsDialog()
{
    plat::DialogTemplate t;
    t.id = kIddCopyLibraryParts;
    t.title = "Copy/Move Library Parts";
    t.controls = {
        {.id = kNoId, .kind = K::Static, .text = "Source library", .row = 0},
        {.id = kNoId, .kind = K::Static, .text = "Part", .row = 0, .column = 1},
        {.id = kIdcLibraryList, .kind = K::ListBox, .row = 1, .height = kListHeight},
        {.id = kIdcPartList, .kind = K::ListBox, .row = 1, .column = 1, .height = kListHeight},
        {.id = kNoId, .kind = K::Static, .text = "Destination library", .row = 2},
        {.id = kIdcDestinationLibrary, .kind = K::ComboDropDown, .row = 2, .column = 1},
        {.id = kIdcPartsStatus, .kind = K::Static, .text = "Select source part", .row = 3},
        {.id = kIdcCopyPart, .kind = K::DefPushButton, .text = "Copy", .row = 4},
        {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 4, .column = 1},
    };
    return t;
}

void AddSaveAsLibraryPartItem(plat::MenuItem& fileMenu)
{
    auto& items = fileMenu.items;
    const auto saveAs = std::find_if(items.begin(), items.end(),
                                     [](const plat::MenuItem& item) { return item.id == plat::kIdFileSaveAs; });
    items.insert(saveAs == items.end() ? items.end() : saveAs + 1,
                 plat::menuItem(kCmdSaveAsLibraryPart, "Save Drawing As &Library Part..."));
}

void AddCopyLibraryPartsItem(plat::MenuItem& utilitiesMenu)
{
    utilitiesMenu.items.push_back(plat::menuItem(kCmdCopyLibraryParts, "&Copy Library Parts..."));
}

}  // namespace scm
