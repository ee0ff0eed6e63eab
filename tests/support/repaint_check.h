#pragma once
// Holds a program's repaint of its 800 x 600 window to the pixels recorded for it: the whole
// repaint, the overlays drawn once and twice, and strips of a scribbled window repainted alone.
// Each program passes in how it paints, overlays and repaints a strip of its own window.

#include "platform/gdi/raster_dc.h"
#include "support/raster_hash.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>

namespace quill_test {

inline constexpr int kRasterWidth = 800;
inline constexpr int kRasterHeight = 600;
inline constexpr plat::Rect kRasterClient{0, 0, kRasterWidth, kRasterHeight};

// The font probe of the machine that recorded both programs' fingerprints (see raster_hash.h
// for how to record them again).
inline constexpr uint64_t kRecordedFontProbe = 0x162924c595f66667ull;

struct RepaintDriver {
    std::function<void(plat::RasterDc&)> paintWhole;   // maps the window and paints all of it
    std::function<void(plat::RasterDc&)> overlay;      // draws the overlaid objects inverted
    std::function<void(plat::RasterDc&, const plat::Rect&)> repaintStrip;   // maps, then repaints the pixels
};

// Holds one fixture's repaint at one zoom to `recorded`; an overlay drawn twice gives the repaint
// back, and repainting each strip of a scribbled window gives back the whole repaint.
inline void expectRepaintHolds(std::span<const RecordedRaster> recorded, const char* fixture, int zoom, bool fonts,
                               std::initializer_list<plat::Rect> strips, const RepaintDriver& driver)
{
    SCOPED_TRACE(std::string(fixture) + " at zoom " + std::to_string(zoom));
    plat::RasterDc dc(kRasterWidth, kRasterHeight);
    driver.paintWhole(dc);
    const uint64_t whole = rasterHash(dc.bitmap());
    driver.overlay(dc);
    const uint64_t overlaid = rasterHash(dc.bitmap());
    EXPECT_NE(overlaid, whole) << "the overlays draw something";
    driver.overlay(dc);
    EXPECT_EQ(rasterHash(dc.bitmap()), whole) << "drawing the overlays twice restores the pixels";

    for (const plat::Rect& strip : strips) {
        SCOPED_TRACE("strip " + std::to_string(strip.left) + "," + std::to_string(strip.top));
        blacken(dc, strip);
        driver.repaintStrip(dc, strip);
        EXPECT_EQ(rasterHash(dc.bitmap()), whole) << "the strip repaints as the whole window did";
    }

    expectRecorded(recorded, {fixture, zoom, whole, overlaid}, fonts);
}

}  // namespace quill_test
