#include "resources/schemora/part_wizard_resources.h"

#include "platform/app/dialog_builder.h"
#include "platform/app/string_table.h"

#include "resources/schemora/frame_ids.h"
#include "resources/schemora/part_wizard_ids.h"

#include <algorithm>

namespace scm {

namespace {

using K = plat::ControlKind;
constexpr unsigned kNoId = plat::kIdStaticText;
constexpr const char* kTitle = "Library Part Wizard";

using plat::ControlAt;

plat::DialogTemplate typePage()
{
    plat::DialogTemplate t{.id = kIddWizardType, .title = kTitle};
    auto& c = t.controls;
    c.push_back(ControlAt(kNoId, K::Static, "Symbol type:", 0));
    c.push_back(ControlAt(kIdcWizBlock, K::RadioButton, "Block", 1, 0, true));
    c.push_back(ControlAt(kIdcWizGate, K::RadioButton, "Logic Gate", 2));
    c.push_back(ControlAt(kIdcWizAmplifier, K::RadioButton, "Amplifier", 3));
    c.push_back(ControlAt(kIdcWizDiscrete, K::RadioButton, "Discrete", 4));
    c.push_back({.id = kIdcWizPicture, .kind = K::StaticFrame, .row = 1, .column = 1, .width = 90, .height = 60, .rowSpan = 4});
    c.push_back({.id = kIdcWizTypeText, .kind = K::Static, .row = 5, .span = 2, .width = 200, .height = 30});
    c.push_back({.id = kIdcWizGateList, .kind = K::ComboDropList, .row = 6, .column = 0, .group = true, .style = plat::kCsHidden});
    return t;
}

plat::DialogTemplate informationPage()
{
    plat::DialogTemplate t{.id = kIddWizardInfo, .title = kTitle};
    auto& c = t.controls;
    c.push_back(ControlAt(kIdcWizPinsLabel, K::Static, "Number of pins:", 0));
    c.push_back({.id = kIdcWizPins, .kind = K::Edit, .row = 0, .column = 1, .limit = 6});
    c.push_back(ControlAt(kNoId, K::Static, "Reference designator:", 1));
    c.push_back(ControlAt(kIdcWizDesignator, K::ComboDropList, "", 1, 1));
    c.push_back(ControlAt(kNoId, K::Static, "Part name:", 2));
    c.push_back({.id = kIdcWizName, .kind = K::Edit, .row = 2, .column = 1, .width = 120, .limit = 80});
    c.push_back(ControlAt(kNoId, K::Static, "Package:", 3));
    c.push_back({.id = kIdcWizPackage, .kind = K::Edit, .row = 3, .column = 1, .width = 120, .limit = 80});
    c.push_back(ControlAt(kIdcWizBrowsePackage, K::PushButton, "Browse...", 3, 2));
    c.push_back(ControlAt(kNoId, K::Static, "Description:", 4));
    c.push_back({.id = kIdcWizDescription, .kind = K::Edit, .row = 4, .column = 1, .width = 160, .limit = 80});
    return t;
}

plat::DialogTemplate pinsPage()
{
    plat::DialogTemplate t{.id = kIddWizardPins, .title = kTitle};
    auto& c = t.controls;
    const char* heads[] = {"Pin", "Label", "Type", "Side"};
    for (int i = 0; i < 4; ++i)
        c.push_back(ControlAt(kNoId, K::Static, heads[i], 0, i));
    const unsigned sides[kWizardRows] = {kIdcWizSideRow0, kIdcWizSideRow1, kIdcWizSideRow1 + 1, kIdcWizSideRow1 + 2};
    for (unsigned r = 0; r < kWizardRows; ++r) {
        const int row = static_cast<int>(r) + 1;
        c.push_back({.id = kIdcWizPinFirst + r, .kind = K::Edit, .row = row, .column = 0, .width = 40, .limit = 7});
        c.push_back({.id = kIdcWizLabelFirst + r, .kind = K::Edit, .row = row, .column = 1, .width = 80, .limit = 15});
        c.push_back({.id = kIdcWizTypeFirst + r, .kind = K::ComboDropList, .row = row, .column = 2});
        c.push_back({.id = sides[r], .kind = K::ComboDropList, .row = row, .column = 3});
    }
    c.push_back({.id = kIdcWizScroll, .kind = K::ScrollBarV, .row = 1, .column = 4, .rowSpan = kWizardRows});
    c.push_back(ControlAt(kIdcWizSortNames, K::CheckBox, "Sort Names", 5, 0, true));
    c.push_back(ControlAt(kIdcWizLoadPins, K::PushButton, "Load Pin Descriptions", 6, 0));
    c.push_back(ControlAt(kIdcWizSavePins, K::PushButton, "Save Pin Descriptions", 6, 1));
    return t;
}

plat::DialogTemplate outputPage()
{
    plat::DialogTemplate t{.id = kIddWizardOutput, .title = kTitle};
    t.controls.push_back(ControlAt(kIdcWizSaveToLibrary, K::RadioButton, "Save directly to library", 0, 0, true));
    t.controls.push_back(ControlAt(kIdcWizEditFirst, K::RadioButton, "Edit first", 1));
    return t;
}

constexpr plat::StringEntry kStrings[] = {
    {kCmdPartWizard, "Start new library part with the part wizard\nStart new library part"},
    {kStrPinDescriptionFilter, "Part Description Files (*.LIB)|*.lib|All Files (*.*)|*.*|"},
    {kStrBlockText,
     "Block: a rectangle with named pins on its sides.\nThe pin page takes each pin's number, label, type "
     "and side,\nor loads them from a pin-description file."},
    {kStrBlockText + 1, "Logic Gate: a gate symbol from the \"Symbol\" library. Choose the gate below."},
    {kStrBlockText + 2,
     "Amplifier: a triangle with its inputs on the left\nand its output on the right "
     "(3 to 7 pins)."},
    {kStrBlockText + 3,
     "Discrete: two terminals with room between them\nin which to draw the symbol "
     "(resistor, diode, ...)."},
    {kStrPartCreated,
     "You have created a drawing that can now be saved as a library part.\nYou can "
     "customize this, or you can save it by clicking on\nSAVE PART in the FILE menu."},
};

}  // namespace

std::vector<plat::DialogTemplate> PartWizardTemplates()
{
    return {typePage(), informationPage(), pinsPage(), outputPage()};
}

std::span<const plat::StringEntry> PartWizardStrings() { return kStrings; }

void AddPartWizardItem(plat::MenuItem& utilitiesMenu)
{
    auto& items = utilitiesMenu.items;
    const auto newPart = std::ranges::find_if(items, [](const plat::MenuItem& i) { return i.id == kCmdNewLibraryPart; });
    items.insert(newPart == items.end() ? items.end() : newPart + 1, plat::menuItem(kCmdPartWizard, "Part &Wizard..."));
}

}  // namespace scm
