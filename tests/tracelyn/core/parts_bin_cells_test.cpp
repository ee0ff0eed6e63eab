// The parts bin's thumbnails of packages, painted into an image: each loaded package sits in the
// middle of its own cell, a package that is not loaded leaves its cell empty.
#include "paint_fixture.h"
#include "package_fixture.h"

#include "platform/gdi/raster_dc.h"
#include "support/temp_folder.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/parts_bin_cells.h"

#include <algorithm>
#include <climits>

namespace paint_test {
namespace {

class PartsBinCellsTest : public PaintTest {
protected:
    void SetUp() override
    {
        PaintTest::SetUp();
        package_test::useDip8Library(folder);
        ASSERT_NE(LoadLibraryPartByPath("STD\\DIP8"), 0);
    }
    void TearDown() override
    {
        g_boardFolders = BoardFolders{};
        PaintTest::TearDown();
    }
    quill_test::TempFolder folder;
};

struct Extent {
    int minX = INT_MAX, minY = INT_MAX, maxX = INT_MIN, maxY = INT_MIN;
    int pixels = 0;
};

// Where the pads' colour shows inside a rectangle of the image.
Extent padPixels(const plat::Bitmap& image, const plat::Rect& r, plat::ColorRef pad)
{
    Extent e;
    for (int y = std::max(r.top, 0); y < r.bottom; ++y)
        for (int x = std::max(r.left, 0); x < r.right; ++x)
            if (image.pixel(x, y) == pad) {
                e.minX = std::min(e.minX, x);
                e.maxX = std::max(e.maxX, x);
                e.minY = std::min(e.minY, y);
                e.maxY = std::max(e.maxY, y);
                ++e.pixels;
            }
    return e;
}

TEST_F(PartsBinCellsTest, EachPackageSitsInTheMiddleOfItsCell)
{
    g_boardPalette.trueColor = true;
    g_boardSettings.binParts = {"STD\\DIP8", "STD\\DIP8", "STD\\NOTLOADED"};
    plat::RasterDc dc(220, 300);
    EXPECT_EQ(PaintPartsBinCells(dc, {0, 0, 220, 300}, 0), 200);
    ASSERT_EQ(g_partsBinCells.cells.size(), 3u);
    const plat::Bitmap image = dc.bitmap();
    const plat::ColorRef pad = GetLayerColor(ColorMapEntry(RoleColor(kRoleAllLayers)));
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        const plat::Rect cell = g_partsBinCells.cells[static_cast<size_t>(k)];
        const Extent e = padPixels(image, cell, pad);
        ASSERT_GT(e.pixels, 8) << "eight pads drawn";
        EXPECT_NEAR((e.minX + e.maxX) / 2, (cell.left + cell.right) / 2, 6);
        EXPECT_GT(e.minY, cell.top + 5);
        EXPECT_LT(e.maxY, cell.bottom - 18) << "above the name";
    }
    EXPECT_EQ(padPixels(image, g_partsBinCells.cells[2], pad).pixels, 0);
    EXPECT_EQ(HitTestPartsBin(150, 50), 1);
    EXPECT_EQ(HitTestPartsBin(110, 50), -1) << "on the edge between two cells";
    EXPECT_EQ(HitTestPartsBin(50, 250), -1) << "below the last row";
}

}  // namespace
}  // namespace paint_test
