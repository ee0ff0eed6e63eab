// The part editor's menu, toolbar and key commands: tools, editing, undo, the clipboard, zoom,
// scale, grid and selective editing. Each keeps the pin table in step with the terminals.
#include "schemora/workspace/part_editor.h"

#include "common/editor_view_steps.h"
#include "common/selective_edit_dialog.h"
#include "platform/app/win_app.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/frame_ids.h"
#include "resources/schemora/part_editor_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "resources/schemora/view_command_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/clipboard_exchange.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/hit_testing.h"
#include "schemora/core/mouse_edit.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/object_scaling.h"
#include "schemora/core/part_pin_sync.h"
#include "schemora/core/selection_transforms.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/text_entry.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"
#include "schemora/workspace/frame_toolbar_table.h"
#include "schemora/workspace/hidden_pins_dialog.h"
#include "schemora/workspace/general_setup_sheet.h"
#include "schemora/workspace/model_package_pickers.h"
#include "schemora/workspace/style_dialogs.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

constexpr unsigned kCmdReGrid = 32804;
constexpr unsigned kStrReGridQuestion = 7032;
constexpr int kScaleCommandCount = 7;
constexpr int kGridCount = 4;
constexpr unsigned kHelpContext = 1;
constexpr unsigned kHelpContents = 3;

const char* const kZoomItems[] = {"20%", "25%", "50%", "100%", "125%", "250%", "500%"};
const char* const kGridItems[] = {"1/10 grid", "1/5 grid", "1/2 grid", "Unit grid"};

// The tool of a key 780-788: K arc, L line, E ellipse, R rectangle, T text, Y polygon.
int toolOfKey(unsigned id)
{
    switch (id - scm::kCmdEditorToolKeyFirst) {
    case 0: return kToolArc;
    case 1: return kToolLine;
    case 2: return kToolEllipse;
    case 5: return kToolRectangle;
    case 6: return kToolText;
    case 8: return scm::kCmdToolPolygon;
    default: return 0;
    }
}

int toolOfCommand(unsigned id) { return id == scm::kCmdEditorTextTool ? kToolText : static_cast<int>(id); }

}  // namespace

