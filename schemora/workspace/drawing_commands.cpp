// Edit > Clear and Aux > Statistics of the main frame: both act on the active drawing.
#include "schemora/workspace/main_frame.h"

#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/frame_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/drawing_statistics.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/sheet_objects.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

void CMainFrame::registerDrawingCommands()
{
    onDocumentCommand(scm::kCmdClear, &CMainFrame::OnClear);
    onDocumentCommand(scm::kCmdStatistics, &CMainFrame::OnStatistics);
}

void CMainFrame::OnClear()
{
    auto* doc = static_cast<CSchemoraDoc*>(GetActiveDocument());
    if (!doc || plat::MessageBoxId(scm::kStrClearSchematic, plat::kMbYesNo | plat::kMbIconQuestion) != plat::kIdYes)
        return;
    ClearDrawingObjects(doc->data().objects.slots(), doc->data().objectCount);
    // Undo would write the dropped records back into an emptied store.
    ClearUndoRing();
    doc->data().objectCount = 0;
    if (g_current.activeDocument == doc)
        g_current.count = 0;
    doc->SetModifiedFlag();
    ResetEditInteraction();
    g_editState.CurrentTool = 0;
    RedrawActiveFrame();
}

void CMainFrame::OnStatistics()
{
    auto* doc = static_cast<CSchemoraDoc*>(GetActiveDocument());
    if (!doc)
        return;
    const DrawingStatistics counts = CountDrawingStatistics(doc->data().objects.slots(), doc->data().objectCount);
    plat::MessageBox(StatisticsText(counts, g_partSymbols.count), plat::kMbOk | plat::kMbIconInformation,
                     "Schematic Statistics");
}
