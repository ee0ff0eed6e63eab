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

plat::DialogTemplate editPart()
{
    plat::DialogTemplate t;
    t.id = kIddEditPart;
    t.title = "Edit Part";
    t.controls = {
        {.id = kNoId, .kind = K::Static, .text = "Reference", .row = 0},
        {.id = kIdcEditPrefix, .kind = K::PushButton, .text = "U", .row = 0, .column = 1},
        {.id = kIdcEditNumber, .kind = K::Edit, .row = 0, .column = 2},
        {.id = kNoId, .kind = K::Static, .text = "Value:", .row = 1},
        {.id = kIdcEditValue, .kind = K::Edit, .row = 1, .column = 1, .span = 2, .limit = 50},
        {.id = kNoId, .kind = K::Static, .text = "File:", .row = 2},
        {.id = kIdcEditFile, .kind = K::Static, .row = 2, .column = 1},
        {.id = kIdcEditExpand, .kind = K::PushButton, .text = "Expand", .row = 2, .column = 2},
        {.id = kIdcEditLayer1, .kind = K::RadioButton, .text = "Layer 1", .row = 3, .group = true},
        {.id = kIdcEditLayer2, .kind = K::RadioButton, .text = "Layer 2", .row = 3, .column = 1},
        {.id = kNoId, .kind = K::Static, .text = "Rotation:", .row = 4, .group = true},
        {.id = kIdcEditRotation, .kind = K::Edit, .row = 4, .column = 1},
        {.id = kIdcEditMirrored, .kind = K::CheckBox, .text = "Mirrored", .row = 4, .column = 2},
        {.id = kIdcEditFix, .kind = K::CheckBox, .text = "Fix", .row = 5},
        {.id = kNoId, .kind = K::Static, .text = "Reference:", .row = 5, .column = 1},
        {.id = kIdcEditHide, .kind = K::CheckBox, .text = "Hide", .row = 5, .column = 2},
        {.id = kNoId, .kind = K::Static, .text = "Silk Screen:", .row = 6},
        {.id = kIdcEditSilkTop, .kind = K::RadioButton, .text = "Top", .row = 6, .column = 1, .group = true},
        {.id = kIdcEditSilkBottom, .kind = K::RadioButton, .text = "Bottom", .row = 6, .column = 2},
        {.id = kNoId, .kind = K::Static, .text = "Information:", .row = 7, .group = true},
        {.id = kIdcEditInformation, .kind = K::Static, .row = 7, .column = 1, .span = 2},
        {.id = kIdcEditReset, .kind = K::PushButton, .text = "Reset", .row = 8},
        {.id = kIdcEditChange, .kind = K::PushButton, .text = "Change", .row = 8, .column = 1},
        {.id = plat::kIdOk, .kind = K::DefPushButton, .text = "OK", .row = 9, .column = 1},
        {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 9, .column = 2},
    };
    return t;
}

plat::DialogTemplate changePackage()
{
    plat::DialogTemplate t;
    t.id = kIddChangePackage;
    t.title = "Change Package Type";
    t.controls = {
        {.id = kIdcPackageName, .kind = K::Edit, .row = 0, .span = 2},
        {.id = kIdcPackageBrowse, .kind = K::PushButton, .text = "Browse", .row = 0, .column = 2},
        {.id = plat::kIdOk, .kind = K::DefPushButton, .text = "OK", .row = 1, .column = 1},
        {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 1, .column = 2},
    };
    return t;
}

plat::DialogTemplate newDesignator()
{
    plat::DialogTemplate t;
    t.id = kIddNewDesignator;
    t.title = "New Designator Type";
    t.controls = {
        {.id = kNoId, .kind = K::Static, .text = "ReferenceType:", .row = 0},
        {.id = kIdcDesignatorType, .kind = K::Edit, .row = 0, .column = 1, .limit = 10},
        {.id = kNoId, .kind = K::Static, .text = "Enter 1 to 10 letters (no numbers)", .row = 1, .span = 2},
        {.id = plat::kIdOk, .kind = K::DefPushButton, .text = "OK", .row = 2},
        {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 2, .column = 1},
    };
    return t;
}

}  // namespace

std::vector<plat::DialogTemplate> LibraryDialogTemplates()
{
    return {saveLibraryPart(), copyLibraryPart(), editPart(), changePackage(), newDesignator()};
}
