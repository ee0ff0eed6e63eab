// The recording context painter tests assert against.
#include "platform/gdi/recording_dc.h"

#include <gtest/gtest.h>

namespace plat {
namespace {

TEST(RecordingDc, LogsCallsWithTheSelectedObjectsAndModes)
{
    RecordingDc dc;
    dc.SelectObject(Pen(kPsSolid, 1, paletteIndex(7)));
    dc.SetROP2(kR2Not);
    dc.MoveTo(0, 0);
    dc.LineTo(10, 20);
    dc.SelectObject(stockPen(kNullPen));
    dc.SelectObject(Brush::hatched(kHsFDiagonal, paletteIndex(3)));
    dc.Rectangle(0, 0, 100, 50);
    Font f;
    f.face = "Arial";
    f.height = -54;
    f.width = 30;
    f.escapement = 900;
    f.weight = 700;
    dc.SelectObject(f);
    dc.SetBkMode(kTransparent);
    dc.SetTextColor(paletteIndex(21));
    dc.TextOut(5, 5, "R1");
    dc.SetPixel(3, 4, rgb(255, 0, 0));
    dc.FillRect(Rect{1, 2, 3, 4}, Brush::solid(rgb(0, 0, 255)));

    EXPECT_EQ(dc.drawingLines(), (std::vector<std::string>{
        "LineTo(10,20) pen=solid,1,#7 rop=6",
        "Rectangle(0,0,100,50) pen=null brush=hatch2,#3 rop=6",
        "TextOut(5,5,\"R1\") font=\"Arial\",-54,30,esc=900,wt=700 color=#21 bk=transparent align=0",
        "SetPixel(3,4,rgb(255,0,0))",
        "FillRect(1,2,3,4) brush=solid,rgb(0,0,255)",
    }));
    const std::vector<std::string> all = dc.lines();
    EXPECT_EQ(all.front(), "SelectPen(solid,1,#7)");
    EXPECT_EQ(all[1], "SetROP2(6)");

    const DcCall rect = dc.drawingCalls()[1];
    EXPECT_EQ(rect.name, "Rectangle");
    EXPECT_EQ(rect.args, (std::vector<int>{0, 0, 100, 50}));
    EXPECT_TRUE(rect.pen.isNull());
    EXPECT_EQ(rect.brush, Brush::hatched(kHsFDiagonal, paletteIndex(3)));
    EXPECT_EQ(rect.rop2, kR2Not);
    // The brush FillRect was given does not stay selected.
    EXPECT_EQ(dc.GetCurrentBrush(), Brush::hatched(kHsFDiagonal, paletteIndex(3)));
}

TEST(RecordingDc, KeepsMappingAndMeasuresTextDeterministically)
{
    RecordingDc dc(RecordingDevice{2000, 1500, 300, 300, true});
    EXPECT_TRUE(dc.IsPrinting());
    EXPECT_EQ(dc.GetDeviceCaps(kLogPixelsY), 300);
    EXPECT_EQ(dc.GetDeviceCaps(kHorzRes), 2000);
    dc.SetMapMode(kMmAnisotropic);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(50, 50);
    EXPECT_EQ(dc.LPtoDP(Point{33, -33}), (Point{17, -17}));
    Font f;
    f.height = -40;                       // 20 device pixels: glyphs 10 wide
    dc.SelectObject(f);
    EXPECT_EQ(dc.GetTextExtent("abcd"), (Size{80, 2 * (20 - 2 + 5)}));
    f.width = 8;                          // 4 device pixels
    dc.SelectObject(f);
    EXPECT_EQ(dc.GetTextExtent("abc").cx, 24);
    EXPECT_EQ(dc.GetTextMetrics().tmAveCharWidth, 8);
}

}  // namespace
}  // namespace plat
