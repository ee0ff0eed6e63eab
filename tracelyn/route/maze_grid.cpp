#include "tracelyn/route/maze_grid.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace {

struct QueueEntry {
    int32_t i, j;
};

}  // namespace

MazeGrid::MazeGrid()
{
    static std::unique_ptr<uint8_t[]> storage = std::make_unique<uint8_t[]>(size_t{kMazeGridSize} * kMazeGridSize);
    cells_ = storage.get();
}

MazeGrid& TheMazeGrid()
{
    static MazeGrid grid;
    return grid;
}

void MazeGrid::reset(int lastI, int lastJ)
{
    lastI_ = std::clamp(lastI, -1, kMazeGridSize - 1);
    lastJ_ = std::clamp(lastJ, -1, kMazeGridSize - 1);
    for (int i = 0; i <= lastI_; ++i)
        std::memset(cells_ + index(i, 0), 0, static_cast<size_t>(lastJ_) + 1);
    marksDirty_ = false;
}

void MazeGrid::clearMarks()
{
    // Marking states never touches the marks: after a reset only a wave leaves any.
    if (!marksDirty_)
        return;
    marksDirty_ = false;
    for (int i = 0; i <= lastI_; ++i) {
        uint8_t* row = cells_ + index(i, 0);
        for (int j = 0; j <= lastJ_; ++j)
            row[j] &= 0xF0;
    }
}

void MazeGrid::mark(int i, int j, uint8_t state, bool twoLayer)
{
    if (!inside(i, j))
        return;
    uint8_t& cell = cells_[index(i, j)];
    const uint8_t old = cell >> 4;
    uint8_t next = state;
    if (twoLayer && old != kStateFree && old != state)
        next = kStateBlocked;
    cell = static_cast<uint8_t>((next << 4) | (cell & 0x0F));
}

void MazeGrid::markRect(int iLo, int iHi, int jLo, int jHi, uint8_t state, bool twoLayer)
{
    iLo = std::max(iLo, 0);
    jLo = std::max(jLo, 0);
    iHi = std::min(iHi, lastI_);
    jHi = std::min(jHi, lastJ_);
    const auto marked = static_cast<uint8_t>(state << 4);
    for (int i = iLo; i <= iHi; ++i) {
        uint8_t* row = cells_ + index(i, 0);
        for (int j = jLo; j <= jHi; ++j) {
            const uint8_t old = row[j] >> 4;
            const uint8_t next = twoLayer && old != kStateFree && old != state ? uint8_t{kStateBlocked << 4} : marked;
            row[j] = static_cast<uint8_t>(next | (row[j] & 0x0F));
        }
    }
}

bool MazeGrid::expandWave(GridCell source, GridCell target, bool twoLayer, std::vector<GridCell>& path)
{
    path.clear();
    overflowed_ = false;
    queuePeak_ = 0;
    if (!inside(source.i, source.j) || !inside(target.i, target.j))
        return false;
    clearMarks();
    marksDirty_ = true;
    std::array<QueueEntry, kMazeQueueSize> queue;
    int get = 0, put = 0;
    queue[put++] = {source.i, source.j};
    cells_[index(source.i, source.j)] |= kMarkVisited;   // the source is never re-entered

    // Neighbour order j + 1, j - 1, i + 1, i - 1; each points back at the cell it came from.
    static constexpr int kDi[4] = {0, 0, 1, -1};
    static constexpr int kDj[4] = {1, -1, 0, 0};
    static constexpr uint8_t kBack[4] = {kStepJMinus, kStepJPlus, kStepIMinus, kStepIPlus};
    const int stride[4] = {1, -1, kMazeGridSize, -kMazeGridSize};

    GridCell arrival{-1, -1};
    int64_t visited = 0;
    while (get != put) {
        const QueueEntry cell = queue[static_cast<size_t>(get)];
        get = get + 1 == kMazeQueueSize ? 0 : get + 1;
        ++visited;
        const size_t at = index(cell.i, cell.j);
        const bool fromSource = cell.i == source.i && cell.j == source.j;
        const uint8_t here = cells_[at] >> 4;
        // A run along an axis lies on that axis's layer in both cells it joins.
        const bool leaves[2] = {fromSource || passable(here, false, twoLayer), fromSource || passable(here, true, twoLayer)};
        for (int d = 0; d < 4; ++d) {
            if (!leaves[d < 2])
                continue;
            const int ni = cell.i + kDi[d], nj = cell.j + kDj[d];
            if (ni == target.i && nj == target.j) {
                arrival = {cell.i, cell.j};
                break;
            }
            if (ni < 0 || nj < 0 || ni > lastI_ || nj > lastJ_)
                continue;
            uint8_t& next = cells_[static_cast<ptrdiff_t>(at) + stride[d]];
            if ((next & 0x0F) != 0)
                continue;
            if (!passable(next >> 4, d < 2, twoLayer)) {
                // A cell taken on one layer only stays open to a step along the other axis.
                if ((next >> 4) == kStateBlocked || !twoLayer)
                    next |= kMarkVisited;
                continue;
            }
            next = static_cast<uint8_t>((next & 0xF0) | kBack[d]);
            const int nextPut = put + 1 == kMazeQueueSize ? 0 : put + 1;
            if (nextPut == get) {
                overflowed_ = true;
                visited_ += visited;
                return false;
            }
            queue[static_cast<size_t>(put)] = {ni, nj};
            put = nextPut;
            const int waiting = put - get;
            queuePeak_ = std::max(queuePeak_, waiting >= 0 ? waiting : waiting + kMazeQueueSize);
        }
        if (arrival.i >= 0)
            break;
    }
    visited_ += visited;
    if (arrival.i < 0)
        return false;

    // Back-trace: each cell's mark leads one step toward the source.
    path.push_back(target);
    GridCell at = arrival;
    for (int steps = 0; steps <= (lastI_ + 1) * (lastJ_ + 1); ++steps) {
        path.push_back(at);
        if (at == source)
            return true;
        const uint8_t code = cells_[index(at.i, at.j)] & 0x0F;
        switch (code) {
        case kStepJMinus: --at.j; break;
        case kStepJPlus: ++at.j; break;
        case kStepIPlus: ++at.i; break;
        case kStepIMinus: --at.i; break;
        default: path.clear(); return false;
        }
        if (!inside(at.i, at.j)) {
            path.clear();
            return false;
        }
    }
    path.clear();
    return false;
}
