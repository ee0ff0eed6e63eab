#pragma once
// Reading DXF files into schematic objects: LINE, POLYLINE, CIRCLE, ARC and TEXT entities,
// scaled to sheet units, y turned downwards. The reader takes the file apart into group-code and
// value pairs (codes may be padded with blanks, lines may end in CR LF), reads entities wherever
// they stand except in the tables and block definitions, and never trusts the file: an entity
// that lacks a group is left out at its end, numbers are parsed without the locale and clamped
// to the integer range.

#include "schemora/core/draw_object.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// One object read from the file: its words and, for a text, its string.
struct DxfObject {
    std::array<int32_t, kDrawObjectWords> words{};
    std::string text;
};

struct DxfReadResult {
    std::vector<DxfObject> objects;
    double scale = 1000;
    bool stopped = false;      // the person chose not to go on at an unknown entity
};

// Asked with an entity name the reader does not know (longer than 5 characters); false stops
// the reading with what was read so far.
using DxfUnknownEntityQuestion = std::function<bool(std::string_view name)>;

// The objects of a DXF file's text. New texts take textStyle as their style word.
DxfReadResult ReadDxfObjects(std::string_view file, int textStyle, const DxfUnknownEntityQuestion& ask);

// The decimal value of text times scale, truncated and clamped to the integer range; 0 when
// the text holds no number.
int ScaleDxfValue(std::string_view text, double scale);
// A text value without its overline codes: what follows the first "%%o", cut at the next.
std::string CleanDxfText(std::string_view text);
// True for an empty text or one of decimal digits only.
bool IsNumericText(std::string_view text);
