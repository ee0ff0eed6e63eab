// The board view's copper and outline commands: the flood fill of the area a selected shape
// encloses, copper islands, thermal-pad alignment and the Outline menu.
#include "tracelyn/core/tracelyn_view.h"

#include "platform/app/keys.h"
#include "platform/app/menu.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/copper_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/handle_drag.h"
#include "tracelyn/core/outline_editing.h"
#include "tracelyn/core/thermal_pads_dialog.h"
#include "tracelyn/core/tracelyn_app.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/route/flood_fill.h"
#include "tracelyn/route/flood_fill_dialog.h"

#include <cstdio>
#include <functional>

namespace {

constexpr const char* kSelectEnclosingMessage =
    "Select a rectangle, ellipse or polygon that encloses your fill region.";

bool canEnclose(int kind)
{
    return kind == kKindRectangle || kind == kKindEllipse || kind == kKindPolygon;
}

void selectOnly(const std::vector<int>& indices)
{
    g_selection.count = 0;
    for (const int i : indices)
        g_selection.list[static_cast<size_t>(++g_selection.count)] = i;
}

}  // namespace

void CTracelynView::registerCopperCommands()
{
    onCommand(tly::kCmdToolFill, &CTracelynView::OnFillInteriorRegion);
    onUpdateCommandUI(tly::kCmdToolFill, &CTracelynView::OnUpdateFillInteriorRegion);
    onCommand(tly::kCmdRemoveCopperIslands, &CTracelynView::OnRemoveCopperIslands);
    onCommand(tly::kCmdAlignThermalPads, &CTracelynView::OnAlignThermalPads);
    for (const unsigned id : {tly::kCmdOutlineInsertLine, tly::kCmdOutlineInsertArc, tly::kCmdOutlineDeleteVertex,
                              tly::kCmdOutlineReverseArc, tly::kCmdOutlineCircle, tly::kCmdOutlineRectangle})
        onCommandRange(id, id, &CTracelynView::OnOutlineCommand);
}

void CTracelynView::OnFillInteriorRegion()
{
    if (GetDocument() == nullptr)
        return;
    LoadBoardGlobals(GetDocument()->data());
    CFloodFillDlg dialog;
    dialog.m_removeEnclosingObject = 1;
    const int enclosing = g_selection.count >= 1 ? g_selection.list[1] : 0;
    const bool suitable = g_selection.count == 1 && enclosing >= 1 && enclosing <= g_board.count &&
                          canEnclose(g_board.objects[enclosing].kind());
    if (!suitable) {
        plat::MessageBox(kSelectEnclosingMessage, plat::kMbIconInformation);
        return;
    }
    if (dialog.DoModal() != plat::kIdOk)
        return;
    // The enclosing shape goes only with a fill that laid copper, and Undo brings it back.
    const bool removeEnclosing = dialog.m_removeEnclosingObject != 0;
    if (removeEnclosing)
        PushUndoSnapshot();
    const int before = g_board.count;
    const int appended = FillEnclosedArea(dialog.m_minimizeFloatingCopper != 0);
    if (appended == 0) {
        if (removeEnclosing)
            DropNewestUndoEntry();
        return;
    }
    PushAppendedStep(before, appended);
    if (removeEnclosing) {
        ForgetSelection();
        g_board.objects[enclosing].setKind(kKindDeleted);
        RedrawActiveFrame();
    }
}

int CTracelynView::FillEnclosedArea(bool minimizeFloatingCopper)
{
    CFloodFiller filler;
    // A press of Escape before the fill does not stop it.
    (void)plat::GetAsyncKeyState(plat::kVkEscape);
    if (filler.PrepareFill(1, g_board.count) == 0)
        return 0;
    const int before = g_board.count;
    const int appended = filler.FloodFill(minimizeFloatingCopper);
    if (filler.secondPass())
        filler.ClearFillFlags(before);
    RedrawActiveFrame();
    char text[64];
    std::snprintf(text, sizeof text, "Flood fill time=%.2f seconds", filler.elapsedSeconds());
    plat::MessageBox(text);
    return appended;
}

void CTracelynView::OnUpdateFillInteriorRegion(plat::CmdUI& ui)
{
    ui.SetCheck(g_gesture.tool == kToolFill ? 1 : 0);
}

void CTracelynView::OnRemoveCopperIslands()
{
    if (GetDocument() == nullptr)
        return;
    LoadBoardGlobals(GetDocument()->data());
    for (int i = 1; i <= g_board.count; ++i)
        if (g_board.objects[i].kind() == kKindRectangle)
            g_board.objects[i].w[8] = 0;
    CFloodFiller filler;
    // The rectangles about to go are kept in an undo step first.
    const auto keep = [](const std::vector<int>& doomed) {
        selectOnly(doomed);
        PushUndoSnapshot();
    };
    int removed = 0;
    while (filler.RemoveIslands(2, keep) > 0)
        ++removed;
    if (removed > 0) {
        ForgetSelection();
        RedrawActiveFrame();
    }
}

void CTracelynView::OnAlignThermalPads()
{
    if (GetDocument() == nullptr)
        return;
    LoadBoardGlobals(GetDocument()->data());
    CAlignThermalPadsDlg dialog(this);
    if (dialog.DoModal() == plat::kIdOk)
        RedrawActiveFrame();
}

void CTracelynView::OnOutlineCommand(unsigned id)
{
    if (GetDocument() == nullptr)
        return;
    LoadBoardGlobals(GetDocument()->data());
    if (id == tly::kCmdOutlineCircle || id == tly::kCmdOutlineRectangle) {
        const bool circle = id == tly::kCmdOutlineCircle;
        if (plat::MessageBox(circle ? "Convert outline to circle?" : "Convert outline to rectangle?",
                             plat::kMbYesNo) != plat::kIdYes)
            return;
        if (circle)
            CreateCircleOutline();
        else
            CreateRectangleOutline();
        Invalidate();
        return;
    }
    // The picked vertex must be one of the outline's, and the outline the one selected object.
    if (g_selection.count != 1 || g_selection.list[1] != 1 || EditableOutline() == nullptr)
        return;
    const int v = PickedHandle();
    std::function<int()> edit;
    switch (id) {
    case tly::kCmdOutlineInsertLine: edit = [v] { return InsertOutlineSegment(kSegmentLine, v); }; break;
    case tly::kCmdOutlineInsertArc: edit = [v] { return InsertOutlineSegment(kSegmentArc, v); }; break;
    case tly::kCmdOutlineDeleteVertex: edit = [v] { return DeleteOutlineVertex(v); }; break;
    default: edit = [v] { return ReverseOutlineArc(v); }; break;
    }
    PushUndoSnapshot();
    if (edit() == 0) {
        DropNewestUndoEntry();
        return;
    }
    RedrawWindow();
}

void CTracelynView::PopUpOutlineMenu(plat::Point point)
{
    if (EditableOutline() == nullptr)
        return;
    plat::Point screen = point;
    ClientToScreen(&screen);
    if (plat::Menu* popup = g_appImages.outlineMenu.GetSubMenu(0))
        popup->TrackPopupMenu(plat::kTpmRightButton, screen.x, screen.y, this);
}
