#pragma once
// Drawing objects: pens, brushes, fonts and logical palettes. They are plain values: selecting
// one into a device context copies it, so deleting or replacing the painters' cached objects
// can never leave a context holding a dead object.

#include "platform/gdi/gdi_types.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace plat {

struct Pen {
    int style = kPsSolid;      // kPsSolid ... kPsNull
    int width = 0;             // logical units; 0 draws one device pixel
    ColorRef color = rgb(0, 0, 0);

    Pen() = default;
    Pen(int penStyle, int penWidth, ColorRef penColor)
        : style(penStyle), width(penWidth), color(penColor) {}
    bool isNull() const { return style == kPsNull; }
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    int style = kBsSolid;      // kBsSolid, kBsNull, kBsHatched
    int hatch = 0;             // kHsHorizontal ... kHsDiagCross; above that fills solid
    ColorRef color = rgb(255, 255, 255);

    static Brush solid(ColorRef c) { return Brush{kBsSolid, 0, c}; }
    static Brush hatched(int hatchStyle, ColorRef c) { return Brush{kBsHatched, hatchStyle, c}; }
    static Brush hollow() { return Brush{kBsNull, 0, 0}; }
    bool isNull() const { return style == kBsNull; }
    friend bool operator==(const Brush&, const Brush&) = default;
};

struct Font {
    std::string face;          // the programs' face name; see font_table.h for what draws it
    int height = 0;            // logical; negative: character (em) height, positive: cell height
    int width = 0;             // logical average character width; 0 keeps the face's proportion
    int escapement = 0;        // tenths of a degree, counter-clockwise in device space
    int orientation = 0;
    int weight = 400;          // 400 normal, 700 bold; 0 means normal
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    uint8_t charSet = 0;
    uint8_t pitchAndFamily = 0;
    friend bool operator==(const Font&, const Font&) = default;
};

struct PaletteEntry {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t flags = 0;
    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

// A logical palette; PALETTEINDEX colours of a context resolve through the one selected.
class Palette {
public:
    Palette() = default;
    explicit Palette(std::span<const PaletteEntry> entries);

    int size() const { return int(entries_.size()); }
    const std::vector<PaletteEntry>& entries() const { return entries_; }
    // Copies entries into the palette from `start`; returns how many were set.
    int SetPaletteEntries(int start, std::span<const PaletteEntry> entries);
    // The RGB colour of an index; an index past the end gives entry 0, black for an empty one.
    ColorRef rgbAt(int index) const;
    friend bool operator==(const Palette&, const Palette&) = default;

private:
    std::vector<PaletteEntry> entries_;
};

// Stock objects.
enum : int {
    kWhiteBrush = 0, kLtGrayBrush = 1, kGrayBrush = 2, kDkGrayBrush = 3, kBlackBrush = 4,
    kNullBrush = 5, kHollowBrush = 5, kWhitePen = 6, kBlackPen = 7, kNullPen = 8,
    kOemFixedFont = 10, kAnsiFixedFont = 11, kAnsiVarFont = 12, kSystemFont = 13,
    kDefaultPalette = 15,
};
Pen stockPen(int id);          // kWhitePen, kBlackPen, kNullPen
Brush stockBrush(int id);      // kWhiteBrush ... kNullBrush
Font stockFont(int id);        // kOemFixedFont ... kSystemFont
const Palette& defaultPalette();

}  // namespace plat
