// The view's keys: typed text (text_entry.h) and, otherwise, the keyboard commands: layers,
// z-order, bookmarks, the keyboard cursor, Home, the Aux menu and the bill of materials.
#include "schemora/core/schemora_view.h"

#include "platform/app/dialog.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/keys.h"
#include "platform/app/win_constants.h"
#include "platform/core/atomic_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "common/resource_usage_dialog.h"
#include "resources/schemora/setup_dialog_ids.h"
#include "resources/schemora/setup_dialog_resources.h"
#include "resources/schemora/view_command_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/blink_marker.h"
#include "schemora/core/bill_of_materials.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/font_choice.h"
#include "schemora/core/hit_testing.h"
#include "schemora/core/mouse_edit.h"
#include "schemora/core/move_reshape.h"
#include "schemora/core/object_append.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/text_entry.h"
#include "schemora/core/text_tools.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <utility>

using namespace scm;

namespace {

constexpr int kObjBookmark = 25;
constexpr unsigned kLayerBoxCommand = 9802;
constexpr int kHomeOffsetX = 1000;
constexpr int kHomeOffsetY = 500;

struct KeyboardState {
    int bookmarkCursor = 1;
    bool dragging = false;       // a keyboard drag of the selection is under way
};
KeyboardState g_keyboard;

class CAutoIncDlg : public plat::Dialog {
public:
    CAutoIncDlg() : plat::Dialog(kIddAutoIncrement) {}
    bool OnInitDialog() override
    {
        SetDlgItemText(kIdcAutoText, g_autoText.prefix);
        SetDlgItemText(kIdcAutoStart, g_autoText.number);
        return true;
    }
    void OnOK() override
    {
        g_autoText.prefix = GetDlgItemText(kIdcAutoText, 20);
        g_autoText.number = GetDlgItemText(kIdcAutoStart, 20);
        plat::Dialog::OnOK();
    }
};

}  // namespace

void CSchemoraView::registerKeyCommands()
{
    onCommandRange(kCmdLayerDown, kCmdLayerUp, &CSchemoraView::OnLayerStep);
    onCommandRange(kCmdBringToFront, kCmdSendToBack, &CSchemoraView::OnZOrder);
    onCommand(kCmdSetBookmark, &CSchemoraView::OnSetBookmark);
    onCommand(kCmdClearBookmarks, &CSchemoraView::OnClearBookmarks);
    onCommand(kCmdGoToBookmark, &CSchemoraView::OnGoToBookmark);
    onUpdateCommandUI(kCmdClearBookmarks, &CSchemoraView::OnUpdateBookmarks);
    onUpdateCommandUI(kCmdGoToBookmark, &CSchemoraView::OnUpdateBookmarks);
    onCommandRange(kCmdKeyLeft, kCmdKeyEnter, &CSchemoraView::OnKeyboardCursor);
    onCommand(kCmdHomePlace, &CSchemoraView::OnHomePlace);
    onCommand(kCmdAutoText, &CSchemoraView::OnAutoText);
    onCommand(kCmdBillOfMaterials, &CSchemoraView::OnBillOfMaterials);
    onCommand(scm::kCmdResourceUsage, &CSchemoraView::OnResourceUsage);
}

// ---- typed text ----

void CSchemoraView::OnKeyDown(unsigned vk, unsigned repeat, unsigned flags)
{
    if (TextEntryActive()) {
        plat::ClientDC dc(this);
        prepareEditDc(dc);
        HandleTextKey(dc, vk);
    }
    plat::ScrollView::OnKeyDown(vk, repeat, flags);
}

void CSchemoraView::OnChar(unsigned ch, unsigned repeat, unsigned flags)
{
    if (TextEntryActive()) {
        plat::ClientDC dc(this);
        prepareEditDc(dc);
        HandleTextChar(dc, ch);
        return;
    }
    plat::ScrollView::OnChar(ch, repeat, flags);
}

bool CSchemoraView::OnCommand(unsigned id)
{
    // While a text is typed, commands do nothing: its letters are not tools.
    if (TextEntryActive()) {
        if (id != kLayerBoxCommand)
            return true;
        plat::MessageBeep();
    }
    return plat::ScrollView::OnCommand(id);
}