void CPartEditorDlg::registerCommands()
{
    using namespace scm;
    const unsigned tools[] = {kCmdToolLine, kCmdToolRectangle, kCmdToolPolygon, kCmdToolEllipse,
                              kCmdToolArc,  kCmdToolDot,       kCmdEditorTextTool, kCmdEditorTerminalTool};
    for (const unsigned id : tools) {
        onCommandRange(id, id, &CPartEditorDlg::OnTool);
        onUpdateCommandUI(id, &CPartEditorDlg::OnUpdateTool);
    }
    onCommandRange(kCmdEditorToolKeyFirst, kCmdEditorToolKeyLast, &CPartEditorDlg::OnToolKey);
    onCommand(kCmdEditSelect, &CPartEditorDlg::OnEditSelect);
    onUpdateCommandUI(kCmdEditSelect, &CPartEditorDlg::OnUpdateTool);
    onCommand(kCmdEditErase, &CPartEditorDlg::OnEditErase);
    onCommandRange(kCmdEditRotate, kCmdEditFlip, &CPartEditorDlg::OnEditTransform);
    onCommand(kCmdEditUndo, &CPartEditorDlg::OnEditUndo);
    onCommand(kCmdEditRedraw, &CPartEditorDlg::OnEditRedraw);
    onCommand(kCmdEditCopy, &CPartEditorDlg::OnEditCopy);
    onCommand(kCmdEditPaste, &CPartEditorDlg::OnEditPaste);
    onCommand(kCmdReGrid, &CPartEditorDlg::OnReGrid);
    onCommand(scm::kCmdCenter, &CPartEditorDlg::OnCenter);
    onCommand(kCmdEditorDrawToFit, &CPartEditorDlg::OnDrawToFit);
    onCommandRange(kCmdEditorZoomIn, kCmdEditorZoomOut, &CPartEditorDlg::OnZoom);
    onCommandRange(kCmdScaleFirst, kCmdScaleFirst + kScaleCommandCount - 1, &CPartEditorDlg::OnScale);
    onUpdateCommandUIRange(kCmdScaleFirst, kCmdScaleFirst + kScaleCommandCount - 1, &CPartEditorDlg::OnUpdateScale);
    onCommandRange(kCmdGridFirst, kCmdGridFirst + kGridCount - 1, &CPartEditorDlg::OnGrid);
    onUpdateCommandUIRange(kCmdGridFirst, kCmdGridFirst + kGridCount - 1, &CPartEditorDlg::OnUpdateGrid);
    onCommandRange(kCmdSelEditAll, kCmdSelEditNets, &CPartEditorDlg::OnSelectiveEdit);
    addUpdate(kCmdSelEditAll, kCmdSelEditNets, UpdateSelectiveEditItem);
    onCommandRange(kCmdKeyLeft, kCmdKeyEnter, &CPartEditorDlg::OnKeyboardCursor);
    onCommand(kCmdHomePlace, &CPartEditorDlg::OnHomePlace);
    onCommand(kCmdCrossHair, &CPartEditorDlg::OnToggleCrossHair);
    onCommand(kCmdEditorSavePart, &CPartEditorDlg::OnSavePart);
    onCommand(kCmdEditorNewPart, &CPartEditorDlg::OnNewPart);
    onCommand(kIdcEditorPartWizard, &CPartEditorDlg::OnPartDesignWizard);
    addCommand(kCmdEditorClose, kCmdEditorClose, [this](unsigned) {
        CloseEditor();
        return true;
    });
    onNotify(kIdcEditorZoom, plat::kCbnSelChange, &CPartEditorDlg::OnZoomCombo);
    onNotify(kIdcEditorGrid, plat::kCbnSelChange, &CPartEditorDlg::OnGridCombo);
    onNotify(kIdcEditorReference, plat::kCbnSelChange, &CPartEditorDlg::OnReferenceChosen);
    onNotify(kIdcEditorReference, plat::kCbnKillFocus, &CPartEditorDlg::OnReferenceFocusLost);
    trackFieldFocus(kIdcEditorReference, plat::kCbnSetFocus, 0);
    trackFieldFocus(kIdcEditorPackage, plat::kEnSetFocus, plat::kEnKillFocus);
    trackFieldFocus(kIdcEditorComments, plat::kEnSetFocus, plat::kEnKillFocus);
    onNotify(kIdcEditorComments, plat::kEnChange, &CPartEditorDlg::OnCommentsChanged);
    onNotify(kIdcEditorPackage, plat::kEnChange, &CPartEditorDlg::OnCommentsChanged);
    onCommand(kIdcEditorHiddenPins, &CPartEditorDlg::OnHiddenPins);
    onCommand(kIdcEditorFindPackage, &CPartEditorDlg::OnFindPackage);
    onCommand(kCmdEditorGeneralSetup, &CPartEditorDlg::OnGeneralSetup);
    onCommand(kCmdEditOrigin, &CPartEditorDlg::OnEditOrigin);
    onCommand(kCmdEditorSelectiveEditing, &CPartEditorDlg::OnSelectiveEditDialog);
    onCommandRange(kCmdHelpContents, kCmdHelpContents, &CPartEditorDlg::OnHelp);
    onCommandRange(kIdcEditorHelp, kIdcEditorHelp, &CPartEditorDlg::OnHelp);
    onNotify(kIdcEditorPartsPerPackage, plat::kCbnSelChange, &CPartEditorDlg::OnPartsPerPackage);
    onNotify(kIdcEditorPartLetter, plat::kCbnSelChange, &CPartEditorDlg::OnPartLetter);
    onNotify(kIdcEditorSymbolCount, plat::kCbnSelChange, &CPartEditorDlg::OnSymbolCount);
    onNotify(kIdcEditorTabs, plat::kTcnSelChange, &CPartEditorDlg::OnSymbolTab);
    addCommand(kIdcEditorAdvanced, kIdcEditorAdvanced, [this](unsigned) {
        OnAdvanced();
        return true;
    });
}

