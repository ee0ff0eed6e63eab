// Edit > Advanced on the board (Move Between Layers, Snap Text To Pad, Cut Trace, Goto, Clear
// DRC Marks), the o key's coordinate origin, and Aux > Ref No and Back Annotate.
#include "tracelyn/workspace/main_frame.h"

#include "common/string_helpers.h"
#include "common/text_search.h"
#include "platform/app/dialog.h"
#include "platform/app/resources.h"
#include "platform/core/input_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/bounded_line_file.h"
#include "platform/system/files.h"
#include "resources/tracelyn/board_search_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_append.h"
#include "tracelyn/core/board_cursor.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/drc_marks.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/object_removal.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/core/tracelyn_view.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/workspace/active_board.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <optional>
#include <unordered_map>
#include <utility>
#include <string>
#include <tuple>
#include <string_view>
#include <vector>

namespace {

constexpr int kInchUnits = 10000;
constexpr double kGotoLimit = 35.0;
constexpr int kMaxReferenceNumber = 9999;
constexpr int kLastCopperLayer = 15;

struct AdvancedState {
    int snapThresholdMils = 25;
    double gotoX = 0, gotoY = 0;
    int refDesStart = 1;
    std::string annotationFile;
};
AdvancedState g_advanced;

// A whole decimal number (blanks around it allowed); false for anything else.
bool parseNumber(const std::string& text, double& value)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    value = std::strtod(begin, &end);
    if (end == begin || errno != 0 || !std::isfinite(value))
        return false;
    while (*end == ' ')
        ++end;
    return *end == '\0';
}

bool parseWhole(const std::string& text, int low, int high, int& value)
{
    double v = 0;
    if (!parseNumber(text, v) || v != std::floor(v) || v < low || v > high)
        return false;
    value = static_cast<int>(v);
    return true;
}

class CGotoDlg : public plat::Dialog {
public:
    explicit CGotoDlg(plat::Wnd* parent) : plat::Dialog(tly::kIddGoto, parent) {}
    bool OnInitDialog() override
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.4f", g_advanced.gotoX);
        SetDlgItemText(tly::kIdcGotoX, text);
        std::snprintf(text, sizeof text, "%.4f", g_advanced.gotoY);
        SetDlgItemText(tly::kIdcGotoY, text);
        return true;
    }
    void OnOK() override
    {
        double x = 0, y = 0;
        // Only X is held to the work area's width; Y may be any number (a point off the board
        // only centres the view on the nearest place it can show).
        for (auto [id, value, limited] : {std::tuple{tly::kIdcGotoX, &x, true}, std::tuple{tly::kIdcGotoY, &y, false}})
            if (!parseNumber(GetDlgItemText(id, 20), *value) || (limited && std::fabs(*value) > kGotoLimit)) {
                plat::MessageBox(limited ? "Enter a coordinate from -35.0 to 35.0" : "Enter a number",
                                 plat::kMbOk | plat::kMbIconStop);
                GotoDlgCtrl(id);
                return;
            }
        g_advanced.gotoX = x;
        g_advanced.gotoY = y;
        plat::Dialog::OnOK();
    }
};

class CSnapTextDlg : public plat::Dialog {
public:
    explicit CSnapTextDlg(plat::Wnd* parent) : plat::Dialog(tly::kIddSnapText, parent) {}
    bool OnInitDialog() override
    {
        SetDlgItemInt(tly::kIdcSnapThreshold, g_advanced.snapThresholdMils);
        return true;
    }
    void OnOK() override
    {
        int mils = 0;
        if (!parseWhole(GetDlgItemText(tly::kIdcSnapThreshold, 20), 1, 10000, mils)) {
            plat::MessageBox("Enter a threshold from 1 to 10000 mils", plat::kMbOk | plat::kMbIconStop);
            return;
        }
        g_advanced.snapThresholdMils = mils;
        plat::Dialog::OnOK();
    }
};

class CSetRefDesDlg : public plat::Dialog {
public:
    explicit CSetRefDesDlg(plat::Wnd* parent) : plat::Dialog(tly::kIddSetRefDes, parent) {}
    bool OnInitDialog() override
    {
        SetDlgItemInt(tly::kIdcRefDesStart, g_advanced.refDesStart);
        SetDlgItemText(tly::kIdcRefDesType, "All");
        return true;
    }
    void OnOK() override
    {
        int start = 1;
        if (!parseWhole(GetDlgItemText(tly::kIdcRefDesStart, 20), 1, kMaxReferenceNumber, start)) {
            plat::MessageBox("Enter a starting index from 1 to 9999", plat::kMbOk | plat::kMbIconStop);
            GotoDlgCtrl(tly::kIdcRefDesStart);
            return;
        }
        g_advanced.refDesStart = start;
        type = GetDlgItemText(tly::kIdcRefDesType, 20);
        plat::Dialog::OnOK();
    }
    std::string type;
};

