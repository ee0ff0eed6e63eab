#include "symbol_builder.h"

#include "schemora/core/library_elements.h"

#include <array>

namespace {

constexpr int kOriginX = -1000;
constexpr int kOriginY = -500;

std::array<int32_t, kDrawObjectWords> words(int type, int x, int y, int w2, int w3)
{
    std::array<int32_t, kDrawObjectWords> w{};
    w[0] = kOriginX + x;
    w[1] = kOriginY + y;
    w[2] = w2;
    w[3] = w3;
    w[4] = type;
    w[23] = 1;
    return w;
}

}  // namespace

SymbolBuilder::~SymbolBuilder()
{
    for (DrawObject& o : part_.elements)
        ReleaseObjectData(o);
}

SymbolBuilder& SymbolBuilder::add(const DrawObject& o)
{
    part_.elements.push_back(o);
    return *this;
}

SymbolBuilder& SymbolBuilder::variant(int variant, const std::function<void(SymbolBuilder&)>& extra)
{
    const int32_t layer = variant << 10;
    const size_t drawn = part_.elements.size();
    for (size_t i = 0; i < drawn; ++i) {
        DrawObject copy = CloneElement(part_.elements[i]);
        copy.w[4] |= layer;
        part_.elements.push_back(copy);
    }
    const size_t before = part_.elements.size();
    extra(*this);
    for (size_t i = before; i < part_.elements.size(); ++i)
        part_.elements[i].w[4] |= layer;
    return *this;
}

SymbolBuilder& SymbolBuilder::line(int x1, int y1, int x2, int y2, int width)
{
    auto w = words(kObjLine, x1, y1, kOriginX + x2, kOriginY + y2);
    w[6] = width;
    return add(MakeDrawObject(w, nullptr));
}

SymbolBuilder& SymbolBuilder::pin(int x1, int y1, int x2, int y2, std::string_view number)
{
    line(x1, y1, x2, y2);
    // On the line, a quarter of the way from the body end.
    const int tx = x2 + (x1 - x2) / 4;
    const int ty = y2 + (y1 - y2) / 4;
    return text(tx, ty, number, 8);
}

SymbolBuilder& SymbolBuilder::rect(int x, int y, int w, int h, int width)
{
    auto words_ = words(kObjRectangle, x, y, w, h);
    words_[6] = width;
    return add(MakeDrawObject(words_, nullptr));
}

SymbolBuilder& SymbolBuilder::ellipse(int cx, int cy, int rx, int ry, int fill)
{
    auto w = words(kObjEllipse, cx, cy, rx, ry);
    w[5] = fill;
    w[6] = 6;
    return add(MakeDrawObject(w, nullptr));
}

SymbolBuilder& SymbolBuilder::arc(int x1, int y1, int x2, int y2)
{
    auto w = words(kObjArc, x1, y1, kOriginX + x2, kOriginY + y2);
    w[6] = 6;
    return add(MakeDrawObject(w, nullptr));
}

SymbolBuilder& SymbolBuilder::arrow(int x1, int y1, int x2, int y2)
{
    auto w = words(kObjArrow, x1, y1, kOriginX + x2, kOriginY + y2);
    w[6] = 6;
    return add(MakeDrawObject(w, nullptr));
}

SymbolBuilder& SymbolBuilder::polygon(std::initializer_list<std::pair<int, int>> points, int fill)
{
    std::array<int32_t, 2 * kPolygonPoints> xy{};
    int n = 0;
    for (const auto& [x, y] : points) {
        if (n == kPolygonPoints)
            break;
        xy[2 * n] = kOriginX + x;
        xy[2 * n + 1] = kOriginY + y;
        ++n;
    }
    auto w = words(kObjPolygon, xy[0] - kOriginX, xy[1] - kOriginY, n, 0);
    w[5] = fill;
    w[6] = 6;
    return add(MakeDrawObject(w, nullptr, xy.data(), n));
}

SymbolBuilder& SymbolBuilder::text(int x, int y, std::string_view text, int size)
{
    auto w = words(kObjText, x, y, size << 8, 0);
    return add(MakeDrawObject(w, std::string(text).c_str()));
}

SymbolBuilder& SymbolBuilder::attribute(std::string_view text)
{
    // Stacked below the symbol where they do not touch a pin.
    const int y = 150 + 20 * attributes_++;
    return this->text(0, y, text, 8);
}
