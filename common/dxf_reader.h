#pragma once
// Reading the line work of DXF files: LINE, POLYLINE, CIRCLE, ARC and TEXT entities, y turned
// downwards. The reader takes the file apart into group-code and value pairs (codes may be
// padded with blanks, lines may end in CR LF), reads entities wherever they stand except in the
// tables and block definitions, and never trusts the file: an entity that lacks a group is
// left out at its end, numbers are parsed without the locale and clamped to the integer range.
// Both editors turn the entities into their own objects.

#include "platform/core/archive.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DxfEntity {
    enum class Kind { Line, Circle, Arc, Text };
    Kind kind = Kind::Line;
    // Line and arc: the two end points (an arc runs between them in the editors' arc
    // direction); circle: the centre and the radius twice; text: the anchor.
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text;           // a text's string, without overline codes
};

struct DxfReadResult {
    std::vector<DxfEntity> entities;
    double scale = 1000;
    bool stopped = false;      // the person chose not to go on at an unknown entity
};

// Asked with an entity name the reader does not know (longer than 5 characters); false stops
// the reading with what was read so far.
using DxfUnknownEntityQuestion = std::function<bool(std::string_view name)>;

struct DxfReadOptions {
    // Fit the file's extents to a B-size sheet (the schematic); otherwise values are taken
    // as they stand, scaled by `scale`.
    bool fitExtents = true;
    double scale = 1000;
    // The file says its unit in "$INSUNITS" (inches when it does not, or says unitless): values
    // are converted to inches and then scaled by `scale`, the editor's units per inch.
    bool headerUnits = false;
    DxfUnknownEntityQuestion ask;
};

DxfReadResult ReadDxfEntities(std::string_view file, const DxfReadOptions& options);

// DXF files are text; one larger than this holds far more than a drawing or board could.
inline constexpr std::uintmax_t kMaxDxfFileBytes = std::uintmax_t{256} << 20;
// The DXF file at path read whole for an import; nothing, after a message with a stop icon
// (cannotOpen when it cannot be opened, else that it is too large or memory ran out), when it
// cannot be.
std::optional<plat::Archive> LoadDxfFile(std::string_view path, std::string_view cannotOpen);
// The bytes of a loaded file as the text the DXF reader takes.
inline std::string_view DxfText(const plat::Archive& file)
{
    return {reinterpret_cast<const char*>(file.bytes().data()), file.bytes().size()};
}

// The decimal value of text times scale, truncated and clamped to the integer range; 0 when
// the text holds no number.
int ScaleDxfValue(std::string_view text, double scale);
// A text value without its overline codes: what follows the first "%%o", cut at the next.
std::string CleanDxfText(std::string_view text);
// True for an empty text or one of decimal digits only.
bool IsNumericText(std::string_view text);
