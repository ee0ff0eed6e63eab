#pragma once
// Design-rule marks: fixed-width rectangles (kind 14) round the places the design-rule check
// found at fault. Find > DRC Mark steps through them, Clear DRC Marks removes them, and they
// print like the board's other marks.

#include <cstdint>

// The layer new marks go on (all layers at start-up, so that every view shows them) and the
// marks laid since the board's marks were last taken away.
struct DrcMarkState {
    int32_t layer = 31;
    int32_t count = 0;
};
extern DrcMarkState g_drcMarks;

// Margin round the place a mark shows, on every side.
inline constexpr int32_t kDrcMarkMargin = 20;

// Appends a mark from (x - (w + 20), y - (h + 20)) to (x + w + 20, y + h + 20) through the
// store's append routine; its index, or 0 when the store is full.
int AddDrcMark(int32_t x, int32_t y, int32_t w, int32_t h);

// The first mark of the current store, or count + 1 when it has none.
int FirstDrcMark();

// Deletes every mark where it lies, moving no other record, and lowers the count over the
// deleted records at its end. The number deleted.
int DeleteDrcMarks();

// The count DeleteDrcMarks would leave: the count lowered over the marks and deleted records
// at the store's end (never below 1).
int CountWithoutTrailingMarks();
