// The main frame's sheet commands: File > New Page, Delete Current Page, Previous and Next Page
// and the Page toolbar's sheet list. Every one works on the active drawing's own sheets; the
// list shows that drawing's sheet count and current sheet.
#include "schemora/workspace/main_frame.h"

#include "platform/core/ui_host.h"
#include "resources/schemora/frame_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_objects.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>

namespace {

CSchemoraDoc* activeDrawing(plat::FrameWnd& frame) { return static_cast<CSchemoraDoc*>(frame.GetActiveDocument()); }

// Makes `sheet` the one shown and edited; the selection belongs to the sheet left.
void showSheet(CSchemoraDoc& doc, int sheet)
{
    sheet = std::clamp(sheet, 1, std::max(1, doc.data().numberOfSheets));
    doc.shownSheet = sheet;
    g_sheetView.currentSheet = sheet;
    g_sheetDocument.numberOfSheets = doc.data().numberOfSheets;
    ResetEditInteraction();
}

}  // namespace

void CMainFrame::registerSheetCommands()
{
    onDocumentCommand(scm::kCmdNewPage, &CMainFrame::OnNewPage);
    onDocumentCommand(scm::kCmdDeletePage, &CMainFrame::OnDeletePage);
    onCommandRange(scm::kCmdPreviousPage, scm::kCmdNextPage, &CMainFrame::OnStepPage);
    onCommand(scm::kIdcPageCombo, &CMainFrame::OnPageCombo);
    needsDocument({scm::kCmdPreviousPage, scm::kCmdNextPage});
}

void CMainFrame::SyncDrawingCombos()
{
    plat::ToolBarCombo* combo = bars_.combo(scm::kIdcPageCombo);
    if (!combo)
        return;
    const CSchemoraDoc* doc = activeDrawing(*this);
    const int sheets = doc ? std::clamp(doc->data().numberOfSheets, 1, kMaxSheets) : 1;
    while (combo->GetCount() > sheets)
        combo->DeleteString(combo->GetCount() - 1);
    // Items are drawn as "Sheet %d" by position.
    while (combo->GetCount() < sheets)
        combo->AddString("Sheet " + std::to_string(combo->GetCount() + 1));
    combo->SetCurSel(doc ? std::clamp(g_sheetView.currentSheet, 1, sheets) - 1 : 0);
    if (!doc)
        return;
    const auto select = [this](unsigned id, int position) {
        if (plat::ToolBarCombo* c = bars_.combo(id); c && position >= 0 && position < c->GetCount())
            c->SetCurSel(position);
    };
    select(scm::kIdcLayerCombo, g_sheetView.layerFilter >= kAllLayers ? 0 : g_sheetView.layerFilter + 1);
    select(scm::kIdcScaleCombo, g_current.zoomIndex);
    select(scm::kIdcGridCombo, g_current.gridCommand - kFirstGridCommand);
}

void CMainFrame::OnNewPage()
{
    CSchemoraDoc* doc = activeDrawing(*this);
    if (!doc || plat::MessageBox("Add a new schematic sheet?", plat::kMbYesNo | plat::kMbIconQuestion) != plat::kIdYes)
        return;
    if (doc->data().numberOfSheets >= kMaxSheets) {
        plat::MessageBox("Too many sheets in project (32 maximimum allowed)");
        return;
    }
    ++doc->data().numberOfSheets;
    doc->SetModifiedFlag();
    showSheet(*doc, doc->data().numberOfSheets);
    SyncDrawingCombos();
    RedrawActiveFrame();
}

void CMainFrame::OnDeletePage()
{
    CSchemoraDoc* doc = activeDrawing(*this);
    if (!doc || doc->data().numberOfSheets < 2)
        return;
    if (plat::MessageBox("Delete current schematic sheet?\nAll drawing information will be lost.",
                         plat::kMbYesNo | plat::kMbIconQuestion) != plat::kIdYes)
        return;
    const int sheet = std::clamp(doc->shownSheet, 1, doc->data().numberOfSheets);
    DeleteSheetObjects(doc->data().objects.slots(), doc->data().objectCount, sheet);
    // The undo steps hold records of the sheets as they were numbered before.
    ClearUndoRing();
    --doc->data().numberOfSheets;
    doc->SetModifiedFlag();
    showSheet(*doc, 1);
    SyncDrawingCombos();
    RedrawActiveFrame();
}

void CMainFrame::OnStepPage(unsigned id)
{
    CSchemoraDoc* doc = activeDrawing(*this);
    if (!doc)
        return;
    showSheet(*doc, doc->shownSheet + (id == scm::kCmdNextPage ? 1 : -1));
    SyncDrawingCombos();
    RedrawActiveFrame();
}

void CMainFrame::OnPageCombo()
{
    CSchemoraDoc* doc = activeDrawing(*this);
    plat::ToolBarCombo* combo = bars_.combo(scm::kIdcPageCombo);
    if (!doc || !combo)
        return;
    showSheet(*doc, combo->GetCurSel() + 1);
    SyncDrawingCombos();
    focusActiveChild();
    RedrawActiveFrame();
}
