// The board view's clipboard, bookmark and view commands: Copy and Paste, Center, Clear,
// Draw to Fit, and setting, visiting and clearing bookmarks.
#include "tracelyn/core/tracelyn_view.h"

#include "platform/app/command_ids.h"
#include "platform/app/window_picture.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/board_command_ids.h"
#include "tracelyn/core/blink_marker.h"
#include "tracelyn/core/board_clipboard.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/bookmarks.h"
#include "tracelyn/core/draw_to_fit.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/board_cursor.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/core/workspace_services.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kBookmarkBlinkKind = 7;

void storeOriginInDocument()
{
    if (g_active.data != nullptr) {
        g_active.data->viewOriginX = g_board.viewOriginX;
        g_active.data->viewOriginY = g_board.viewOriginY;
    }
}

}  // namespace

void CTracelynView::registerBoardCommands()
{
    onCommand(plat::kIdEditCopy, &CTracelynView::OnEditCopy);
    onCommand(tly::kCmdEditPaste, &CTracelynView::OnEditPaste);
    onCommand(tly::kCmdCenterView, &CTracelynView::OnCenterView);
    onCommand(tly::kCmdEditClear, &CTracelynView::OnEditClear);
    onCommand(tly::kCmdDrawToFit, &CTracelynView::OnDrawToFit);
    onCommand(tly::kCmdDrawToFitTool, &CTracelynView::OnDrawToFit);
    onCommand(tly::kCmdSetBookmark, &CTracelynView::OnSetBookmark);
    onCommand(tly::kCmdClearBookmarks, &CTracelynView::OnClearBookmarks);
    onCommand(tly::kCmdGoToBookmark, &CTracelynView::OnGoToBookmark);
    onUpdateCommandUI(tly::kCmdClearBookmarks, &CTracelynView::OnUpdateBookmarks);
    onUpdateCommandUI(tly::kCmdGoToBookmark, &CTracelynView::OnUpdateBookmarks);
}

void CTracelynView::OnEditCopy()
{
    if (GetDocument() == nullptr || g_selection.count < 1)
        return;
    LoadBoardGlobals(GetDocument()->data());
    const int selected = g_selection.count;
    {
        plat::ClientDC dc(this);
        PrepareViewDC(dc);
        ClearSelection(dc);
    }
    // Erasing the marks emptied the list's count; its entries are still the ones to copy.
    g_selection.count = selected;
    if (CopyToClipboard() >= 0) {
        copyViewAsBitmap(g_gesture.selectionRect);
        SetStatusText("Sent " + std::to_string(selected) + " objects to clipboard", kPaneMessage);
    }
    ForgetSelection();
}

// Other programs take the copied area as a picture; the selection marks are already erased.
// The area is in cursor units, the zoom divisor's many to a pixel.
void CTracelynView::copyViewAsBitmap(const plat::Rect& area)
{
    const int32_t d = std::max(g_view.zoomDivisor, 1);
    plat::ClientDC source(this);
    plat::CopyWindowPixelsToClipboard(source, {area.left / d, area.top / d, area.right / d, area.bottom / d});
}

void CTracelynView::OnEditPaste()
{
    if (GetDocument() == nullptr)
        return;
    LoadBoardGlobals(GetDocument()->data());
    PasteFromClipboard();
}

void CTracelynView::OnCenterView()
{
    if (GetDocument() == nullptr)
        return;
    LoadBoardGlobals(GetDocument()->data());
    g_board.viewOriginX = 0;
    g_board.viewOriginY = 0;
    storeOriginInDocument();
    RedrawWindow();
}

void CTracelynView::OnEditClear()
{
    if (GetDocument() == nullptr)
        return;
    if (plat::MessageBox("Do you really want to clear?", plat::kMbYesNo) != plat::kIdYes)
        return;
    LoadBoardGlobals(GetDocument()->data());
    // The outline, record 1, stays: every board has one.
    for (int i = 2; i <= g_board.count; ++i) {
        FreeObjectData(g_board.objects[i]);
        g_board.objects[i] = BoardObject{};
    }
    g_board.count = std::min(g_board.count, 1);
    GetDocument()->data().objectCount = g_board.count;
    GetDocument()->SetModifiedFlag(true);
    ForgetNets();
    ClearUndoRing();
    g_selection.count = 0;
    ClearSelectionModes();
    g_bookmarks.next = 1;
    Invalidate();
}

