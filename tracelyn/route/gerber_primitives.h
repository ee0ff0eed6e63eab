#pragma once
// The photoplotter (Gerber) drawing primitives: the aperture table that maps widths and pad
// shapes to D-codes, and the records for draws, arcs, flashes and filled regions. Coordinates
// are board units (0.0001 inch) written as plain integers with y negated: board y grows
// downward, plotter y upward. Everything is appended to the program's one plot stream, which
// its owner points at a text buffer and takes back.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Aperture shapes, numbered as the imported D-code types are.
enum ApertureShape : int32_t {
    kApertureRound = 0,
    kApertureOval = 1,
    kApertureRectangle = 3,
};

struct Aperture {
    int32_t shape = kApertureRound;
    int32_t x = 0;      // diameter or width, board units
    int32_t y = 0;      // height (the diameter again for round apertures)
};

// Entry i has D-code 10 + i. Filled from the board before any record is written.
inline constexpr int kFirstDcode = 10;
inline constexpr size_t kMaxApertures = 9000;
struct ApertureTable {
    std::vector<Aperture> entries;
};
extern ApertureTable g_apertureTable;

// The program's one output stream, shared by the Gerber and DXF writers; opening, naming and
// closing belong to the caller. Writers append nothing while it is unset.
struct PlotStream {
    std::string* text = nullptr;
};
extern PlotStream g_plotStream;

// The index of an aperture of this shape and size, added when missing; -1 when the table is
// full. Round apertures ignore y.
int RegisterAperture(int32_t shape, int32_t x, int32_t y);
int FindAperture(int32_t shape, int32_t x, int32_t y);

// "D%d*\n" for the round aperture of width. A width missing from the table is reported ("Can't
// find width for %d", stop icon; the progress window is taken down first), sets the abort flag
// and gives the previous contents of the fallback buffer.
std::string_view SelectAperture(int width);

void PlotLine(int x1, int y1, int x2, int y2, int layer, int width);
// The quarter circle from (x1, y1) to (x2, y2) about (x2, y1); a line when the points share an
// axis.
void PlotArc(int x1, int y1, int x2, int y2, int layer, int width);
// A straight run along the axis of the larger difference, then a quarter arc to (x2, y2).
void PlotCornerArc(int x1, int y1, int x2, int y2, int layer, int width);
// One flash of the aperture at index (centre x, y).
void PlotFlash(int x, int y, int aperture);
// A filled region through the points (x, y pairs, board units), closed back to the first.
void PlotRegion(std::span<const int32_t> points);

// "%FSLAX34Y34*%", inches, every aperture of the table, single-quadrant arcs and linear moves.
void PlotHeader(std::string_view title);
void PlotEnd();

// A decimal integer appended to text without the C library's formatting.
void AppendInt(std::string& text, int64_t value);
// Inches with four decimals from board units ("0.0150", "-1.2500").
void AppendInches(std::string& text, int64_t units);