class CUpdateRefDesDlg : public plat::Dialog {
public:
    explicit CUpdateRefDesDlg(plat::Wnd* parent) : plat::Dialog(tly::kIddBackAnnotate, parent)
    {
        onCommand(tly::kIdcAnnotationBrowse, &CUpdateRefDesDlg::OnBrowse);
    }
    bool OnInitDialog() override
    {
        SetDlgItemText(tly::kIdcAnnotationFile, g_advanced.annotationFile);
        return true;
    }
    void OnBrowse()
    {
        plat::FileDialogRequest request;
        request.filter = "Annotation Files (*.ano)|*.ano|All Files (*.*)|*.*||";
        const std::string path = plat::uiHost().fileDialog(request).path;
        if (!path.empty())
            SetDlgItemText(tly::kIdcAnnotationFile, path);
    }
    void OnOK() override
    {
        g_advanced.annotationFile = GetDlgItemText(tly::kIdcAnnotationFile, 260);
        plat::Dialog::OnOK();
    }
};

std::vector<int32_t> selectedIndexes()
{
    std::vector<int32_t> list;
    const int n = std::min<int>(g_selection.count, static_cast<int>(g_selection.list.size()) - 1);
    for (int i = 1; i <= n; ++i)
        if (g_selection.list[static_cast<std::size_t>(i)] >= 1 && g_selection.list[static_cast<std::size_t>(i)] <= g_board.count)
            list.push_back(g_selection.list[static_cast<std::size_t>(i)]);
    return list;
}

// Makes these objects the selection and records them as one undo step.
void snapshotOf(const std::vector<int32_t>& indexes)
{
    const int n = std::min<int>(static_cast<int>(indexes.size()), static_cast<int>(g_selection.list.size()) - 1);
    std::copy(indexes.begin(), indexes.begin() + n, g_selection.list.begin() + 1);
    g_selection.count = n;
    PushUndoSnapshot();
}

// The number after a reference's letters ("IC12" gives 12); false without digits there or
// beyond the largest reference number.
bool referenceNumber(std::string_view reference, int& number)
{
    std::size_t at = 0;
    while (at < reference.size() && std::isalpha(static_cast<unsigned char>(reference[at])))
        ++at;
    std::size_t end = at;
    while (end < reference.size() && std::isdigit(static_cast<unsigned char>(reference[end])))
        ++end;
    if (end == at || end - at > 4)
        return false;
    number = std::stoi(std::string(reference.substr(at, end - at)));
    return true;
}

// The longest line of an annotation file that is read, however blanks pad its references; the
// rest of a longer one is passed over (Schemora writes lines of at most 27 characters).
constexpr std::size_t kAnnotationLineChars = 1024;

// What an annotation file asks for: for each line "OLD----NEW", the first part in store order
// whose reference is OLD and that no earlier line took gets NEW's number; the parts whose number
// changes, with their new numbers. Nothing when the file cannot be opened (notAFile tells
// whether it was refused as a folder, pipe or device).
std::optional<std::vector<std::pair<int32_t, int>>> annotationChanges(const std::string& path, bool& notAFile)
{
    plat::BoundedLineFile in(path);
    notAFile = in.refusedNotAFile();
    if (!in.isOpen())
        return std::nullopt;
    // Each reference's parts in store order: a line finds its part without a walk of the store.
    std::unordered_map<std::string, std::deque<int32_t>> partsByReference;
    for (int i = 1; i <= g_board.count; ++i)
        if (const BoardObject& o = g_board.objects[i]; o.isPart())
            partsByReference[DesignatorOf(o.text(), o.w[7])].push_back(i);
    std::vector<std::pair<int32_t, int>> changes;
    std::string line;
    while (in.next(line, kAnnotationLineChars)) {
        const std::string_view text = line;
        const std::size_t dash = text.find("----");
        int number = 0;
        if (dash == std::string_view::npos || !referenceNumber(Trimmed(text.substr(dash + 4)), number))
            continue;
        const auto parts = partsByReference.find(std::string(Trimmed(text.substr(0, dash))));
        if (parts == partsByReference.end() || parts->second.empty())
            continue;
        const int32_t index = parts->second.front();
        parts->second.pop_front();
        if (g_board.objects[index].w[7] != number)
            changes.emplace_back(index, number);
    }
    return changes;
}

}  // namespace

