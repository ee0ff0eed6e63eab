// Aux > Find and Aux > Replace on the board: each hit is centred in the view with a blinking
// marker and a question whether to go on; and the scaling and alignment keys.
#include "tracelyn/workspace/main_frame.h"

#include "common/find_replace_dialogs.h"
#include "common/string_helpers.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/board_search_ids.h"
#include "tracelyn/core/board_alignment.h"
#include "tracelyn/core/board_cursor.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/core/tracelyn_view.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/workspace/active_board.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr int kHistoryEntries = 4;
// The board file keeps this much of a text.
constexpr std::size_t kBoardTextChars = 200;

struct BoardSearchState {
    FindHistory history{kHistoryEntries};
    unsigned kind = tly::kIdcSearchPlainText;
    std::string text;
    std::string replaceWith;
    unsigned replaceMode = kIdcReplacePrompt;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
};
BoardSearchState g_boardSearch;

bool onCurrentLayer(const BoardObject& o) { return g_edit.currentLayer == kLayerAll || o.layer() == g_edit.currentLayer; }

bool isSearchableText(const BoardObject& o) { return o.kind() == kKindText && o.text() && o.text()[0] && onCurrentLayer(o); }

struct Hit {
    int32_t x = 0, y = 0;
};

// Netlist units are tenths of board units' thousandths: ten board units each.
constexpr int32_t kNetlistUnit = 10;

// The nets loaded for the board in the window (not for the footprint editor's store).
bool boardHasNets()
{
    return g_netlist.netCount > 0 && !NetTable().empty() && g_netlist.loadedBoard == g_board.objects;
}

std::vector<std::string> netNames()
{
    std::vector<std::string> names;
    const std::span<NetRecord> nets = NetTable();
    for (int n = 0; n < std::min<int>(g_netlist.netCount, static_cast<int>(nets.size())); ++n)
        names.emplace_back(nets[static_cast<std::size_t>(n)].name ? nets[static_cast<std::size_t>(n)].name : "");
    return names;
}

std::string upperCased(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The first net of that name: each connection of its chain at its first pin, then the last
// one's second pin. The walk takes at most the net's connection count of steps and stops at
// an index outside the table; an empty net shows nothing.
std::vector<Hit> netHits(const std::string& name)
{
    std::vector<Hit> hits;
    const std::span<NetRecord> nets = NetTable();
    const std::span<NetConnection> table = ConnectionTable();
    const int connections = std::clamp<int>(g_router.ratsNestCount, 0, static_cast<int>(table.size()));
    for (int n = 0; n < std::min<int>(g_netlist.netCount, static_cast<int>(nets.size())); ++n) {
        const NetRecord& net = nets[static_cast<std::size_t>(n)];
        if (upperCased(net.name ? net.name : "") != name)
            continue;
        const NetConnection* last = nullptr;
        int c = net.firstConnection;
        for (int steps = 0; steps < net.connectionCount && c >= 0 && c < connections; ++steps) {
            last = &table[static_cast<std::size_t>(c)];
            hits.push_back({last->x1 * kNetlistUnit, last->y1 * kNetlistUnit});
            c = last->next;
        }
        if (last)
            hits.push_back({last->x2 * kNetlistUnit, last->y2 * kNetlistUnit});
        break;
    }
    return hits;
}

// The Search dialog: the combo offers the board's net names for Net Name and is off for the
// kinds that need no text.
class CSearchDlg : public SearchTextDialog {
public:
    CSearchDlg(plat::Wnd* parent, const SearchDialogSetup& setup, unsigned& kind, std::string& text, FindHistory& history)
        : SearchTextDialog(parent, setup, kind, text, history)
    {
        for (unsigned id = tly::kIdcSearchReference; id <= tly::kIdcSearchHiddenVia; ++id)
            onCommand(id, &CSearchDlg::OnKind);
    }
    bool OnInitDialog() override
    {
        SearchTextDialog::OnInitDialog();
        enableText();
        return true;
    }
    void OnKind()
    {
        fillTexts();
        enableText();
    }

protected:
    void fillTexts() override
    {
        plat::Control* combo = GetDlgItem(setup().comboId);
        if (!combo || checkedMode() != tly::kIdcSearchNetName || !boardHasNets()) {
            SearchTextDialog::fillTexts();
            return;
        }
        combo->ResetContent();
        const std::vector<std::string> names = netNames();
        for (const std::string& name : names)
            combo->AddString(name);
        combo->setText(names.empty() ? std::string() : names.front());
    }

private:
    void enableText()
    {
        const unsigned kind = checkedMode();
        EnableDlgItem(setup().comboId, kind != tly::kIdcSearchDrcMark && kind != tly::kIdcSearchHiddenVia);
    }
};

// Every stop of a search of this kind, in store order.
std::vector<Hit> hitsOf(unsigned kind, const std::string& text)
{
    std::vector<Hit> hits;
    if (kind == tly::kIdcSearchNetName) {
        if (boardHasNets())
            return netHits(text);
        kind = tly::kIdcSearchPlainText;
    }
    for (int i = 1; i <= g_board.count; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (kind == tly::kIdcSearchReference) {
            // The person looks for the designator: the hit is its label, wherever it was moved.
            if (o.kind() > kKindPart && DesignatorOf(o.text(), o.w[7]) == text) {
                Hit label;
                TransformPartPoint(o, o.w[2], o.w[3], label.x, label.y);
                hits.push_back(label);
            }
        } else if (kind == tly::kIdcSearchDrcMark) {
            if (o.kind() == kKindFixedRectangle)
                hits.push_back({static_cast<int32_t>((static_cast<int64_t>(o.w[0]) + o.w[2]) / 2),
                                static_cast<int32_t>((static_cast<int64_t>(o.w[1]) + o.w[3]) / 2)});
        } else if (kind == tly::kIdcSearchHiddenVia) {
            if (o.kind() == kKindPad && (o.w[5] & 15) == kPadLayerPair)
                hits.push_back({o.w[0], o.w[1]});
        } else if (isSearchableText(o)) {
            for (std::size_t n = FindOccurrences(o.text(), text).size(); n > 0; --n)
                hits.push_back({o.w[0], o.w[1]});
        }
    }
    return hits;
}

unsigned notFoundString(unsigned kind)
{
    switch (kind) {
    case tly::kIdcSearchReference: return tly::kStrReferenceMissing;
    case tly::kIdcSearchDrcMark: return tly::kStrNoDrcMarks;
    case tly::kIdcSearchHiddenVia: return tly::kStrNoHiddenVias;
    case tly::kIdcSearchNetName: return boardHasNets() ? tly::kStrNetMissing : tly::kStrTextMissing;
    default: return tly::kStrTextMissing;
    }
}

std::string numbered(const char* pattern, std::size_t n, std::size_t of)
{
    char text[80];
    std::snprintf(text, sizeof text, pattern, static_cast<int>(n), static_cast<int>(of));
    return text;
}

}  // namespace

