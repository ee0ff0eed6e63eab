// The part editor's drawing area under the mouse and the keyboard cursor: the point is snapped,
// the edit engine runs on the editor's store, and the editor takes the count back.
#include "schemora/workspace/part_editor.h"

#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/part_editor_ids.h"
#include "resources/schemora/view_command_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/blink_marker.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_cursors.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/hit_testing.h"
#include "schemora/core/mouse_edit.h"
#include "schemora/core/move_reshape.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/text_entry.h"
#include "schemora/workspace/style_dialogs.h"
#include "schemora/workspace/terminal_info_dialog.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

constexpr const char* kNoTextStyleInParts = "You cannot change text style and size in library parts";
// A drag leaving the area scrolls by a sixth of the area.
constexpr int kDragScrollDivisor = 6;

bool isSingleMovedTerminal(const DrawObject* objects, bool wasMoving)
{
    return wasMoving && g_editState.selectionCount == 1 && !g_selection.windowMode &&
           IsTerminal(objects[g_editState.SelectionList[1]]);
}

}  // namespace

void CPartEditorDlg::OnControlMouse(plat::Control& control, unsigned message, unsigned flags, plat::Point point)
{
    if (control.id() != scm::kIdcEditorArea || !isStoreLent())
        return;
    switch (message) {
    case plat::kWmLButtonDown: OnAreaButtonDown(flags, point); break;
    case plat::kWmLButtonUp: OnAreaButtonUp(flags, point); break;
    case plat::kWmMouseMove: OnAreaMouseMove(flags, point); break;
    case plat::kWmRButtonDown: OnAreaRightButton(); break;
    default: break;
    }
}

void CPartEditorDlg::OnAreaButtonDown(unsigned flags, plat::Point point)
{
    plat::ClientDC dc(area());
    prepareDc(dc);
    if (TextEntryActive())
        EndTextEntry(&*dc);
    StopBlinkMarker(true);
    area()->SetCapture();
    g_mouseEdit.ctrlHeld = (flags & plat::kMkControl) != 0;
    g_mouseEdit.shiftHeld = (flags & plat::kMkShift) != 0;
    if (g_mouseEdit.overHandle)
        g_mouseEdit.handleGrabbed = true;
    SnapCursorPoint(point.x, point.y);
    HideCursorMark(dc);
    ProcessMouseEdit(dc, g_editState.CurrentTool, kMouseDown);
    takeCount();
    if (g_cursor.crossHairOn)
        ShowCursorMark(dc);
}

void CPartEditorDlg::OnAreaButtonUp(unsigned flags, plat::Point point)
{
    const bool wasMoving = g_mouseEdit.moving;
    {
        plat::ClientDC dc(area());
        prepareDc(dc);
        HideCursorMark(dc);
        if (SnapCursorPoint(point.x, point.y) && g_editState.CurrentTool > 0)
            ProcessMouseEdit(dc, g_editState.CurrentTool, kMouseMove);
        ProcessMouseEdit(dc, g_editState.CurrentTool, kMouseUp);
        takeCount();
        if (g_editState.CurrentTool == 0)
            g_editState.CurrentTool = kToolSelect;
        if (g_cursor.crossHairOn)
            ShowCursorMark(dc);
    }
    // A terminal moved with the mouse turns toward where it was dropped.
    if (isSingleMovedTerminal(store_.data(), wasMoving)) {
        LayoutTerminal(g_editState.SelectionList[1], TerminalLayoutMode::TurnTowardCursor);
        InvalidatePartArea();
    }
    if (plat::Wnd::GetCapture() == area())
        plat::Wnd::ReleaseCapture();
    g_mouseEdit.handleGrabbed = false;
    g_mouseEdit.scrolled = false;
    g_mouseEdit.overHandle = false;
    (void)flags;
}

void CPartEditorDlg::OnAreaMouseMove(unsigned flags, plat::Point point)
{
    const int tool = g_editState.CurrentTool;
    if (hint().visible && tool != 0 && tool != kToolSelect && HideHint())
        InvalidatePartArea();
    {
        plat::ClientDC dc(area());
        prepareDc(dc);
        const bool changed = SnapCursorPoint(point.x, point.y);
        HideCursorMark(dc);
        showHandleCursor();
        if (g_editState.selectionCount == 0)
            ShowCursorPosition();
        if ((flags & plat::kMkLButton) && tool > 0 && changed)
            ProcessMouseEdit(dc, tool, kMouseMove);
        takeCount();
        if (g_cursor.crossHairOn)
            ShowCursorMark(dc);
    }
    if (flags & plat::kMkLButton)
        scrollWhenDragLeaves(point);
}

