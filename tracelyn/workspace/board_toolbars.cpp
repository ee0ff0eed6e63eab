// The main frame's five toolbars: what each holds, where each docks at start, the layout kept
// between runs, View > Toolbars, and the menu items whose commands are not in the program yet.
#include "tracelyn/workspace/main_frame.h"

#include "common/frame_toolbars.h"
#include "platform/app/command_ids.h"
#include "platform/app/win_app.h"
#include "resources/tracelyn/board_command_ids.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/toolbar_combo_items.h"
#include "tracelyn/core/workspace_services.h"

#include <span>

namespace {

using namespace tly;

constexpr unsigned kSep = plat::kIdSeparator;
// The View bar: four combos and two spacers, the view buttons, and the layer-pair picture the
// Single/2-Layer button switches to (kept hidden).
constexpr unsigned kViewButtons[] = {kSep,       kSep,          kSep,         kSep,
                                     kSep,       kSep,          kCmdLayerView, kCmdZoomOut,
                                     kCmdZoomIn, kCmdDrawToFitTool, kCmdCenterView, kCmdLayerPair};
// The grid and width lists depend on the units and are filled by the frame.
const ToolBarComboSpec kViewCombos[] = {
    {kComboLayer, 0, 110, LayerComboTexts(), 1},
    {kComboScale, 1, 70, ScaleComboTexts(), 3},
    {kComboGrid, 2, 80, {}, -1},
    {kComboStockWidth, 3, 80, {}, -1},
};
constexpr unsigned kModifyButtons[] = {kCmdSelect, kCmdErase, kCmdRotate,   kCmdMirror,     kCmdFlip,
                                       kCmdOrigin, kCmdUndo,  kCmdMoveToLayer, kSep};
const ToolBarComboSpec kModifyCombos[] = {{kComboSelectiveEdit, 8, 130, SelectiveEditComboTexts(), 0}};

// In the order of View > Toolbars (3420 Main to 3424 View).
const ToolBarSpec kBars[] = {
    {kIdrMainBar, {}, {}},
    {kIdrInsertBar, {}, {}},
    {kIdrModifyBar, kModifyButtons, kModifyCombos},
    {kIdrSetupBar, {}, {}},
    {kIdrViewBar, kViewButtons, kViewCombos},
};

// Main, then View to its right; Insert starts the next row, Modify and Setup follow it.
constexpr ToolBarDock kStartLayout[] = {{kIdrMainBar, 0},
                                        {kIdrViewBar, kIdrMainBar},
                                        {kIdrInsertBar, 0},
                                        {kIdrModifyBar, kIdrInsertBar},
                                        {kIdrSetupBar, kIdrModifyBar}};

}  // namespace

void CMainFrame::registerFrameCommands()
{
    onCommand(kCmdColors, &CMainFrame::OnColors);
}

std::span<const ToolBarSpec> BoardToolBarSpecs() { return kBars; }

// The start arrangement is the "Default" layout; the one kept from the last run replaces it
// unless it names a bar this frame does not have.
std::span<const ToolBarDock> BoardToolBarDocking() { return kStartLayout; }

plat::ToolBar* CMainFrame::toolBar(unsigned barId) const { return bars_.bar(barId); }

plat::ToolBarCombo* CMainFrame::frameCombo(unsigned comboId) const { return bars_.combo(comboId); }

plat::ToolBar* LayerViewToolBar()
{
    auto* frame = dynamic_cast<CMainFrame*>(plat::GetMainWnd());
    return frame != nullptr ? frame->toolBar(kIdrViewBar) : nullptr;
}

plat::ToolBarCombo* FrameCombo(unsigned comboId)
{
    auto* frame = dynamic_cast<CMainFrame*>(plat::GetMainWnd());
    return frame != nullptr ? frame->frameCombo(comboId) : nullptr;
}

void FollowUnitMode()
{
    if (auto* frame = dynamic_cast<CMainFrame*>(plat::GetMainWnd()))
        frame->RefillUnitCombos();
}
