#include "schemora/core/draw_object.h"

#include "common/string_helpers.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

bool validPoint(const DrawObject& o, int i) { return o.text && i >= 0 && i < kPolygonPoints; }

int32_t readWord(const char* block, int index)
{
    int32_t v;
    std::memcpy(&v, block + index * 4, 4);
    return v;
}

}  // namespace

int DrawObject::pointCount() const { return std::clamp(w[2], 0, kPolygonPoints); }

int32_t DrawObject::pointX(int i) const { return validPoint(*this, i) ? readWord(text, 2 * i) : 0; }

int32_t DrawObject::pointY(int i) const { return validPoint(*this, i) ? readWord(text, 2 * i + 1) : 0; }

void DrawObject::setPoint(int i, int32_t x, int32_t y)
{
    if (!validPoint(*this, i))
        return;
    std::memcpy(text + i * 8, &x, 4);
    std::memcpy(text + i * 8 + 4, &y, 4);
}

char* AllocPointBlock() { return new (std::nothrow) char[kPointBlockBytes](); }

void FreePointBlock(char*& block)
{
    delete[] block;
    block = nullptr;
}

void ReleaseObjectData(DrawObject& object)
{
    if (!object.text)
        return;
    const int type = object.type();
    if (type == kObjPolygon)
        FreePointBlock(object.text);
    else if (type == kObjText || type >= kObjPart)
        FreeStr(object.text);
}

DrawObject MakeDrawObject(const std::array<int32_t, kDrawObjectWords>& words, const char* text,
                          const int32_t* points, int pointCount)
{
    DrawObject o;
    o.w = words;
    const int type = o.type();
    if (type == kObjText || type >= kObjPart) {
        o.text = StrDupChecked(text ? text : "Bad String!");
    } else if (type == kObjPolygon) {
        o.text = AllocPointBlock();
        const int n = points ? std::clamp(pointCount, 0, kPolygonPoints) : 0;
        for (int i = 0; i < n; ++i)
            o.setPoint(i, points[2 * i], points[2 * i + 1]);
    }
    return o;
}

std::array<int32_t, kDrawObjectWords> ObjectWords(int type, int x, int y, int w2, int w3, int sheet)
{
    std::array<int32_t, kDrawObjectWords> w{};
    w[0] = x;
    w[1] = y;
    w[2] = w2;
    w[3] = w3;
    w[4] = type;
    w[23] = sheet;
    return w;
}

DrawObject CloneDrawObject(const DrawObject& object)
{
    DrawObject copy;
    copy.w = object.w;
    if (!object.text)
        return copy;
    const int type = object.type();
    if (type == kObjPolygon) {
        copy.text = AllocPointBlock();
        if (copy.text)
            std::memcpy(copy.text, object.text, kPointBlockBytes);
    } else if (type == kObjText || type >= kObjPart) {
        copy.text = StrDupChecked(object.text);
    }
    return copy;
}

bool ReplaceObjectText(DrawObject& object, std::string_view text)
{
    char* copy = StrDupChecked(text);
    if (!copy)
        return false;
    FreeStr(object.text);
    object.text = copy;
    return true;
}
