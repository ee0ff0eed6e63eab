#pragma once
// Fonts and text for the Qt-backed contexts (internal to platform/gdi): the selected font
// turned into a pixel-sized QFont, its metrics, and glyph outlines. Text is drawn from the same
// outlines whose advances give the measured extent, so extents match what is drawn.

#include "platform/gdi/dc.h"

#include <QFont>
#include <QHash>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <string_view>

namespace plat::gdi {

// What a string measures in one font: its advance (stretched by xScale) and the box its glyphs'
// ink spans with the baseline at y = 0 (unstretched).
struct TextLayout {
    int width = 0;
    QRectF ink;
};

struct QtFont {
    uint64_t id = 0;         // never reused, so caches can key on it
    QFont font;              // pixel-sized, unhinted, no antialiasing
    double xScale = 1.0;     // horizontal stretch that gives a requested average width
    TextMetrics metrics;     // device pixels; what every measurement in this font answers
    // Strings already laid out in this font: repaints measure the same labels over and over.
    mutable QHash<QString, TextLayout> layouts;
};

const QtFont& resolveFont(const DeviceFont& font);
// The programs' 8-bit strings are in the Western Windows code page.
QString decodeText(std::string_view text);
int textWidth(const QtFont& font, const QString& text);
// The string's layout in the font, shaped once and then kept with the font.
TextLayout layoutOf(const QtFont& font, const QString& text);
// Glyph outlines with the baseline at y = 0, starting at x = 0, stretched by xScale.
QPainterPath textOutline(const QtFont& font, const QString& text);
DeviceTextSize measure(const QtFont& font, const QString& text);

}  // namespace plat::gdi
