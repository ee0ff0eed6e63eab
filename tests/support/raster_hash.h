#pragma once
// A fingerprint of every pixel of an image, for tests that hold a repaint to the pixels it gave
// before: FNV-1a over the 0x00BBGGRR colours, row by row, with the size mixed in first.

#include "platform/gdi/raster_dc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

namespace quill_test {

inline uint64_t rasterHash(const plat::Bitmap& image)
{
    uint64_t h = 14695981039346656037ull;
    auto mix = [&h](uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            h ^= (v >> (8 * i)) & 0xFF;
            h *= 1099511628211ull;
        }
    };
    mix(static_cast<uint32_t>(image.width()));
    mix(static_cast<uint32_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            mix(image.pixel(x, y));
    return h;
}


// The pixels of a few lines of text in the faces the programs use most. Tests that hold
// rasters to recorded fingerprints compare this first: a machine whose font files or font
// rasteriser differ from the recording draws text differently, and only there are the
// recorded fingerprints of no use.
inline uint64_t fontProbeHash()
{
    plat::RasterDc dc(400, 160);
    dc.SetBkMode(plat::kTransparent);
    constexpr std::string_view kFaces[] = {"Arial", "Times New Roman", "Courier New"};
    int y = 4;
    for (const std::string_view face : kFaces) {
        for (const int height : {-11, -17}) {
            plat::Font font;
            font.face = std::string(face);
            font.height = height;
            dc.SelectObject(font);
            dc.TextOut(4, y, "Quill R12 C3 0.1uF AaGgJjWw");
            y += 24;
        }
    }
    return rasterHash(dc.bitmap());
}

// A fixture's repaint at one zoom as recorded: whole, and after every overlaid object was drawn
// once inverted.
struct RecordedRaster {
    const char* fixture;
    int zoom;
    uint64_t whole;
    uint64_t overlaid;
};

// QUILL_PRINT_RASTER_HASHES=1 prints the fingerprints instead of comparing them, to record
// them again after a change of what is drawn on purpose.
inline bool printingRasterHashes() { return std::getenv("QUILL_PRINT_RASTER_HASHES") != nullptr; }

inline bool fontsAsRecorded(uint64_t recordedProbe)
{
    const uint64_t probe = fontProbeHash();
    if (printingRasterHashes())
        std::printf("font probe 0x%016llxull\n", static_cast<unsigned long long>(probe));
    return probe == recordedProbe;
}

// Compares (or prints) one repaint's fingerprints against the recorded table.
inline void expectRecorded(std::span<const RecordedRaster> table, const RecordedRaster& now, bool fonts)
{
    if (printingRasterHashes()) {
        std::printf("    {\"%s\", %d, 0x%016llxull, 0x%016llxull},\n", now.fixture, now.zoom,
                    static_cast<unsigned long long>(now.whole), static_cast<unsigned long long>(now.overlaid));
        return;
    }
    if (!fonts)
        return;
    const auto recorded = std::find_if(table.begin(), table.end(), [&](const RecordedRaster& r) {
        return std::string_view(r.fixture) == now.fixture && r.zoom == now.zoom;
    });
    ASSERT_NE(recorded, table.end());
    EXPECT_EQ(now.whole, recorded->whole) << "the repaint's pixels changed";
    EXPECT_EQ(now.overlaid, recorded->overlaid) << "the overlays' pixels changed";
}

// Blackens a rectangle of device pixels, as if the window had been scrolled or covered there.
inline void blacken(plat::Dc& dc, const plat::Rect& pixels)
{
    dc.SaveDC();
    dc.SetMapMode(plat::kMmText);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(0, 0);
    dc.SelectClipRgn(nullptr);
    dc.FillRect(pixels, plat::Brush::solid(plat::rgb(0, 0, 0)));
    dc.RestoreDC(-1);
}

}  // namespace quill_test
