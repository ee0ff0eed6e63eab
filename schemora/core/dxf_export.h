#pragma once
// DXF export of the current sheet of the current drawing: the sheet's objects, its placed parts
// expanded into their symbols' line work and labels, then the border and title block, as LINE,
// CIRCLE, ARC and TEXT entities on layer "0" (the shared writers of common/dxf_entities.h).

#include "schemora/core/draw_object.h"

#include <string>
#include <string_view>

// Writes the DXF file (".DXF" appended to a file name without an extension). Reports "Can't
// open file %1" and returns false when the file cannot be written; otherwise shows "Saved %d
// DXF elements" in a box and on the status bar.
bool ExportDxf(std::string_view path);
// The whole file's text, as ExportDxf writes it.
std::string DxfDrawingText();

// The schematic's own entity writers, on top of the shared ones.
void DxfWriteBus(std::string& out, int x1, int y1, int x2, int y2);
// A 12-unit square.
void DxfWriteDot(std::string& out, int x, int y);
// The shaft and a two-stroke head at its end, sized from the width word.
void DxfWriteArrowHead(std::string& out, int x1, int y1, int x2, int y2, int width);
// The triangle on the box (x1, y1)-(x2, y2) pointing at x2, turned about (cx, cy) by angle
// tenths of a degree.
void DxfWriteTriangle(std::string& out, int cx, int cy, int x1, int y1, int x2, int y2, int angle,
                      bool mirror);
// One symbol text: the part before the first ',' (mode 32: after it), its angle turned the DXF
// way, a mirrored text moved to end at its anchor.
void DxfWriteSymbolText(std::string& out, std::string_view text, int x, int y, int angle, int mode,
                        bool mirror);
// The elements first..last of the loaded symbols about g_partOrigin.
void DxfWriteSymbolElements(std::string& out, int first, int last, int orientation, bool mirror,
                            int labelFlags);
// One placed part with its labels; unresolved instances are left out.
void DxfWritePart(std::string& out, const DrawObject& instance);
void DxfWriteTitleBlock(std::string& out);
