#include "tracelyn/route/flood_fill.h"

#include "platform/core/ui_host.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/placed_pads.h"
#include "tracelyn/core/status_progress.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/route/fill_shapes.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

FillSettings g_fill;

namespace {

// The fill area reaches this far beyond the enclosing object on each side, in mils.
constexpr int kFillMarginMils = 100;
constexpr int32_t kFillOutlineWidth = 20;
constexpr int32_t kFillModeClearTraces = 365;
constexpr const char* kStoreFullMessage = "Database FULL--objects not loaded";

int32_t fillCell()
{
    return kFillGridMils[std::clamp(g_fill.gridIndex, 0, kFillGridChoices - 1)] * 10;
}

double fillGridMils()
{
    return fillCell() / 10.0;
}

FillReach currentReach()
{
    FillReach reach;
    reach.mask = std::max(g_fill.mask, 0);
    reach.clearTraces = g_boardSettings.fillmode == kFillModeClearTraces;
    // The outline pen reaches furthest at the rectangles' corners.
    reach.pen = kFillOutlineWidth / 2.0 * std::sqrt(2.0);
    return reach;
}

// Progress in pane 0, refreshed only when the shown share changes.
class FillProgress {
public:
    FillProgress(int total, const char* text) : total_(std::max(total, 1)), text_(text)
    {
        SetStatusBarProgress(0, total_, text_, kProgressStart);
    }
    ~FillProgress() { SetStatusBarProgress(total_, total_, "", kProgressEnd); }
    void step(int done)
    {
        const int percent = static_cast<int>(100.0 * done / total_);
        if (percent != shown_) {
            shown_ = percent;
            SetStatusBarProgress(done, total_, text_, kProgressUpdate);
        }
    }

private:
    int total_;
    const char* text_;
    int shown_ = -1;
};

BoardObject fillRectangle(int64_t x, int64_t y, int64_t width, int32_t height, int layer)
{
    BoardObject o;
    o.w[0] = static_cast<int32_t>(x);
    o.w[1] = static_cast<int32_t>(y);
    o.w[2] = static_cast<int32_t>(width);
    o.w[3] = height;
    o.w[4] = kKindRectangle;
    o.setLayer(layer);
    o.w[6] = 1;
    o.w[7] = kFillOutlineWidth;
    return o;
}

}  // namespace

int CFloodFiller::PrepareFill(int /*mode*/, int count)
{
    prepared_ = false;
    rectangles_.clear();
    if (g_selection.count != 1 || g_board.objects == nullptr || g_selection.list.size() < 2)
        return 0;
    const int index = g_selection.list[1];
    if (index < 1 || index > std::min(count, g_board.count))
        return 0;
    const BoardObject& enclosing = g_board.objects[index];
    const std::optional<FillExtent> extent = EnclosingExtent(enclosing);
    if (!extent)
        return 0;
    enclosing_ = index;
    layer_ = g_edit.currentLayer;

    const int32_t cell = fillCell();
    const double widthMils = (extent->x2 - extent->x1) / 10.0;
    const double heightMils = (extent->y2 - extent->y1) / 10.0;
    const double side = std::max(widthMils, heightMils) + kFillMarginMils;
    const int cells = static_cast<int>(side / fillGridMils());
    if (cells > kMaxFillCells) {
        plat::MessageBox(kFillAreaExceededMessage);
        return 0;
    }
    const double cx = (extent->x1 + extent->x2) / 2, cy = (extent->y1 + extent->y2) / 2;
    const int64_t left = static_cast<int64_t>(std::floor(cx)) - int64_t{cells} * cell / 2;
    const int64_t top = static_cast<int64_t>(std::floor(cy)) - int64_t{cells} * cell / 2;
    grid_ = std::make_unique<FillGrid>(left, top, cell, cells);
    if (!collectObstacles(enclosing))
        return 0;
    rasterise();
    prepared_ = true;
    return 1;
}

bool CFloodFiller::collectObstacles(const BoardObject& enclosing)
{
    obstacles_.clear();
    const FillExtent area = *EnclosingExtent(enclosing);
    const FillReach reach = currentReach();
    for (int i = 1; i <= g_board.count; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (i == enclosing_ || o.kind() == kKindDeleted)
            continue;
        // A part whose package cannot be read keeps no copper away: the person is told.
        if (o.isPart() && !PlacedPartReadable(o)) {
            plat::MessageBox(std::string(kFillPartUnreadable) + (o.text() != nullptr ? o.text() : ""),
                             plat::kMbIconInformation);
            continue;
        }
        const std::vector<FillShape> shapes = ObstacleShapes(o, layer_, reach);
        if (shapes.empty())
            continue;
        const FillExtent e = ExtentOf(shapes);
        // The board outline and other objects round the whole area keep nothing away.
        if (!e.meets(area) || e.covers(area))
            continue;
        if (static_cast<int>(obstacles_.size()) >= kMaxFillObstacles) {
            plat::MessageBox(kFillTooComplexMessage);
            return false;
        }
        obstacles_.push_back(i);
    }
    return true;
}

