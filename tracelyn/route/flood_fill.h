#pragma once
// Copper pour: fills the area enclosed by one selected rectangle, ellipse or polygon with
// copper rectangles on the current layer, keeping the clearance ("Fill Mask") round every
// other copper object inside it. The board view builds a CFloodFiller for each command.

#include "tracelyn/core/board_object.h"
#include "tracelyn/route/fill_grid.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

// The fill settings, kept for the program's run. The "Flood fill" dialog sets them.
inline constexpr int kFillGridChoices = 5;
inline constexpr int kFillGridMils[kFillGridChoices] = {1, 2, 3, 4, 5};
struct FillSettings {
    int32_t gridIndex = 2;      // into kFillGridMils
    int32_t mask = 250;         // clearance in board units
};
extern FillSettings g_fill;

// The most cells a side of the fill area may use.
inline constexpr int kMaxFillCells = 4665;
// Obstacles one fill may keep clear of.
inline constexpr int kMaxFillObstacles = 9999;
// The word of a fill rectangle that marks it as grouped by the floating-copper pass.
inline constexpr int32_t kFillGroupedMark = 0x1234;

inline constexpr const char* kFillTooComplexMessage = "Fill too complex";
// Followed by the part's name.
inline constexpr const char* kFillPartUnreadable = "Something wrong with part:";
inline constexpr const char* kFillAreaExceededMessage =
    "Warning fill area exceeded. Choose an enclosing object with a smaller area.\n"
    "You can do fill in multiple operations if necessary";

class CFloodFiller {
public:
    CFloodFiller() = default;
    virtual ~CFloodFiller() = default;

    // Requires exactly one selected object, a rectangle, ellipse or polygon; collects the
    // copper it must keep clear of and rasterises it into the grid. 1 on success; 0 (with a
    // message for the limits) when there is nothing to fill.
    int PrepareFill(int mode, int count);

    // Scans the grid and lays the fill rectangles into the current store after the last
    // object, all or none ("Database FULL--objects not loaded" when they do not fit). Returns
    // how many it appended. Sets the second-pass flag when floating copper is to be removed.
    int FloodFill(bool minimizeFloatingCopper = true);

    // After a fill: removes the floating copper among the rectangles from `first` on.
    void ClearFillFlags(int first);

    // Removes islands of copper rectangles on the current layer (the fill flags of all
    // rectangles cleared beforehand by the caller); returns how many rectangles went.
    // beforeRemoving sees the store indices of the doomed rectangles first (for the undo step).
    int RemoveIslands(int mode, const std::function<void(const std::vector<int>&)>& beforeRemoving = {});

    bool secondPass() const { return secondPass_; }
    double elapsedSeconds() const { return elapsed_; }
    // The rectangles the last scan produced (board records, kind 2 on the fill layer).
    const std::vector<BoardObject>& rectangles() const { return rectangles_; }

    // The scan alone, without touching the store (for the benchmark and the tests).
    void ScanGrid();

private:
    bool collectObstacles(const BoardObject& enclosing);
    void rasterise();

    bool prepared_ = false;
    bool secondPass_ = false;
    double elapsed_ = 0;
    int layer_ = 0;
    std::unique_ptr<FillGrid> grid_;
    // The enclosing object's interior: per grid row, pairs of x bounds at the row's middle.
    std::vector<std::vector<double>> interior_;
    std::vector<int> obstacles_;     // store indices; the enclosing object is not among them
    int enclosing_ = 0;
    std::vector<BoardObject> rectangles_;
};

// The indices (into records) of the fill rectangles that make up small islands of copper:
// the unmarked rectangles (kind 2 on `layer` or on all layers) are grouped by touching, each
// grouped rectangle gets the grouped mark in word 8, and a group whose area lies between 100
// and 100,000 square units with fewer than 100 members is returned (a lone rectangle at least
// 1,001 units wide stays when the grid is coarser than 3 mils).
std::vector<int> FindFloatingCopper(std::span<BoardObject> records, int layer, double fillGridMils);
