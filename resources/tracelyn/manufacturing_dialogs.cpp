#include "resources/tracelyn/manufacturing_dialogs.h"

#include "platform/core/ui_host.h"
#include "resources/tracelyn/manufacturing_ids.h"

#include <string>

namespace {

using K = plat::ControlKind;

plat::ControlTemplate check(unsigned id, std::string text, int row, int column)
{
    return {id, K::CheckBox, std::move(text), row, column};
}

plat::DialogTemplate manufacturing()
{
    using namespace tly;
    plat::DialogTemplate t{kIddManufacturing, "Manufacturing File Generation", {}};
    auto& c = t.controls;
    c.push_back({plat::kIdStaticText, K::GroupBox, "Gerber files", 0, 0, 4});
    c.push_back({plat::kIdStaticText, K::GroupBox, "Signal Layers", 1, 0, 2});
    c.back().rowSpan = 9;
    c.push_back(check(kIdcLayerCheckFirst, "Top", 2, 0));
    for (int n = 1; n <= 15; ++n)
        c.push_back(check(kIdcLayerCheckFirst + n, "L" + std::to_string(n), 2 + (n % 8), n / 8));
    c.push_back({plat::kIdStaticText, K::GroupBox, "Silk Screen and Mask", 1, 2});
    c.back().rowSpan = 8;
    const char* const masks[] = {"Top Silk Screen", "Bottom Silk Screen", "Top Solder Mask",
                                 "Bottom Solder Mask", "Top Paste Mask", "Bottom Paste Mask"};
    for (int i = 0; i < 6; ++i)
        c.push_back(check(kIdcLayerCheckFirst + 16 + i, masks[i], 2 + i, 2));
    c.push_back(check(kIdcLayerCheckFirst + 25, "Outline", 8, 2));
    c.push_back({plat::kIdStaticText, K::GroupBox, "Power Layers", 1, 3});
    c.back().rowSpan = 7;
    c.push_back(check(kIdcLayerCheckFirst + 22, "VCC Plane", 2, 3));
    c.push_back(check(kIdcLayerCheckFirst + 23, "Ground Plane", 3, 3));
    for (int n = 1; n <= 4; ++n)
        c.push_back(check(kIdcLayerCheckFirst + 25 + n, "Power Plane " + std::to_string(n), 3 + n, 3));
    c.push_back(check(kIdcDrillFile, "Generate drill (Excellon) file", 10, 0));
    c.back().span = 2;
    c.push_back({kIdcClearSettings, K::PushButton, "Clear settings", 11, 0});
    c.push_back({plat::kIdOk, K::DefPushButton, "Generate", 11, 2});
    c.push_back({plat::kIdCancel, K::PushButton, "Cancel", 11, 3});
    return t;
}

plat::DialogTemplate dcodes()
{
    using namespace tly;
    return {kIddDcodes,
            "Imported DCODES",
            {{plat::kIdStaticText, K::Static, "DCODE   Type    X          Y", 0, 0, 3},
             {kIdcDcodeList, K::ListBox, "", 1, 0, 3, false, 0, 200, 120},
             {kIdcDcodeEdit, K::Edit, "", 2, 0, 2, false, 0, 0, 0, 0, 100},
             {kIdcDcodeUpdate, K::PushButton, "Update", 2, 2},
             {plat::kIdOk, K::DefPushButton, "OK", 3, 1},
             {plat::kIdCancel, K::PushButton, "Cancel", 3, 2}}};
}

plat::DialogTemplate selectLayer()
{
    using namespace tly;
    return {kIddSelectLayer,
            "Select Layer",
            {{plat::kIdStaticText, K::Static, "Select the layer where you want the gerber file elements to go:", 0, 0, 2},
             {kIdcLayerCombo, K::ComboDropList, "", 1, 0, 2},
             {plat::kIdOk, K::DefPushButton, "OK", 2, 0},
             {plat::kIdCancel, K::PushButton, "Cancel", 2, 1}}};
}

}  // namespace

void AddManufacturingResources(plat::ResourceSet& set)
{
    set.dialogs.push_back(manufacturing());
    set.dialogs.push_back(dcodes());
    set.dialogs.push_back(selectLayer());
    set.strings[tly::kStrCantOpenFile] = "Can't open file: %1";
}
