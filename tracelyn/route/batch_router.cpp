#include "tracelyn/route/batch_router.h"

#include "platform/app/keys.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/route/batch_passes.h"
#include "tracelyn/route/board_netlist.h"
#include "tracelyn/route/maze_router.h"
#include "tracelyn/route/route_edit.h"
#include "tracelyn/route/via_optimizer.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <tuple>
#include <cstdio>
#include <utility>

BatchRouterStats g_batchStats;

namespace {

constexpr int kRoutedTraceLimit = 10;
constexpr int kRoutedViaLimit = 4;

// True when the user declines to route a board that already carries routing.
bool checkAlreadyRouted()
{
    int traces = 0, vias = 0;
    for (int i = 1; i <= g_board.count; ++i) {
        const BoardObject& o = g_board.objects[i];
        traces += o.kind() == kKindLine && o.layer() != kLayerAll;
        vias += o.kind() == kKindPad && IsViaStyle(o.w[5] & 15);
        if (traces > kRoutedTraceLimit || vias > kRoutedViaLimit)
            return plat::MessageBox(std::string(kAlreadyRoutedQuestion), plat::kMbYesNo | plat::kMbIconStop) != plat::kIdYes;
    }
    return false;
}

// The settings a run changes, put back when it ends.
struct SavedSettings {
    MazeRouterSettings maze = g_mazeSettings;
    int32_t grid = g_board.gridCommand;
    int32_t units = g_boardSettings.units;
    int32_t routeMode = g_boardSettings.RouteMode;
    int32_t layer = g_edit.currentLayer;

