#pragma once
// Painting tests: a new board with default settings and colours, the test UI host, a recording
// context mapped for an 800 x 600 window, and helpers that add objects and hand-built packages.

#include "board_fixture.h"
#include "board_objects.h"
#include "common/string_helpers.h"
#include "platform/core/test_ui_host.h"
#include "platform/gdi/recording_dc.h"
#include "support/default_stores.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_painter.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/package_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace paint_test {

// Hand-built objects go by the short name here.
inline BoardObject object(int kind, int layer, std::array<int32_t, 8> words)
{
    return board_test::makeObject(kind, layer, words);
}
using board_test::addPackage;

// Resets every process-wide value the painters read.
inline void resetPaintState()
{
    quill_test::resetToDefaults(g_boardSettings, g_boardColors, g_view, g_paint, g_print, g_crosshair, g_edit,
                                g_selection, g_polarGrid);
    g_boardPalette.trueColor = false;
    SeedColorMap();
    BuildBoardPalette();
}

// A recorded drawing call's arguments.
using Args = decltype(plat::DcCall::args);

// Package-local point (dx, dy) from the package origin.
inline int32_t px(int32_t dx) { return -10000 + dx; }
inline int32_t py(int32_t dy) { return -5000 + dy; }

// A new board (as board_test::BoardTest gives it) painted at zoom 3 with default settings and
// colours.
class PaintTest : public board_test::BoardTest {
protected:
    void SetUp() override
    {
        resetPaintState();
        BoardTest::SetUp();
        zoom(3);
    }
    void TearDown() override
    {
        BoardTest::TearDown();
        resetPaintState();
    }

    void zoom(int index)
    {
        g_board.zoomIndex = index;
        doc.zoomIndex = index;
        g_view.zoomDivisor = ZoomDivisorOf(index);
        prepare();
    }
    void prepare() { PrepareScreenMapping(dc, plat::Rect{0, 0, 800, 600}); }

    int addText(std::string_view text, int layer, int32_t x, int32_t y, int32_t style = 0x601,
                int32_t angle = 0)
    {
        BoardObject o = object(kKindText, layer, {x, y, style, angle, 0, 0, 0, 0});
        o.data = StrDupChecked(text);
        return add(o);
    }
    int addPart(std::string_view label, int package, int layer, int32_t x, int32_t y,
                int32_t rotation = 0, int32_t section = -1)
    {
        BoardObject o = object(kKindPart + package, layer, {x, y, 0, 0, 0, section, rotation, 1});
        o.data = StrDupChecked(label);
        return add(o);
    }

    // Draws objects first..last (all by default) and returns the drawing lines.
    std::vector<plat::DcCall> paint(int first = 2, int last = -1)
    {
        dc.clear();
        DrawObjects(first, last < 0 ? g_board.count : last, dc);
        return dc.drawingCalls();
    }

    static plat::ColorRef colorOf(int logical) { return GetLayerColor(ColorMapEntry(logical)); }

    plat::RecordingDc dc;
};

}  // namespace paint_test