void CFloodFiller::rasterise()
{
    const BoardObject& enclosing = g_board.objects[enclosing_];
    const FillReach reach = currentReach();
    FillProgress progress(static_cast<int>(obstacles_.size()), "Drawing to bitmap...");
    int done = 0;
    for (const int i : obstacles_) {
        MarkShapes(*grid_, ObstacleShapes(g_board.objects[i], layer_, reach), kCellObstacle);
        if (++done % 2 == 0)
            progress.step(done);
    }
    MarkEnclosingEdge(*grid_, enclosing, reach.pen);
    interior_.assign(static_cast<size_t>(grid_->cells()), {});
    const double half = grid_->cell() / 2.0;
    for (int j = 0; j < grid_->cells(); ++j)
        interior_[static_cast<size_t>(j)] = InteriorAt(enclosing, double(grid_->rowTop(j)) + half);
}

void CFloodFiller::ScanGrid()
{
    rectangles_.clear();
    if (!grid_)
        return;
    const FillGrid& grid = *grid_;
    const int32_t cell = grid.cell();
    const double half = cell / 2.0;
    struct Run {
        int i0, i1;
        size_t rect;
    };
    std::vector<Run> previous, current;
    FillProgress progress(grid.cells(), "Doing fill...");
    for (int j = 0; j < grid.cells(); ++j) {
        current.clear();
        const uint8_t* row = grid.row(j);
        const std::vector<double>& inside = interior_[static_cast<size_t>(j)];
        size_t p = 0;
        for (size_t k = 0; k + 1 < inside.size(); k += 2) {
            // Cells whose middle lies inside; the edge cells round them are outline cells.
            const int a = std::max(0, static_cast<int>(std::ceil((inside[k] - grid.cellLeft(0) - half) / cell)));
            const int b = std::min(grid.cells() - 1,
                                   static_cast<int>(std::floor((inside[k + 1] - grid.cellLeft(0) - half) / cell)));
            int i = a;
            while (i <= b) {
                if (row[i] != kCellEmpty) {
                    ++i;
                    continue;
                }
                const int start = i;
                while (i <= b && row[i] == kCellEmpty)
                    ++i;
                const int end = i - 1;
                // A run exactly under one of the row above grows that rectangle.
                while (p < previous.size() && previous[p].i0 < start)
                    ++p;
                if (p < previous.size() && previous[p].i0 == start && previous[p].i1 == end) {
                    rectangles_[previous[p].rect].w[3] += cell;
                    current.push_back({start, end, previous[p].rect});
                } else {
                    rectangles_.push_back(fillRectangle(grid.cellLeft(start), grid.rowTop(j),
                                                        int64_t{end - start + 1} * cell, cell, layer_));
                    current.push_back({start, end, rectangles_.size() - 1});
                }
            }
        }
        std::swap(previous, current);
        progress.step(j);
    }
}

int CFloodFiller::FloodFill(bool minimizeFloatingCopper)
{
    secondPass_ = false;
    if (!prepared_)
        return 0;
    const auto started = std::chrono::steady_clock::now();
    ScanGrid();
    const int n = static_cast<int>(rectangles_.size());
    int appended = 0;
    if (!StoreHasRoomFor(n)) {
        plat::MessageBox(kStoreFullMessage);
    } else {
        for (const BoardObject& r : rectangles_) {
            BoardObject* record = AppendedObject(AppendObject());
            if (record == nullptr)
                break;
            *record = r;
            ++appended;
        }
    }
    elapsed_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    char text[64];
    std::snprintf(text, sizeof text, "Flood fill time=%.2f seconds", elapsed_);
    SetStatusText(text, kPaneMessage);
    secondPass_ = minimizeFloatingCopper && appended > 0;
    return appended;
}

void CFloodFiller::ClearFillFlags(int first)
{
    if (g_board.objects == nullptr || first < 0 || first >= g_board.count)
        return;
    std::span<BoardObject> records(&g_board.objects[first + 1], static_cast<size_t>(g_board.count - first));
    for (BoardObject& o : records)
        if (o.kind() == kKindRectangle)
            o.w[8] = 0;
    for (const int k : FindFloatingCopper(records, g_edit.currentLayer, fillGridMils()))
        records[static_cast<size_t>(k)].setKind(kKindDeleted);
}

int CFloodFiller::RemoveIslands(int /*mode*/, const std::function<void(const std::vector<int>&)>& beforeRemoving)
{
    if (g_board.objects == nullptr || g_board.count < 1)
        return 0;
    std::span<BoardObject> records(&g_board.objects[1], static_cast<size_t>(g_board.count));
    std::vector<int> islands = FindFloatingCopper(records, g_edit.currentLayer, fillGridMils());
    for (int& k : islands)
        ++k;   // store indices from here on
    if (!islands.empty() && beforeRemoving)
        beforeRemoving(islands);
    for (const int k : islands)
        g_board.objects[k].setKind(kKindDeleted);
    return static_cast<int>(islands.size());
}