// Over a handle of the one selected object the pointer shows how a drag there reshapes it, and
// a press there takes the handle; elsewhere the pointer is what it was.
void CPartEditorDlg::showHandleCursor()
{
    if (!g_mouseEdit.handleGrabbed)
        g_mouseEdit.overHandle = !g_mouseEdit.moving && HitTestHandle();
    const int index = g_editState.SelectionList[1];
    std::optional<plat::Cursor> resize;
    if (g_mouseEdit.overHandle && index >= 1 && index <= objectCount_)
        resize = ResizeCursorOf(store_[index], g_selection.grabbedHandle);
    if (resize) {
        const plat::Cursor before = plat::SetCursor(*resize);
        if (!cursorBeforeHandle_)
            cursorBeforeHandle_ = before;
    } else if (cursorBeforeHandle_) {
        plat::SetCursor(*cursorBeforeHandle_);
        cursorBeforeHandle_.reset();
    }
}

// A drag that leaves the drawing area scrolls the drawing one step that way, once each time
// it leaves.
void CPartEditorDlg::scrollWhenDragLeaves(plat::Point point)
{
    const plat::Rect r = area()->clientRect();
    const int direction = point.x < r.left ? 0 : point.x >= r.right ? 1 : point.y < r.top ? 2 : point.y >= r.bottom ? 3 : -1;
    if (direction < 0) {
        g_mouseEdit.scrolled = false;
        return;
    }
    if (g_mouseEdit.scrolled)
        return;
    loadEditorStore();
    ScrollViewStep(*area(), kDragScrollDivisor, direction);
}

// The right button on the one selected object opens its dialog: a terminal's Terminal
// Information, another drawn object's style dialog; anywhere else it returns to edit mode.
void CPartEditorDlg::OnAreaRightButton()
{
    const bool single = g_editState.CurrentTool == kToolSelect && g_editState.selectionCount == 1 &&
                        !g_selection.windowMode && !g_selection.bandShown;
    const int index = g_editState.SelectionList[1];
    if (!single || index < 1 || index > objectCount_) {
        g_editState.CurrentTool = kToolSelect;
        return;
    }
    if (!IsTerminal(store_[index])) {
        runStyleDialogOf(index);
        return;
    }
    if (SymbolVariantOf(store_[index]) != 0)
        editLaterSymbolTerminal(index);
    else if (shownLetter_ != 0)
        editShownPartPin(index);
    else
        editTerminalInformation(index);
}

// The label and type of a confirmed Terminal Information go to the terminal, which every part
// of the package shares; the terminal is laid out again.
void CPartEditorDlg::applyTerminalLabel(int index, const CTerminalInfoDlg& dialog)
{
    SetTerminalLabel(store_[index], dialog.label());
    pins_.SetPinLabelAndType(index, dialog.label(), dialog.type());
    LayoutTerminal(index, TerminalLayoutMode::MeasureBody);
    SetModified();
    InvalidatePartArea();
}

// Terminal Information on part A's pin: the terminal's own number, label and type.
void CPartEditorDlg::editTerminalInformation(int index)
{
    DrawObject& t = store_[index];
    CTerminalInfoDlg dialog(TerminalPinText(t), pins_.PinTypeOfTerminal(index), TerminalLabel(t), this);
    if (dialog.DoModal() != plat::kIdOk)
        return;
    if (dialog.pinText() != TerminalPinText(t)) {
        if (!pins_.RenumberTerminalPin(index, dialog.pinText()))
            return;
        SetTerminalPinText(t, dialog.pinText());
    }
    applyTerminalLabel(index, dialog);
}

// Terminal Information while another part of the package is shown: the number is that part's
// record on the terminal ("?" gives the part no pin there); label and type belong to the
// terminal, which every part shares.
void CPartEditorDlg::editShownPartPin(int index)
{
    DrawObject& t = store_[index];
    const EditorPin* pin = pins_.PinOfPart(index, 0, shownLetter_);
    const std::string shown = pin ? pin->number + (pin->name.empty() ? "" : "," + pin->name) : std::string("?");
    CTerminalInfoDlg dialog(shown, pins_.PinTypeOfTerminal(index), TerminalLabel(t), this);
    if (dialog.DoModal() != plat::kIdOk)
        return;
    const std::string number = SplitPinText(dialog.pinText(), 0);
    if (dialog.pinText() != shown) {
        if (number == "?") {
            if (pin)
                pins_.RemovePartPin(pin->number);
        } else if (pin) {
            if (!pins_.RenumberTerminalPin(index, dialog.pinText(), shownLetter_))
                return;
        } else if (pins_.AddPartPin(dialog.pinText(), dialog.type(), dialog.label(), index, 0, shownLetter_) !=
                   PinAddResult::Added) {
            return;
        }
    }
    applyTerminalLabel(index, dialog);
}

