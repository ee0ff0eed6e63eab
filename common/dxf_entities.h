#pragma once
// The DXF entity writers both editors share: LINE, CIRCLE, ARC and TEXT entities on layer "0",
// coordinates in drawing units converted to inches (0.002 inch a unit, y pointing up).
//
// The writers append to a caller's buffer; the caller writes the buffer to its file in one go.
// Numbers never depend on the process locale, so a file written on a machine with a decimal
// comma reads the same everywhere. Colour, pen style, fill and width arguments are accepted so
// that callers can pass what they draw with, but DXF output carries none of them.

#include <array>
#include <span>
#include <string>
#include <string_view>

// Inches per drawing unit, in the single precision the files have always been written with.
inline constexpr float kDxfInchesPerUnit = 0.002f;

// The board program hands the writers board units (0.0001 inch): while one of these lives, the
// writers take units of that size instead of the drawing's.
class DxfUnitScope {
public:
    explicit DxfUnitScope(float inchesPerUnit);
    ~DxfUnitScope();
    DxfUnitScope(const DxfUnitScope&) = delete;
    DxfUnitScope& operator=(const DxfUnitScope&) = delete;

private:
    float previous_;
};

// "code\nvalue\n" lines: the building blocks for entities the editors write themselves.
void DxfAppendGroup(std::string& out, int code, std::string_view value);
void DxfAppendInt(std::string& out, int code, int value);
// The value in drawing units as inches, three decimals ("%.3f").
void DxfAppendInches(std::string& out, int code, long long units);
// The HEADER section, whose extents are a box halfWidth by halfHeight either side of the origin
// (y up, like every point), then the opening of the ENTITIES section.
void DxfBeginFile(std::string& out, long long halfWidth, long long halfHeight);
// The close of the ENTITIES section and the end of the file.
void DxfEndFile(std::string& out);
// The start of an entity: its type and layer "0".
void DxfBeginEntity(std::string& out, std::string_view type);

void DxfWriteLine(std::string& out, int x1, int y1, int x2, int y2, int colour = 0,
                  int style = 0, int width = 0);
// LINEs joining the points in order, the last back to the first.
void DxfWriteClosedOutline(std::string& out, std::span<const std::array<int, 2>> points);
// Four LINEs: top, right, bottom, left.
void DxfWriteRect(std::string& out, int x1, int y1, int x2, int y2, int colour = 0, int style = 0,
                  int fill = 0, int width = 0);
// The corners (x1, y1), (x1, y2), (x2, y2), (x2, y1) rotated about (cx, cy) and joined in that
// order, the last back to the first.
void DxfWriteRotatedRect(std::string& out, int cx, int cy, int x1, int y1, int x2, int y2,
                         int colour, int style, int fill, int width, double angle, bool mirror);
// One CIRCLE of radius rx; ellipses become circles. A width above 0 is written as the circle's
// thickness, as a trace's width is.
void DxfWriteCircle(std::string& out, int cx, int cy, int rx, int ry, int colour = 0,
                    int style = 0, int fill = 0, int width = 0);
// One TEXT, 0.08 inch high. The angle word holds tenths of a degree in bits 0-11 and flags
// above (the mirror bit 4096), which are not part of the angle. Control characters in the text
// become blanks: a line break inside the value would end the group early.
void DxfWriteText(std::string& out, int x, int y, std::string_view text, int attribute,
                  int angleWord, int colour = 0);
// One ARC for the quarter arc from (x1, y1) to (x2, y2); nothing when the ends share the
// coordinate the arc would turn about.
void DxfWriteArc(std::string& out, int x1, int y1, int x2, int y2, int colour = 0,
                 int style = 0, int bulge = 0, int width = 0);
