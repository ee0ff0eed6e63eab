// Memory contexts over bitmaps and blits between contexts (clipboard pictures, read-back).
#include "platform/gdi/raster_dc.h"
#include "platform/gdi/raster_dc_qt.h"

#include <gtest/gtest.h>

namespace plat {
namespace {

TEST(Bitmap, StretchBltCopiesAndScalesAWindowIntoABitmap)
{
    QImage window(40, 20, QImage::Format_RGB32);
    window.fill(Qt::white);
    RasterDc view(ExternalImage{window});
    view.FillRect(Rect{0, 0, 20, 20}, Brush::solid(rgb(255, 0, 0)));
    EXPECT_EQ(window.pixel(5, 5), qRgb(255, 0, 0));    // drawn into the caller's image

    Bitmap picture(20, 10);
    RasterDc memory(picture);
    EXPECT_TRUE(memory.StretchBlt(0, 0, 20, 10, view, 0, 0, 40, 20, kSrcCopy));
    EXPECT_EQ(picture.pixel(2, 2), rgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(12, 2), rgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(9, 9), rgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(10, 9), rgb(255, 255, 255));
    const std::vector<uint8_t> png = picture.encodePng();
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png[1], 'P');
}

TEST(Bitmap, InvertingBlitsUndoThemselves)
{
    RasterDc dc(16, 16);
    for (int i = 0; i < 16; ++i)
        dc.SetPixel(i, i, rgb(i * 16, 3, 200));
    RasterDc copy(16, 16);
    copy.BitBlt(0, 0, 16, 16, dc, 0, 0, kSrcCopy);
    dc.BitBlt(2, 2, 10, 10, dc, 0, 0, kDstInvert);
    EXPECT_EQ(dc.GetPixel(3, 3), rgb(255 - 48, 252, 55));
    dc.BitBlt(2, 2, 10, 10, dc, 0, 0, kDstInvert);
    dc.BitBlt(0, 0, 16, 16, copy, 0, 0, kSrcInvert);
    EXPECT_EQ(dc.GetPixel(3, 3), rgb(0, 0, 0));       // a picture exclusive-ored with itself
    dc.BitBlt(0, 0, 16, 16, copy, 0, 0, kSrcInvert);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(dc.GetPixel(x, y), copy.GetPixel(x, y)) << x << "," << y;
}

TEST(Bitmap, ASourceWithoutPixelsFails)
{
    RasterDc dc(4, 4);
    RasterDc empty(0, 0);
    EXPECT_FALSE(dc.BitBlt(0, 0, 4, 4, empty, 0, 0, kSrcCopy));
    EXPECT_TRUE(dc.BitBlt(0, 0, 4, 4, empty, 0, 0, kBlackness));
    EXPECT_EQ(dc.GetPixel(3, 3), rgb(0, 0, 0));
}

}  // namespace
}  // namespace plat
