#include "resources/tracelyn/library_dialogs.h"

#include "platform/core/ui_host.h"
#include "resources/tracelyn/edit_ids.h"
#include "resources/tracelyn/library_ids.h"

namespace {

using K = plat::ControlKind;
using namespace tly;
constexpr unsigned kNoId = 0xFFFF;
constexpr int kListHeight = 120;

plat::DialogTemplate saveLibraryPart()
{
    plat::DialogTemplate t;
    t.id = kIddSaveLibraryPart;
    t.title = "Save Library Part";
    t.controls = {
        {.id = kNoId, .kind = K::Static, .text = "Library", .row = 0},
        {.id = kNoId, .kind = K::Static, .text = "Part", .row = 0, .column = 1},
        {.id = kIdcSaveLibraryName, .kind = K::Edit, .row = 1},
        {.id = kIdcSavePartName, .kind = K::Edit, .row = 1, .column = 1},
        {.id = kIdcLibraryList, .kind = K::ListBox, .row = 2, .height = kListHeight},
        {.id = kIdcPartList, .kind = K::ListBox, .row = 2, .column = 1, .height = kListHeight},
        {.id = plat::kIdOk, .kind = K::DefPushButton, .text = "Save Part", .row = 3},
        {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 3, .column = 1},
    };
    return t;
}

plat::DialogTemplate copyLibraryPart()
{
    plat::DialogTemplate t;
    t.id = kIddCopyLibraryPart;
    t.title = "Dialog";
    t.controls = {
        {.id = kNoId, .kind = K::GroupBox, .text = "Source", .row = 0, .span = 2},
        {.id = kIdcLibraryList, .kind = K::ListBox, .row = 1, .height = kListHeight},
        {.id = kIdcPartList, .kind = K::ListBox, .row = 1, .column = 1, .height = kListHeight},
        {.id = kNoId, .kind = K::Static, .text = "Destination Library:", .row = 2},
        {.id = kIdcCopyDestination, .kind = K::ComboDropDown, .row = 2, .column = 1},
        {.id = kIdcCopyStatus, .kind = K::Static, .text = "Select source part", .row = 3, .span = 2},
        {.id = plat::kIdOk, .kind = K::DefPushButton, .text = "Copy", .row = 4},
        {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 4, .column = 1},
    };
    return t;
}

}  // namespace

std::vector<plat::DialogTemplate> LibraryDialogTemplates()
{
    return {saveLibraryPart(), copyLibraryPart()};
}
