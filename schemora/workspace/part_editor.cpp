// The library part editor's window, its store and what the drawing engine asks of it while it
// is open: status lines, the modified flag, the clip of its drawing area and the naming of a
// terminal just drawn.
#include "schemora/workspace/part_editor.h"

#include "common/scoped_replace.h"
#include "platform/app/keys.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/part_editor_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/hit_testing.h"
#include "schemora/core/mouse_edit.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/part_pin_lists.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/text_entry.h"
#include "schemora/core/text_painter.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

CPartEditorDlg* thePartEditor = nullptr;

namespace {

constexpr int kHintX = -900, kHintY = -400;
constexpr int kNewPartScale = 5;
// The view opens over the reference and name texts, the hint and the symbol's origin mark.
constexpr int kOpeningCentreX = -600, kOpeningCentreY = -400;
constexpr int kUnitGrid = 703;
// Pin texts and labels are measured in the font the starter libraries' pin texts use.
constexpr int kMeasureFontHeight = 54, kMeasureFontWidth = 30;
constexpr int kHintFontWord = 1541;

quill::LibraryEditorIds editorIds()
{
    return {scm::kIddPartEditor, scm::kIdrPartEditorMenu, scm::kIdcEditorArea,
            {scm::kIdcEditorStatus0, scm::kIdcEditorStatus1}, quill::kLibraryPartChangedQuestion, TextEntryActive};
}

}  // namespace

// While the editor runs: the drawing values, the open-editor pointer, the undo ring, the paint
// hooks and the edit window are the editor's; all go back when the loan ends.
class CPartEditorDlg::StoreLoan : public quill::EditorStoreLoan {
public:
    explicit StoreLoan(CPartEditorDlg& editor)
        : current_(g_current, CurrentDrawing{}), editor_(thePartEditor, &editor), sheet_(g_sheetDocument, {}),
          overlays_(g_sheetPaintHooks.overlays, &editor), window_(g_editWindow.view, editor.area()),
          tool_(g_editState.CurrentTool, 0), layer_(g_sheetView.layerFilter, 0)
    {
        g_sheetDocument.headerFlag = 1;
        ResetEditInteraction();
    }
    ~StoreLoan() override
    {
        // The drawing beneath gets no selection that indexes the editor's records.
        ResetEditInteraction();
    }

private:
    ScopedReplace<CurrentDrawing> current_;
    ScopedReplace<CPartEditorDlg*> editor_;
    ScopedReplace<SheetDocumentInfo> sheet_;
    ScopedReplace<SheetOverlays*> overlays_;
    ScopedReplace<plat::Wnd*> window_;
    ScopedReplace<int> tool_;
    ScopedReplace<int> layer_;   // the symbol being drawn: symbol 1 is layer 0
    SetAsideUndoRing undo_;
};

CPartEditorDlg::CPartEditorDlg(plat::Wnd* parent, std::optional<StoredPartName> existing)
    : quill::LibraryEditorFrame(editorIds(), parent), existing_(std::move(existing))
{
    store_.allocate();
    registerCommands();
}

CPartEditorDlg::~CPartEditorDlg() = default;

std::unique_ptr<quill::EditorStoreLoan> CPartEditorDlg::LendStore() { return std::make_unique<StoreLoan>(*this); }

plat::Control* CPartEditorDlg::area() const { return GetDlgItem(scm::kIdcEditorArea); }

std::span<const DrawObject> CPartEditorDlg::objects() const
{
    return {&store_[1], static_cast<size_t>(std::max(objectCount_, 0))};
}

PartAttributeFields CPartEditorDlg::fields() const
{
    PartAttributeFields f;
    f.reference = reference_;
    f.package = GetDlgItemText(scm::kIdcEditorPackage, scm::kEditorPackageChars);
    f.comment = GetDlgItemText(scm::kIdcEditorComments, scm::kEditorCommentChars);
    f.namePlaceholder = namePlaceholder_;
    f.partsPerPackage = std::max(GetDlgItem(scm::kIdcEditorPartsPerPackage)->GetCurSel(), 0) + 1;
    f.pinLists = PartPinListTexts(pins_, std::span<const DrawObject>(&store_[0], static_cast<size_t>(objectCount_) + 1),
                                  f.partsPerPackage);
    f.symbols = std::clamp(GetDlgItem(scm::kIdcEditorSymbolCount)->GetCurSel() + 1, 1, kSymbolVariants);
    f.hiddenPins = HiddenPowerPinFields(pins_);
    return f;
}