// ---- tools ----

void CPartEditorDlg::OnTool(unsigned id)
{
    if (TextEntryActive())
        EndTextEntry(nullptr);
    // Texts in a library part keep the program's style and size, so the text tool has no dialog.
    const int tool = toolOfCommand(id);
    g_editState.CurrentTool = tool == kToolText ? tool : ChooseToolWithStyle(tool);
    InvalidatePartArea();
}

void CPartEditorDlg::OnUpdateTool(plat::CmdUI& ui)
{
    ui.Enable(true);
    ui.SetCheck(ToolButtonChecked(toolOfCommand(ui.id()), g_editState.CurrentTool));
}

// A tool key works as the tool's button: chosen again, it opens the tool's style dialog.
void CPartEditorDlg::OnToolKey(unsigned id)
{
    if (const int tool = toolOfKey(id))
        OnTool(static_cast<unsigned>(tool));
}

// ---- editing ----

void CPartEditorDlg::OnEditSelect()
{
    // Select chosen in edit mode opens the edit options, as in the drawing.
    if (g_editState.CurrentTool == kToolSelect)
        CEditSetupDlg(this).DoModal();
    ResetEditInteraction();
    g_editState.CurrentTool = kToolSelect;
    InvalidatePartArea();
}

void CPartEditorDlg::OnEditErase()
{
    if (g_editState.selectionCount < 1)
        return;
    g_current.count = objectCount_;
    // A terminal's pin goes with it, and so do the terminals of the other symbols that carry
    // the same pin: all of them go into the one undo step of the erase.
    const int n = g_editState.selectionCount;
    for (int i = 1; i <= n; ++i) {
        const int index = g_editState.SelectionList[static_cast<size_t>(i)];
        if (index < 1 || index > objectCount_ || !IsTerminal(store_[index]))
            continue;
        for (const int linked : pins_.RemovePartPinOfTerminal(index, SymbolVariantOf(store_[index])))
            if (!IsSelected(linked) && g_editState.selectionCount < kSelectionSlots - 1)
                g_editState.SelectionList[static_cast<size_t>(++g_editState.selectionCount)] = linked;
    }
    EraseSelection();
    takeCount();
    pins_.RebuildPinTable(store_.slots(), objectCount_);
    SetModified();
    InvalidatePartArea();
}

void CPartEditorDlg::OnEditTransform(unsigned id)
{
    if (g_editState.selectionCount < 1)
        return;
    g_current.count = objectCount_;
    TransformSelection(static_cast<int>(id));
    for (int i = 1; i <= g_editState.selectionCount; ++i) {
        const int index = g_editState.SelectionList[static_cast<size_t>(i)];
        if (index >= 1 && index <= objectCount_ && IsTerminal(store_[index]))
            LayoutTerminal(index, TerminalLayoutMode::MeasureBody);
    }
    SetModified();
    InvalidatePartArea();
}

void CPartEditorDlg::OnEditUndo()
{
    loadEditorStore();
    if (UndoLastStep()) {
        g_selection.windowMode = false;
        g_selection.frameShown = false;
    }
    takeCount();
    // An undone terminal takes its pin away; an undone erase brings terminals back with theirs.
    pins_.RebuildPinTable(store_.slots(), objectCount_);
    InvalidatePartArea();
}

void CPartEditorDlg::OnEditRedraw() { InvalidatePartArea(); }

void CPartEditorDlg::OnEditCopy()
{
    const int n = g_editState.selectionCount;
    if (n < 1)
        return;
    g_current.count = objectCount_;
    CopyToClipboard();
    char text[64];
    std::snprintf(text, sizeof text, "Sent %d objects to clipboard", n);
    SetStatusLine(0, text);
    ResetEditInteraction();
    InvalidatePartArea();
}

