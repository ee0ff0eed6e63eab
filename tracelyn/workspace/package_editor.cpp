#include "tracelyn/workspace/package_editor.h"

#include "common/scale_labels.h"
#include "platform/app/keys.h"
#include "platform/core/archive.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "platform/gdi/dc.h"
#include "platform/system/files.h"
#include "resources/tracelyn/package_editor_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/app_state.h"
#include "tracelyn/core/board_cursor.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_hit_test.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_painter.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_primitives.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/change_objects.h"
#include "tracelyn/core/cursor_snap.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/grid_menu_texts.h"
#include "tracelyn/core/mouse_edit.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/text_entry.h"
#include "tracelyn/core/tracelyn_view.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/workspace/edit_dialogs.h"
#include "tracelyn/workspace/package_editor_dialogs.h"

#include <algorithm>
#include <utility>

CLibPartEditorDlg* thePartEditor = nullptr;

namespace {

using namespace tly;

constexpr int32_t kLibraryOriginRefX = -10000;
constexpr int kStyleMount = 7;
constexpr int32_t kHintX = -900;
constexpr int32_t kHintY = -400;
constexpr int kHintSizeWord = 1541;
constexpr int kNewPartZoom = 5;
constexpr int32_t kNewPartOriginX = -800;
constexpr int32_t kNewPartOriginY = -500;
constexpr const char* kLayerNames[4] = {"Layer 1 (Normal)", "Layer 2", "Symbol 3", "Symbol 4"};

// The board program's current-store values, lent to the editor's store while it is open. The
// undo ring is emptied on both sides: a board's steps must never be undone into the editor's
// store, nor the editor's into a board.
class PackageStoreLoan : public quill::EditorStoreLoan {
public:
    PackageStoreLoan(CLibPartEditorDlg& editor, BoardObject* store)
        : board_(g_board), view_(g_view), viewMode_(g_edit.layerViewMode), units_(g_boardSettings.units),
          layer_(g_edit.currentLayer), crosshair_(g_crosshair.on)
    {
        ClearUndoRing();
        if (g_selection.list.empty())
            AllocateSelectionList();
        g_selection.count = 0;
        ClearSelectionModes();
        thePartEditor = &editor;
        g_footprintEditor.open = true;
        g_footprintEditor.modified = 0;
        g_footprintEditor.redraw = [&editor] { editor.RedrawDrawingArea(); };
        g_board.objects = store;
        g_board.capacity = kPartEditorStoreSize;
        g_board.count = 0;
        g_board.sizeLetter = 'C';
        g_boardSettings.units = kUnitsEnglish;
        g_edit.layerViewMode = kViewOneLayer;
        g_edit.currentLayer = 0;
        g_gesture.tool = kToolNone;
    }
    ~PackageStoreLoan() override
    {
        thePartEditor = nullptr;
        ClearUndoRing();
        g_footprintEditor = FootprintEditorLink{};
        SetDrawingWindow(nullptr);
        g_edit.layerViewMode = viewMode_;
        g_boardSettings.units = units_;
        g_edit.currentLayer = layer_;
        g_crosshair.on = crosshair_;
        // The store belongs to the board that is active now; without one, to what was lent.
        if (g_active.data != nullptr)
            LoadBoardGlobals(*g_active.data);
        else
            g_board = board_;
        g_view = view_;
        g_selection.count = 0;
        ClearSelectionModes();
        g_gesture.tool = kToolNone;
        g_gesture.dragging = false;
    }

private:
    CurrentBoard board_;
    BoardView view_;
    int32_t viewMode_;
    int32_t units_;
    int32_t layer_;
    bool crosshair_;
};

int32_t defaultTextSizeWord()
{
    return g_boardSettings.CurrentSize * 256;
}

}  // namespace

CLibPartEditorDlg::CLibPartEditorDlg(plat::Wnd* parent)
    : quill::LibraryEditorFrame({kIddPackageEditor, kIdrPackageEditor, kIdcEditorDrawingArea,
                                 {kIdcEditorStatus0, kIdcEditorStatus1},
                                 quill::kLibraryPartChangedQuestion, TextEntryActive},
                                parent),
      store_(kPartEditorStoreSize)
{
    registerCommands();
}

CLibPartEditorDlg::~CLibPartEditorDlg()
{
    for (BoardObject& o : store_)
        FreeObjectData(o);
}

