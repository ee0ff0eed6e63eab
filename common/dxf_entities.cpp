#include "common/dxf_entities.h"

#include "common/point_rotation.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kDegreesPerRadian = 57.29577951289617;

float g_inchesPerUnit = kDxfInchesPerUnit;

void appendLine(std::string& out, std::string_view text)
{
    out.append(text);
    out.push_back('\n');
}

void appendNumber(std::string& out, int value)
{
    std::array<char, 16> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    appendLine(out, std::string_view(buffer.data(), written.ptr - buffer.data()));
}

// DXF's y axis points up, the drawing's down.
void appendPoint(std::string& out, int xCode, long long x, long long y)
{
    DxfAppendInches(out, xCode, x);
    DxfAppendInches(out, xCode + 10, -y);
}

// Whole degrees of the angle whose tangent is part / whole (0 <= part, 0 < whole).
int wholeDegrees(long long part, long long whole)
{
    return static_cast<int>(std::atan(static_cast<double>(part) / whole) * kDegreesPerRadian);
}

}  // namespace

DxfUnitScope::DxfUnitScope(float inchesPerUnit) : previous_(g_inchesPerUnit)
{
    g_inchesPerUnit = inchesPerUnit;
}

DxfUnitScope::~DxfUnitScope() { g_inchesPerUnit = previous_; }

void DxfAppendGroup(std::string& out, int code, std::string_view value)
{
    appendNumber(out, code);
    appendLine(out, value);
}

void DxfAppendInt(std::string& out, int code, int value)
{
    appendNumber(out, code);
    appendNumber(out, value);
}

void DxfAppendInches(std::string& out, int code, long long units)
{
    const float inches = static_cast<float>(units) * g_inchesPerUnit;
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), inches,
                                       std::chars_format::fixed, 3);
    DxfAppendGroup(out, code, std::string_view(buffer.data(), written.ptr - buffer.data()));
}

void DxfBeginFile(std::string& out, long long halfWidth, long long halfHeight)
{
    DxfAppendGroup(out, 0, "SECTION");
    DxfAppendGroup(out, 2, "HEADER");
    DxfAppendGroup(out, 9, "$EXTMIN");
    DxfAppendInches(out, 10, -halfWidth);
    DxfAppendInches(out, 20, -halfHeight);
    DxfAppendGroup(out, 9, "$EXTMAX");
    DxfAppendInches(out, 10, halfWidth);
    DxfAppendInches(out, 20, halfHeight);
    DxfAppendGroup(out, 0, "ENDSEC");
    DxfAppendGroup(out, 0, "SECTION");
    DxfAppendGroup(out, 2, "ENTITIES");
}

void DxfEndFile(std::string& out)
{
    DxfAppendGroup(out, 0, "ENDSEC");
    DxfAppendGroup(out, 0, "EOF");
}

void DxfBeginEntity(std::string& out, std::string_view type)
{
    DxfAppendGroup(out, 0, type);
    DxfAppendGroup(out, 8, "0");
}

void DxfWriteLine(std::string& out, int x1, int y1, int x2, int y2, int, int, int)
{
    DxfBeginEntity(out, "LINE");
    appendPoint(out, 10, x1, y1);
    appendPoint(out, 11, x2, y2);
}

void DxfWriteRect(std::string& out, int x1, int y1, int x2, int y2, int, int, int, int)
{
    DxfWriteLine(out, x1, y1, x2, y1);
    DxfWriteLine(out, x2, y1, x2, y2);
    DxfWriteLine(out, x1, y2, x2, y2);
    DxfWriteLine(out, x1, y1, x1, y2);
}

void DxfWriteRotatedRect(std::string& out, int cx, int cy, int x1, int y1, int x2, int y2, int,
                         int, int, int, double angle, bool mirror)
{
    std::array<std::array<int, 2>, 4> corners{{{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}}};
    for (auto& corner : corners)
        RotatePointByAngle(cx, cy, &corner[0], &corner[1], angle, mirror);
    DxfWriteClosedOutline(out, corners);
}

void DxfWriteClosedOutline(std::string& out, std::span<const std::array<int, 2>> points)
{
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto& from = points[i];
        const auto& to = points[(i + 1) % points.size()];
        DxfWriteLine(out, from[0], from[1], to[0], to[1]);
    }
}

void DxfWriteCircle(std::string& out, int cx, int cy, int rx, int, int, int, int, int width)
{
    DxfBeginEntity(out, "CIRCLE");
    if (width > 0)
        DxfAppendInches(out, 39, width);
    appendPoint(out, 10, cx, cy);
    DxfAppendInches(out, 40, rx);
}

void DxfWriteText(std::string& out, int x, int y, std::string_view text, int, int angleWord, int)
{
    std::string value(text);
    for (char& c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte == 127)
            c = ' ';
    }
    DxfBeginEntity(out, "TEXT");
    DxfAppendInches(out, 10, x);
    // The insertion point sits one unit below the text's own point, as the painters place it.
    DxfAppendInches(out, 20, -static_cast<long long>(y) - 1);
    DxfAppendGroup(out, 1, value);
    DxfAppendGroup(out, 40, "0.08");
    DxfAppendInt(out, 50, (angleWord & 0xFFF) / 10);
}

void DxfWriteArc(std::string& out, int x1, int y1, int x2, int y2, int, int, int, int)
{
    // Wide arithmetic: the ends come from files and may lie anywhere in the integer range.
    const long long dx = std::llabs(static_cast<long long>(x2) - x1);
    const long long dy = std::llabs(static_cast<long long>(y2) - y1);
    int a = 0;
    int b = 0;
    long long cx = 0;
    long long cy = 0;
    long long radius = 0;
    if (dx < dy) {
        a = wholeDegrees(dy - dx, dy);
        cx = x2 + (dy - dx);
        cy = y1;
        radius = dy;
    } else {
        if (dx == 0)
            return;
        b = wholeDegrees(dx - dy, dx);
        cx = x2;
        cy = y1 + (dx - dy);
        radius = dx;
    }
    int start = 0;
    int end = 90;
    if (x1 < x2 && y2 < y1) {
        start = a + 90;
        end = 180 - b;
    } else if (x1 < x2 && y2 > y1) {
        start = b + 180;
        end = 270 - a;
    } else if (x1 >= x2 && y1 < y2) {
        if (x2 < x1) {
            start = a + 270;
            end = 360 - b;
        }
    } else if (x1 >= x2) {
        start = b;
        end = 90 - a;
    }
    DxfBeginEntity(out, "ARC");
    appendPoint(out, 10, cx, cy);
    DxfAppendInches(out, 40, radius);
    DxfAppendInt(out, 50, start);
    DxfAppendInt(out, 51, end);
}