void CMainFrame::registerSearchCommands()
{
    onDocumentCommand(tly::kCmdFind, &CMainFrame::OnFind);
    onDocumentCommand(tly::kCmdReplace, &CMainFrame::OnReplace);
    onCommand(tly::kCmdScaleSelection, &CMainFrame::OnScaleSelection);
    onCommandRange(tly::kCmdAlignWithEdge, tly::kCmdAlignOnLine, &CMainFrame::OnAlign);
    onUpdateCommandUI(tly::kCmdScaleSelection, &CMainFrame::OnUpdateNeedsSelection);
    for (unsigned id = tly::kCmdAlignWithEdge; id <= tly::kCmdAlignOnLine; ++id)
        onUpdateCommandUI(id, &CMainFrame::OnUpdateAlign);
}

void CMainFrame::OnFind()
{
    CTracelynView* view = ActiveBoardView(*this);
    if (!view)
        return;
    const SearchDialogSetup setup{tly::kIddSearch, tly::kIdcSearchText, tly::kIdcSearchReference,
                                  tly::kIdcSearchHiddenVia, tly::kIdcSearchPlainText};
    CSearchDlg dialog(this, setup, g_boardSearch.kind, g_boardSearch.text, g_boardSearch.history);
    if (dialog.DoModal() != plat::kIdOk)
        return;
    const unsigned kind = g_boardSearch.kind;
    const bool needsText = kind != tly::kIdcSearchDrcMark && kind != tly::kIdcSearchHiddenVia;
    const std::vector<Hit> hits = needsText && g_boardSearch.text.empty() ? std::vector<Hit>{} : hitsOf(kind, g_boardSearch.text);
    for (std::size_t i = 0; i < hits.size(); ++i) {
        if (kind == tly::kIdcSearchDrcMark)
            SetStatusText(numbered("DRC mark %d of %d", i + 1, hits.size()), kPaneMessage);
        else if (kind == tly::kIdcSearchHiddenVia)
            SetStatusText(numbered("Hidden via %d of %d", i + 1, hits.size()), kPaneMessage);
        view->CenterViewOn(hits[i].x, hits[i].y);
        if (!AskContinueSearch(this, tly::kIddSearchContinue))
            return;
    }
    SetStatusText(plat::LoadString(tly::kStrSearchDone), kPaneMessage);
    if (hits.empty())
        plat::MessageBox(plat::LoadString(notFoundString(kind)), plat::kMbOk | plat::kMbIconStop);
}

