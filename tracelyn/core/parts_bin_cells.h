#pragma once
// The parts bin's thumbnails of packages: the cells laid out two per row over the bin's client
// area, each package fitted into its cell with its name below, and the inverting outline that
// follows a package dragged out of the bin.

#include "common/parts_bin_layout.h"
#include "platform/gdi/gdi_types.h"

#include <string>
#include <vector>

namespace plat {
class Dc;
}

// The cells as last painted.
extern quill::PartsBinCells g_partsBinCells;

// Paints every bin entry (g_boardSettings.binParts) into its cell, scrolled by scrollY pixels;
// only loaded packages are drawn (painting never reads a catalogue). Returns the height the
// cells need: (count / 2 + 1) rows.
int PaintPartsBinCells(plat::Dc& dc, const plat::Rect& client, int scrollY);
// The first cell whose rectangle strictly contains (x, y), or -1.
int HitTestPartsBin(int x, int y);
// The inverting dotted outline of a bin cell's rectangle; drawn twice it disappears.
void DrawPartsBinOutline(plat::Dc& dc, const plat::Rect& outline);