void CMainFrame::registerAdvancedCommands()
{
    onDocumentCommand(tly::kCmdMoveToLayer, &CMainFrame::OnMoveToLayer);
    onDocumentCommand(tly::kCmdSnapTextToPad, &CMainFrame::OnSnapTextToPad);
    onCommand(tly::kCmdCutTrace, &CMainFrame::OnCutTrace);
    onDocumentCommand(tly::kCmdGoto, &CMainFrame::OnGoto);
    onDocumentCommand(tly::kCmdClearDrcMarks, &CMainFrame::OnClearDrcMarks);
    onCommand(tly::kCmdSetReadoutOrigin, &CMainFrame::OnSetReadoutOrigin);
    onDocumentCommand(tly::kCmdRefNo, &CMainFrame::OnRefNo);
    onDocumentCommand(tly::kCmdBackAnnotate, &CMainFrame::OnBackAnnotate);
    onUpdateCommandUI(tly::kCmdCutTrace, &CMainFrame::OnUpdateNeedsSelection);
}

void CMainFrame::OnMoveToLayer()
{
    if (!ActiveBoardView(*this) || g_selection.count < 1 ||
        plat::MessageBox("Move selected objects to current layer?", plat::kMbYesNo | plat::kMbIconQuestion) != plat::kIdYes)
        return;
    PushUndoSnapshot();
    const int layer = g_edit.currentLayer;
    for (const int32_t index : selectedIndexes()) {
        BoardObject& o = g_board.objects[index];
        if (!(o.layer() >= kLayerTop && o.layer() <= kLastCopperLayer) && o.layer() != kLayerAll)
            continue;
        o.setLayer(layer);
        // A through via that lands on one layer becomes a layer-pair via, and back on all layers.
        if (o.kind() == kKindPad && (o.w[5] & 15) == kPadVia && layer != kLayerAll)
            o.w[5] = (o.w[5] & ~15) | kPadLayerPair;
        else if (o.kind() == kKindPad && (o.w[5] & 15) == kPadLayerPair && layer == kLayerAll)
            o.w[5] = (o.w[5] & ~15) | kPadVia;
    }
    RedrawActiveFrame();
}

void CMainFrame::OnSnapTextToPad()
{
    if (!ActiveBoardView(*this))
        return;
    CSnapTextDlg dialog(this);
    if (dialog.DoModal() != plat::kIdOk)
        return;
    const int64_t reach = static_cast<int64_t>(g_advanced.snapThresholdMils) * 10;
    std::vector<int32_t> texts;
    std::vector<std::pair<int32_t, int32_t>> targets;
    for (int t = 1; t <= g_board.count; ++t) {
        const BoardObject& text = g_board.objects[t];
        if (text.kind() != kKindText)
            continue;
        // The last near pad in store order wins; the text counts once.
        const BoardObject* nearPad = nullptr;
        for (int p = 1; p <= g_board.count; ++p) {
            const BoardObject& pad = g_board.objects[p];
            if (pad.kind() == kKindPad && std::llabs(static_cast<int64_t>(text.w[0]) - pad.w[0]) < reach &&
                std::llabs(static_cast<int64_t>(text.w[1]) - pad.w[1]) < reach)
                nearPad = &pad;
        }
        if (nearPad && (nearPad->w[0] != text.w[0] || nearPad->w[1] != text.w[1])) {
            texts.push_back(t);
            targets.emplace_back(nearPad->w[0], nearPad->w[1]);
        }
    }
    if (!texts.empty()) {
        snapshotOf(texts);
        g_selection.count = 0;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            g_board.objects[texts[i]].w[0] = targets[i].first;
            g_board.objects[texts[i]].w[1] = targets[i].second;
        }
        MarkBoardModified();
    }
    RedrawActiveFrame();
    SetStatusText("Snapped " + std::to_string(texts.size()) + " text elements to pads", kPaneMessage);
}

