#include "schemora/core/part_terminals.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr int kPinTextWord = 13, kPinTextBytes = 12;
constexpr int kLabelWord = 18, kLabelBytes = 20;

std::string readChars(const DrawObject& o, int firstWord, int bytes)
{
    std::string text;
    for (int i = 0; i < bytes; ++i) {
        const auto word = static_cast<uint32_t>(o.w[static_cast<size_t>(firstWord + i / 4)]);
        const char c = static_cast<char>((word >> (8 * (i % 4))) & 0xFF);
        if (c == '\0')
            break;
        text.push_back(c);
    }
    return text;
}

void writeChars(DrawObject& o, int firstWord, int bytes, std::string_view text, int maxChars)
{
    for (int i = 0; i < bytes; ++i) {
        const auto c = static_cast<uint8_t>(i < maxChars && static_cast<size_t>(i) < text.size() ? text[static_cast<size_t>(i)] : 0);
        auto& word = o.w[static_cast<size_t>(firstWord + i / 4)];
        const int shift = 8 * (i % 4);
        word = static_cast<int32_t>((static_cast<uint32_t>(word) & ~(0xFFu << shift)) | (uint32_t{c} << shift));
    }
}

struct BodySum {
    long long sumX = 0, sumY = 0;
    int points = 0, shapes = 0;
    PartBodyMeasure box{0, 0, 50000, -50000, 50000, -50000};

    void widen(int x, int y)
    {
        box.minX = std::min(box.minX, x);
        box.maxX = std::max(box.maxX, x);
        box.minY = std::min(box.minY, y);
        box.maxY = std::max(box.maxY, y);
    }
    void addPoint(int x, int y)
    {
        sumX += x;
        sumY += y;
        ++points;
    }
    void addSegment(int x1, int y1, int x2, int y2)
    {
        addPoint(x1 / 2 + x2 / 2, y1 / 2 + y2 / 2);
        widen(x1, y1);
        widen(x2, y2);
        ++shapes;
    }
};

void addShape(BodySum& sum, const DrawObject& o)
{
    switch (o.type()) {
    case kObjLine:
        if (!IsTerminal(o))
            sum.addSegment(o.w[0], o.w[1], o.w[2], o.w[3]);
        break;
    case kObjArc:
        sum.addSegment(o.w[0], o.w[1], o.w[2], o.w[3]);
        break;
    case kObjRectangle:
    case kObjTriangle: {
        const int sign = (o.w[7] & 0x8000) ? -1 : 1;
        sum.addSegment(o.w[0], o.w[1], o.w[0] + sign * o.w[2], o.w[1] + sign * o.w[3]);
        break;
    }
    case kObjEllipse:
        sum.addPoint(o.w[0], o.w[1]);
        sum.widen(o.w[0] - o.w[2], o.w[1] - o.w[3]);
        sum.widen(o.w[0] + o.w[2], o.w[1] + o.w[3]);
        ++sum.shapes;
        break;
    case kObjPolygon:
        for (int i = 0; i < o.pointCount(); ++i) {
            sum.addPoint(o.pointX(i), o.pointY(i));
            sum.widen(o.pointX(i), o.pointY(i));
        }
        ++sum.shapes;
        break;
    default:
        break;
    }
}

// Measures the body of variant; false when it has no shape.
bool measureBody(std::span<const DrawObject> objects, int variant, PartBodyMeasure& body)
{
    BodySum sum;
    for (const DrawObject& o : objects)
        if (SymbolVariantOf(o) == variant)
            addShape(sum, o);
    body = sum.box;
    if (sum.points == 0)
        body = PartBodyMeasure{};
    else {
        body.centreX = static_cast<int>(sum.sumX / sum.points);
        body.centreY = static_cast<int>(sum.sumY / sum.points);
    }
    return sum.shapes > 0;
}

