#pragma once
// Scroll-bar and zoom arithmetic of the library editors' drawing area (the part editor and the
// package editor): the view offset against a sheet side, and the step through the zoom table.

#include <array>

// Zoom divisors by scale index: 20 %, 25 %, 50 %, 100 %, 125 %, 250 %, 500 %.
inline constexpr std::array<int, 7> kEditorZoomDivisors{25, 20, 10, 5, 4, 2, 1};
inline constexpr int kEditorMaxScaleIndex = 6;

struct EditorScrollBar {
    int maximum = 0;
    int page = 0;
    int position = 0;
};

// The bar of one side: maximum the sheet side, page the area side times the zoom divisor, the
// position from the offset. When the sheet side equals the screen centre there is nothing to
// scroll: the bar shows the whole range at position 0.
EditorScrollBar EditorScrollBarFor(int sheetSide, int areaSide, int divisor, int offset, int screenCentre);
// The view offset of a bar dropped at position; 0 when the side leaves nothing to scroll.
int EditorScrollOffset(int position, int page, int sheetSide, int screenCentre);

struct EditorZoomStep {
    int scaleIndex = 0;
    bool applied = false;
    const char* sound = nullptr;   // "Maximum" or "Minimum" at the ends of the table, else null
};
// One step in (toward 500 %) or out: past either end nothing changes; reaching an end is
// applied with its sound.
EditorZoomStep StepEditorZoom(int scaleIndex, bool zoomIn);
