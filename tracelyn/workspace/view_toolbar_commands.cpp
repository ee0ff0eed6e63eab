// The View toolbar's combos (current layer, drawing scale, grid, stock trace width), their
// owner-drawn items, and the units switch that refills the unit-dependent combos.
#include "tracelyn/workspace/main_frame.h"

#include "platform/app/view.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/change_objects.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/toolbar_combo_items.h"
#include "tracelyn/core/tracelyn_app.h"
#include "tracelyn/core/workspace_services.h"

#include <span>

namespace {

using namespace tly;

void fillCombo(plat::ToolBarCombo& combo, std::span<const char* const> texts)
{
    const int selection = combo.GetCurSel();
    combo.ResetContent();
    for (const char* text : texts)
        combo.AddString(text);
    combo.SetCurSel(selection < combo.GetCount() ? selection : -1);
}

}  // namespace

void CMainFrame::registerViewBarCommands()
{
    onCommand(kComboLayer, &CMainFrame::OnLayerCombo);
    onCommand(kComboScale, &CMainFrame::OnScaleCombo);
    onCommand(kComboGrid, &CMainFrame::OnGridCombo);
    onCommand(kComboStockWidth, &CMainFrame::OnStockWidthCombo);
    onCommand(kCmdUnits, &CMainFrame::OnUnits);
    onUpdateCommandUI(kCmdUnits, &CMainFrame::OnUpdateUnits);
}

// The combos' lists, for the units in force; the grid and width lists follow later changes.
void CMainFrame::fillToolBarCombos()
{
    if (plat::ToolBarCombo* layer = frameCombo(kComboLayer)) {
        fillCombo(*layer, LayerComboTexts());
        layer->SetCurSel(1);
    }
    if (plat::ToolBarCombo* scale = frameCombo(kComboScale)) {
        fillCombo(*scale, ScaleComboTexts());
        scale->SetCurSel(3);
    }
    comboUnits_ = 0;
    RefillUnitCombos();
    if (plat::ToolBarCombo* width = frameCombo(kComboStockWidth))
        width->SetCurSel(3);
}

void CMainFrame::RefillUnitCombos()
{
    if (comboUnits_ == g_boardSettings.units)
        return;
    comboUnits_ = g_boardSettings.units;
    const bool metric = MetricUnits();
    if (plat::ToolBarCombo* grid = frameCombo(kComboGrid))
        fillCombo(*grid, GridComboTexts(metric));
    if (plat::ToolBarCombo* width = frameCombo(kComboStockWidth))
        fillCombo(*width, WidthComboTexts(metric));
}

int CMainFrame::chosenEntry(unsigned comboId) const
{
    const plat::ToolBarCombo* combo = frameCombo(comboId);
    return combo != nullptr ? combo->GetCurSel() : -1;
}

// After a combo choice the keys go to the board again, and it shows the change.
void CMainFrame::backToBoard()
{
    if (plat::View* view = GetActiveView())
        view->SetFocus();
    RedrawActiveFrame();
}

void CMainFrame::OnLayerCombo()
{
    const int32_t layer = LayerOfComboIndex(chosenEntry(kComboLayer));
    if (GetActiveDocument() == nullptr || layer < 0)
        return;
    g_edit.currentLayer = layer;
    backToBoard();
}

void CMainFrame::OnScaleCombo()
{
    const int position = chosenEntry(kComboScale);
    if (GetActiveDocument() == nullptr || position < 0 || position > kMaxZoomIndex)
        return;
    g_board.zoomIndex = position;
    ClampScaleForSheetSize();
    g_view.zoomDivisor = ZoomDivisorOf(g_board.zoomIndex);
    g_selection.count = 0;
    ClearSelectionModes();
    if (g_active.data != nullptr)
        g_active.data->zoomIndex = g_board.zoomIndex;
    backToBoard();
}

// The grid entries are View > Grid's items: the variable and polar grids ask for their steps.
void CMainFrame::OnGridCombo()
{
    const int position = chosenEntry(kComboGrid);
    if (GetActiveDocument() == nullptr || position < 0 || position > static_cast<int>(kCmdGridLast - kCmdGridFirst))
        return;
    plat::MDIFrameWnd::OnCommand(kCmdGridFirst + static_cast<unsigned>(position));
    backToBoard();
}

void CMainFrame::OnStockWidthCombo()
{
    const int position = chosenEntry(kComboStockWidth);
    if (GetActiveDocument() == nullptr || position < 0)
        return;
    // "Var" keeps the width the trace style dialog set.
    if (const int32_t width = StockWidthOfComboIndex(position, MetricUnits()); width >= 0)
        g_boardSettings.trace_width = width;
    if (g_selection.count > 0)
        ChangeSelectedObjects(kChangeWidth);
    backToBoard();
}

void CMainFrame::OnUnits()
{
    if (g_openDocuments.count <= 0)
        return;
    g_boardSettings.units = MetricUnits() ? kUnitsEnglish : kUnitsMetric;
    BuildGridMenu();
    RefillUnitCombos();
    RedrawActiveFrame();
}

void CMainFrame::OnUpdateUnits(plat::CmdUI& ui)
{
    ui.Enable(g_openDocuments.count > 0);
    ui.SetCheck(MetricUnits() ? 1 : 0);
}

void CMainFrame::OnDrawItem(unsigned ctlId, plat::DrawItem& item)
{
    if (item.dc == nullptr || item.itemId < 0)
        return;
    const bool metric = comboUnits_ == kUnitsMetric;
    switch (ctlId) {
    case kComboLayer: DrawLayerComboItem(*item.dc, item.rcItem, item.itemId); break;
    case kComboStockWidth: DrawWidthComboItem(*item.dc, item.rcItem, item.itemId, metric); break;
    case kComboGrid: DrawComboItemText(*item.dc, item.rcItem, item.itemId, kComboListGrid, metric); break;
    case kComboScale: DrawComboItemText(*item.dc, item.rcItem, item.itemId, kComboListScale, metric); break;
    case kComboSelectiveEdit: DrawComboItemText(*item.dc, item.rcItem, item.itemId, kComboListSelective, metric); break;
    default: quill::EditorMainFrame::OnDrawItem(ctlId, item); break;
    }
}