std::unique_ptr<quill::EditorStoreLoan> CLibPartEditorDlg::LendStore()
{
    return std::make_unique<PackageStoreLoan>(*this, store_.data());
}

void CLibPartEditorDlg::fillControls()
{
    FillLayerChoices(1);
    if (plat::Control* scale = GetDlgItem(kIdcEditorScale)) {
        for (const char* name : kScaleLabels)
            scale->AddString(name);
        scale->SetCurSel(3);
    }
    fillGridChoices();
    if (plat::Control* designator = GetDlgItem(kIdcEditorDesignator)) {
        for (char c = 'A'; c <= 'Z'; ++c)
            if (c != 'P')
                designator->AddString(std::string(1, c));
        designator->SetCurSel(19);
        designator->setText("U");
    }
}

// The grid combo's sizes in the units in force, the fourth chosen.
void CLibPartEditorDlg::fillGridChoices()
{
    plat::Control* grid = GetDlgItem(kIdcEditorGrid);
    if (grid == nullptr)
        return;
    for (int id = kGridMenuFirst; id <= kGridMenuLast; ++id)
        grid->AddString(GridMenuText(g_boardSettings.units, id));
    grid->SetCurSel(3);
}

void CLibPartEditorDlg::startPart(int32_t refX, int32_t refY, int32_t nameX, int32_t nameY)
{
    labels_ = PackageLabels{};
    ResetPartEditorStore(store_.data(), kPartEditorStoreSize, labels_.designator, "Name", refX, refY, nameX, nameY,
                         defaultTextSizeWord());
    g_board.viewOriginX = 0;
    g_board.viewOriginY = 0;
    setGrid(kCmdGridFirst + 5);
    g_board.zoomIndex = 3;
    g_view.zoomDivisor = ZoomDivisorOf(3);
    g_selection.count = 0;
    ClearSelectionModes();
}

bool CLibPartEditorDlg::OnInitDialog()
{
    quill::LibraryEditorFrame::OnInitDialog();
    ShowHint(kHintX, kHintY, "<---Draw part here--->");
    fillControls();
    g_crosshair.on = true;
    startPart(kLibraryOriginRefX, -7000, kLibraryOriginRefX, -6500);
    // Vias, hidden and thermal pads belong to boards, not to packages.
    if (g_boardSettings.padShape >= 5 && g_boardSettings.padShape <= 8)
        g_boardSettings.padShape = 0;
    if (openExisting == 1 && openPart()) {
        g_gesture.tool = kToolSelect;
        HideHint();
        drawToFit();
    } else {
        g_board.zoomIndex = kNewPartZoom;
        g_view.zoomDivisor = ZoomDivisorOf(kNewPartZoom);
        g_board.viewOriginX = kNewPartOriginX;
        g_board.viewOriginY = kNewPartOriginY;
    }
    // Keys go to the drawing, not to the first field of the window.
    GotoDlgCtrl(kIdcEditorDrawingArea);
    entered_ = false;
    SetModified(false);
    g_footprintEditor.modified = 0;
    if (startWithWizard)
        PostMessage(plat::kWmCommand, kIdcEditorWizard, 0);
    return true;
}

bool CLibPartEditorDlg::openPart()
{
    if (libraryName.empty())
        libraryName = "Standard";
    auto file = OpenPartLibrary(libraryName, partName);
    if (!file) {
        const std::string path = CatalogPath(libraryName);
        plat::MessageBox(plat::fileExists(path) ? "Part not found: " + partName : "Can't open file: " + path);
        return false;
    }
    labels_ = PackageLabels{};
    LoadEditorPart(*file, partName, labels_);
    if (plat::Control* designator = GetDlgItem(kIdcEditorDesignator))
        designator->setText(labels_.designator);
    SetDlgItemText(kIdcEditorComment, labels_.comment);
    CheckDlgButton(kIdcEditorEdgeCard, labels_.edgeCard ? 1 : 0);
    FillLayerChoices(labels_.edgeCard ? 2 : 1);
    return true;
}

void CLibPartEditorDlg::FillLayerChoices(int layers)
{
    layerCount_ = std::clamp(layers, 1, 4);
    FillViewTabs(kIdcEditorLayerTab, kLayerNames, layerCount_, "Both");
}

bool CLibPartEditorDlg::isModifiedNow() const
{
    return isModified() || g_footprintEditor.modified != 0;
}

