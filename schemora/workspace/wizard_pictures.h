#pragma once
// The small picture of each symbol type on the wizard's first page.

#include "schemora/workspace/wizard_pins.h"

namespace plat {
class Dc;
struct Rect;
}

void DrawSymbolTypePicture(plat::Dc& dc, const plat::Rect& area, SymbolKind kind);
