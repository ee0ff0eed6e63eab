#include "resources/tracelyn/route_dialogs.h"

#include "platform/core/ui_host.h"
#include "resources/tracelyn/route_ids.h"

std::vector<plat::DialogTemplate> RouteDialogTemplates()
{
    using K = plat::ControlKind;
    using namespace tly;
    plat::DialogTemplate progress{kIddProgress,
                                  "",
                                  {{kIdcProgressBar, K::StaticFrame, "", 0, 0, 2, false, plat::kCsFixedSize, 160, 12},
                                   {kIdcProgressPercent, K::Static, "", 1, 0},
                                   {kIdcRouterMessage, K::Static, "", 1, 1},
                                   {plat::kIdCancel, K::PushButton, "Cancel", 2, 1}}};
    progress.caption = false;
    std::vector<plat::DialogTemplate> templates = RouterSetupDialogTemplates();
    templates.insert(templates.end(), {
        progress,
        {kIddRouterMessage,
         "Router",
         {{kIdcRouterMessage, K::Static, "", 0, 0, 3, false, 0, 180, 24},
          {plat::kIdOk, K::DefPushButton, "OK", 1, 0},
          {plat::kIdCancel, K::PushButton, "Cancel", 1, 1},
          {kIdcHelpButton, K::PushButton, "&Help", 1, 2}}},
        {kIddDesignRules,
         "Design Rules Check",
         {{kIdcCheckPadToVia, K::CheckBox, "Pad to via clearance", 0, 0},
          {kIdcPadToVia, K::Edit, "", 0, 1, 1, false, 0, 0, 0, 0, 20},
          {kIdcCheckPadToTrace, K::CheckBox, "Pad to trace clearance", 1, 0},
          {kIdcPadToTrace, K::Edit, "", 1, 1, 1, false, 0, 0, 0, 0, 20},
          {kIdcCheckTraceToTrace, K::CheckBox, "Trace to trace clearance", 2, 0},
          {plat::kIdStaticText, K::Static, "Value:", 2, 1},
          {kIdcTraceToTrace, K::Edit, "", 2, 2, 1, false, 0, 0, 0, 0, 20},
          {kIdcCheckReferences, K::CheckBox, "Check reference designators", 3, 0, 2},
          {kIdcCheckSilkscreen, K::CheckBox, "Check silkscreen in solderable surface", 4, 0, 2},
          {kIdcCheckBottomText, K::CheckBox, "Check bottom silkscreen text for mirroring", 5, 0, 2},
          {kIdcCheckOutside, K::CheckBox, "Check objects outside of outline", 6, 0, 2},
          {kIdcCheckMinimums, K::CheckBox, "Check minimum sizes", 7, 0, 2},
          {plat::kIdStaticText, K::Static, "Trace width:", 8, 0},
          {kIdcMinimumTrace, K::Edit, "", 8, 1, 1, false, 0, 0, 0, 0, 20},
          {plat::kIdStaticText, K::Static, "Pad size:", 9, 0},
          {kIdcMinimumPad, K::Edit, "", 9, 1, 1, false, 0, 0, 0, 0, 20},
          {plat::kIdStaticText, K::Static, "Hole:", 10, 0},
          {kIdcMinimumHole, K::Edit, "", 10, 1, 1, false, 0, 0, 0, 0, 20},
          {plat::kIdStaticText, K::Static, "Ring:", 11, 0},
          {kIdcMinimumRing, K::Edit, "", 11, 1, 1, false, 0, 0, 0, 0, 20},
          {plat::kIdOk, K::DefPushButton, "Check", 12, 1},
          {plat::kIdCancel, K::PushButton, "Cancel", 12, 2}}},
    });
    return templates;
}