void CLibPartEditorDlg::closeCommand()
{
    if (g_footprintEditor.modified != 0)
        SetModified(true);
    CloseEditor();
}

void CLibPartEditorDlg::OnClose()
{
    closeCommand();
}

void CLibPartEditorDlg::OnEditorClosing()
{
    g_selection.count = 0;
    ClearSelectionModes();
    g_gesture.tool = kToolNone;
}

void CLibPartEditorDlg::OnTypedKey(const plat::Msg& msg)
{
    if (msg.message == plat::kWmKeyDown)
        HandleEditKey(static_cast<unsigned>(msg.wParam));
}

// ---- painting ----

void CLibPartEditorDlg::RedrawDrawingArea()
{
    if (plat::Control* area = GetDlgItem(kIdcEditorDrawingArea))
        area->RedrawWindow();
}

void CLibPartEditorDlg::paintOnDrawingArea(const std::function<void(plat::Dc& dc)>& paint)
{
    plat::Control* area = GetDlgItem(kIdcEditorDrawingArea);
    if (area == nullptr)
        return;
    plat::ClientDC dc(area);
    CTracelynView helper;
    helper.PrepareViewDC(dc);
    paint(dc);
}

void CLibPartEditorDlg::OnDrawItem(unsigned ctlId, plat::DrawItem& item)
{
    if (ctlId != kIdcEditorDrawingArea || item.dc == nullptr)
        return quill::LibraryEditorFrame::OnDrawItem(ctlId, item);
    plat::Dc& dc = *item.dc;
    g_view.clientRect = item.rcItem;
    CTracelynView helper;
    helper.PrepareViewDC(dc);
    SetDrawingWindow(GetDlgItem(kIdcEditorDrawingArea));
    if (g_boardPalette.palette.size() == 0)
        BuildBoardPalette();
    dc.SelectPalette(g_boardPalette.palette);
    dc.SetBkMode(plat::kTransparent);
    FillWorkAreaBackground(dc, WorkAreaFillColor());
    DrawBoard(dc);
    drawPinNumbers(dc);
    updateScrollBars();
    // The hint stands in view units, beside the library origin of a new part's view.
    if (hint().visible)
        DrawFontText(dc, hint().x, hint().y, hint().text, kHintSizeWord, 0, RoleColor(kRoleHighlight), 0);
    if (plat::Control* scale = GetDlgItem(kIdcEditorScale))
        scale->SetCurSel(g_board.zoomIndex);
    if (plat::Control* grid = GetDlgItem(kIdcEditorGrid))
        grid->SetCurSel(g_board.gridCommand - static_cast<int>(kCmdGridFirst));
}

// ---- mouse ----

void CLibPartEditorDlg::OnControlMouse(plat::Control& control, unsigned message, unsigned flags, plat::Point point)
{
    if (control.id() != kIdcEditorDrawingArea)
        return;
    mouse(control, message, flags, point);
}

void CLibPartEditorDlg::mouse(plat::Control& area, unsigned message, unsigned flags, plat::Point point)
{
    plat::ClientDC dc(&area);
    CTracelynView helper;
    helper.PrepareViewDC(dc);
    SetDrawingWindow(&area);
    switch (message) {
    case plat::kWmLButtonDown:
        area.SetCapture();
        g_gesture.ctrl = (flags & plat::kMkControl) != 0;
        g_gesture.shift = (flags & plat::kMkShift) != 0;
        SetCursorFromPixels(point.x, point.y);
        pressCount_ = g_board.count;
        ProcessMouseEdit(dc, g_gesture.tool, kMousePress);
        break;
    case plat::kWmLButtonUp: {
        const int before = g_board.count;
        SetCursorFromPixels(point.x, point.y);
        ProcessMouseEdit(dc, g_gesture.tool, kMouseRelease);
        if (plat::Wnd::GetCapture() == &area)
            plat::Wnd::ReleaseCapture();
        numberNewPads(pressCount_ < before ? pressCount_ : before);
        break;
    }
    case plat::kWmMouseMove: {
        HideCrosshair(dc);
        const int changed = SetCursorFromPixels(point.x, point.y);
        g_pointer.mode = kPointerNormal;
        ShowCursorCoordinates();
        if ((flags & plat::kMkLButton) != 0 && g_gesture.tool != kToolNone && changed != 0)
            ProcessMouseEdit(dc, g_gesture.tool, kMouseMove);
        ShowCrosshair(dc);
        const bool first = !std::exchange(entered_, true);
        // The hint goes once a drawing tool is chosen and the pointer is over the drawing.
        const bool drawing = g_gesture.tool != kToolNone && g_gesture.tool != kToolSelect;
        if ((drawing && HideHint()) || first)
            area.Invalidate();
        break;
    }
    case plat::kWmRButtonDown:
        rightClick(area, point);
        break;
    default:
        break;
    }
}

