// Edit > Advanced: Scale, Re-Grid and the three alignments; Aux > Ref No and Check Schematic.
#include "schemora/workspace/main_frame.h"

#include "common/find_replace_dialogs.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/advanced_edit_ids.h"
#include "resources/schemora/view_command_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/design_check.h"
#include "schemora/core/object_alignment.h"
#include "schemora/core/object_scaling.h"
#include "schemora/core/reference_numbering.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/schemora_view.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace {

struct ScaleFactors {
    float x = 1.0f;
    float y = 1.0f;
};
ScaleFactors g_scaleFactors;

struct RefDesChoice {
    std::string type = "All";
    int start = 1;
    unsigned range = kRefRangeAllSheets;
};
RefDesChoice g_refDesChoice;

// The first number of Ref No: 1 to 9,999, digits only.
bool parseReferenceStart(const std::string& text, int& start)
{
    const char* begin = text.c_str();
    while (*begin == ' ')
        ++begin;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    while (end && *end == ' ')
        ++end;
    if (end == begin || *end != '\0' || errno != 0 || value < 1 || value > kRefNumberMax)
        return false;
    start = static_cast<int>(value);
    return true;
}

class CRefDesDlg : public plat::Dialog {
public:
    explicit CRefDesDlg(plat::Wnd* parent) : plat::Dialog(scm::kIddRefDes, parent) {}
    bool OnInitDialog() override
    {
        SetDlgItemText(scm::kIdcRefDesType, "All");
        SetDlgItemText(scm::kIdcRefDesStart, "1");
        CheckRadioButton(scm::kIdcRefDesThisSheet, scm::kIdcRefDesAllSheets, scm::kIdcRefDesAllSheets);
        return true;
    }
    void OnOK() override
    {
        int start = 1;
        if (!parseReferenceStart(GetDlgItemText(scm::kIdcRefDesStart, 20), start)) {
            plat::MessageBox("Enter a starting index from 1 to 9999", plat::kMbOk | plat::kMbIconStop);
            GotoDlgCtrl(scm::kIdcRefDesStart);
            return;
        }
        std::string type = GetDlgItemText(scm::kIdcRefDesType, 20);
        for (char& c : type)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        g_refDesChoice.type = type;
        g_refDesChoice.start = start;
        const unsigned range = GetCheckedRadioButton(scm::kIdcRefDesThisSheet, scm::kIdcRefDesAllSheets);
        g_refDesChoice.range = range ? range : scm::kIdcRefDesAllSheets;
        plat::Dialog::OnOK();
    }
};

// The active drawing made current; null without one.
CSchemoraDoc* loadActiveDrawing(plat::FrameWnd& frame)
{
    auto* view = static_cast<CSchemoraView*>(frame.GetActiveView());
    if (!view || !view->GetDocument())
        return nullptr;
    view->LoadCurrentDocument();
    return view->GetDocument();
}

void selectEveryObject()
{
    const int n = std::min(g_current.count, kSelectionSlots - 1);
    for (int i = 1; i <= n; ++i)
        g_editState.SelectionList[static_cast<std::size_t>(i)] = i;
    g_editState.selectionCount = n;
}

}  // namespace

void CMainFrame::registerAdvancedEditCommands()
{
    onCommand(scm::kCmdEditScale, &CMainFrame::OnScaleObjects);
    // With a drawing open its view decides (something must be selected).
    needsDocument({scm::kCmdEditScale});
    onDocumentCommand(scm::kCmdReGrid, &CMainFrame::OnReGrid);
    onCommandRange(scm::kCmdAlignToCenter, scm::kCmdAlignOnLine, &CMainFrame::OnAlign);
    onDocumentCommand(scm::kCmdRefNo, &CMainFrame::OnRefNo);
    onDocumentCommand(scm::kCmdCheckSchematic, &CMainFrame::OnCheckSchematic);
    for (unsigned id = scm::kCmdAlignToCenter; id <= scm::kCmdAlignOnLine; ++id)
        onUpdateCommandUI(id, &CMainFrame::OnUpdateAlign);
}

