#include "schemora/workspace/frame_toolbar_table.h"

#include "platform/app/command_ids.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/frame_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "resources/schemora/simulation_ids.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

using namespace scm;

constexpr unsigned kSep = plat::kIdSeparator;

constexpr unsigned kModifyButtons[] = {kCmdEditSelect, kCmdEditErase, kCmdEditRotate, kCmdEditMirror,
                                       kCmdEditFlip,   kCmdEditOrigin, kCmdEditUndo,  kIdcSelEditCombo};
constexpr const char* kSelEditItems[] = {"Select ALL objects", "Text only",    "Lines only",         "Arcs only",
                                         "Ellipses only",      "Rectangles only", "Rounded rectangles only",
                                         "Polygons only",      "Library parts only", "Busses only", "Arrows only",
                                         "Nets only"};
constexpr ToolBarComboSpec kModifyCombos[] = {{kIdcSelEditCombo, 7, 150, kSelEditItems, 0}};

constexpr unsigned kViewButtons[] = {kIdcLayerCombo, kIdcScaleCombo, kIdcGridCombo, kSep,
                                     kCmdZoomOut,    kCmdZoomIn,     kCmdDrawToFit, kCmdCenter};
constexpr const char* kLayerItems[] = {"ALL layers", "Top layer", "Layer 1", "Layer 2", "Layer 3"};
constexpr const char* kScaleItems[] = {"20%", "25%", "50%", "100%", "125%", "250%", "500%"};
constexpr const char* kGridItems[] = {"1/10 grid", "1/5 grid", "1/2 grid", "Unit grid"};
constexpr ToolBarComboSpec kViewCombos[] = {{kIdcLayerCombo, 0, 110, kLayerItems, 0},
                                            {kIdcScaleCombo, 1, 70, kScaleItems, 3},
                                            {kIdcGridCombo, 2, 70, kGridItems, 3}};

constexpr unsigned kPageButtons[] = {kCmdPreviousPage, kIdcPageCombo, kCmdNextPage, kCmdNewPage, kCmdDeletePage};
constexpr const char* kPageItems[] = {"Sheet 1"};
constexpr ToolBarComboSpec kPageCombos[] = {{kIdcPageCombo, 1, 70, kPageItems, 0}};

constexpr ToolBarSpec kBars[] = {
    {kIdrMainToolBar, {}, {}},
    {kIdrInsertToolBar, {}, {}},
    {kIdrModifyToolBar, kModifyButtons, kModifyCombos},
    {kIdrSimulationToolBar, {}, {}},
    {kIdrSetupToolBar, {}, {}},
    {kIdrViewToolBar, kViewButtons, kViewCombos},
    {kIdrPageToolBar, kPageButtons, kPageCombos},
};

// Main, View and Page on the first row; Insert, Modify, Setup and Simulation on the second.
constexpr ToolBarDock kDocking[] = {
    {kIdrMainToolBar, 0},           {kIdrViewToolBar, kIdrMainToolBar},    {kIdrPageToolBar, kIdrViewToolBar},
    {kIdrInsertToolBar, 0},         {kIdrModifyToolBar, kIdrInsertToolBar}, {kIdrSetupToolBar, kIdrModifyToolBar},
    {kIdrSimulationToolBar, kIdrSetupToolBar},
};
constexpr unsigned kHidden[] = {kIdrSimulationToolBar};

// Words of modes 710 to 723.
constexpr std::array<const char*, 14> kModeWords{"ALL OBJECTS", "TEXT",      "DOTS",   "LINES",
                                                 "ARCS",        "ELLIPSES",  "RECTANGLES", "ROUNDED RECTANGLES",
                                                 "POLYGONS",    "PARTS",     "BUSSES", "ARROWS", "NETS", "NETS"};

}  // namespace

std::span<const ToolBarSpec> SchematicToolBars() { return kBars; }
std::span<const ToolBarDock> SchematicToolBarDocking() { return kDocking; }
std::span<const unsigned> SchematicHiddenToolBars() { return kHidden; }

const char* SelectiveEditWord(unsigned id)
{
    const unsigned i = id - kCmdSelEditAll;
    return i < kModeWords.size() ? kModeWords[i] : "ALL OBJECTS";
}

unsigned SelectiveEditModeOfComboPosition(int position)
{
    if (position <= 1)
        return kCmdSelEditAll + static_cast<unsigned>(std::max(position, 0));
    if (position <= 10)
        return kCmdSelEditText + static_cast<unsigned>(position);
    return kCmdSelEditNets;
}