void CLibPartEditorDlg::drawPinNumbers(plat::Dc& dc) const
{
    // The pin numbers the part will carry, beside their pads' copper so that both stay readable.
    constexpr int32_t kPinNumberGap = 100;
    for (int i = kPartEditorFirstFree; i <= g_board.count; ++i) {
        const BoardObject& o = store_[static_cast<size_t>(i)];
        if (o.kind() != kKindPad || o.pinNumber().empty())
            continue;
        // The number hangs down from its anchor: level with the pad's top edge it reads beside it.
        int32_t x = o.w[0] + std::max(o.w[2], 0) / 2 + kPinNumberGap, y = o.w[1] - std::max(o.w[3], 0) / 2;
        WorldToScreen(x, y);
        DrawFontText(dc, x, y, o.pinNumber(), g_boardSettings.pin_font * 256 + 1, 0, RoleColor(kRoleText), 1);
    }
}

void CLibPartEditorDlg::numberNewPads(int after)
{
    // A drawn pad takes the next pin number; a mounting hole needs none.
    for (int i = std::max(after, kNameTextIndex) + 1; i <= g_board.count; ++i) {
        BoardObject& o = store_[static_cast<size_t>(i)];
        if (o.kind() == kKindPad && o.pinNumber().empty() && (o.w[5] & 7) != kStyleMount)
            o.setPinNumber(std::to_string(NextPadNumber(store_.data(), g_board.count)));
    }
}

void CLibPartEditorDlg::rightClick(plat::Control& area, plat::Point point)
{
    if (g_selection.count == 1 && g_gesture.tool == kToolSelect && !(g_gesture.multi && g_gesture.bandShown)) {
        plat::ClientDC dc(&area);
        CTracelynView helper;
        helper.PrepareViewDC(dc);
        SetCursorFromPixels(point.x, point.y);
        UpdateCursorBoardPoint();
        const int index = g_selection.list[1];
        HitTestObject(index, index);
        const bool on = g_selection.count == 1;
        g_selection.count = 1;
        g_selection.list[1] = index;
        if (!on) {
            ClearSelection(dc);
        } else if (g_board.objects[index].kind() == kKindPad) {
            BoardObject& pad = g_board.objects[index];
            CLibPadSetupDlg dialog;
            dialog.style = pad.w[5] & 7;
            dialog.sizeX = static_cast<float>(pad.w[2]) / 10.0f;
            dialog.sizeY = static_cast<float>(pad.w[3]) / 10.0f;
            dialog.hole = static_cast<float>(pad.w[6]) / 10.0f;
            if (dialog.DoModal() == plat::kIdOk) {
                g_boardSettings.padShape = dialog.style;
                g_boardSettings.padSizeX = static_cast<int32_t>(dialog.sizeX * 10.0f + 0.5f);
                g_boardSettings.padSizeY = static_cast<int32_t>(dialog.sizeY * 10.0f + 0.5f);
                g_boardSettings.padHole = static_cast<int32_t>(dialog.hole * 10.0f + 0.5f);
                ChangeSelectedObjects(kChangePad);
                SetModified(true);
            }
        } else if (RunObjectPropertyDialog(index)) {
            SetModified(true);
        }
        RedrawDrawingArea();
    }
    g_gesture.tool = kToolSelect;
}

// ---- the program's ways in ----

void RunPackageEditor(plat::Wnd* parent, int openExisting, std::string_view library, std::string_view part, bool wizard)
{
    if (thePartEditor != nullptr)
        return;
    CLibPartEditorDlg editor(parent);
    editor.openExisting = openExisting;
    editor.libraryName = std::string(library);
    editor.partName = std::string(part);
    editor.startWithWizard = wizard;
    editor.DoModal();
    // The board's view, combos and status panes show the board's values again.
    RedrawActiveFrame();
}