void CPartEditorDlg::OnEditPaste()
{
    const int before = objectCount_;
    g_current.count = objectCount_;
    ResetEditInteraction();
    PasteFromClipboard(1);
    takeCount();
    if (objectCount_ > before) {
        NumberPastedTerminals(store_.slots(), before + 1, objectCount_, partLetter(), pins_);
        SetModified();
        HideHint();
    }
    InvalidatePartArea();
}

void CPartEditorDlg::OnReGrid()
{
    if (plat::MessageBox(plat::LoadString(kStrReGridQuestion), plat::kMbYesNo | plat::kMbIconQuestion) != plat::kIdYes)
        return;
    g_current.count = objectCount_;
    int n = 0;
    for (int i = 1; i <= objectCount_ && n < kSelectionSlots - 1; ++i)
        if (store_[i].type() != kObjDeleted)
            g_editState.SelectionList[static_cast<size_t>(++n)] = i;
    g_editState.selectionCount = n;
    PushUndoSnapshot();
    ReGridObjects();
    g_editState.selectionCount = 0;
    InvalidatePartArea();
}

// ---- view ----

void CPartEditorDlg::OnCenter()
{
    g_current.viewCentreX = g_current.viewCentreY = 0;
    InvalidatePartArea();
}

void CPartEditorDlg::OnDrawToFit()
{
    ResetEditInteraction();
    if (fitToExtent(area()->clientRect()))
        applyScale(g_current.zoomIndex);
}

// The whole part in view: centred on the extent of its objects at the largest scale that holds
// it in an area of that size. False for an empty store.
bool CPartEditorDlg::fitToExtent(const plat::Rect& area)
{
    loadEditorStore();
    std::optional<plat::Rect> extent;
    for (int i = 1; i <= objectCount_; ++i)
        if (store_[i].type() != kObjDeleted) {
            const plat::Rect r = GetObjectExtent(i).normalized();
            extent = extent ? UnionRect(*extent, r) : r;
        }
    if (!extent)
        return false;
    int scale = 0;
    for (int s = kEditorMaxScaleIndex; s > 0 && scale == 0; --s)
        if (extent->width() <= area.width() * ZoomDivisorOf(s) && extent->height() <= area.height() * ZoomDivisorOf(s))
            scale = s;
    g_current.viewCentreX = ClampViewCentre((static_cast<long long>(extent->left) + extent->right) / 2);
    g_current.viewCentreY = ClampViewCentre((static_cast<long long>(extent->top) + extent->bottom) / 2);
    g_current.zoomIndex = scale;
    g_current.zoomFactor = ZoomDivisorOf(scale);
    return true;
}

void CPartEditorDlg::OnZoom(unsigned id)
{
    ResetEditInteraction();
    g_editState.CurrentTool = kToolSelect;
    const EditorZoomStep step = StepEditorZoom(g_current.zoomIndex, id == scm::kCmdEditorZoomIn);
    if (step.sound)
        PlaySoundFile(step.sound);
    if (!step.applied)
        return;
    // The cursor point becomes the centre of the area.
    const plat::Point centre = CursorDrawingPoint();
    g_current.viewCentreX = ClampViewCentre(centre.x);
    g_current.viewCentreY = ClampViewCentre(centre.y);
    applyScale(step.scaleIndex);
}

void CPartEditorDlg::OnScale(unsigned id)
{
    ResetEditInteraction();
    g_current.viewCentreX = g_current.viewCentreY = 0;
    applyScale(static_cast<int>(id - scm::kCmdScaleFirst));
}

void CPartEditorDlg::OnUpdateScale(plat::CmdUI& ui)
{
    ui.SetCheck(static_cast<int>(ui.id() - scm::kCmdScaleFirst) == g_current.zoomIndex);
}

void CPartEditorDlg::applyScale(int scaleIndex)
{
    g_current.zoomIndex = std::clamp(scaleIndex, 0, kEditorMaxScaleIndex);
    g_current.zoomFactor = ZoomDivisorOf(g_current.zoomIndex);
    g_cursor.rawX = g_cursor.rawY = INT_MIN;
    syncViewCombos();
    InvalidatePartArea();
}

void CPartEditorDlg::OnGrid(unsigned id)
{
    applyGrid(id);
    InvalidatePartArea();
}

