// Aux > Find and Aux > Replace Text: each hit is shown in the active view, which is centred on
// it, with a question whether to go on.
#include "schemora/workspace/main_frame.h"

#include "common/find_replace_dialogs.h"
#include "common/string_helpers.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/advanced_edit_ids.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/schemora_view.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/string_records.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

#include <cctype>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kHistoryEntries = 10;

struct SearchState {
    FindHistory history{kHistoryEntries};
    unsigned mode = scm::kIdcFindPlainText;
    std::string text;
    std::string replaceFind;
    std::string replaceWith;
    unsigned replaceMode = kIdcReplacePrompt;
};
SearchState g_search;

CSchemoraView* activeDrawingView(plat::FrameWnd& frame)
{
    auto* view = static_cast<CSchemoraView*>(frame.GetActiveView());
    if (!view || !view->GetDocument())
        return nullptr;
    view->LoadCurrentDocument();
    return view;
}

// Moves the view so that (x, y) of the sheet is at its centre.
void CenterViewOn(CSchemoraView& view, int x, int y, int sheet)
{
    g_current.viewCentreX = ClampViewCentre(x);
    g_current.viewCentreY = ClampViewCentre(y);
    if (sheet >= 1)
        g_sheetView.currentSheet = sheet;
    CSchemoraDoc* doc = view.GetDocument();
    doc->data().viewCentreX = g_current.viewCentreX;
    doc->data().viewCentreY = g_current.viewCentreY;
    view.RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

bool isSearchableText(const DrawObject& o) { return o.type() == kObjText && o.text && o.onLayer(g_sheetView.layerFilter); }

int storeCount() { return std::min<int>(g_current.count, static_cast<int>(g_current.objects.size()) - 1); }

// Shows one hit; false when the user cancelled the search.
bool showHit(plat::FrameWnd& frame, CSchemoraView& view, plat::Point at, int sheet)
{
    CenterViewOn(view, at.x, at.y, sheet);
    return AskContinueSearch(&frame, scm::kIddFindContinue);
}

// Every stop of the search in store order: a part's label for a designator, a text's anchor
// once per occurrence. Returns the number of hits, or -1 when cancelled.
int SearchDrawing(plat::FrameWnd& frame, CSchemoraView& view)
{
    int hits = 0;
    for (int i = 1; i <= storeCount(); ++i) {
        const DrawObject& o = g_current.objects[static_cast<std::size_t>(i)];
        if (g_search.mode == scm::kIdcFindReference) {
            if (!o.isPart() || !o.onLayer(g_sheetView.layerFilter) || DesignatorOf(o.text, o.w[6]) != g_search.text)
                continue;
            ++hits;
            if (!showHit(frame, view, PartLabelAnchor(o), o.sheet()))
                return -1;
            continue;
        }
        if (!isSearchableText(o))
            continue;
        for (std::size_t n = FindOccurrences(o.text, g_search.text).size(); n > 0; --n) {
            ++hits;
            if (!showHit(frame, view, {o.w[0], o.w[1]}, o.sheet()))
                return -1;
        }
    }
    return hits;
}

// The text objects that hold the search text: the undo step keeps them before any changes.
std::vector<int> replaceCandidates(std::string_view find)
{
    std::vector<int> list;
    for (int i = 1; i <= storeCount(); ++i) {
        const DrawObject& o = g_current.objects[static_cast<std::size_t>(i)];
        if (isSearchableText(o) && !FindOccurrences(o.text, find).empty())
            list.push_back(i);
    }
    return list;
}

}  // namespace

void CMainFrame::registerSearchCommands()
{
    onDocumentCommand(scm::kCmdFind, &CMainFrame::OnFind);
    onDocumentCommand(scm::kCmdReplaceText, &CMainFrame::OnReplaceText);
}

void CMainFrame::OnFind()
{
    CSchemoraView* view = activeDrawingView(*this);
    if (!view)
        return;
    const SearchDialogSetup setup{scm::kIddFind, scm::kIdcFindText, scm::kIdcFindReference, scm::kIdcFindPlainText,
                                  scm::kIdcFindPlainText};
    SearchTextDialog dialog(this, setup, g_search.mode, g_search.text, g_search.history);
    if (dialog.DoModal() != plat::kIdOk)
        return;
    const int hits = g_search.text.empty() ? 0 : SearchDrawing(*this, *view);
    if (hits < 0)
        return;
    SetStatusTextId(scm::kStrSearchComplete, 0);
    if (hits == 0)
        plat::MessageBox(plat::LoadString(g_search.mode == scm::kIdcFindReference ? scm::kStrReferenceNotFound
                                                                                   : scm::kStrTextNotFound),
                         plat::kMbOk | plat::kMbIconStop);
}

void CMainFrame::OnReplaceText()
{
    CSchemoraView* view = activeDrawingView(*this);
    if (!view)
        return;
    CReplaceTextDlg dialog(this, scm::kIddReplaceText, g_search.replaceFind, g_search.replaceWith, g_search.replaceMode);
    if (dialog.DoModal() != plat::kIdOk || g_search.replaceFind.empty())
        return;
    CSchemoraDoc* doc = view->GetDocument();
    const bool wasModified = doc->IsModified();
    const std::vector<int> candidates = replaceCandidates(g_search.replaceFind);
    if (!candidates.empty())
        PushUndoSnapshotOf(candidates);
    const bool prompt = g_search.replaceMode == kIdcReplacePrompt;
    int made = 0;
    for (const int index : candidates) {
        DrawObject& o = g_current.objects[static_cast<std::size_t>(index)];
        std::string text = o.text;
        const ReplaceTally tally =
            ReplaceOccurrences(text, g_search.replaceFind, g_search.replaceWith, kMaxStringChars,
                               prompt ? std::function<ReplaceAnswer(std::size_t)>([&](std::size_t) {
                                   CenterViewOn(*view, o.w[0], o.w[1], o.sheet());
                                   return AskReplaceOccurrence(this);
                               })
                                      : std::function<ReplaceAnswer(std::size_t)>());
        if (tally.made > 0) {
            // Out of memory keeps the old text (StrDupChecked has said so).
            if (char* fresh = StrDupChecked(text)) {
                FreeStr(o.text);
                o.text = fresh;
                made += tally.made;
            }
        }
        if (tally.cancelled)
            break;
    }
    if (made == 0 && !candidates.empty()) {
        WithdrawLastUndoStep();
        doc->SetModifiedFlag(wasModified);
    }
    RedrawActiveFrame();
    char message[64];
    std::snprintf(message, sizeof message, "Number of replacements made:%d", made);
    plat::MessageBox(message, plat::kMbOk, "Replace");
}