bool CPartEditorDlg::OnInitDialog()
{
    quill::LibraryEditorFrame::OnInitDialog();
    ShowHint(kHintX, kHintY, "<---Draw part here--->");
    fillFieldControls();
    clearPart();
    if (existing_ && openStoredPart()) {
        fitOpenedPart(area()->clientRect());
    } else {
        g_current.zoomIndex = kNewPartScale;
        g_current.zoomFactor = ZoomDivisorOf(kNewPartScale);
    }
    syncViewCombos();
    SetModified(false);
    // Keys go to the drawing from the start: the tool letters are not typed into a field.
    area()->SetFocus();
    if (startWithWizard_ && !runOpeningWizard())
        CloseEditor();
    return true;
}

// An empty part: the reference and name records, the unit grid, nothing else.
void CPartEditorDlg::clearPart()
{
    for (int i = 1; i < kObjectStoreSlots; ++i)
        ReleaseObjectData(store_[i]), store_[i] = DrawObject{};
    pins_.clear();
    namePlaceholder_ = true;
    fittedView_.reset();
    g_current.objects = store_.slots();
    g_current.viewCentreX = kOpeningCentreX;
    g_current.viewCentreY = kOpeningCentreY;
    g_current.sheetSize = 'A';
    g_current.zoomIndex = 3;
    g_current.zoomFactor = ZoomDivisorOf(3);
    applyGrid(kUnitGrid);
    g_cursor.crossHairOn = true;
    writeNameRecords();
}

void CPartEditorDlg::writeNameRecords()
{
    const std::string ref = "Ref(" + reference_ + ")";
    store_[1] = PartEditorTextRecord(kPartReferenceTextX, kPartReferenceTextY, ref.c_str());
    store_[2] = PartEditorTextRecord(kPartReferenceTextX, kPartNameTextY, partName_.empty() ? "Name" : partName_.c_str());
    objectCount_ = 3;
    g_current.count = objectCount_;
}

// The engine keeps the count in the current-document values; the editor takes it back after
// every action.
void CPartEditorDlg::takeCount() { objectCount_ = g_current.count; }

void CPartEditorDlg::OnEditorClosing()
{
    if (TextEntryActive())
        EndTextEntry(nullptr);
    ResetEditInteraction();
    g_editState.CurrentTool = 0;
}

void CPartEditorDlg::OnTypedKey(const plat::Msg& msg)
{
    plat::ClientDC dc(area());
    prepareDc(dc);
    if (msg.message == plat::kWmKeyDown) {
        if (!HandleTextKey(dc, static_cast<unsigned>(msg.wParam))) {
            std::array<uint8_t, 256> state{};
            plat::GetKeyboardState(state);
            uint16_t ch = 0;
            if (plat::ToAscii(static_cast<unsigned>(msg.wParam), 0, state, &ch) == 1)
                HandleTextChar(dc, ch);
        }
    }
    takeCount();
    SetModified();
}

// ---- painting ----

void CPartEditorDlg::prepareDc(plat::Dc& dc)
{
    g_editWindow.view = area();
    g_current.objects = store_.slots();
    PrepareScreenMapping(dc, area()->clientRect());
}

void CPartEditorDlg::OnDrawItem(unsigned ctlId, plat::DrawItem& item)
{
    if (ctlId != scm::kIdcEditorArea || !item.dc || !isStoreLent())
        return;
    paintArea(*item.dc, item.rcItem);
}

void CPartEditorDlg::loadEditorStore()
{
    g_current.objects = store_.slots();
    g_current.count = objectCount_;
}

void CPartEditorDlg::paintArea(plat::Dc& dc, const plat::Rect& client)
{
    refitOpenedPart(client);
    loadEditorStore();
    g_cursor.rawX = g_cursor.rawY = INT_MIN;
    PrepareScreenMapping(dc, client);
    g_sheetView.workArea = client;
    FillWorkAreaBackground(dc, kRolePartsBin);
    {
        // The editor shows the symbol's origin, not a sheet border.
        const ScopedReplace<int> noBorder(g_settings.border, 0);
        RedrawSheet(dc, client);
    }
    DrawTitleBlock(dc, 1);
    UpdateEditorScrollBars();
    if (hint().visible)
        DrawTextString(dc, hint().x, hint().y, hint().text, kHintFontWord, 0, kRoleText);
    syncViewCombos();
}

