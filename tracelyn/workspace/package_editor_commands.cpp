// The package editor's commands: its menu, toolbar, keys and controls, each acting on the
// editor's store through the board's own editing routines.
#include "tracelyn/workspace/package_editor.h"

#include "common/string_helpers.h"
#include "platform/app/command_ids.h"
#include "platform/app/win_app.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "platform/app/resources.h"
#include "resources/tracelyn/board_command_ids.h"
#include "resources/tracelyn/board_search_ids.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/package_editor_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_clipboard.h"
#include "tracelyn/core/board_cursor.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/change_objects.h"
#include "tracelyn/core/cursor_snap.h"
#include "tracelyn/core/grid_menu_texts.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/package_wizard.h"
#include "tracelyn/core/keyboard_edit.h"
#include "tracelyn/core/selection_move.h"
#include "tracelyn/core/selection_transforms.h"
#include "tracelyn/core/text_entry.h"
#include "tracelyn/core/tracelyn_view.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/workspace/edit_dialogs.h"
#include "tracelyn/workspace/general_setup_sheet.h"
#include "tracelyn/workspace/package_editor_dialogs.h"
#include "tracelyn/workspace/package_wizard_sheet.h"

#include <algorithm>
#include <climits>
#include <string>

namespace {

using namespace tly;

constexpr unsigned kCmdCenter = 215;
constexpr unsigned kHelpTopic = 65889;
constexpr int kStyleMount = 7;
constexpr int kDrawToFitMargin = 20;   // pixels kept free round a fitted part
constexpr int kMetricZoomLimit = 7;

constexpr BoardTool kKeyTools[] = {kToolPad, kToolTrace, kToolArc, kToolEllipse, kToolRectangle, kToolText};

bool isLetters(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

void showHelp(unsigned long topic, unsigned command)
{
    if (plat::WinApp* app = plat::GetApp())
        app->WinHelp(topic, command);
}

// The selection after records were deleted under it: deleted records leave it.
void dropDeletedFromSelection()
{
    int kept = 0;
    for (int k = 1; k <= g_selection.count; ++k) {
        const int index = g_selection.list[static_cast<size_t>(k)];
        if (index >= 1 && index <= g_board.count && g_board.objects[index].kind() != kKindDeleted)
            g_selection.list[static_cast<size_t>(++kept)] = index;
    }
    g_selection.count = kept;
}

}  // namespace

void CLibPartEditorDlg::registerCommands()
{
    addCommand(kCmdCloseEditor, kCmdCloseEditor, [this](unsigned) { closeCommand(); return true; });
    onCommand(kCmdSavePart, &CLibPartEditorDlg::OnSavePart);
    onCommand(kCmdNewPart, &CLibPartEditorDlg::OnNewPart);
    onCommand(kCmdSelect, &CLibPartEditorDlg::OnSelect);
    onCommand(kCmdErase, &CLibPartEditorDlg::OnErase);
    onCommandRange(kCmdRotate, kCmdFlip, &CLibPartEditorDlg::OnTransform);
    onCommand(kCmdOrigin, &CLibPartEditorDlg::OnOrigin);
    onCommand(kCmdRedraw, &CLibPartEditorDlg::OnRedraw);
    onCommand(kCmdUndo, &CLibPartEditorDlg::OnUndo);
    onCommand(plat::kIdEditCopy, &CLibPartEditorDlg::OnCopy);
    onCommand(plat::kIdEditPaste, &CLibPartEditorDlg::OnPaste);
    onCommand(kCmdDrawToFit, &CLibPartEditorDlg::OnDrawToFit);
    onCommand(kCmdCenter, &CLibPartEditorDlg::OnCenter);
    for (unsigned id : {kCmdZoomIn, kCmdZoomOut, kCmdPageUp, kCmdPageDown})
        onCommandRange(id, id, &CLibPartEditorDlg::OnZoom);
    onCommandRange(tly::kCmdScaleFirst, tly::kCmdScaleFirst + 9, &CLibPartEditorDlg::OnScale);
    onCommandRange(kCmdGridFirst, kCmdGridLast, &CLibPartEditorDlg::OnGrid);
    onCommand(kCmdSelectiveSetup, &CLibPartEditorDlg::OnSelectiveSetup);
    onCommandRange(kCmdSelectiveFirst, kCmdSelectiveLast, &CLibPartEditorDlg::OnSelectiveEdit);
    onCommand(kCmdPadSetup, &CLibPartEditorDlg::OnPadSetup);
    onCommandRange(kCmdHelpContents, kCmdHelpContents, &CLibPartEditorDlg::OnHelp);
    onCommandRange(kIdcEditorHelp, kIdcEditorHelp, &CLibPartEditorDlg::OnHelp);
    for (unsigned id : {kCmdToolText, kCmdToolRectangle, kCmdToolTrace, kCmdToolEllipse, kCmdToolPad, kCmdToolArc,
                        kCmdToolPolygon})
        onCommandRange(id, id, &CLibPartEditorDlg::OnTool);
    onCommandRange(kCmdKeyToolFirst, kCmdKeyToolFirst + 5, &CLibPartEditorDlg::OnKeyTool);
    onCommandRange(kCmdArrowLeft, kCmdArrowEnter, &CLibPartEditorDlg::OnArrowKey);
    onCommand(kCmdCrosshair, &CLibPartEditorDlg::OnCrosshair);
    onCommand(kCmdHome, &CLibPartEditorDlg::OnHome);
    onCommand(kCmdUnits, &CLibPartEditorDlg::OnMetric);
    onCommand(kCmdSetReadoutOrigin, &CLibPartEditorDlg::OnReadoutOrigin);
    onCommand(kIdcEditorWizard, &CLibPartEditorDlg::OnWizard);
    onCommand(kIdcEditorEdgeCard, &CLibPartEditorDlg::OnEdgeCard);
    onNotify(kIdcEditorScale, plat::kCbnSelChange, &CLibPartEditorDlg::OnScaleChosen);
    onNotify(kIdcEditorGrid, plat::kCbnSelChange, &CLibPartEditorDlg::OnGridChosen);
    onNotify(kIdcEditorDesignator, plat::kCbnSelChange, &CLibPartEditorDlg::OnDesignatorChosen);
    addNotify(kIdcEditorDesignator, kIdcEditorDesignator, plat::kCbnSetFocus, [this](unsigned) { OnDesignatorFocus(true); });
    addNotify(kIdcEditorDesignator, kIdcEditorDesignator, plat::kCbnKillFocus, [this](unsigned) { OnDesignatorFocus(false); });
    trackFieldFocus(kIdcEditorComment, plat::kEnSetFocus, plat::kEnKillFocus);
    onNotify(kIdcEditorComment, plat::kEnChange, &CLibPartEditorDlg::OnCommentChanged);
    onNotify(kIdcEditorLayerTab, plat::kTcnSelChange, &CLibPartEditorDlg::OnLayerTab);
    for (unsigned id : {kCmdToolText, kCmdToolRectangle, kCmdToolTrace, kCmdToolEllipse, kCmdToolPad, kCmdToolArc,
                        kCmdToolPolygon, kCmdSelect})
        onUpdateCommandUI(id, &CLibPartEditorDlg::OnUpdateTool);
    onUpdateCommandUIRange(kCmdGridFirst, kCmdGridLast, &CLibPartEditorDlg::OnUpdateGrid);
    onUpdateCommandUIRange(tly::kCmdScaleFirst, tly::kCmdScaleFirst + 9, &CLibPartEditorDlg::OnUpdateScale);
    onUpdateCommandUI(kCmdUnits, &CLibPartEditorDlg::OnUpdateMetric);
    addCommand(kCmdGeneralSetup, kCmdGeneralSetup, [this](unsigned) {
        if (RunGeneralSetup(this))
            RedrawDrawingArea();
        return true;
    });
}

// ---- File ----

bool CLibPartEditorDlg::saveToLibrary()
{
    labels_.comment = GetDlgItemText(kIdcEditorComment);
    labels_.edgeCard = IsDlgButtonChecked(kIdcEditorEdgeCard) != 0;
    if (!SavePackageToLibrary(this, store_.data(), g_board.count, labels_, partName))
        return false;
    // What the library holds now is what the editor shows: closing asks nothing.
    SetModified(false);
    g_footprintEditor.modified = 0;
    return true;
}

void CLibPartEditorDlg::OnSavePart() { saveToLibrary(); }

void CLibPartEditorDlg::OnNewPart()
{
    if (plat::MessageBox("Start a new part?", plat::kMbYesNo) != plat::kIdYes)
        return;
    if (isModifiedNow() && plat::MessageBox("Save current part?", plat::kMbYesNo) == plat::kIdYes)
        saveToLibrary();
    ClearUndoRing();
    startPart(-1000, -2500, -1000, -2000);
    if (plat::Control* designator = GetDlgItem(kIdcEditorDesignator))
        designator->setText(labels_.designator);
    SetDlgItemText(kIdcEditorComment, "");
    CheckDlgButton(kIdcEditorEdgeCard, 0);
    FillLayerChoices(1);
    SetModified(false);
    g_footprintEditor.modified = 0;
    RedrawDrawingArea();
}

// ---- Edit ----

void CLibPartEditorDlg::OnTool(unsigned id)
{
    const auto tool = static_cast<int32_t>(id);
    if (g_gesture.tool == tool) {
        // A second click on a tool opens its settings.
        if (id == kCmdToolRectangle || id == kCmdToolEllipse) {
            CFillStyleDlg dialog;
            dialog.DoModal();
        } else if (id == kCmdToolTrace || id == kCmdToolArc) {
            CStyleDlg dialog;
            dialog.DoModal();
        } else if (id == kCmdToolPad) {
            OnPadSetup();
        } else if (id == kCmdToolPolygon) {
            CPolygonSetupDlg dialog;
            dialog.DoModal();
        }
        return;
    }
    OnKeyTool(kCmdKeyToolFirst + static_cast<unsigned>(std::find(std::begin(kKeyTools), std::end(kKeyTools), tool) -
                                                        std::begin(kKeyTools)));
    g_gesture.tool = tool;
}

void CLibPartEditorDlg::OnKeyTool(unsigned id)
{
    const unsigned index = id - kCmdKeyToolFirst;
    if (index < std::size(kKeyTools))
        g_gesture.tool = kKeyTools[index];
    if (g_gesture.tool == kToolPad)
        g_view.cursorX = 0;
    g_selection.count = 0;
    ClearSelectionModes();
    if (HideHint())
        RedrawDrawingArea();
}

void CLibPartEditorDlg::OnSelect()
{
    if (g_gesture.tool == kToolSelect)
        RunEditSetupDialog();
    g_gesture.tool = kToolSelect;
}

void CLibPartEditorDlg::OnErase()
{
    EraseSelection();
    RedrawDrawingArea();
}

void CLibPartEditorDlg::OnTransform(unsigned id)
{
    TransformSelection(static_cast<int>(id));
    RedrawDrawingArea();
}

void CLibPartEditorDlg::OnOrigin()
{
    paintOnDrawingArea([](plat::Dc& dc) { DrawObjectOrigins(dc); });
}

void CLibPartEditorDlg::OnRedraw()
{
    if (TextEntryActive())
        return;
    g_gesture.tool = kToolNone;
    g_selection.count = 0;
    ClearSelectionModes();
    g_edit.toolMode = 0;
    RedrawDrawingArea();
}

void CLibPartEditorDlg::OnUndo()
{
    if (UndoLastStep(nullptr) != UndoOutcome::Undone)
        return;
    g_selection.count = 0;
    ClearSelectionModes();
    g_gesture.newObject = 0;
    RedrawDrawingArea();
}

void CLibPartEditorDlg::OnCopy()
{
    const int selected = g_selection.count;
    if (selected < 1)
        return;
    paintOnDrawingArea([](plat::Dc& dc) { ClearSelection(dc); });
    g_selection.count = selected;
    if (CopyToClipboard() >= 0)
        SetStatusText("Sent " + std::to_string(selected) + " objects to clipboard", kPaneMessage);
    g_selection.count = 0;
    ClearSelectionModes();
}

void CLibPartEditorDlg::OnPaste()
{
    int next = NextPadNumber(store_.data(), g_board.count);
    const int before = g_board.count;
    if (PasteFromClipboard() <= 0)
        return;
    // A package holds no placed parts; pasted pads continue the numbering.
    for (int i = before + 1; i <= g_board.count; ++i) {
        BoardObject& o = g_board.objects[i];
        if (o.isPart()) {
            FreeObjectData(o);
            o = BoardObject{};
        } else if (o.kind() == kKindPad && (o.w[5] & 7) != kStyleMount) {
            o.setPinNumber(std::to_string(next));
            next = next < INT_MAX ? next + 1 : next;
        }
    }
    dropDeletedFromSelection();
    SetModified(true);
    RedrawDrawingArea();
}

// ---- View ----

void CLibPartEditorDlg::drawToFit()
{
    plat::Control* area = GetDlgItem(kIdcEditorDrawingArea);
    const plat::Rect r = area != nullptr ? area->clientRect() : plat::Rect{0, 0, 800, 440};
    BoardBox box;
    bool any = false;
    for (int i = 1; i <= g_board.count; ++i) {
        if (g_board.objects[i].kind() == kKindDeleted)
            continue;
        const BoardBox b = GetObjectExtent(i, kExtentPlain);
        box = any ? BoardBox{std::min(box.left, b.left), std::min(box.top, b.top), std::max(box.right, b.right),
                             std::max(box.bottom, b.bottom)}
                  : b;
        any = true;
    }
    if (!any)
        return;
    const int width = std::max(r.right - r.left - 2 * kDrawToFitMargin, 1);
    const int height = std::max(r.bottom - r.top - 2 * kDrawToFitMargin, 1);
    int zoom = 0;
    for (int z = kMaxZoomIndex; z >= 0; --z) {
        const int32_t d = ZoomDivisorOf(z);
        if (ScreenLengthAt(box.right - box.left, z) / d <= width && ScreenLengthAt(box.bottom - box.top, z) / d <= height) {
            zoom = z;
            break;
        }
    }
    g_board.zoomIndex = zoom;
    g_view.zoomDivisor = ZoomDivisorOf(zoom);
    int32_t x = static_cast<int32_t>((int64_t{box.left} + box.right) / 2);
    int32_t y = static_cast<int32_t>((int64_t{box.top} + box.bottom) / 2);
    WorldToScreen(x, y);
    g_board.viewOriginX = x;
    g_board.viewOriginY = y;
}

void CLibPartEditorDlg::OnDrawToFit()
{
    drawToFit();
    RedrawDrawingArea();
}

void CLibPartEditorDlg::OnCenter()
{
    g_board.viewOriginX = 0;
    g_board.viewOriginY = 0;
    RedrawDrawingArea();
}

void CLibPartEditorDlg::OnZoom(unsigned id)
{
    const bool in = id == kCmdZoomIn || id == kCmdPageUp;
    if (id == kCmdZoomIn || id == kCmdZoomOut) {
        g_view.cursorX = g_view.clientCentreX;
        g_view.cursorY = g_view.clientCentreY;
    }
    zoomAbout(in);
}

void CLibPartEditorDlg::zoomAbout(bool in)
{
    // Millimetres draw 2.54 times larger: on the editor's C sheet the finest two steps would
    // leave the mapping's range.
    if (in && MetricUnits() && g_board.zoomIndex >= kMetricZoomLimit)
        return;
    if (!ApplyZoomStep(in).changed)
        return;
    if (plat::Control* area = GetDlgItem(kIdcEditorDrawingArea)) {
        const int32_t d = std::max(g_view.zoomDivisor, 1);
        plat::Point centre{g_view.clientCentreX / d, g_view.clientCentreY / d};
        area->ClientToScreen(&centre);
        plat::SetCursorPos(centre.x, centre.y);
    }
    RedrawDrawingArea();
}

void CLibPartEditorDlg::OnScale(unsigned id)
{
    g_board.zoomIndex = static_cast<int32_t>(id - tly::kCmdScaleFirst);
    g_view.zoomDivisor = ZoomDivisorOf(g_board.zoomIndex);
    g_board.viewOriginX = 0;
    g_board.viewOriginY = 0;
    g_selection.count = 0;
    ClearSelectionModes();
    RedrawDrawingArea();
}

void CLibPartEditorDlg::setGrid(unsigned id)
{
    g_board.gridCommand = static_cast<int32_t>(id);
    const GridStep step = GridStepFromId(g_board.gridCommand);
    if (id != static_cast<unsigned>(kGridPolar)) {
        g_view.gridStepX = step.x;
        g_view.gridStepY = step.y;
    }
}

void CLibPartEditorDlg::OnGrid(unsigned id)
{
    if (id == static_cast<unsigned>(kGridVariable) && !RunVariableGridDialog())
        return;
    if (id == static_cast<unsigned>(kGridPolar) && !RunPolarGridDialog())
        return;
    setGrid(id);
    RedrawDrawingArea();
}

void CLibPartEditorDlg::OnScaleChosen()
{
    if (const plat::Control* scale = GetDlgItem(kIdcEditorScale); scale != nullptr && scale->GetCurSel() >= 0) {
        g_board.zoomIndex = scale->GetCurSel();
        g_view.zoomDivisor = ZoomDivisorOf(g_board.zoomIndex);
        RedrawDrawingArea();
    }
}

void CLibPartEditorDlg::OnGridChosen()
{
    if (const plat::Control* grid = GetDlgItem(kIdcEditorGrid); grid != nullptr && grid->GetCurSel() >= 0)
        setGrid(kCmdGridFirst + static_cast<unsigned>(grid->GetCurSel()));
}

void CLibPartEditorDlg::OnMetric()
{
    g_boardSettings.units = MetricUnits() ? kUnitsEnglish : kUnitsMetric;
    setGrid(static_cast<unsigned>(g_board.gridCommand));
    if (plat::Control* grid = GetDlgItem(kIdcEditorGrid))
        grid->ResetContent();
    fillGridChoices();
    drawToFit();
    RedrawDrawingArea();
}

// ---- Setup ----

void CLibPartEditorDlg::OnSelectiveSetup()
{
    CLibSelectiveEditDlg dialog;
    dialog.DoModal();
}

void CLibPartEditorDlg::OnSelectiveEdit(unsigned id)
{
    ChooseLibrarySelectiveEdit(id);
    RedrawDrawingArea();
}

void CLibPartEditorDlg::OnPadSetup()
{
    CPadSetupDlg dialog;
    if (dialog.DoModal() != plat::kIdOk)
        return;
    if (g_selection.count > 0) {
        ChangeSelectedObjects(kChangePad);
        SetModified(true);
    }
    RedrawDrawingArea();
}

void CLibPartEditorDlg::OnHelp(unsigned id)
{
    if (id == kIdcEditorHelp)
        showHelp(kHelpTopic, 0x1);
    else
        showHelp(0, 0x3);
}

// ---- cursor keys ----

void CLibPartEditorDlg::OnArrowKey(unsigned id)
{
    plat::Control* area = GetDlgItem(kIdcEditorDrawingArea);
    if (area == nullptr)
        return;
    const int32_t d = std::max(g_view.zoomDivisor, 1);
    const int step = g_crosshair.on ? std::max(ScreenLength(g_view.gridStepX) / d, 1) : 1;
    const plat::Point from{g_view.cursorX / d, g_view.cursorY / d};
    plat::Point to = from;
    switch (id) {
    case kCmdArrowLeft: to.x -= step; break;
    case kCmdArrowLeft + 1: to.x += step; break;
    case kCmdArrowLeft + 2: to.y -= step; break;
    case kCmdArrowLeft + 3: to.y += step; break;
    default:
        // Enter clicks at the cursor.
        mouse(*area, plat::kWmLButtonDown, plat::kMkLButton, from);
        mouse(*area, plat::kWmLButtonUp, 0, from);
        return;
    }
    mouse(*area, plat::kWmMouseMove, 0, to);
    plat::Point screen = to;
    area->ClientToScreen(&screen);
    plat::SetCursorPos(screen.x, screen.y);
}

void CLibPartEditorDlg::OnCrosshair()
{
    paintOnDrawingArea([](plat::Dc& dc) { ToggleCrosshair(dc); });
}

void CLibPartEditorDlg::OnHome()
{
    // The crosshair goes to the library origin's place relative to the drawing's centre.
    g_view.cursorX = g_view.clientCentreX - 1000;
    g_view.cursorY = g_view.clientCentreY - 500;
    MoveSelectionHome();
    g_selection.count = 0;
    ClearSelectionModes();
    RedrawDrawingArea();
}

void CLibPartEditorDlg::OnReadoutOrigin()
{
    g_pointer.readoutOriginX = g_view.cursorX;
    g_pointer.readoutOriginY = g_view.cursorY;
}

// ---- labels ----

void CLibPartEditorDlg::applyDesignator(const std::string& letters)
{
    // P names the part's label placeholder: it is never a designator.
    if (letters.empty() || letters.front() == 'P' || letters.find('P') != std::string::npos)
        return;
    labels_.designator = letters;
    BoardObject& ref = store_[kRefTextIndex];
    if (ref.kind() == kKindText) {
        char* copy = StrDupChecked(ReferenceText(letters));
        if (copy != nullptr) {
            char* old = ref.text();
            FreeStr(old);
            ref.data = copy;
        }
    }
    SetModified(true);
    RedrawDrawingArea();
}

void CLibPartEditorDlg::OnDesignatorChosen()
{
    const plat::Control* combo = GetDlgItem(kIdcEditorDesignator);
    if (combo != nullptr && combo->GetCurSel() >= 0)
        applyDesignator(combo->GetItemText(combo->GetCurSel()));
}

void CLibPartEditorDlg::OnDesignatorFocus(bool gained)
{
    SetEditFocus(gained);
    if (gained)
        return;
    const std::string text = GetDlgItemText(kIdcEditorDesignator);
    if (!isLetters(text)) {
        plat::MessageBox("Only letters are allowed in reference designator");
        return;
    }
    if (text != labels_.designator && text.front() != 'P')
        applyDesignator(text);
}

void CLibPartEditorDlg::OnCommentChanged()
{
    labels_.comment = GetDlgItemText(kIdcEditorComment);
    SetModified(true);
}

void CLibPartEditorDlg::OnEdgeCard()
{
    labels_.edgeCard = IsDlgButtonChecked(kIdcEditorEdgeCard) != 0;
    FillLayerChoices(labels_.edgeCard ? 2 : 1);
    SetModified(true);
}

void CLibPartEditorDlg::OnLayerTab()
{
    const plat::Control* tab = GetDlgItem(kIdcEditorLayerTab);
    const int index = tab != nullptr ? tab->GetCurSel() : 0;
    g_edit.currentLayer = index > 1 ? kLayerAll : std::max(index, 0);
    g_gesture.tool = kToolSelect;
    g_selection.count = 0;
    ClearSelectionModes();
    RedrawDrawingArea();
}

// ---- the wizard ----

void CLibPartEditorDlg::OnWizard()
{
    if (g_board.count > kNameTextIndex &&
        plat::MessageBox("This will overwrite existing part information--Proceed?", plat::kMbYesNo) != plat::kIdYes)
        return;
    runWizard();
}

bool CLibPartEditorDlg::runWizard()
{
    // The two label records stay; everything after them goes.
    for (int i = kPartEditorFirstFree; i < kPartEditorStoreSize; ++i) {
        FreeObjectData(store_[static_cast<size_t>(i)]);
        store_[static_cast<size_t>(i)] = BoardObject{};
    }
    g_board.count = kNameTextIndex;
    ClearUndoRing();
    g_selection.count = 0;
    ClearSelectionModes();
    HideHint();
    CPartWizard wizard(this);
    if (wizard.DoModal() != static_cast<int>(plat::kIdWizFinish)) {
        g_gesture.tool = kToolNone;
        RedrawDrawingArea();
        return false;
    }
    const PackageWizardResult& result = wizard.result();
    if (!GeneratePackage(result.request, result.pads, result.doubleSided)) {
        RedrawDrawingArea();
        return false;
    }
    labels_.comment = result.description;
    SetDlgItemText(kIdcEditorComment, result.description);
    std::string letters = result.designator;
    for (char& c : letters)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    if (plat::Control* designator = GetDlgItem(kIdcEditorDesignator))
        designator->setText(letters);
    labels_.designator = letters;
    auto setText = [](BoardObject& o, const std::string& text) {
        char* copy = StrDupChecked(text);
        if (copy == nullptr || o.kind() != kKindText)
            return FreeStr(copy);
        char* old = o.text();
        FreeStr(old);
        o.data = copy;
    };
    setText(store_[kRefTextIndex], ReferenceText(letters));
    setText(store_[kNameTextIndex], result.name);
    PlacePackageLabels();
    labels_.edgeCard = result.doubleSided;
    CheckDlgButton(kIdcEditorEdgeCard, result.doubleSided ? 1 : 0);
    FillLayerChoices(result.doubleSided ? 2 : 1);
    partName = result.name;
    g_board.viewOriginX = 0;
    g_board.viewOriginY = 0;
    g_board.sizeLetter = 'C';
    if (result.editFirst) {
        plat::MessageBox(plat::LoadString(kStrPackageCreated));
        drawToFit();
        SetModified(true);
    } else if (!saveToLibrary()) {
        // A part that was not saved must not be closed away without a question.
        SetModified(true);
    }
    RedrawDrawingArea();
    return true;
}

// ---- update handlers ----

void CLibPartEditorDlg::OnUpdateTool(plat::CmdUI& ui)
{
    ui.Enable(true);
    ui.SetCheck(g_gesture.tool == static_cast<int32_t>(ui.id()) ? 1 : 0);
}

void CLibPartEditorDlg::OnUpdateGrid(plat::CmdUI& ui)
{
    ui.SetCheck(g_board.gridCommand == static_cast<int32_t>(ui.id()) ? 1 : 0);
    if (const char* text = GridMenuText(g_boardSettings.units, static_cast<int>(ui.id())))
        ui.SetText(text);
}

void CLibPartEditorDlg::OnUpdateScale(plat::CmdUI& ui)
{
    ui.SetCheck(g_board.zoomIndex == static_cast<int32_t>(ui.id() - tly::kCmdScaleFirst) ? 1 : 0);
}

void CLibPartEditorDlg::OnUpdateMetric(plat::CmdUI& ui)
{
    ui.Enable(true);
    ui.SetCheck(MetricUnits() ? 1 : 0);
}