void CTracelynView::OnDrawToFit()
{
    if (GetDocument() == nullptr)
        return;
    LoadBoardGlobals(GetDocument()->data());
    plat::Rect client;
    GetClientRect(&client);
    g_fit.originBeforeX = g_board.viewOriginX;
    g_fit.originBeforeY = g_board.viewOriginY;
    g_board.viewOriginX = 0;
    g_board.viewOriginY = 0;
    storeOriginInDocument();
    ComputeFitFactors(client.width(), client.height());
    // The box starts where the pointer is (the command came from a menu or toolbar, so it is
    // drawn only once the pointer is over the window).
    plat::Point pointer;
    if (plat::GetCursorPos(&pointer)) {
        ScreenToClient(&pointer);
        const int32_t d = std::max(g_view.zoomDivisor, 1);
        g_view.cursorX = pointer.x * d;
        g_view.cursorY = pointer.y * d;
    }
    g_view.drawToFit = true;
    g_gesture.tool = kToolDrawToFit;
    RedrawWindow();
    SetCapture();
}

bool CTracelynView::FitModeMouseMove()
{
    if (!g_view.drawToFit)
        return false;
    plat::ClientDC dc(this);
    if (g_fit.boxShown) {
        const int32_t x = g_view.cursorX, y = g_view.cursorY;
        g_view.cursorX = g_fit.boxX;
        g_view.cursorY = g_fit.boxY;
        DrawFitBox(dc);
        g_view.cursorX = x;
        g_view.cursorY = y;
    }
    DrawFitBox(dc);
    return true;
}

bool CTracelynView::FitModeClick()
{
    if (!g_view.drawToFit)
        return false;
    LoadCurrentDocument();
    plat::Rect client;
    GetClientRect(&client);
    const int32_t d = std::max(g_view.zoomDivisor, 1);
    int32_t x = g_fit.originBeforeX, y = g_fit.originBeforeY;
    // The window holds the mouse while the fit view is shown: a click on a toolbar or a menu
    // lands here too. It leaves the fit view for the view there was before, not for a point
    // off the window.
    const plat::Point at{g_view.cursorX / d, g_view.cursorY / d};
    if (client.contains(at.x, at.y))
        FitOriginFor(at.x, at.y, client, x, y);
    g_view.drawToFit = false;
    g_fit.boxShown = false;
    g_board.viewOriginX = x;
    g_board.viewOriginY = y;
    storeOriginInDocument();
    g_gesture.tool = kToolSelect;
    if (plat::Wnd::GetCapture() == this)
        plat::Wnd::ReleaseCapture();
    RedrawWindow();
    return true;
}

void CTracelynView::OnSetBookmark()
{
    if (GetDocument() == nullptr)
        return;
    LoadBoardGlobals(GetDocument()->data());
    UpdateCursorBoardPoint();
    int32_t x = g_gesture.boardX, y = g_gesture.boardY;
    if (MetricUnits()) {
        x = static_cast<int>(x / 2.54);
        y = static_cast<int>(y / 2.54);
    }
    const int index = SetBookmark(x, y);
    if (index != 0)
        RedrawObject(index, kModeCopy);
}

void CTracelynView::OnClearBookmarks()
{
    if (GetDocument() == nullptr)
        return;
    LoadBoardGlobals(GetDocument()->data());
    if (ClearBookmarks() > 0)
        GetDocument()->SetModifiedFlag(true);
    RedrawActiveFrame();
}

void CTracelynView::OnGoToBookmark()
{
    if (GetDocument() == nullptr)
        return;
    LoadBoardGlobals(GetDocument()->data());
    const int index = NextBookmark();
    if (index == 0)
        return;
    CenterViewOn(g_board.objects[index].w[0], g_board.objects[index].w[1]);
}

void CTracelynView::CenterViewOn(int32_t x, int32_t y)
{
    if (MetricUnits()) {
        x = static_cast<int32_t>(x * 2.54);
        y = static_cast<int32_t>(y * 2.54);
    }
    WorldToScreen(x, y);
    g_board.viewOriginX = x;
    g_board.viewOriginY = y;
    storeOriginInDocument();
    RedrawWindow();
    BlinkMarker(0, kBookmarkBlinkKind);
}

void CTracelynView::OnUpdateBookmarks(plat::CmdUI& ui)
{
    ui.Enable(GetDocument() != nullptr && GetDocument()->data().objectCount >= 2);
}
