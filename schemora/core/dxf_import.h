#pragma once
// DXF import: the entities of a DXF file appended to the current drawing as schematic objects,
// halved, re-centred and tidied so that an imported part outline with its pin names and pin
// numbers comes in usable.

#include <string_view>

// Appends the file's objects to the current drawing (the view's). "Can't open file %1" when
// the file cannot be read; a full store stops the import with "Schematic FULL--objects not
// loaded". Returns the number of objects appended.
int ImportDxf(std::string_view path);
// File Open of a ".DXF" file: a new drawing with the file's objects; nothing is created when
// the file cannot be read.
bool ImportDxfIntoNewDrawing(std::string_view path);

// The lines that frame an imported part's pin table: the first two long horizontal and the
// first two long vertical lines (count tells how many were found).
struct PinTableLines {
    int horizontalY[2] = {0, 0};
    int horizontalCount = 0;
    int verticalX[2] = {0, 0};
    int verticalCount = 0;
};

// The post-import steps over the whole drawing: numeric texts (pin numbers) move up and are
// marked class 1, other texts move left and are marked class 2; placed parts beep.
PinTableLines ClassifyImportedObjects();
// Right-aligns class-2 texts between the two horizontal pin-table lines against the right
// vertical one; nothing unless both pairs of lines were found.
void AlignImportedPinNames(const PinTableLines& lines);