void turnTowardCursor(DrawObject& t, const PartBodyMeasure& body, int cx, int cy)
{
    const bool vertical = t.w[1] != t.w[3];
    const int a = vertical ? std::abs(cy - t.w[1]) : std::abs(cx - t.w[0]);
    const int b = vertical ? std::abs(t.w[3] - cy) : std::abs(t.w[2] - cx);
    // Above or below the body (within its width) the terminal stands upright.
    const bool boxKnown = body.minX < body.maxX;
    if (boxKnown && cx > body.minX && cx < body.maxX && (cy < body.minY || cy > body.maxY)) {
        t.w[0] = t.w[2] = cx;
        t.w[1] = cy - a;
        t.w[3] = cy + b;
    } else {
        t.w[1] = t.w[3] = cy;
        t.w[0] = cx - a;
        t.w[2] = cx + b;
    }
}

}  // namespace

std::string TerminalPinText(const DrawObject& o) { return readChars(o, kPinTextWord, 10); }
void SetTerminalPinText(DrawObject& o, std::string_view text) { writeChars(o, kPinTextWord, kPinTextBytes, text, 10); }
std::string TerminalLabel(const DrawObject& o) { return readChars(o, kLabelWord, kLabelBytes); }
void SetTerminalLabel(DrawObject& o, std::string_view label) { writeChars(o, kLabelWord, kLabelBytes, label, kLabelBytes); }
int SymbolVariantOf(const DrawObject& o) { return (o.w[4] >> 10) & 15; }
bool IsTerminal(const DrawObject& o) { return o.type() == kObjLine && (o.w[kPinTextWord] & 0xFF) != 0; }

int PinObjectOfSymbol(std::span<const DrawObject> objects, int variant, int n)
{
    for (size_t i = 0; i < objects.size(); ++i)
        if (IsTerminal(objects[i]) && SymbolVariantOf(objects[i]) == variant && n-- == 0)
            return static_cast<int>(i);
    return -1;
}

void LayoutTerminalLabels(std::span<DrawObject> objects, int index, TerminalLayoutMode mode, PartBodyMeasure& body,
                          int cursorX, int cursorY, const TextWidthFunction& textWidth)
{
    if (index < 0 || static_cast<size_t>(index) >= objects.size() || !IsTerminal(objects[static_cast<size_t>(index)]))
        return;
    DrawObject& t = objects[static_cast<size_t>(index)];
    const int labelWidth = textWidth(TerminalLabel(t));
    const int pinWidth = textWidth(TerminalPinText(t));
    int x1 = t.w[0], y1 = t.w[1], x2 = t.w[2], y2 = t.w[3];
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    const int midX = x1 / 2 + x2 / 2, midY = y1 / 2 + y2 / 2;
    if (mode == TerminalLayoutMode::MeasureBody && !measureBody(objects, SymbolVariantOf(t), body))
        return;
    t.w[0] = x1, t.w[1] = y1, t.w[2] = x2, t.w[3] = y2;
    if (mode == TerminalLayoutMode::TurnTowardCursor)
        turnTowardCursor(t, body, cursorX, cursorY);
    x1 = t.w[0], y1 = t.w[1], x2 = t.w[2], y2 = t.w[3];
    const bool vertical = y1 != y2;
    const bool before = vertical ? midY < body.centreY : midX < body.centreX;
    int pin[2], label[2];
    if (!vertical && before) {
        pin[0] = x2 - pinWidth - 20, pin[1] = y1, label[0] = x2 + 10, label[1] = y1 + 25;
    } else if (!vertical) {
        pin[0] = x1 + 20, pin[1] = y1, label[0] = x1 - labelWidth - 10, label[1] = y1 + 25;
    } else if (before) {
        pin[0] = x1, pin[1] = y2 - 20, label[0] = x1 + 25, label[1] = y2 + labelWidth + 10;
    } else {
        pin[0] = x1, pin[1] = y1 + pinWidth + 20, label[0] = x1 + 25, label[1] = y1 - 10;
    }
    t.w[11] = pin[0], t.w[12] = pin[1], t.w[16] = label[0], t.w[17] = label[1];
    t.w[5] = before ? 0 : 1;
}
