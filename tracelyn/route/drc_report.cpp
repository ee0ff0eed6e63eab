#include "tracelyn/route/drc_report.h"

#include "platform/app/keys.h"
#include "platform/core/ui_host.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/drc_marks.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/route/design_rule_check.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr const char* kProgressText = "Design rule check";

// Every record from `first` to the count, whole, for the undo step: undoing it writes them
// back and drops the marks laid after the count.
BoardUndoEntry snapshotFrom(int first)
{
    BoardUndoEntry entry;
    entry.kind = kUndoModified;
    const int count = std::min(g_board.count, g_board.capacity - 1);
    for (int i = std::max(first, 1); i <= count; ++i)
        entry.snapshot.push_back(UndoSlot{i, OwnedObject(g_board.objects[i])});
    entry.count = static_cast<int32_t>(entry.snapshot.size());
    entry.baseCount = count;
    return entry;
}

// Asked by the check now and then: the progress window moves on (on a large board) and
// pending messages run, so Cancel gets through; Escape stops the check as well.
class CheckProgress {
public:
    CheckProgress() : shown_(g_board.count >= kDrcProgressObjects)
    {
        (void)plat::GetAsyncKeyState(plat::kVkEscape);
        g_progress.abort = 0;
        g_progress.stoppedByUser = 0;
        if (shown_)
            ShowProgressWindow(0, 0, kProgressText, kProgressStart);
    }
    ~CheckProgress()
    {
        if (shown_)
            ShowProgressWindow(0, 0, nullptr, kProgressEnd);
    }
    CheckProgress(const CheckProgress&) = delete;
    CheckProgress& operator=(const CheckProgress&) = delete;

    bool step(int done, int total)
    {
        if (shown_)
            ShowProgressStep(done, total, kProgressText);
        if (plat::GetAsyncKeyState(plat::kVkEscape) != 0) {
            g_progress.abort = 1;
            g_progress.stoppedByUser = 1;
        }
        return g_progress.abort == 0;
    }

private:
    bool shown_;
};

}  // namespace

std::string DrcReportText(const std::array<int, kDrcRuleCount>& counts, int notPlaced, bool noOutline, bool noNetlist)
{
    std::string text;
    if (std::accumulate(counts.begin(), counts.end(), 0) == 0) {
        text = kDrcNothingFound;
    } else {
        text = "Design rule errors found:";
        for (int r = 0; r < kDrcRuleCount; ++r)
            if (counts[static_cast<size_t>(r)] > 0)
                text += "\n" + std::string(DrcRuleName(static_cast<DrcRule>(r))) + ": "
                        + std::to_string(counts[static_cast<size_t>(r)]);
    }
    if (notPlaced > 0)
        text += "\n" + std::to_string(notPlaced) + " marks could not be placed: the board is full";
    if (noOutline)
        text += "\nThe board has no outline: objects outside of it were not checked";
    if (noNetlist)
        text += std::string("\n") + kDrcNoNetlistLine;
    return text;
}

int PlaceDrcMarks(const std::vector<DrcFinding>& findings)
{
    if (g_board.objects == nullptr)
        return static_cast<int>(findings.size());
    const int firstMark = FirstDrcMark();
    if (firstMark > g_board.count && findings.empty())
        return 0;
    // Deleting the marks may lower the count over deleted records before the first mark too.
    const int first = std::min(firstMark, CountWithoutTrailingMarks() + 1);
    BoardUndoEntry before = snapshotFrom(first);
    DeleteDrcMarks();
    size_t placed = 0;
    while (placed < findings.size() && StoreHasRoomFor(1)) {
        const DrcFinding& f = findings[placed];
        if (AddDrcMark(f.x, f.y, f.w, f.h) == 0)
            break;
        ++placed;
    }
    PushPreparedUndo(std::move(before));
    return static_cast<int>(findings.size() - placed);
}

void RunDesignRuleCheck(const DrcSettings& settings)
{
    if (g_board.objects == nullptr)
        return;
    if (!settings.anyRule()) {
        plat::MessageBox(kDrcNoRules, plat::kMbIconInformation);
        return;
    }
    DrcResult result;
    {
        CheckProgress progress;
        result = CheckDesignRules(settings, [&](int done, int total) { return progress.step(done, total); });
    }
    if (result.cancelled) {
        SetStatusText(kDrcCancelled, kPaneMessage);
        return;
    }
    const int notPlaced = PlaceDrcMarks(result.findings);
    RedrawActiveFrame();
    const std::array<int, kDrcRuleCount> counts = CountByRule(result.findings);
    const bool clean = result.findings.empty() && !result.noOutline;
    plat::MessageBox(DrcReportText(counts, notPlaced, result.noOutline, result.noNetlist),
                     clean ? plat::kMbIconInformation : plat::kMbIconExclamation);
}