void CMainFrame::OnCutTrace()
{
    if (!ActiveBoardView(*this) || g_selection.count != 1)
        return;
    const int32_t index = g_selection.list[1];
    if (index < 1 || index > g_board.count || g_board.objects[index].kind() != kKindLine)
        return;
    BoardObject& trace = g_board.objects[index];
    const bool vertical = trace.w[0] == trace.w[2];
    if (!vertical && trace.w[1] != trace.w[3]) {
        SetStatusText("Trace not orthogonal", kPaneMessage);
        return;
    }
    // The cut lies on the trace's axis at the last click, strictly between its ends.
    const int axis = vertical ? 1 : 0;
    const int32_t cut = vertical ? g_gesture.pressBoardY : g_gesture.pressBoardX;
    if (cut <= std::min(trace.w[axis], trace.w[axis + 2]) || cut >= std::max(trace.w[axis], trace.w[axis + 2])) {
        SetStatusText("Click between the trace's ends to cut it", kPaneMessage);
        return;
    }
    const int before = g_board.count;
    PushUndoSnapshot();
    NewestUndoEntry()->baseCount = before;
    BoardObject piece = trace;
    piece.data = nullptr;
    piece.w[axis] = cut;
    bool fullShown = false;
    if (!AppendBoardObject(piece, fullShown)) {
        DropNewestUndoEntry();
        return;
    }
    g_board.objects[index].w[axis + 2] = cut;
    MarkBoardModified();
    RedrawActiveFrame();
}

void CMainFrame::OnGoto()
{
    CTracelynView* view = ActiveBoardView(*this);
    if (!view)
        return;
    CGotoDlg dialog(this);
    if (dialog.DoModal() != plat::kIdOk)
        return;
    // Y has no range of its own: held to what a board coordinate can hold.
    const double y = std::clamp(g_advanced.gotoY * kInchUnits, -kGotoLimit * kInchUnits * 10, kGotoLimit * kInchUnits * 10);
    view->CenterViewOn(static_cast<int32_t>(std::lround(g_advanced.gotoX * kInchUnits)), static_cast<int32_t>(std::lround(y)));
}

void CMainFrame::OnClearDrcMarks()
{
    if (!ActiveBoardView(*this))
        return;
    bool removed = false;
    for (int i = g_board.count; i >= 1; --i)
        if (g_board.objects[i].kind() == kKindFixedRectangle) {
            RemoveObject(i);
            removed = true;
        }
    // Removal moves records between slots: steps recorded before would restore the wrong ones.
    if (removed)
        ClearUndoRing();
    g_drcMarks.count = 0;
    g_selection.count = 0;
    RedrawActiveFrame();
}

void CMainFrame::OnSetReadoutOrigin()
{
    if (!ActiveBoardView(*this))
        return;
    UpdateCursorBoardPoint();
    g_pointer.readoutOriginX = g_gesture.boardX;
    g_pointer.readoutOriginY = g_gesture.boardY;
    g_pointer.readoutMode = 0;
    SetStatusText("Set new coordinate origin", kPaneMessage);
}

void CMainFrame::OnRefNo()
{
    if (!ActiveBoardView(*this))
        return;
    CSetRefDesDlg dialog(this);
    if (dialog.DoModal() != plat::kIdOk)
        return;
    RenumberReferences(g_advanced.refDesStart, dialog.type, 1);
    MarkBoardModified();
    RedrawActiveFrame();
}

void CMainFrame::OnBackAnnotate()
{
    if (!ActiveBoardView(*this))
        return;
    CUpdateRefDesDlg dialog(this);
    if (dialog.DoModal() != plat::kIdOk)
        return;
    bool notAFile = false;
    const std::optional<std::vector<std::pair<int32_t, int>>> read = annotationChanges(g_advanced.annotationFile, notAFile);
    if (!read) {
        plat::MessageBox(notAFile ? plat::notAFileText(g_advanced.annotationFile)
                                  : "File " + g_advanced.annotationFile + " not found");
        return;
    }
    const std::vector<std::pair<int32_t, int>>& changes = *read;
    if (!changes.empty()) {
        std::vector<int32_t> parts;
        for (const auto& change : changes)
            parts.push_back(change.first);
        snapshotOf(parts);
        g_selection.count = 0;
        for (const auto& [index, number] : changes)
            g_board.objects[index].w[7] = number;
        MarkBoardModified();
    }
    RedrawActiveFrame();
    SetStatusText("Annotated " + std::to_string(changes.size()) + " references", kPaneMessage);
}
