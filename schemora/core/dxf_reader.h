#pragma once
// DXF line work as schematic objects: the shared reader's entities, fitted to the sheet.

#include "common/dxf_reader.h"
#include "schemora/core/draw_object.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One object read from the file: its words and, for a text, its string.
struct DxfObject {
    std::array<int32_t, kDrawObjectWords> words{};
    std::string text;
};

struct DxfObjects {
    std::vector<DxfObject> objects;
    double scale = 1000;
    bool stopped = false;      // the person chose not to go on at an unknown entity
};

// The objects of a DXF file's text. New texts take textStyle as their style word.
DxfObjects ReadDxfObjects(std::string_view file, int textStyle, const DxfUnknownEntityQuestion& ask);
