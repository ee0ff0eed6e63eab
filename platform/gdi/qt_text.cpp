#include "platform/gdi/qt_text.h"

#include "platform/gdi/font_table.h"
#include "platform/gdi/qt_text_dc.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace plat::gdi {

namespace {

// A font created with height 0 gets the platform's default cell height on a 96-dpi screen.
constexpr int kDefaultCellHeight = 16;

QString familyFor(const Font& font)
{
    const std::string_view mapped = substituteFamily(font.face);
    if (!mapped.empty())
        return QString::fromUtf8(mapped.data(), qsizetype(mapped.size()));
    const QString face = QString::fromLatin1(font.face.data(), qsizetype(font.face.size()));
    if (QFontDatabase::hasFamily(face))
        return face;
    const std::string_view fallback = fallbackFamily(font.pitchAndFamily);
    return QString::fromUtf8(fallback.data(), qsizetype(fallback.size()));
}

QFont makeFont(const QString& family, int pixelSize, const Font& f)
{
    QFont q(family);
    q.setPixelSize(std::max(1, pixelSize));
    q.setWeight(QFont::Weight(f.weight <= 0 ? 400 : std::clamp(f.weight, 100, 900)));
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    q.setStrikeOut(f.strikeOut);
    q.setKerning(false);
    q.setHintingPreference(QFont::PreferNoHinting);
    q.setStyleStrategy(QFont::NoAntialias);
    return q;
}

// Em height that gives a cell (ascent + descent) of `cell` pixels in this family.
int emForCell(const QString& family, const Font& f, int cell)
{
    const QFontMetricsF big(makeFont(family, 1000, f));
    const double cellPerEm = (big.ascent() + big.descent()) / 1000.0;
    return std::max(1, int(std::lround(cell / cellPerEm)));
}

QtFont build(const DeviceFont& d)
{
    const QString family = familyFor(d.font);
    const int em = d.emHeight > 0 ? d.emHeight
                                  : emForCell(family, d.font, d.cellHeight > 0 ? d.cellHeight
                                                                                : kDefaultCellHeight);
    static uint64_t lastId = 0;
    QtFont r;
    r.id = ++lastId;
    r.font = makeFont(family, em, d.font);
    const QFontMetricsF fm(r.font);
    if (d.averageWidth > 0 && fm.averageCharWidth() > 0)
        r.xScale = d.averageWidth / fm.averageCharWidth();
    TextMetrics& m = r.metrics;
    m.tmAscent = int(std::lround(fm.ascent()));
    m.tmDescent = int(std::lround(fm.descent()));
    m.tmHeight = m.tmAscent + m.tmDescent;
    m.tmInternalLeading = std::max(0, m.tmHeight - em);
    m.tmExternalLeading = std::max(0, int(std::lround(fm.leading())));
    m.tmAveCharWidth = int(std::lround(fm.averageCharWidth() * r.xScale));
    m.tmMaxCharWidth = int(std::lround(fm.maxWidth() * r.xScale));
    m.tmWeight = r.font.weight();
    m.tmItalic = r.font.italic();
    m.tmUnderlined = r.font.underline();
    return r;
}

}  // namespace

const QtFont& resolveFont(const DeviceFont& d)
{
    using Key = std::tuple<std::string, int, int, int, int, bool, bool, bool, int>;
    static std::map<Key, QtFont> cache;
    Key key{d.font.face, d.emHeight, d.cellHeight, d.averageWidth, d.font.weight, d.font.italic,
            d.font.underline, d.font.strikeOut, d.font.pitchAndFamily};
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() > 512)
            cache.clear();
        it = cache.emplace(key, build(d)).first;
    }
    return it->second;
}

QString decodeText(std::string_view text)
{
    // Code points of 0x80..0x9F in the Western Windows code page; 0 where it has none.
    static const char16_t kHigh[32] = {
        0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
        0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
    QString s;
    s.reserve(qsizetype(text.size()));
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 && c < 0xA0 && kHigh[c - 0x80] != 0)
            s.append(QChar(kHigh[c - 0x80]));
        else
            s.append(QChar(c));
    }
    return s;
}

int textWidth(const QtFont& font, const QString& text)
{
    return layoutOf(font, text).width;
}

TextLayout layoutOf(const QtFont& font, const QString& text)
{
    constexpr qsizetype kMaxLayoutsPerFont = 4096;
    auto it = font.layouts.constFind(text);
    if (it != font.layouts.constEnd())
        return *it;
    if (font.layouts.size() >= kMaxLayoutsPerFont)
        font.layouts.clear();
    const QFontMetricsF metrics(font.font);
    const TextLayout layout{int(std::lround(metrics.horizontalAdvance(text) * font.xScale)), metrics.boundingRect(text)};
    return *font.layouts.insert(text, layout);
}

QPainterPath textOutline(const QtFont& font, const QString& text)
{
    QPainterPath path;
    path.addText(0, 0, font.font, text);
    if (font.xScale != 1.0)
        path = QTransform::fromScale(font.xScale, 1.0).map(path);
    return path;
}

DeviceTextSize measure(const QtFont& font, const QString& text)
{
    return {Size{textWidth(font, text), font.metrics.tmHeight}, font.metrics};
}

}  // namespace plat::gdi

namespace plat {

DeviceTextSize QtTextDc::measureText(std::string_view text)
{
    return gdi::measure(gdi::resolveFont(deviceFont()), gdi::decodeText(text));
}

}  // namespace plat
