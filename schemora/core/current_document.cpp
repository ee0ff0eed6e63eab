#include "schemora/core/current_document.h"

CurrentDrawing g_current;
TitleBlock g_titleBlock;
PartSymbolTable g_partSymbols;
