#include "resources/tracelyn/copper_dialogs.h"

#include "platform/core/ui_host.h"
#include "resources/tracelyn/copper_ids.h"

std::vector<plat::DialogTemplate> CopperDialogTemplates()
{
    using K = plat::ControlKind;
    using namespace tly;
    return {
        {kIddFloodFill,
         "Flood fill",
         {{plat::kIdStaticText, K::Static, "Grid size:", 0, 0},
          {kIdcFillGridSize, K::ComboDropList, "", 0, 1},
          {kIdcMinimizeFloating, K::CheckBox, "Minimize floating copper", 1, 0, 2},
          {kIdcRemoveEnclosing, K::CheckBox, "Remove enclosing object", 2, 0, 2},
          {plat::kIdStaticText, K::Static, "Fill Mask:", 3, 0},
          {kIdcFillMask, K::Edit, "", 3, 1, 1, false, 0, 0, 0, 0, 20},
          {plat::kIdOk, K::DefPushButton, "Fill", 4, 0},
          {plat::kIdCancel, K::PushButton, "Cancel", 4, 1},
          {kIdcFillHelp, K::PushButton, "&Help", 4, 2}}},
        {kIddAlignThermalPads,
         "Align Thermal Pads",
         {{plat::kIdStaticText, K::Static, "Enter capture threshold for thermal pad (mils):", 0, 0, 2},
          {kIdcThermalThreshold, K::Edit, "", 1, 0, 2, false, 0, 0, 0, 0, 20},
          {plat::kIdOk, K::DefPushButton, "OK", 2, 0},
          {plat::kIdCancel, K::PushButton, "Cancel", 2, 1}}},
    };
}
