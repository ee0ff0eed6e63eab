#pragma once
// The repaint of a schematic sheet: background, the objects of the current sheet in two passes
// (graphics first, then texts, dots and parts), the title block and border, grid dots, rulers
// and the editing overlays. Everything works on the current drawing (g_current) and the view
// state (g_sheetView); the caller loads the drawing and maps the DC first.

#include "platform/gdi/dc.h"

#include <string>

struct DrawObject;

// OnDraw's painting: an erase-one-object request only erases and redraws that object;
// otherwise, unless printing, the background is filled and the whole sheet repainted.
void PaintSheetView(plat::Dc& dc, const plat::Rect& client);

// The whole repaint of a mapped DC (client: the window's client rectangle).
void RedrawSheet(plat::Dc& dc, const plat::Rect& client);
// Draws one object in raster mode 13 (copy), 6 (invert), 7 (exclusive or) or 100 (copy in
// highlight colours) with palette, clip and mapping set up first; an index of 0 or less only
// prepares the DC.
void DrawObjectInMode(plat::Dc& dc, int index, int mode);
// A polygon record's outline and fill from its point block, at most kPolygonPoints points.
void DrawPolygonRecord(plat::Dc& dc, const DrawObject& o, int role);
// Marks each shown object's origin with a small square in the edit colour, on a prepared DC;
// the marks stay until the next repaint.
void ShowObjectOrigins(plat::Dc& dc);
// Repaints one rectangle of the window, given in pixels times the zoom divisor (the units of
// the client centre); background 1 or more fills it first.
void RedrawSheetRect(plat::Dc& dc, int x1, int y1, int x2, int y2, int background);
void RedrawSheetArea(plat::Dc& dc, const plat::Rect& area, int background);
// Draws the objects first..last of the current drawing that lie on the current sheet and the
// shown layers; returns how many passed that filter.
int DrawObjects(int first, int last, plat::Dc& dc);

// Mode 0: the sheet border and the title block; mode 1 (the part editor): the symbol origin.
void DrawTitleBlock(plat::Dc& dc, int mode);
// The two border frames of a sheet and the offset of the title-block drawing onto it.
struct TitleBlockLayout {
    plat::Rect outer;
    plat::Rect inner;
    int dx = 0;
    int dy = 0;
};
TitleBlockLayout TitleBlockLayoutOf(char sizeLetter);
// A title-block text as shown: the texts naming a document field ("Size", "Date", "Title",
// "Sheet", "Rev", "Document Number") show its value, others themselves.
std::string TitleBlockText(const char* stored);
void DrawGridDots(plat::Dc& dc);
void DrawRulers(plat::Dc& dc);
// With the rulers shown, a tick on each ruler at drawing point p, in the DC's pen and raster
// mode (the cursor mark draws them inverting, so drawn twice they are gone).
void DrawRulerTicks(plat::Dc& dc, plat::Point p);
void FillWorkAreaBackground(plat::Dc& dc, int role);

// Clipping in device pixels; each records the clip in sheet units as the last clip rectangle.
void SetClipRect(plat::Dc& dc, int x1, int y1, int x2, int y2);
void SetClipRegion(plat::Dc& dc, const plat::Rect& rect);
void ClipToWorkArea(plat::Dc& dc, bool rulersShown);
// Hands the scroll-bar values of the current drawing to the view.
void UpdateSheetScrollBars();

// The inline label texts of a wire (and of a part's working record): 10 bytes from word 13,
// 20 bytes from word 18.
inline constexpr int kFirstLabelWord = 13;
inline constexpr int kFirstLabelBytes = 10;
inline constexpr int kSecondLabelWord = 18;
inline constexpr int kSecondLabelBytes = 20;
std::string InlineText(const DrawObject& object, int firstWord, int maxBytes);
