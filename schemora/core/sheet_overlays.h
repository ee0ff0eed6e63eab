#pragma once
// What a full repaint asks of the view and the editing code once the sheet itself is drawn:
// scroll bars, status panes, the selection handles or frame, the cursor mark, the fit view's
// zoom box and the page breaks. The view implements it and installs it in g_sheetPaintHooks;
// every method does nothing by default.

#include "platform/gdi/dc.h"

#include <string>

// Scroll-bar values of one bar (range 0..max, page and position in scroll units).
struct SheetScrollBar {
    int max = 0;
    int page = 0;
    int pos = 0;
};
struct SheetScrollBars {
    SheetScrollBar horizontal;
    SheetScrollBar vertical;
};

class SheetOverlays {
public:
    virtual ~SheetOverlays() = default;
    virtual void SetSheetScrollBars(const SheetScrollBars& bars) { (void)bars; }
    virtual void UpdateStatusPanes() {}
    // The handles of the one selected object, or the selection frame, as the selection has them.
    virtual void DrawSelection(plat::Dc& dc) { (void)dc; }
    // Draws (or, drawn again, erases) the cursor mark at its stored position when it is shown.
    virtual void DrawCursorMark(plat::Dc& dc) { (void)dc; }
    virtual void DrawFitOverlay(plat::Dc& dc) { (void)dc; }
    virtual void DrawPageBreaks(plat::Dc& dc) { (void)dc; }
    // Repaints the area of one object without it (the erase-one-object request of OnDraw).
    virtual void EraseObjectArea(plat::Dc& dc, int index) { (void)dc; (void)index; }
    // The pin text terminal `index` shows in place of its own (the part editor shows the pin
    // numbers of another part of the package on the same drawn terminals).
    virtual std::string ShownPinText(int index, std::string ownText) const
    {
        (void)index;
        return ownText;
    }
};
