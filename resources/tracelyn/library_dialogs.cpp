#include "resources/tracelyn/library_dialogs.h"

#include "platform/core/ui_host.h"
#include "resources/tracelyn/edit_ids.h"
#include "resources/tracelyn/library_ids.h"

namespace {

using K = plat::ControlKind;
using namespace tly;
constexpr unsigned kNoId = plat::kIdStaticText;

plat::DialogTemplate editPart()
{
    return {.id = kIddEditPart,
            .title = "Edit Part",
            .controls = {
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
            }};
}

plat::DialogTemplate changePackage()
{
    return {.id = kIddChangePackage,
            .title = "Change Package Type",
            .controls = {
                {.id = kIdcPackageName, .kind = K::Edit, .row = 0, .span = 2},
                {.id = kIdcPackageBrowse, .kind = K::PushButton, .text = "Browse", .row = 0, .column = 2},
                {.id = plat::kIdOk, .kind = K::DefPushButton, .text = "OK", .row = 1, .column = 1},
                {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 1, .column = 2},
            }};
}

plat::DialogTemplate newDesignator()
{
    return {.id = kIddNewDesignator,
            .title = "New Designator Type",
            .controls = {
                {.id = kNoId, .kind = K::Static, .text = "ReferenceType:", .row = 0},
                {.id = kIdcDesignatorType, .kind = K::Edit, .row = 0, .column = 1, .limit = 10},
                {.id = kNoId, .kind = K::Static, .text = "Enter 1 to 10 letters (no numbers)", .row = 1, .span = 2},
                {.id = plat::kIdOk, .kind = K::DefPushButton, .text = "OK", .row = 2},
                {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 2, .column = 1},
            }};
}

}  // namespace

quill::LibraryStoreIds SaveLibraryPartIds()
{
    return {.libraryEdit = kIdcSaveLibraryName, .partEdit = kIdcSavePartName, .maxTypedLibrary = 60, .maxTypedPart = 20};
}

quill::LibraryStoreIds CopyLibraryPartIds()
{
    return {.destination = kIdcCopyDestination, .status = kIdcCopyStatus, .copyButton = plat::kIdOk, .maxTypedLibrary = 20};
}

std::vector<plat::DialogTemplate> LibraryDialogTemplates()
{
    return {quill::LibrarySaveTemplate(kIddSaveLibraryPart, SaveLibraryPartIds()),
            quill::LibraryCopyTemplate(kIddCopyLibraryPart, "Dialog", CopyLibraryPartIds()), editPart(), changePackage(),
            newDesignator()};
}
