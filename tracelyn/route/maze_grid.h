#pragma once
// The maze router's byte grid and its breadth-first wave. A cell's low nibble is the wave mark
// (0 unvisited, 1 visited and blocked, 2-5 the step back toward the source), its high nibble
// the cell state (0 free, 1 blocked on both layers, 8 taken on the pair's even layer, 9 on its
// odd layer). The found path is handed back as a list of cells; the cells keep their states.

#include <cstddef>
#include <cstdint>
#include <vector>

inline constexpr int kMazeGridSize = 2000;
inline constexpr int kMazeQueueSize = 800;

inline constexpr uint8_t kStateFree = 0;
inline constexpr uint8_t kStateBlocked = 1;
inline constexpr uint8_t kStateEven = 8;
inline constexpr uint8_t kStateOdd = 9;

// Marks: the step that leads back toward the discovering cell.
inline constexpr uint8_t kMarkVisited = 1;
inline constexpr uint8_t kStepJMinus = 2;
inline constexpr uint8_t kStepJPlus = 3;
inline constexpr uint8_t kStepIPlus = 4;
inline constexpr uint8_t kStepIMinus = 5;

struct GridCell {
    int32_t i = 0, j = 0;
    bool operator==(const GridCell&) const = default;
};

// The one grid (4,000,000 bytes, allocated once) and the wave run on it.
class MazeGrid {
public:
    MazeGrid();
    // Clears states and marks of cells 0..lastI x 0..lastJ (clipped to the grid); cells beyond
    // count as blocked from now on.
    void reset(int lastI, int lastJ);
    int lastI() const { return lastI_; }
    int lastJ() const { return lastJ_; }
    bool inside(int i, int j) const { return i >= 0 && j >= 0 && i <= lastI_ && j <= lastJ_; }

    uint8_t state(int i, int j) const { return cells_[index(i, j)] >> 4; }
    // Sets a state; in two-layer mode a cell that already holds a different state becomes
    // blocked on both layers. Cells outside the used area are left alone.
    void mark(int i, int j, uint8_t state, bool twoLayer);
    // The same for every cell of the rectangle (clipped to the used area).
    void markRect(int iLo, int iHi, int jLo, int jHi, uint8_t state, bool twoLayer);

    // Whether a step along j (alongJ) or along i may enter a cell of this state.
    static bool passable(uint8_t state, bool alongJ, bool twoLayer)
    {
        if (!twoLayer)
            return state == kStateFree || (state >= 2 && state <= 5);
        return state != kStateBlocked && state != (alongJ ? kStateEven : kStateOdd);
    }

    // One search from source to target. On success `path` runs from the target to the source
    // (4-connected). False when no path exists or the queue overflowed (`overflowed` set).
    bool expandWave(GridCell source, GridCell target, bool twoLayer, std::vector<GridCell>& path);

    int queuePeak() const { return queuePeak_; }
    bool overflowed() const { return overflowed_; }
    int64_t cellsVisited() const { return visited_; }

private:
    static size_t index(int i, int j) { return static_cast<size_t>(i) * kMazeGridSize + static_cast<size_t>(j); }
    void clearMarks();

    uint8_t* cells_;
    int lastI_ = -1, lastJ_ = -1;
    bool marksDirty_ = true;   // a wave has left marks since the last reset
    int queuePeak_ = 0;
    bool overflowed_ = false;
    int64_t visited_ = 0;
};

MazeGrid& TheMazeGrid();
