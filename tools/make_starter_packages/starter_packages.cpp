#include "tools/make_starter_packages/starter_packages.h"

#include "common/string_helpers.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>
#include <string_view>

namespace {

// Design units are tenths of a mil.
constexpr int32_t kMil = 10;
constexpr int32_t kSilkWidth = 10 * kMil;
// Room left between silk and the copper of a pad, so that no silk reaches the solder.
constexpr int32_t kSilkPadGap = 10 * kMil;
constexpr int32_t kPinTextStyle = 0x101;       // font 1, size index 1
constexpr int32_t kLabelTextStyle = 0x201;     // font 1, size index 2
constexpr int kShapeRound = 0;
constexpr int kShapeRectangle = 2;              // surface-mount: no hole
constexpr int kShapeSquareWithHole = 3;         // marks pin 1 of through-hole parts

struct ThroughHole {
    int32_t size = 60 * kMil;
    int32_t hole = 35 * kMil;
};

// Builds one footprint about the package origin; coordinates given relative to it.
class Footprint {
public:
    Footprint(std::string name, std::string_view description)
    {
        package_.name = std::move(name);
        package_.objects.resize(1);
        text(0, 0, kLayerSilkTop, kLabelTextStyle, ";" + std::string(description));
    }

    void throughHole(int pin, int32_t x, int32_t y, ThroughHole pad = {})
    {
        BoardObject& o = add(kKindPad, kLayerAll, x, y);
        o.w[2] = pad.size;
        o.w[3] = pad.size;
        o.w[5] = pin == 1 ? kShapeSquareWithHole : kShapeRound;
        o.w[6] = pad.hole;
        pinNumber(pin, x, y, kLayerAll);
    }
    void smd(int pin, int32_t x, int32_t y, int32_t width, int32_t height)
    {
        BoardObject& o = add(kKindPad, kLayerTop, x, y);
        o.w[2] = width;
        o.w[3] = height;
        o.w[5] = kShapeRectangle;
        pinNumber(pin, x, y, kLayerTop);
    }
    void line(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
    {
        BoardObject& o = add(kKindLine, kLayerSilkTop, x1, y1);
        o.w[2] = kPackageOriginX + x2;
        o.w[3] = kPackageOriginY + y2;
        o.w[7] = kSilkWidth;
    }
    void box(int32_t left, int32_t top, int32_t right, int32_t bottom)
    {
        line(left, top, right, top);
        line(right, top, right, bottom);
        line(right, bottom, left, bottom);
        line(left, bottom, left, top);
    }
    void circle(int32_t x, int32_t y, int32_t radius)
    {
        BoardObject& o = add(kKindEllipse, kLayerSilkTop, x, y);
        o.w[2] = radius;
        o.w[3] = radius;
        o.w[7] = kSilkWidth;
    }
    // The label placeholder closes the footprint.
    StarterPackage finish(int32_t labelX, int32_t labelY)
    {
        text(labelX, labelY, kLayerSilkTop, kLabelTextStyle, "p?");
        return std::move(package_);
    }

private:
    BoardObject& add(int kind, int layer, int32_t x, int32_t y)
    {
        BoardObject& o = package_.objects.emplace_back();
        o.w[0] = kPackageOriginX + x;
        o.w[1] = kPackageOriginY + y;
        o.w[4] = kind;
        o.setLayer(layer);
        return o;
    }
    void text(int32_t x, int32_t y, int layer, int32_t style, const std::string& s)
    {
        BoardObject& o = add(kKindText, layer, x, y);
        o.w[2] = style;
        o.data = StrDupChecked(s);
    }
    // A text at the pad's centre becomes the pad's pin label when the package is loaded.
    void pinNumber(int pin, int32_t x, int32_t y, int layer)
    {
        text(x, y, layer, kPinTextStyle, std::to_string(pin));
    }

    StarterPackage package_;
};

std::string pitchName(int mils)
{
    return std::to_string(mils / 1000) + "." + std::to_string((mils % 1000) / 100);
}

StarterPackage axial(int pitchMils, const std::string& name, std::string_view description)
{
    const int32_t half = pitchMils * kMil / 2;
    Footprint f(name, description);
    f.throughHole(1, -half, 0);
    f.throughHole(2, half, 0);
    const int32_t body = half - 100 * kMil;
    f.box(-body, -40 * kMil, body, 40 * kMil);
    f.line(-half + 40 * kMil, 0, -body, 0);
    f.line(body, 0, half - 40 * kMil, 0);
    return f.finish(-body, -80 * kMil);
}

StarterPackage axial(int pitchMils)
{
    return axial(pitchMils, "AXIAL" + pitchName(pitchMils),
                 "Axial two-pin part, " + std::to_string(pitchMils) + " mil pitch");
}

// Pin 1 anode, pin 2 cathode; the band marks the cathode end.
StarterPackage do35()
{
    constexpr int32_t half = 200 * kMil;
    Footprint f("DO35", "Diode DO-35, 400 mil pitch, pin 1 anode");
    f.throughHole(1, -half, 0);
    f.throughHole(2, half, 0);
    constexpr int32_t body = 100 * kMil;
    f.box(-body, -35 * kMil, body, 35 * kMil);
    f.line(body - 30 * kMil, -35 * kMil, body - 30 * kMil, 35 * kMil);
    f.line(-half + 40 * kMil, 0, -body, 0);
    f.line(body, 0, half - 40 * kMil, 0);
    return f.finish(-body, -75 * kMil);
}

// polarised: a "+" beside pin 1.
StarterPackage radial(int pitchMils, int32_t diameterMils, const std::string& name, std::string_view description,
                      bool polarised = false)
{
    const int32_t half = pitchMils * kMil / 2;
    Footprint f(name, description);
    f.throughHole(1, -half, 0);
    f.throughHole(2, half, 0);
    // The body circle stays clear of the pads' solder-mask openings, however small the body.
    const int32_t clear = half + ThroughHole{}.size / 2 + kSilkWidth / 2 + kSilkPadGap;
    f.circle(0, 0, std::max(diameterMils * kMil / 2, clear));
    if (polarised) {
        const int32_t x = -half - 60 * kMil, y = -40 * kMil;
        f.line(x - 20 * kMil, y, x + 20 * kMil, y);
        f.line(x, y - 20 * kMil, x, y + 20 * kMil);
    }
    return f.finish(-half, -std::max(diameterMils * kMil / 2, clear) - 40 * kMil);
}

StarterPackage radial(int pitchMils, int32_t diameterMils)
{
    return radial(pitchMils, diameterMils, "RADIAL" + pitchName(pitchMils),
                  "Radial two-pin part, " + std::to_string(pitchMils) + " mil pitch");
}

StarterPackage to92()
{
    Footprint f("TO92", "TO-92 transistor, three pins in line");
    for (int pin = 1; pin <= 3; ++pin)
        f.throughHole(pin, (pin - 2) * 100 * kMil, 0, {50 * kMil, 30 * kMil});
    // Flat face below the pins, rounded back above them, drawn round the outer pads.
    f.line(-140 * kMil, 50 * kMil, 140 * kMil, 50 * kMil);
    f.line(-140 * kMil, 50 * kMil, -140 * kMil, -20 * kMil);
    f.line(-140 * kMil, -20 * kMil, -80 * kMil, -80 * kMil);
    f.line(-80 * kMil, -80 * kMil, 80 * kMil, -80 * kMil);
    f.line(80 * kMil, -80 * kMil, 140 * kMil, -20 * kMil);
    f.line(140 * kMil, -20 * kMil, 140 * kMil, 50 * kMil);
    return f.finish(-140 * kMil, -120 * kMil);
}

// Pins 1 to n/2 down the left row, then up the right row, as seen from the component side.
StarterPackage dip(int pins)
{
    Footprint f("DIP" + std::to_string(pins), "Dual in-line package, " + std::to_string(pins) + " pins, 300 mil rows");
    const int perRow = pins / 2;
    const int32_t top = -(perRow - 1) * 50 * kMil;
    for (int i = 0; i < perRow; ++i) {
        f.throughHole(1 + i, -150 * kMil, top + i * 100 * kMil);
        f.throughHole(pins - i, 150 * kMil, top + i * 100 * kMil);
    }
    const int32_t bodyTop = top - 60 * kMil, bodyBottom = -top + 60 * kMil;
    f.box(-100 * kMil, bodyTop, 100 * kMil, bodyBottom);
    f.line(-25 * kMil, bodyTop, 0, bodyTop + 25 * kMil);   // notch at pin 1's end
    f.line(0, bodyTop + 25 * kMil, 25 * kMil, bodyTop);
    return f.finish(-100 * kMil, bodyTop - 40 * kMil);
}

StarterPackage soic(int pins)
{
    Footprint f("SOIC" + std::to_string(pins), "Small-outline IC, " + std::to_string(pins) + " pins, 50 mil pitch");
    const int perRow = pins / 2;
    const int32_t top = -(perRow - 1) * 25 * kMil;
    for (int i = 0; i < perRow; ++i) {
        f.smd(1 + i, -106 * kMil, top + i * 50 * kMil, 60 * kMil, 24 * kMil);
        f.smd(pins - i, 106 * kMil, top + i * 50 * kMil, 60 * kMil, 24 * kMil);
    }
    const int32_t bodyTop = top - 35 * kMil, bodyBottom = -top + 35 * kMil;
    f.box(-60 * kMil, bodyTop, 60 * kMil, bodyBottom);
    f.circle(-40 * kMil, top, 8 * kMil);   // pin 1 dot
    return f.finish(-60 * kMil, bodyTop - 40 * kMil);
}

struct ChipSize {
    const char* name;
    const char* description;
    int32_t centre;     // mils from the middle to each pad's centre
    int32_t width;
    int32_t height;
};

StarterPackage chip(const ChipSize& size)
{
    Footprint f(size.name, size.description);
    f.smd(1, -size.centre * kMil, 0, size.width * kMil, size.height * kMil);
    f.smd(2, size.centre * kMil, 0, size.width * kMil, size.height * kMil);
    const int32_t x = (size.centre + size.width / 2 + 10) * kMil;
    const int32_t y = (size.height / 2 + 10) * kMil;
    f.box(-x, -y, x, y);
    return f.finish(-x, -y - 40 * kMil);
}

StarterPackage sot23()
{
    Footprint f("SOT23", "SOT-23 transistor, three pins");
    f.smd(1, -37 * kMil, 43 * kMil, 35 * kMil, 40 * kMil);
    f.smd(2, 37 * kMil, 43 * kMil, 35 * kMil, 40 * kMil);
    f.smd(3, 0, -43 * kMil, 35 * kMil, 40 * kMil);
    // The body between the pad rows, its lines clear of the pads.
    f.box(-75 * kMil, -10 * kMil, 75 * kMil, 10 * kMil);
    return f.finish(-70 * kMil, -90 * kMil);
}

StarterPackage header(int rows, int columns, const std::string& name, std::string_view description)
{
    Footprint f(name, description);
    // Pins run along the columns; with two rows, odd pins on the first row, even on the second.
    const int32_t left = -(columns - 1) * 50 * kMil;
    const int32_t top = -(rows - 1) * 50 * kMil;
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r)
            f.throughHole(1 + c * rows + r, left + c * 100 * kMil, top + r * 100 * kMil);
    f.box(left - 50 * kMil, top - 50 * kMil, -left + 50 * kMil, -top + 50 * kMil);
    return f.finish(left - 50 * kMil, top - 90 * kMil);
}

StarterPackage header(int rows, int columns)
{
    return header(rows, columns, "HDR" + std::to_string(rows) + "X" + std::to_string(columns),
                  "Pin header, " + std::to_string(rows) + " x " + std::to_string(columns) + ", 100 mil pitch");
}

// A single in-line connector: pins 1 to n in one row, 100 mil apart.
StarterPackage sip(int pins)
{
    return header(1, pins, "SIP" + std::to_string(pins), "Single in-line connector, " + std::to_string(pins) + " pins");
}

}  // namespace

