#pragma once
// Services of the manufacturing subsystem that the board core calls. Declared here for the
// document's Save As; defined in tracelyn/route.

#include <string_view>

// Writes the current board (g_board) on the current layer as a DXF file at path.
void ExportBoardDxf(std::string_view path);
// Appends a DXF file's line work to the current board; the number of objects appended.
int ImportBoardDxf(std::string_view path);
