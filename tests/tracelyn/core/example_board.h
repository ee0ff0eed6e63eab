#pragma once
// A small example board built through the board API: two 8-pin packages and two resistors
// with their silk and labels, traces on the top and first inner layer, vias, a copper
// rectangle, a polygon, an arc, an ellipse and a silk-screen title.

#include "paint_fixture.h"

#include <functional>

#include "tracelyn/core/object_painters.h"

namespace paint_test {

inline BoardObject textObject(int layer, int32_t x, int32_t y, int32_t style, std::string_view text)
{
    BoardObject o = object(kKindText, layer, {x, y, style, 0, 0, 0, 0, 0});
    o.data = StrDupChecked(text);
    return o;
}

inline void buildExampleBoard(PaintTest& t, std::function<int(const BoardObject&)> add)
{
    (void)t;
    std::vector<BoardObject> dip;
    for (int i = 0; i < 4; ++i) {
        dip.push_back(object(kKindPad, kLayerAll, {px(i * 1000), py(0), 600, 600, 0, i == 0 ? kPadRectHole : kPadRound, 350, 0}));
        dip.push_back(object(kKindPad, kLayerAll, {px(i * 1000), py(3000), 600, 600, 0, kPadRound, 350, 0}));
    }
    dip.push_back(object(kKindRectangle, kLayerSilkTop, {px(-600), py(500), 4200, 2000, 0, 0, 0, 80}));
    dip.push_back(object(kKindArc, kLayerSilkTop, {px(-600), py(1200), px(-300), py(1500), 0, 0, 0, 80}));
    dip.push_back(textObject(kLayerSilkTop, px(-600), py(-600), 0x301, "U?"));
    const int dipPackage = addPackage("LIB\\DIP8", dip);

    std::vector<BoardObject> resistor = {
        object(kKindPad, kLayerAll, {px(0), py(0), 700, 500, 0, kPadOblong, 300, 0}),
        object(kKindPad, kLayerAll, {px(4000), py(0), 700, 500, 0, kPadOblong, 300, 0}),
        object(kKindLine, kLayerSilkTop, {px(800), py(-400), px(3200), py(-400), 0, 0, 0, 80}),
        object(kKindLine, kLayerSilkTop, {px(800), py(400), px(3200), py(400), 0, 0, 0, 80}),
        object(kKindLine, kLayerSilkTop, {px(800), py(-400), px(800), py(400), 0, 0, 0, 80}),
        object(kKindLine, kLayerSilkTop, {px(3200), py(-400), px(3200), py(400), 0, 0, 0, 80}),
    };
    const int resistorPackage = addPackage("LIB\\R", resistor);

    auto part = [&](const char* label, int package, int32_t x, int32_t y, int32_t rotation, int32_t number) {
        BoardObject o = object(kKindPart + package, 0, {x, y, -10600, -5800, 0, -1, rotation, number});
        o.data = StrDupChecked(label);
        add(o);
    };
    part("U", dipPackage, -12000, -9000, 0, 1);
    part("U", dipPackage, 2000, -9000, 0, 2);
    part("R:10K", resistorPackage, -12000, 6000, 0, 1);
    part("R:4K7", resistorPackage, 6000, 2000, 900, 2);

    // Traces: top in colour 0, inner layer 1 shown as an additional layer.
    const int32_t traces[][5] = {
        {-12000, -6000, -12000, 6000, 0}, {-11000, -6000, -11000, -2000, 0}, {-11000, -2000, -4000, -2000, 0},
        {-4000, -2000, -4000, 6000, 0},  {2000, -6000, 2000, 0, 0},          {2000, 0, 6000, 0, 0},
        {6000, 0, 6000, 2000, 0},       {3000, -9000, 3000, -13000, 1},     {3000, -13000, -9000, -13000, 1},
        {-9000, -13000, -9000, -9000, 1}, {5000, -6000, 5000, -3000, 0},     {5000, -3000, 9000, 1000, 0},
        {9000, 1000, 9000, 12000, 0},
    };
    for (const auto& tr : traces)
        add(object(kKindLine, tr[4], {tr[0], tr[1], tr[2], tr[3], 0, 0, 0, 150}));
    add(object(kKindArc, 0, {-4000, 6000, 0, 10000, 0, 0, 0, 150}));
    add(object(kKindPad, kLayerAll, {0, 10000, 500, 500, 0, kPadVia, 250, 0}));
    add(object(kKindPad, kLayerAll, {9000, 12000, 500, 500, 0, kPadVia, 250, 0}));
    add(object(kKindRectangle, 0, {10000, -15000, 5000, 3000, 0, 0, 1, 20}));
    add(object(kKindEllipse, 1, {-14000, 13000, 1500, 1500, 0, 0, 0, 60}));
    BoardObject polygon = object(kKindPolygon, 0, {0, 0, 5, 0, 0, 0, 1, 20});
    polygon.data = NewPointBlock(10);
    const int32_t vertices[10] = {11000, 5000, 15000, 5000, 15000, 10000, 13000, 12000, 11000, 10000};
    std::copy(std::begin(vertices), std::end(vertices), polygon.points());
    add(polygon);
    add(textObject(kLayerSilkTop, -15000, 16000, 0x401, "QUILL BOARD 1.0"));
}

}  // namespace paint_test