// Terminal Information on a terminal of symbols 2 to 4: its number names the pin of symbol 1
// that the terminal draws ("?": none), in the part of the package shown; the label is the
// terminal's own, the type the pin's.
void CPartEditorDlg::editLaterSymbolTerminal(int index)
{
    DrawObject& t = store_[index];
    const int variant = SymbolVariantOf(t);
    const EditorPin* pin = pins_.PinOfPart(index, variant, shownLetter_);
    const std::string shown = pin ? pin->number : std::string("?");
    int drawn = pin ? pin->terminal[0] : 0;
    CTerminalInfoDlg dialog(shown, pin ? pin->type : 0, TerminalLabel(t), this);
    if (dialog.DoModal() != plat::kIdOk)
        return;
    if (SplitPinText(dialog.pinText(), 0) != shown) {
        drawn = pins_.LinkTerminalPin(index, variant, dialog.pinText(), shownLetter_);
        if (drawn < 0)
            return;
        // The terminal's own text is part A's number of the pin, as symbol 1 carries it.
        SetTerminalPinText(t, drawn > 0 && drawn <= objectCount_ ? TerminalPinText(store_[drawn]) : std::string("?"));
    }
    SetTerminalLabel(t, dialog.label());
    pins_.SetTypeOfTerminal(drawn, dialog.type());
    LayoutTerminal(index, TerminalLayoutMode::MeasureBody);
    SetModified();
    InvalidatePartArea();
}

void CPartEditorDlg::runStyleDialogOf(int index)
{
    const int type = store_[index].type();
    if (type == kObjText) {
        plat::MessageBox(kNoTextStyleInParts, plat::kMbOk | plat::kMbIconExclamation);
        return;
    }
    loadEditorStore();
    if (RunStyleDialogForKind(type))
        InvalidatePartArea();
}

// ---- keyboard cursor ----

void CPartEditorDlg::OnKeyboardCursor(unsigned id)
{
    const int step = g_cursor.crossHairOn ? std::max(1, g_current.gridStep) : std::max(1, g_current.zoomFactor);
    plat::ClientDC dc(area());
    prepareDc(dc);
    HideCursorMark(dc);
    const int tool = g_editState.CurrentTool;
    if (id == scm::kCmdKeyEnter) {
        ProcessMouseEdit(dc, tool, g_mouseEdit.moving || g_mouseEdit.newIndex ? kMouseUp : kMouseDown);
    } else {
        const int dx = id == scm::kCmdKeyLeft ? -step : id == scm::kCmdKeyRight ? step : 0;
        const int dy = id == scm::kCmdKeyUp ? -step : id == scm::kCmdKeyDown ? step : 0;
        const bool selection = g_editState.selectionCount > 0 && tool == kToolSelect;
        if (selection)
            ProcessMouseEdit(dc, tool, kMouseDown);
        g_cursor.x += dx;
        g_cursor.y += dy;
        ProcessMouseEdit(dc, tool, kMouseMove);
        if (selection)
            ProcessMouseEdit(dc, tool, kMouseUp);
    }
    takeCount();
    if (g_cursor.crossHairOn)
        ShowCursorMark(dc);
}

void CPartEditorDlg::OnHomePlace()
{
    plat::ClientDC dc(area());
    prepareDc(dc);
    HideCursorMark(dc);
    const plat::Point home = DrawingToView(-1000, -500);
    g_cursor.x = home.x;
    g_cursor.y = home.y;
    if (g_editState.selectionCount > 0 && g_editState.CurrentTool == kToolSelect) {
        PlaceAtPoint(dc, kStepFinal);
        takeCount();
    }
    g_editState.selectionCount = 0;
    InvalidatePartArea();
}

void CPartEditorDlg::OnToggleCrossHair()
{
    plat::ClientDC dc(area());
    prepareDc(dc);
    if (g_cursor.crossHairOn)
        HideCursorMark(dc);
    g_cursor.crossHairOn = !g_cursor.crossHairOn;
    if (g_cursor.crossHairOn)
        ShowCursorMark(dc);
}
