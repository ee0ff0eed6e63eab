#pragma once
// Process-wide state of the schematic view and its painters, one struct per concern. Whichever
// window painted last defines the mapping values: a paint rewrites them every time.

#include "platform/gdi/gdi_types.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <string>

class SheetOverlays;

// The view's mapping and printing state. The view's OnPrepareDC and printing hooks set it; the
// painters and the editing code read it.
struct SheetViewState {
    plat::Rect workArea;          // client rectangle of the window painted last (pixels)
    int clientCentreX = 0;        // client centre in pixels times the zoom divisor
    int clientCentreY = 0;
    bool printing = false;        // from OnBeginPrinting to OnEndPrinting
    int printPage = 1;
    int savedSheet = 1;           // the current sheet before printing began
    int currentSheet = 1;         // objects of other sheets are not drawn
    bool fitToWindow = false;     // tool 5001: the whole sheet stretched over the window
    int fitOffsetX = 0;
    int fitOffsetY = 0;
    int layerFilter = 4;          // 0-3 one drawing layer, 4 all layers
    bool eraseRequest = false;    // the next paint only erases and redraws eraseIndex
    int eraseIndex = 0;
};
extern SheetViewState g_sheetView;

// Modes every painter consults. The editing code sets the raster mode for rubber bands;
// DrawObjectInMode sets the highlight flag for mode 100.
struct DrawingModes {
    int rasterMode = 13;          // 13 copy, 6 invert (drawn twice it erases)
    bool highlight = false;
    // Set by the instrument windows while they draw traces: lines then end exactly at their
    // far point instead of one unit beyond it.
    bool InstrumentExactLineEnds = false;
    // Colours as RGB triples instead of palette indexes (pictures for the clipboard).
    bool trueColor = false;
    bool monochromePrint = false; // a printout without colour is running
    bool gridShown = true;        // "Show Grid" of the Edit Setup dialog
    int colorMode = 0;            // 0: objects take their own colour, 1: the colour of their plane
    int objectColor = 0;          // palette index new objects take in mode 0 (Set Colors' last pick)
    int markColor = 0;            // palette index of the editing marks (Set Colors slot 19)
    // The string the keyboard text entry types into; the object holding it is not painted.
    const char* textEntryBuffer = nullptr;
};
extern DrawingModes g_drawModes;

// The document values the title block shows; OnDraw copies them from the view's document.
struct SheetDocumentInfo {
    std::string title;
    std::string path;
    std::time_t date = 0;
    int revision = 'A';
    int documentNumber = 1;
    int numberOfSheets = 1;
    int headerFlag = 0;           // the document's status flag
};
extern SheetDocumentInfo g_sheetDocument;

// The sheet's edges relative to the view centre, recorded by every repaint for the editing code.
struct SheetBounds {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// What the last paint leaves behind for the editing code and the status line.
struct PaintRecord {
    SheetBounds bounds;
    plat::Rect lastClip;          // sheet units
    int lastTextHeight = 0;
    plat::Size lastTextExtent;
    std::string message;          // shared message buffer ("t=%d, pc=%d", ...)
    // Set by the drawing reader: the next full repaint plays "filedone.wav" once.
    bool fileDoneSoundPending = false;
};
extern PaintRecord g_paintRecord;

// The printout choices of the Printout Settings dialog.
inline constexpr int kPrintOneSheet = 100;
inline constexpr int kPrintPaginated = 101;
inline constexpr int kPrintToScale = 102;
struct PrintoutSettings {
    int layout = kPrintOneSheet;
    bool color = false;
    bool preserveAspect = true;
};
extern PrintoutSettings g_printout;

// Painting that belongs to the editing code and the view commands, laid over a repainted sheet;
// the view installs it. Null: nothing is laid over.
struct SheetPaintHooks {
    SheetOverlays* overlays = nullptr;
};
extern SheetPaintHooks g_sheetPaintHooks;