void CPartEditorDlg::OnUpdateGrid(plat::CmdUI& ui) { ui.SetCheck(static_cast<int>(ui.id()) == g_current.gridCommand); }

void CPartEditorDlg::applyGrid(unsigned gridId)
{
    g_current.gridCommand = static_cast<int>(gridId);
    g_current.gridStep = GridStepOf(g_current.gridCommand);
    syncViewCombos();
}

void CPartEditorDlg::OnZoomCombo()
{
    const int sel = GetDlgItem(scm::kIdcEditorZoom)->GetCurSel();
    if (sel >= 0)
        applyScale(sel);
}

void CPartEditorDlg::OnGridCombo()
{
    const int sel = GetDlgItem(scm::kIdcEditorGrid)->GetCurSel();
    if (sel >= 0 && sel < kGridCount)
        OnGrid(scm::kCmdGridFirst + static_cast<unsigned>(sel));
}

void CPartEditorDlg::syncViewCombos()
{
    plat::Control* zoom = GetDlgItem(scm::kIdcEditorZoom);
    plat::Control* grid = GetDlgItem(scm::kIdcEditorGrid);
    if (!zoom || !grid)
        return;
    if (zoom->GetCount() == 0)
        for (const char* item : kZoomItems)
            zoom->AddString(item);
    if (grid->GetCount() == 0)
        for (const char* item : kGridItems)
            grid->AddString(item);
    if (zoom->GetCurSel() != g_current.zoomIndex)
        zoom->SetCurSel(g_current.zoomIndex);
    if (grid->GetCurSel() != g_current.gridCommand - static_cast<int>(scm::kCmdGridFirst))
        grid->SetCurSel(g_current.gridCommand - static_cast<int>(scm::kCmdGridFirst));
}

void CPartEditorDlg::OnSelectiveEdit(unsigned id)
{
    if (g_selection.bandShown)
        return;
    SetSelectiveEditSwitches(id);
    g_selection.filterId = static_cast<int>(id);
    SetStatusLine(0, std::string("Selected edit ") + SelectiveEditWord(id) + " only");
    g_editState.CurrentTool = kToolSelect;
}

void CPartEditorDlg::OnSelectiveEditDialog()
{
    if (g_selection.bandShown)
        return;
    // "Selective Editing (Library Parts)": one box per kind; on OK the one kind checked, else
    // all objects, becomes the edit mode.
    const SelectiveEditIds ids{.templateId = scm::kIddLibSelectiveEdit,
                               .firstKindId = scm::kCmdSelEditText,
                               .allId = scm::kCmdSelEditAll,
                               .noneId = scm::kIdcSelEditNone,
                               .netsOnlyId = 0};
    CSelEditDlg dialog(ids, {.switches = g_editFilter.on, .mode = &g_selection.filterId, .presets = {}}, this);
    if (dialog.DoModal() != plat::kIdOk)
        return;
    g_editState.CurrentTool = kToolSelect;
}

void CPartEditorDlg::OnHiddenPins()
{
    CHiddenPinsDlg dialog(pins_, partLetter(), this);
    dialog.DoModal();
    if (dialog.changed())
        SetModified();
}

void CPartEditorDlg::OnFindPackage()
{
    if (const std::optional<std::string> package = ChooseBoardPackage(this))
        SetDlgItemText(scm::kIdcEditorPackage, *package);
}

void CPartEditorDlg::OnGeneralSetup()
{
    loadEditorStore();
    if (RunGeneralSetup(this))
        InvalidatePartArea();
}

void CPartEditorDlg::OnEditOrigin()
{
    loadEditorStore();
    plat::ClientDC dc(area());
    prepareDc(dc);
    ShowObjectOrigins(dc);
}

void CPartEditorDlg::OnHelp(unsigned id)
{
    if (plat::WinApp* app = plat::GetApp())
        id == scm::kCmdHelpContents ? app->WinHelp(0, kHelpContents) : app->WinHelp(scm::kHelpPartEditor, kHelpContext);
}
