#include "resources/schemora/part_dialog_resources.h"

#include "platform/core/ui_host.h"
#include "resources/schemora/part_dialog_ids.h"

namespace scm {

namespace {

using K = plat::ControlKind;
constexpr unsigned kNoId = plat::kIdStaticText;
constexpr int kListHeight = 120;

plat::DialogTemplate buildPart()
{
    return {.id = kIddBuildPart,
            .title = "Build Part Utility",
            .controls = {
                {.id = kIdcBuildFolder, .kind = K::Static, .row = 0, .span = 3},
                {.id = kIdcBuildFiles, .kind = K::ListBox, .row = 1, .span = 3, .height = kListHeight},
                {.id = kNoId, .kind = K::Static, .text = "Part Name:", .row = 2},
                {.id = kIdcBuildFile, .kind = K::Edit, .row = 2, .column = 1, .span = 2},
                {.id = plat::kIdOk, .kind = K::DefPushButton, .text = "Build", .row = 3},
                {.id = kIdcBuildEdit, .kind = K::PushButton, .text = "Edit", .row = 3, .column = 1},
                {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 3, .column = 2},
                {.id = kIdcBuildHelp, .kind = K::PushButton, .text = "Help", .row = 4, .column = 2},
            }};
}

plat::DialogTemplate editPart()
{
    return {.id = kIddEditPart,
            .title = "Edit Part",
            .controls = {
                {.id = kNoId, .kind = K::Static, .text = "Reference:", .row = 0},
                {.id = kIdcPartPrefix, .kind = K::Static, .text = "U", .row = 0, .column = 1},
                {.id = kIdcPartNumber, .kind = K::Edit, .row = 0, .column = 2},
                {.id = kNoId, .kind = K::Static, .text = "Value:", .row = 1},
                {.id = kIdcPartValue, .kind = K::Edit, .row = 1, .column = 1, .span = 2, .limit = 50},
                {.id = kIdcPartAlignBelow, .kind = K::CheckBox, .text = "Align Below", .row = 2},
                {.id = kIdcPartFix, .kind = K::CheckBox, .text = "Fix", .row = 2, .column = 1},
                {.id = kIdcPartHide, .kind = K::CheckBox, .text = "Hide", .row = 2, .column = 2},
                {.id = kNoId, .kind = K::Static, .text = "Instance:", .row = 3},
                {.id = kIdcPartInstance, .kind = K::Edit, .row = 3, .column = 1},
                {.id = kIdcPartOf, .kind = K::Static, .text = "of 1", .row = 3, .column = 2},
                {.id = kNoId, .kind = K::GroupBox, .text = "Mounting", .row = 4, .span = 3, .rowSpan = 2},
                {.id = kIdcPartThruHole, .kind = K::RadioButton, .text = "Thru-Hole", .row = 5, .group = true},
                {.id = kIdcPartSurface, .kind = K::RadioButton, .text = "Surface", .row = 5, .column = 1},
                {.id = kNoId, .kind = K::GroupBox, .text = "Symbol", .row = 6, .span = 3, .group = true, .rowSpan = 3},
                {.id = kIdcPartSymbolFirst, .kind = K::RadioButton, .text = "1 (Normal)", .row = 7, .group = true},
                {.id = kIdcPartSymbolFirst + 1, .kind = K::RadioButton, .text = "2 (De Morgan)", .row = 7, .column = 1},
                {.id = kIdcPartSymbolFirst + 2, .kind = K::RadioButton, .text = "3", .row = 8},
                {.id = kIdcPartSymbolLast, .kind = K::RadioButton, .text = "4", .row = 8, .column = 1},
                {.id = kIdcPartExpand, .kind = K::PushButton, .text = "Expand", .row = 8, .column = 2, .group = true},
                {.id = kNoId, .kind = K::GroupBox, .text = "Package", .row = 9, .span = 3, .rowSpan = 3},
                {.id = kIdcPartDefaultPackage, .kind = K::RadioButton, .text = "Default", .row = 10, .group = true},
                {.id = kIdcPartUserPackage, .kind = K::RadioButton, .text = "User", .row = 10, .column = 1},
                {.id = kIdcPartBrowse, .kind = K::PushButton, .text = "Browse...", .row = 10, .column = 2, .group = true},
                {.id = kIdcPartPackage, .kind = K::Edit, .row = 11, .span = 3},
                {.id = kNoId, .kind = K::Static, .text = "Rotation:", .row = 12},
                {.id = kIdcPartRotation, .kind = K::Edit, .row = 12, .column = 1},
                {.id = kIdcPartMirror, .kind = K::CheckBox, .text = "Mirror", .row = 12, .column = 2},
                {.id = kIdcPartSymbolFile, .kind = K::Static, .row = 13, .span = 2},
                {.id = kIdcPartReset, .kind = K::PushButton, .text = "Reset", .row = 13, .column = 2},
                {.id = kIdcPartModelFile, .kind = K::Static, .row = 14},
                {.id = kIdcPartSimKind, .kind = K::Static, .row = 14, .column = 1},
                {.id = kIdcPartFindModel, .kind = K::PushButton, .text = "Find Model...", .row = 14, .column = 2},
                {.id = plat::kIdOk, .kind = K::DefPushButton, .text = "OK", .row = 15, .column = 1},
                {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 15, .column = 2},
            }};
}

plat::DialogTemplate semiconModels()
{
    return {.id = kIddSemiconModels,
            .title = "Semiconductor Models",
            .controls = {
                {.id = kIdcPickerList, .kind = K::ListBox, .row = 0, .span = 2, .height = kListHeight},
                {.id = kIdcModelStatus, .kind = K::Static, .row = 1, .span = 2, .height = 20},
                {.id = plat::kIdOk, .kind = K::DefPushButton, .text = "Assign Model", .row = 2},
                {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 2, .column = 1},
            }};
}

plat::DialogTemplate boardPackages()
{
    return {.id = kIddBoardPackages,
            .title = "Tracelyn Packages",
            .controls = {
                {.id = kNoId, .kind = K::Static, .text = "Library", .row = 0},
                {.id = kNoId, .kind = K::Static, .text = "Part", .row = 0, .column = 1},
                {.id = kNoId, .kind = K::Static, .text = "Preview", .row = 0, .column = 2},
                {.id = kIdcPickerLibraries, .kind = K::ListBox, .row = 1, .height = kListHeight},
                {.id = kIdcPickerList, .kind = K::ListBox, .row = 1, .column = 1, .height = kListHeight},
                {.id = kIdcPickerPreview, .kind = K::StaticFrame, .row = 1, .column = 2, .width = 120, .height = kListHeight},
                {.id = kNoId, .kind = K::Static, .text = "Description:", .row = 2},
                {.id = kIdcPickerDescription, .kind = K::Static, .row = 2, .column = 1, .span = 2},
                {.id = plat::kIdOk, .kind = K::DefPushButton, .text = "Assign Package", .row = 3, .column = 1},
                {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 3, .column = 2},
            }};
}

}  // namespace

std::vector<plat::DialogTemplate> PartDialogTemplates()
{
    return {buildPart(), editPart(), semiconModels(), boardPackages()};
}

void AddBuildUtilityItem(plat::MenuItem& utilitiesMenu)
{
    utilitiesMenu.items.push_back(plat::menuItem(kCmdBuildUtility, "&BUILD Utility..."));
}

}  // namespace scm
