#include "schemora/core/sheet_state.h"

SheetViewState g_sheetView;
DrawingModes g_drawModes;
SheetDocumentInfo g_sheetDocument;
PaintRecord g_paintRecord;
PrintoutSettings g_printout;
SheetPaintHooks g_sheetPaintHooks;
