#include "platform/core/ui_host.h"
#include "resources/tracelyn/route_dialogs.h"
#include "resources/tracelyn/route_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"

#include <string>

namespace {

using K = plat::ControlKind;

plat::ControlTemplate edit(unsigned id, int row, int column)
{
    return {id, K::Edit, "", row, column, 1, false, 0, 0, 0, 0, 20};
}
plat::ControlTemplate label(const char* text, int row, int column, int span = 1)
{
    return {plat::kIdStaticText, K::Static, text, row, column, span};
}

plat::DialogTemplate batchRouterSetup()
{
    using namespace tly;
    std::vector<plat::ControlTemplate> c;
    c.push_back(label("Netlist file:", 0, 0));
    c.push_back({kIdcBatchNetlist, K::Edit, "", 0, 1, 3, false, 0, 0, 0, 0, 100});
    c.push_back({kIdcBrowse, K::PushButton, "Browse...", 0, 4});
    c.push_back(label("Trace width:", 1, 0));
    c.push_back(edit(kIdcBatchTraceWidth, 1, 1));
    c.push_back(label("Routing layers", 2, 0));
    c.push_back(label("Signal", 2, 1));
    for (int layer = 0; layer < 16; ++layer) {
        const std::string text = layer == 0 ? "Top" : std::to_string(layer);
        c.push_back({kIdcBatchLayerFirst + layer, K::CheckBox, text, 3 + layer / 4, layer % 4});
    }
    c.push_back({kIdcBatchBuried, K::CheckBox, "Buried", 7, 0});
    c.push_back(label("Trace sort", 8, 0));
    c.push_back({kIdcBatchSortNone, K::RadioButton, "None", 8, 1, 1, true});
    c.push_back({kIdcBatchSortY, K::RadioButton, "By Y", 8, 2});
    c.push_back({kIdcBatchSortX, K::RadioButton, "By X", 8, 3});
    c.push_back(label("Grid size", 9, 0));
    c.push_back({kIdcBatchGrid25, K::RadioButton, "25", 9, 1, 1, true});
    c.push_back({kIdcBatchGrid50, K::RadioButton, "50", 9, 2});
    c.push_back({kIdcBatchGrid100, K::RadioButton, "100", 9, 3});
    c.push_back(label("Vias", 10, 0));
    c.push_back(label("Size:", 10, 1));
    c.push_back(edit(kIdcBatchViaSize, 10, 2));
    c.push_back(label("Hole:", 11, 1));
    c.push_back(edit(kIdcBatchViaHole, 11, 2));
    c.push_back(label("Power", 12, 0));
    c.push_back({kIdcBatchVcc, K::CheckBox, "VCC", 12, 1, 1, true});
    c.push_back({kIdcBatchGround, K::CheckBox, "Ground", 12, 2});
    for (int p = 0; p < 4; ++p)
        c.push_back({kIdcBatchPower1 + p, K::CheckBox, "Power " + std::to_string(p + 1), 13, p});
    c.push_back(label("Length:", 14, 0));
    c.push_back(edit(kIdcBatchLength, 14, 1));
    c.push_back(label("Final vias:", 14, 2));
    c.push_back(edit(kIdcBatchFinalVias, 14, 3));
    c.push_back(label("Initial vias:", 15, 0));
    c.push_back(edit(kIdcBatchInitialVias, 15, 1));
    c.push_back(label("Re-tries:", 15, 2));
    c.push_back(edit(kIdcBatchRetries, 15, 3));
    c.push_back(label("Clearance:", 16, 0));
    c.push_back(edit(kIdcBatchClearance, 16, 1));
    c.push_back({kIdcBatchBevels, K::CheckBox, "Bevels", 16, 2});
    c.push_back({kIdcBatchMemoryRouter, K::CheckBox, "Memory router", 16, 3});
    c.push_back({plat::kIdOk, K::DefPushButton, "Route", 17, 2});
    c.push_back({plat::kIdCancel, K::PushButton, "Cancel", 17, 3});
    return {kIddBatchRouterSetup, "Batch Router Setup", std::move(c)};
}

}  // namespace

std::vector<plat::DialogTemplate> RouterSetupDialogTemplates()
{
    using namespace tly;
    return {
        batchRouterSetup(),
        {kIddRatsNestSetup,
         "Rats Nest Display Setup",
         {label("Netlist Name:", 0, 0),
          {kIdcRatsNestName, K::Edit, "", 0, 1, 2, false, 0, 0, 0, 0, 80},
          {kIdcBrowse, K::PushButton, "Browse...", 0, 3},
          {plat::kIdOk, K::DefPushButton, "OK", 1, 2},
          {plat::kIdCancel, K::PushButton, "Cancel", 1, 3}}},
        {kIddSmoothing,
         "Smoothing",
         {{kIdcSmoothArcs, K::RadioButton, "Rounded traces (arcs)", 0, 0, 2, true},
          {kIdcSmooth45, K::RadioButton, "45 degree traces", 1, 0, 2},
          {kIdcSmoothOrthogonal, K::RadioButton, "Orthogonalize", 2, 0, 2},
          {plat::kIdOk, K::DefPushButton, "OK", 3, 0},
          {plat::kIdCancel, K::PushButton, "Cancel", 3, 1}}},
        {kIddNecking,
         "Necking",
         {label("Width of necked trace:", 0, 0),
          edit(kIdcNeckWidth, 0, 1),
          label("Pad to trace clearance:", 1, 0),
          edit(kIdcNeckClearance, 1, 1),
          {plat::kIdOk, K::DefPushButton, "OK", 2, 0},
          {plat::kIdCancel, K::PushButton, "Cancel", 2, 1}}},
        {kIddOptimize,
         "Trace/Via Optimization",
         {{plat::kIdOk, K::DefPushButton, "OK", 0, 0}, {plat::kIdCancel, K::PushButton, "Cancel", 0, 1}}},
    };
}