void CMainFrame::OnReplace()
{
    CTracelynView* view = ActiveBoardView(*this);
    if (!view)
        return;
    CReplaceTextDlg dialog(this, tly::kIddReplaceText, g_boardSearch.text, g_boardSearch.replaceWith,
                           g_boardSearch.replaceMode);
    if (dialog.DoModal() != plat::kIdOk || g_boardSearch.text.empty())
        return;
    const bool prompt = g_boardSearch.replaceMode == kIdcReplacePrompt;
    int made = 0, tooLong = 0;
    bool cancelled = false;
    // Out of memory keeps the old text (StrDupChecked has said so).
    const auto store = [](BoardObject& o, const std::string& text) {
        if (o.text() != nullptr && text == o.text())
            return true;
        char* fresh = StrDupChecked(text);
        if (!fresh)
            return false;
        char* old = o.text();
        FreeStr(old);
        o.data = fresh;
        MarkBoardModified();
        return true;
    };
    for (int i = 1; i <= g_board.count && !cancelled; ++i) {
        BoardObject& o = g_board.objects[i];
        if (!isSearchableText(o))
            continue;
        std::string text = o.text();
        const ReplaceTally tally = ReplaceOccurrences(
            text, g_boardSearch.text, g_boardSearch.replaceWith, kBoardTextChars,
            prompt ? std::function<ReplaceAnswer(std::size_t)>([&](std::size_t) {
                // What the last answer made is on the board before the next question.
                store(o, text);
                view->RedrawWindow();
                // The text asked about is shown selected while the question is up.
                ForgetSelection();
                g_selection.list[1] = i;
                g_selection.count = 1;
                view->CenterViewOn(o.w[0], o.w[1]);
                const ReplaceAnswer answer = AskReplaceOccurrence(this);
                ForgetSelection();
                return answer;
            })
                   : std::function<ReplaceAnswer(std::size_t)>());
        cancelled = tally.cancelled;
        tooLong += tally.tooLong;
        if (tally.made == 0)
            continue;
        if (store(o, text))
            made += tally.made;
        if (prompt)
            view->RedrawWindow();
    }
    RedrawActiveFrame();
    if (cancelled)
        return;
    if (tooLong > 0)
        plat::MessageBox("Replacements that would make a text longer than 200 characters were not made",
                         plat::kMbOk | plat::kMbIconExclamation);
    char message[64];
    std::snprintf(message, sizeof message, "Number of replacements made:%d", made);
    plat::MessageBox(message);
}

void CMainFrame::OnScaleSelection()
{
    if (!ActiveBoardView(*this) || g_selection.count < 1)
        return;
    ScaleFactorsDialog dialog(this, tly::kIddScaleSelection, g_boardSearch.scaleX, g_boardSearch.scaleY);
    if (dialog.DoModal() != plat::kIdOk)
        return;
    // Re-centring moves every object, so the step keeps them all; the selection stays.
    const int selected = g_selection.count;
    const std::vector<int32_t> kept(g_selection.list.begin(), g_selection.list.begin() + selected + 1);
    const int n = std::min<int>(g_board.count, static_cast<int>(g_selection.list.size()) - 1);
    for (int i = 1; i <= n; ++i)
        g_selection.list[static_cast<std::size_t>(i)] = i;
    g_selection.count = n;
    PushUndoSnapshot();
    std::copy(kept.begin(), kept.end(), g_selection.list.begin());
    g_selection.count = selected;
    UpdateCursorBoardPoint();
    ScaleSelectedObjects(g_boardSearch.scaleX, g_boardSearch.scaleY, g_gesture.boardX, g_gesture.boardY);
}

void CMainFrame::OnAlign(unsigned id)
{
    if (ActiveBoardView(*this))
        RunAlignMenuItem(id, {tly::kCmdAlignWithEdge, tly::kCmdAlignToCenter}, g_selection.list, g_selection.count,
                         AlignSelected);
}

void CMainFrame::OnUpdateAlign(plat::CmdUI& ui) { ui.Enable(GetActiveDocument() != nullptr && g_selection.count >= 2); }

void CMainFrame::OnUpdateNeedsSelection(plat::CmdUI& ui) { ui.Enable(GetActiveDocument() != nullptr && g_selection.count >= 1); }
