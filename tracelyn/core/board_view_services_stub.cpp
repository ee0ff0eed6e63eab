// Stand-ins for the view topics that are not written yet: the crosshair, selection marks,
// page breaks, net names and fit frame draw nothing; SyncViewSettings copies the active
// document's values, which is all a board without the footprint editor needs.
#include "tracelyn/core/board_view_services.h"

#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"

void SyncViewSettings()
{
    if (g_footprintEditor.open || g_active.data == nullptr)
        return;
    const BoardDocumentData& doc = *g_active.data;
    g_board.viewOriginX = doc.viewOriginX;
    g_board.viewOriginY = doc.viewOriginY;
    g_board.sizeLetter = doc.sizeLetter;
    g_board.zoomIndex = doc.zoomIndex;
    g_board.gridCommand = doc.gridCommand;
    g_view.zoomDivisor = ZoomDivisorOf(doc.zoomIndex);
}

void ClearSelectionModes() {}
void ShiftRubberBand(int, int) {}
void DrawSelectionMarks(plat::Dc&) {}
void RefreshStatusPanes() {}
void DrawCrosshair(plat::Dc&, int, int, int) {}
void DrawFitFrame(plat::Dc&) {}
void DrawPageBreaks(plat::Dc&) {}
void DrawNetNames(plat::Dc&) {}
void UpdateScrollBars() {}