    void restore() const
    {
        g_mazeSettings = maze;
        g_board.gridCommand = grid;
        if (g_active.data != nullptr)
            g_active.data->gridCommand = grid;
        g_boardSettings.units = units;
        g_boardSettings.RouteMode = routeMode;
        g_mazeRoute.quiet = 0;
        g_mazeRoute.batch = 0;
        g_mazeRoute.forcedLayer = 0;
        g_progress.routing = 0;
    }
};

void applyBatchSettings()
{
    g_mazeSettings.traceWidth = g_router.values[2];
    g_mazeSettings.viaSize = g_router.values[0];
    g_mazeSettings.viaHole = g_router.values[1];
    g_mazeSettings.buried = g_router.values[5];
    g_mazeSettings.maxLength = g_router.values[7];
    g_mazeSettings.clearance = g_batchExtras.clearance;
    g_mazeSettings.maxVias = 0;
    g_mazeSettings.bevels = g_batchExtras.bevels;
    g_board.gridCommand = g_router.values[3];
    if (g_active.data != nullptr)
        g_active.data->gridCommand = g_board.gridCommand;
    g_boardSettings.units = 725;
    g_board.viewOriginX = g_board.viewOriginY = 0;
    g_edit.currentLayer = kLayerAll;
    g_mazeRoute.quiet = 1;
    g_mazeRoute.batch = 1;
    g_mazeRoute.fifoOverflows = 0;
}

void refuse(std::string_view text)
{
    plat::MessageBox(std::string(text), plat::kMbIconStop, "Batch Router");
}

// The routing grid spans the work area about the board's centre: a pin beyond it cannot be
// reached, and the maze router would stop the whole run at its first connection there. The
// refusal text, empty when every pin lies on the work area.
std::string pinsOutsideWorkArea()
{
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    const int64_t halfW = int64_t{area.width} * 10 / 2, halfH = int64_t{area.height} * 10 / 2;
    const auto outside = [&](int32_t x, int32_t y) {
        return std::llabs(int64_t{x} * kNetlistUnit) > halfW || std::llabs(int64_t{y} * kNetlistUnit) > halfH;
    };
    std::string first;
    int count = 0;
    for (const NetConnection& c : RunConnections()) {
        for (const auto& [x, y, name] : {std::tuple(c.x1, c.y1, c.name1), std::tuple(c.x2, c.y2, c.name2)}) {
            if (!outside(x, y))
                continue;
            if (count++ == 0)
                first = std::string(name, strnlen(name, kPinNameSize));
        }
    }
    return count == 0 ? std::string() : OutsideWorkAreaText(first, count - 1, area.width, area.height);
}

double elapsed(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Drops the records the run deleted (kind 0) from the records it appended; the table keeps
// the routes' states, not their object indexes.
void compactRun(BatchRun& run)
{
    run.compactStore();
    for (NetConnection& c : RunConnections()) {
        c.firstObject = 0;
        c.objectSpan = 0;
        if (c.routeState > 1)
            c.routeState = -1;
    }
}

}  // namespace

std::string OutsideWorkAreaText(std::string_view firstPin, int more, int32_t widthMils, int32_t heightMils)
{
    std::string text = "Batch Route cannot start: pin " + plat::upperCaseAscii(firstPin);
    if (more > 0)
        text += " and " + std::to_string(more) + (more == 1 ? " other lie" : " others lie");
    else
        text += " lies";
    return text + " outside the work area (" + std::to_string(widthMils) + " x " + std::to_string(heightMils)
           + " mils), which the router's grid covers.\nMove the parts onto the work area.";
}

std::string BatchSummaryText(double percent, int passes, double seconds, int fifoOverflows, std::string_view unrouted)
{
    char text[160];
    std::snprintf(text, sizeof text, "Percentage Complete:%.1f%%\npasses=%d\ntime==%.2f", percent, passes, seconds);
    std::string summary = text;
    if (fifoOverflows > 0)
        summary += "\nFIFO overflow=" + std::to_string(fifoOverflows);
    if (!unrouted.empty())
        summary += "\n" + std::string(unrouted);
    return summary;
}

int CBatchRouter::BatchRoute()
{
    if (g_board.objects == nullptr || g_active.data == nullptr) {
        refuse(kBatchNoBoard);
        return 0;
    }
    g_batchStats = BatchRouterStats{};
    if (checkAlreadyRouted())
        return 0;
    const SavedSettings saved;
    applyBatchSettings();
    RedrawActiveFrame();
    const auto start = std::chrono::steady_clock::now();
    (void)plat::GetAsyncKeyState(plat::kVkEscape);

    // The netlist read drops the rats-nest lines (moving records and emptying the undo ring):
    // the board is copied first, so that Undo brings back the board exactly as it was.
    BoardUndoEntry before = RouteUndoSnapshot();
    g_netlist.partCount = 0;
    g_netlist.powerNets.fill(-1);
    // The netlist reader tells why it read nothing; the other refusals are told here.
    std::string refusal;
    const bool read = ReadNetlistForBoard() == 1;
    if (read && g_router.ratsNestCount <= 0)
        refusal = kBatchNoConnections;
    else if (read)
        refusal = pinsOutsideWorkArea();
    if (!read || !refusal.empty()) {
        RestoreUndoEntry(before);
        saved.restore();
        RedrawActiveFrame();
        if (!refusal.empty())
            refuse(refusal);
        return 0;
    }
    const int countBefore = g_board.count;
    PushPreparedUndo(std::move(before));
    g_routeStore.full = false;
    g_progress.abort = 0;
    g_progress.stoppedByUser = 0;
    ShowProgressWindow(0, static_cast<float>(g_router.ratsNestCount), " ", kProgressStart);
    SetStatusText("Loaded " + std::to_string(g_router.ratsNestCount) + " traces", 0);

    BatchRun run;
    run.prepareConnections(countBefore + 1);
    run.connectPowerNets();
    SortConnections();
    if (g_batchExtras.memoryRouter != 0)
        run.memoryRoute();
    g_progress.routing = 1;
    run.routeAll();

    g_batchStats.seconds = elapsed(start);
    g_batchStats.connections = g_router.ratsNestCount;
    g_batchStats.fifoOverflows = g_mazeRoute.fifoOverflows;
    g_batchStats.aborted = g_progress.abort != 0;
    if (!g_batchStats.aborted && g_router.ratsNestCount > 0) {
        if (plat::MessageBox("Optimize?", plat::kMbYesNo | plat::kMbIconQuestion, "Batch Router") == plat::kIdYes)
            run.optimize();
        run.markUnrouted();
        compactRun(run);
        g_batchStats.routed = run.routedCount();
        g_batchStats.passes = run.passCounter() + 1;
        PlaySoundFile("route.wav");
        const double percent = g_batchStats.routed * 100.0 / g_router.ratsNestCount;
        plat::MessageBox(BatchSummaryText(percent, g_batchStats.passes, g_batchStats.seconds, g_batchStats.fifoOverflows,
                                          run.unroutedText()),
                         plat::kMbIconInformation, "Batch Router");
    } else {
        run.markUnrouted();
        compactRun(run);
        g_batchStats.routed = run.routedCount();
        g_batchStats.passes = run.passCounter() + 1;
        // A stopped run tells how far it got, and who stopped it.
        if (g_router.ratsNestCount > 0) {
            const double percent = g_batchStats.routed * 100.0 / g_router.ratsNestCount;
            const bool byUser = g_progress.stoppedByUser != 0;
            plat::MessageBox(BatchSummaryText(percent, g_batchStats.passes, g_batchStats.seconds,
                                              g_batchStats.fifoOverflows) + "\n"
                                 + (byUser ? kBatchStoppedLine : std::string(kBatchRouterStopped)),
                             byUser ? plat::kMbIconInformation : plat::kMbIconStop, "Batch Router");
        }
    }
    g_progress.routing = 0;
    RedrawActiveFrame();
    if (!g_batchStats.aborted)
        AdjustViaPositions();
    saved.restore();
    g_active.data->objectCount = g_board.count;
    RedrawActiveFrame();
    ShowProgressWindow(0, 0, nullptr, kProgressEnd);
    return g_batchStats.aborted ? 0 : 1;
}

void OfferBatchRoute()
{
    // A board that could not be opened leaves nothing to route: no setup is offered.
    if (g_board.objects == nullptr || g_active.data == nullptr)
        return;
    CBatchRouterSetupDlg setup(nullptr);
    if (setup.DoModal() != plat::kIdOk)
        return;
    CBatchRouter router;
    router.BatchRoute();
}

std::string ShowRouterStatistics()
{
    const BatchRouterStats& s = g_batchStats;
    char text[400];
    std::snprintf(text, sizeof text,
                  "main=%d,retry=%d,ripup=%d\nsingle=%d,one via=%d,final=%d\noptimize1=%d\nunique=%d,straight=%d,len=%d\n"
                  "d1=%.1f,d(final)=%.1f,ideal=%.1f",
                  s.main, s.retry, s.ripup, s.single, s.oneVia, s.final, g_optimizerStats.optimize1, s.unique, s.straight,
                  s.len, s.d1 * 0.001, s.dFinal * 0.001, s.ideal * 0.001);
    plat::MessageBox(text, plat::kMbIconInformation, "Router Statistics");
    return text;
}