void CMainFrame::OnScaleObjects()
{
    // Alt+S reaches here whatever the menu shows: without a selection there is nothing to scale.
    if (g_editState.selectionCount < 1 || !loadActiveDrawing(*this))
        return;
    ScaleFactorsDialog dialog(this, scm::kIddScale, g_scaleFactors.x, g_scaleFactors.y);
    if (dialog.DoModal() == plat::kIdOk && g_editState.selectionCount > 0) {
        // Re-centring moves every object, so the step keeps them all.
        std::vector<int> all(static_cast<std::size_t>(std::max(0, g_current.count)));
        std::iota(all.begin(), all.end(), 1);
        PushUndoSnapshotOf(all);
        const plat::Point about = CursorDrawingPoint();
        ScaleObjects(g_scaleFactors.x, g_scaleFactors.y, about.x, about.y);
    }
    g_editState.selectionCount = 0;
    RedrawActiveFrame();
}

void CMainFrame::OnReGrid()
{
    if (!loadActiveDrawing(*this))
        return;
    if (plat::MessageBox(plat::LoadString(scm::kStrReGridQuestion), plat::kMbYesNo | plat::kMbIconQuestion) == plat::kIdNo)
        return;
    selectEveryObject();
    PushUndoSnapshot();
    ReGridObjects();
    g_editState.selectionCount = 0;
}

void CMainFrame::OnAlign(unsigned id)
{
    if (loadActiveDrawing(*this))
        RunAlignMenuItem(id, {scm::kCmdAlignWithEdge, scm::kCmdAlignToCenter}, g_editState.SelectionList,
                         g_editState.selectionCount, AlignSelected);
}

void CMainFrame::OnUpdateAlign(plat::CmdUI& ui) { ui.Enable(GetActiveDocument() != nullptr && g_editState.selectionCount >= 2); }

void CMainFrame::OnRefNo()
{
    CSchemoraDoc* doc = loadActiveDrawing(*this);
    if (!doc)
        return;
    CRefDesDlg dialog(this);
    if (dialog.DoModal() == plat::kIdOk) {
        doc->data().referenceStart = g_refDesChoice.start;
        RenumberRequest request;
        request.start = g_refDesChoice.start;
        request.type = g_refDesChoice.type;
        request.withReport = true;
        request.range = static_cast<int>(g_refDesChoice.range);
        request.currentSheet = g_sheetView.currentSheet;
        request.sheetCount = doc->data().numberOfSheets;
        RenumberReferences(request);
    }
    RedrawActiveFrame();
    g_editState.CurrentTool = 0;
}

namespace {

class CCheckSchDlg : public plat::Dialog {
public:
    explicit CCheckSchDlg(plat::Wnd* parent) : plat::Dialog(scm::kIddCheckSchematic, parent) {}
    bool OnInitDialog() override
    {
        SetDlgItemText(scm::kIdcCheckNote, plat::LoadString(scm::kStrCheckNote));
        for (const auto& [id, option] : boxes())
            CheckDlgButton(id, *option ? 1 : 0);
        return true;
    }
    void OnOK() override
    {
        for (const auto& [id, option] : boxes())
            *option = IsDlgButtonChecked(id) != 0;
        plat::Dialog::OnOK();
    }

private:
    static std::array<std::pair<unsigned, bool*>, 5> boxes()
    {
        DesignCheckOptions& o = g_checkOptions;
        return {{{scm::kIdcCheckUnattachedText, &o.unattachedText},
                 {scm::kIdcCheckUnattachedTerminals, &o.unattachedTerminals},
                 {scm::kIdcCheckOverlappedLines, &o.overlappedLines},
                 {scm::kIdcCheckSnapToGrid, &o.snapToGrid},
                 {scm::kIdcCheckSaveResults, &o.saveResults}}};
    }
};

}  // namespace

void CMainFrame::OnCheckSchematic()
{
    CSchemoraDoc* doc = loadActiveDrawing(*this);
    if (!doc)
        return;
    CCheckSchDlg dialog(this);
    if (dialog.DoModal() == plat::kIdOk)
        RunDesignCheck(*doc);
}
