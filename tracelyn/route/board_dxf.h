#pragma once
// The board as an ASCII DXF file: traces, rectangles, texts, circles, arcs, pads and placed
// packages of the current layer (every layer when it is 31; objects on all layers always),
// board units written as inches, y pointing up. The entity writers are the ones both editors
// share; this file adds the board's trace, pad and component writers.

#include "tracelyn/core/board_object.h"

#include <string>
#include <string_view>

class CDxfFile {
public:
    virtual ~CDxfFile() = default;
    // Writes the file (whole or not at all) and shows "Saved %d DXF elements"; a file that
    // cannot be written shows "Can't open file: %1".
    void ExportDxf(std::string_view path);
    // Appends the file's lines, circles, arcs, polylines and texts to the current board in board
    // units (y turned downwards) and puts them into the selection list; a file that cannot be
    // read shows "Can't open file: %1" and changes nothing. Returns the objects appended.
    int ImportDxf(std::string_view path);
};

// The whole file's text for the current board and the current layer.
std::string BoardDxfText();

// One LINE with the width as its thickness.
void DxfWriteTrace(std::string& out, int x1, int y1, int x2, int y2, int layer, int flags, int width);
// A pad's outline by its shape code; rotation codes 2, 3, 6 and 7 exchange width and height, 8
// and more is an angle in tenths of a degree.
void DxfWritePad(std::string& out, int x, int y, int layer, int shape, int width, int height, int hole,
                 int rotation);
// A placed part: its package's objects and its reference label.
void DxfWriteComponent(std::string& out, const BoardObject& part, int exportLayer);