void CSchemoraView::OnKillFocus(plat::Wnd* newWnd)
{
    if (g_editState.CurrentTool == kToolText) {
        g_editState.CurrentTool = kToolNone;
        EndTextEntry(nullptr);
    }
    plat::ScrollView::OnKillFocus(newWnd);
}

// ---- layers and z-order ----

void CSchemoraView::OnLayerStep(unsigned id)
{
    int layer = g_sheetView.layerFilter + (id == kCmdLayerUp ? 1 : -1);
    if (layer < 0)
        layer = kAllLayers;
    else if (layer > kAllLayers)
        layer = 0;
    g_sheetView.layerFilter = layer;
    // The toolbar's layer box shows the layer drawn on, however it was changed.
    SyncDrawingCombos();
    Invalidate(true);
}

void CSchemoraView::OnZOrder(unsigned id)
{
    LoadCurrentDocument();
    if (g_editState.selectionCount == 1) {
        const int index = g_editState.SelectionList[1];
        const int other = id == kCmdBringToFront ? g_current.count : 1;
        if (g_current.holds(index) && index != other) {
            std::swap(g_current.objects[static_cast<std::size_t>(index)],
                      g_current.objects[static_cast<std::size_t>(other)]);
            // The ring's steps name slots by index: after an exchange they would restore the
            // wrong objects.
            ClearUndoRing();
            if (CSchemoraDoc* doc = GetDocument())
                doc->SetModifiedFlag(true);
        }
    }
    ResetEditInteraction();
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

// ---- bookmarks ----

void CSchemoraView::OnSetBookmark()
{
    LoadCurrentDocument();
    const int index = AppendObjects(1);
    if (index == 0)
        return;
    RecordAppendedStep(1);
    const plat::Point p = CursorDrawingPoint();
    std::array<int32_t, kDrawObjectWords> w = ObjectWords(kObjBookmark, p.x, p.y, 0, 0, CurrentEditSheet());
    w[4] = (CurrentDrawingLayer() << 10) + kObjBookmark;
    g_current.objects[static_cast<std::size_t>(index)] = MakeDrawObject(w, nullptr);
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

void CSchemoraView::OnClearBookmarks()
{
    LoadCurrentDocument();
    for (int i = 1; i <= g_current.count; ++i)
        if (g_current.objects[static_cast<std::size_t>(i)].type() == kObjBookmark)
            DeleteObject(i);
    if (CSchemoraDoc* doc = GetDocument())
        doc->SetModifiedFlag(true);
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

void CSchemoraView::OnGoToBookmark()
{
    LoadCurrentDocument();
    int found = 0;
    for (int i = std::max(1, g_keyboard.bookmarkCursor); i <= g_current.count && found == 0; ++i)
        if (g_current.objects[static_cast<std::size_t>(i)].type() == kObjBookmark)
            found = i;
    if (found == 0) {
        g_keyboard.bookmarkCursor = 1;
        return;
    }
    const DrawObject& mark = g_current.objects[static_cast<std::size_t>(found)];
    g_current.viewCentreX = ClampViewCentre(mark.x());
    g_current.viewCentreY = ClampViewCentre(mark.y());
    if (CSchemoraDoc* doc = GetDocument()) {
        doc->data().viewCentreX = g_current.viewCentreX;
        doc->data().viewCentreY = g_current.viewCentreY;
    }
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
    BlinkMarker(*this, kBlinkCircle);
    g_keyboard.bookmarkCursor = found + 1 > g_current.count ? 1 : found + 1;
}

void CSchemoraView::OnUpdateBookmarks(plat::CmdUI& ui) { ui.Enable(g_current.count >= 2); }

// ---- keyboard cursor and Home ----

void CSchemoraView::OnKeyboardCursor(unsigned id)
{
    const int zoom = g_current.zoom();
    const int step = g_cursor.crossHairOn ? std::max(1, g_current.gridStep) : zoom;
    const plat::Point from{g_cursor.x / zoom, g_cursor.y / zoom};
    if (id == kCmdKeyEnter) {
        if (g_keyboard.dragging) {
            g_keyboard.dragging = false;
            OnLButtonUp(0, from);
        } else {
            OnLButtonDown(plat::kMkLButton, from);
            OnLButtonUp(0, from);
        }
        return;
    }
    int dx = 0, dy = 0;
    switch (id) {
    case kCmdKeyLeft: dx = -step; break;
    case kCmdKeyRight: dx = step; break;
    case kCmdKeyUp: dy = -step; break;
    default: dy = step; break;
    }
    const plat::Point to{(g_cursor.x + dx) / zoom, (g_cursor.y + dy) / zoom};
    if (g_editState.selectionCount > 0 && g_editState.CurrentTool == kToolSelect) {
        // The selection moves one step, as a drag with the mouse would move it.
        OnLButtonDown(plat::kMkLButton, from);
        OnMouseMove(plat::kMkLButton, from);
        OnMouseMove(plat::kMkLButton, to);
        OnLButtonUp(0, to);
        return;
    }
    OnMouseMove(g_keyboard.dragging ? unsigned{plat::kMkLButton} : 0u, to);
}

void CSchemoraView::OnHomePlace()
{
    if (g_editState.selectionCount < 1)
        return;
    plat::ClientDC dc(this);
    prepareEditDc(dc);
    g_cursor.x = g_sheetView.clientCentreX - g_current.viewCentreX - kHomeOffsetX;
    g_cursor.y = g_sheetView.clientCentreY - g_current.viewCentreY - kHomeOffsetY;
    PlaceAtPoint(dc, kStepFinal);
    g_selection.windowMode = false;
    g_selection.frameShown = false;
    g_editState.selectionCount = 0;
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

// ---- Aux and Utilities ----

void CSchemoraView::OnAutoText()
{
    CAutoIncDlg dialog;
    dialog.DoModal();
    ResetEditInteraction();
    g_editState.CurrentTool = kToolAutoText;
}

void CSchemoraView::OnBillOfMaterials()
{
    LoadCurrentDocument();
    CSchemoraDoc* doc = GetDocument();
    const std::string source = doc && !doc->GetPathName().empty() ? doc->GetPathName()
                                                                  : plat::joinPath(plat::currentFolder(), "untitled");
    const std::string path = plat::replaceExtension(source, ".bom");
    const std::string text = BillOfMaterialsText();
    if (const plat::WriteResult written = plat::writeFileAtomically(path, text); !written) {
        plat::MessageBox(written.message("Can't open file " + path), plat::kMbIconStop);
        return;
    }
    plat::uiHost().showTextFile(path);
}

// The design bar is full at 8,000 objects, the library bar at 320 part symbols; the system
// bar has nothing to measure here and shows half.
void CSchemoraView::OnResourceUsage()
{
    CResourceUsageDlg dialog(scm::ResourceUsageDialogIds(), [] {
        return ResourceUsage{.library = g_partSymbols.count * 0.003125 * 100,
                             .design = g_current.count * 0.0125,
                             .system = 50};
    });
    dialog.DoModal();
}

// ---- right button ----

void CSchemoraView::openObjectDialog(plat::Point point)
{
    if (g_editState.selectionCount != 1 || g_editState.CurrentTool != kToolSelect || g_selection.windowMode) {
        g_editState.CurrentTool = kToolSelect;
        return;
    }
    plat::ClientDC dc(this);
    prepareEditDc(dc);
    SnapCursorPoint(point.x, point.y);
    const int index = g_editState.SelectionList[1];
    if (!g_current.holds(index) || HitTestObject(index, index) != index) {
        g_editState.selectionCount = 0;
        RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
        return;
    }
    DrawObject& o = g_current.objects[static_cast<std::size_t>(index)];
    if (o.isPart()) {
        if (EditPartFor(index))
            RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
        return;
    }
    if (o.type() == kObjText) {
        if (const std::optional<int> style = ChooseTextStyle(o.w[2])) {
            g_editState.selectionCount = 1;
            PushUndoSnapshot();
            o.w[2] = *style;
        }
    } else if (!RunStyleDialogFor(o.type())) {
        return;
    }
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}