StarterPackage::~StarterPackage()
{
    for (BoardObject& o : objects)
        FreeObjectData(o);
}

std::vector<StarterPackage> StarterPackages()
{
    std::vector<StarterPackage> all;
    for (int pitch : {300, 400, 500, 600})
        all.push_back(axial(pitch));
    all.push_back(radial(100, 200));
    all.push_back(radial(200, 300));
    all.push_back(to92());
    for (int pins : {8, 14, 16})
        all.push_back(dip(pins));
    for (int pins : {8, 14, 16})
        all.push_back(soic(pins));
    static constexpr ChipSize kChips[] = {
        {"0603", "Chip part 0603 (1608 metric)", 30, 35, 40},
        {"0805", "Chip part 0805 (2012 metric)", 39, 40, 50},
        {"1206", "Chip part 1206 (3216 metric)", 60, 45, 70},
    };
    for (const ChipSize& size : kChips)
        all.push_back(chip(size));
    all.push_back(sot23());
    for (int columns = 2; columns <= 10; ++columns)
        all.push_back(header(1, columns));
    for (int columns : {3, 5, 8, 10})
        all.push_back(header(2, columns));
    // The packages the schematic starter parts name, pads numbered as the symbols' pins.
    all.push_back(axial(400, "RES400", "Resistor, axial, 400 mil pitch"));
    all.push_back(axial(400, "IND400", "Inductor, axial, 400 mil pitch"));
    all.push_back(do35());
    all.push_back(radial(200, 250, "CAP200", "Capacitor, radial, 200 mil pitch"));
    all.push_back(radial(200, 300, "CAPR200", "Electrolytic capacitor, radial, 200 mil pitch, pin 1 positive", true));
    all.push_back(radial(100, 120, "LED3MM", "LED 3 mm, 100 mil pitch, pin 1 anode", true));
    for (int pins : {2, 3, 4, 6, 8})
        all.push_back(sip(pins));
    return all;
}