// The window takes its size only once it is shown: a stored part is fitted again to the area
// it really has, unless the view was changed meanwhile.
void CPartEditorDlg::refitOpenedPart(const plat::Rect& client)
{
    if (!fittedView_)
        return;
    const FittedView& f = *fittedView_;
    if (g_current.zoomIndex != f.scale || g_current.viewCentreX != f.centreX || g_current.viewCentreY != f.centreY) {
        fittedView_.reset();
        return;
    }
    if (client.width() != f.width || client.height() != f.height)
        fitOpenedPart(client);
}

void CPartEditorDlg::fitOpenedPart(const plat::Rect& client)
{
    if (fitToExtent(client))
        fittedView_ = FittedView{client.width(), client.height(), g_current.zoomIndex, g_current.viewCentreX,
                                 g_current.viewCentreY};
}

void CPartEditorDlg::DrawSelection(plat::Dc& dc)
{
    if (g_mouseEdit.handlesHidden)
        return;
    if (g_editState.selectionCount == 1 && !g_selection.windowMode)
        DrawObjectHandles(dc, g_editState.SelectionList[1]);
    else if (g_editState.selectionCount > 0 && g_selection.frameShown)
        DrawSelectFrame(dc, g_selection.frame);
    DrawTextCaret(dc);
}

void CPartEditorDlg::DrawCursorMark(plat::Dc& dc) { DrawCursorMarkRaw(dc); }

void CPartEditorDlg::InvalidatePartArea()
{
    if (plat::Control* a = area(); a && a->IsWindow())
        a->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

void CPartEditorDlg::SetEditorClipRect(plat::Dc& dc, bool rulersShown)
{
    const plat::Rect r = area()->clientRect();
    const int inset = rulersShown ? 17 : 1;
    SetClipRegion(dc, {r.left + inset, r.top + inset, r.right - 1, r.bottom - 1});
}

// ---- terminals ----

int CPartEditorDlg::MeasureTextWidth(std::string_view text)
{
    plat::ClientDC dc(area());
    prepareDc(dc);
    plat::Font font;
    font.face = "Arial";
    font.height = kMeasureFontHeight;
    font.width = kMeasureFontWidth;
    const plat::Font old = dc->SelectObject(font);
    const int width = dc->GetTextExtent(text).cx;
    dc->SelectObject(old);
    return width;
}

void CPartEditorDlg::LayoutTerminal(int index, TerminalLayoutMode mode)
{
    const plat::Point cursor = CursorDrawingPoint();
    LayoutTerminalLabels(store_.slots().first(static_cast<size_t>(objectCount_) + 1), index, mode, body_, cursor.x,
                         cursor.y, [this](std::string_view t) { return MeasureTextWidth(t); });
}

bool CPartEditorDlg::NameNewTerminal(int index)
{
    takeCount();
    if (index < 1 || index > objectCount_)
        return false;
    DrawObject& t = store_[index];
    t.w[11] = (t.w[0] + t.w[2]) / 2;
    t.w[12] = (t.w[1] + t.w[3]) / 2;
    const int variant = SymbolVariantOf(t);
    if (variant != 0) {
        SetTerminalPinText(t, "?");
    } else {
        const std::string number = std::to_string(pins_.GetNextPinNumber());
        SetTerminalPinText(t, number);
        if (pins_.AddPartPin(number, 0, "", index, 0, partLetter()) != PinAddResult::Added) {
            SetTerminalPinText(t, "");
            return false;
        }
    }
    LayoutTerminal(index, TerminalLayoutMode::MeasureBody);
    SetModified();
    return true;
}

// ---- services of the drawing core ----

void SetEditorClipRect(CPartEditorDlg* editor, plat::Dc& dc, bool rulersShown)
{
    if (editor)
        editor->SetEditorClipRect(dc, rulersShown);
}

void SetPartEditorModified(CPartEditorDlg* editor)
{
    if (editor)
        editor->SetModified();
}

void SetPartEditorStatusLine(CPartEditorDlg* editor, int line, std::string_view text)
{
    if (editor)
        editor->SetStatusLine(line, text);
}

bool NameNewTerminal(int index) { return thePartEditor && thePartEditor->NameNewTerminal(index); }

void RunNewLibraryPartEditor(plat::Wnd* parent)
{
    if (thePartEditor)
        return;
    CPartEditorDlg editor(parent);
    editor.DoModal();
}
