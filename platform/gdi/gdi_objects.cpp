#include "platform/gdi/gdi_objects.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace plat {

Rect Rect::normalized() const
{
    return Rect{std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
}

Rect Rect::intersected(const Rect& other) const
{
    Rect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
           std::min(bottom, other.bottom)};
    return r.isEmpty() ? Rect{} : r;
}

Palette::Palette(std::span<const PaletteEntry> entries) : entries_(entries.begin(), entries.end())
{
}

int Palette::SetPaletteEntries(int start, std::span<const PaletteEntry> entries)
{
    if (start < 0 || start >= size())
        return 0;
    const int n = std::min(int(entries.size()), size() - start);
    std::copy_n(entries.begin(), n, entries_.begin() + start);
    return n;
}

ColorRef Palette::rgbAt(int index) const
{
    if (entries_.empty())
        return rgb(0, 0, 0);
    const PaletteEntry& e = entries_[index >= 0 && index < size() ? index : 0];
    return rgb(e.red, e.green, e.blue);
}

Pen stockPen(int id)
{
    switch (id) {
    case kWhitePen: return Pen(kPsSolid, 0, rgb(255, 255, 255));
    case kNullPen: return Pen(kPsNull, 0, 0);
    default: return Pen(kPsSolid, 0, rgb(0, 0, 0));
    }
}

Brush stockBrush(int id)
{
    switch (id) {
    case kLtGrayBrush: return Brush::solid(rgb(192, 192, 192));
    case kGrayBrush: return Brush::solid(rgb(128, 128, 128));
    case kDkGrayBrush: return Brush::solid(rgb(64, 64, 64));
    case kBlackBrush: return Brush::solid(rgb(0, 0, 0));
    case kNullBrush: return Brush::hollow();
    default: return Brush::solid(rgb(255, 255, 255));
    }
}

Font stockFont(int id)
{
    // Heights are cell heights in pixels of a 96-dpi screen.
    Font f;
    switch (id) {
    case kOemFixedFont: f.face = "Terminal"; f.height = 12; f.charSet = 255; f.pitchAndFamily = 0x31; break;
    case kAnsiFixedFont: f.face = "Courier"; f.height = 13; f.pitchAndFamily = 0x31; break;
    case kAnsiVarFont: f.face = "MS Sans Serif"; f.height = 13; f.pitchAndFamily = 0x22; break;
    default: f.face = "System"; f.height = 16; f.weight = 700; f.pitchAndFamily = 0x22; break;
    }
    return f;
}

const Palette& defaultPalette()
{
    // The twenty colours every display palette reserves.
    static const std::array<PaletteEntry, 20> kEntries{{
        {0, 0, 0, 0}, {128, 0, 0, 0}, {0, 128, 0, 0}, {128, 128, 0, 0}, {0, 0, 128, 0},
        {128, 0, 128, 0}, {0, 128, 128, 0}, {192, 192, 192, 0}, {192, 220, 192, 0},
        {166, 202, 240, 0}, {255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0},
        {255, 0, 0, 0}, {0, 255, 0, 0}, {255, 255, 0, 0}, {0, 0, 255, 0}, {255, 0, 255, 0},
        {0, 255, 255, 0}, {255, 255, 255, 0},
    }};
    static const Palette palette{kEntries};
    return palette;
}

}  // namespace plat
