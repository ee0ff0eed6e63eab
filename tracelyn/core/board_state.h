#pragma once
// Process-wide state of the board program's current document, one struct per concern. The
// active document (or the footprint editor, or a temporary document) loads its own values into
// these before any drawing, editing, routing or file code touches the store.

#include "tracelyn/core/board_store.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CTracelynDoc;
struct BoardDocumentData;

// The store being worked on. Set by the active document on new, open, save and draw, and by the
// footprint editor while it is open; read by every painter, edit, router and the file code.
struct CurrentBoard {
    BoardObject* objects = nullptr;     // 1-based; record 0 unused
    int32_t capacity = kBoardStoreSize; // records the array holds, record 0 included
    int32_t count = 0;                  // highest index in use
    int32_t sizeLetter = 'A';           // work area 'A' to 'G'
    int32_t viewOriginX = 0;            // logical point shown at the window centre
    int32_t viewOriginY = 0;
    int32_t zoomIndex = 3;              // 0 to 9
    int32_t gridCommand = 703;          // grid menu command 698 to 706
};
extern CurrentBoard g_board;

// The document the globals above belong to. The document class sets both pointers when it
// becomes active and clears them when it closes; SetObjectCount and the board reader write the
// document's own members through `data`.
struct ActiveDocument {
    CTracelynDoc* document = nullptr;
    BoardDocumentData* data = nullptr;
    int32_t viewActivation = 0;         // cleared when a document is created or opened
    bool programClosing = false;        // set by the main frame before it closes the documents
};
extern ActiveDocument g_active;

// The program's one selection: 32,000 object indexes (allocated at start-up) and their count.
struct BoardSelection {
    std::vector<int32_t> list;          // entries 1..count
    int32_t count = 0;
};
extern BoardSelection g_selection;

// Editing state that a freshly read board starts without: the tool's pending interaction, the
// keyboard-editing state, the current layer and how layers are viewed.
struct BoardEditState {
    int32_t toolMode = 0;               // pending interaction of the current tool
    int32_t keyEditState = 0;           // keyboard editing in progress
    int32_t currentLayer = 0;           // BoardLayer, 31 for all layers
    int32_t layerViewMode = 1040;       // 1040 one layer, 1041 layer pair
};
extern BoardEditState g_edit;

// Set by the board reader; the next paint plays the "file done" sound and clears it.
struct BoardLoadState {
    bool justLoaded = false;
};
extern BoardLoadState g_load;

// The footprint editor redirects the modified flag of SetObjectCount, and the repaint of the
// active frame, while it is open.
struct FootprintEditorLink {
    bool open = false;
    int32_t modified = 0;
    std::function<void()> redraw;   // repaints the editor's drawing area
};
extern FootprintEditorLink g_footprintEditor;

// "Warning:Maximum memory used..." is shown once per process.
struct ObjectCountWarning {
    bool shown = false;
};
extern ObjectCountWarning g_countWarning;

// Boards open in the program: entries with an empty name are free.
inline constexpr int kOpenDocumentSlots = 10;
struct OpenDocumentEntry {
    CTracelynDoc* document = nullptr;
    std::string name;
    int32_t untitled = 0;
};
struct OpenDocumentTable {
    std::array<OpenDocumentEntry, kOpenDocumentSlots> entries;
    int32_t count = 0;
};
extern OpenDocumentTable g_openDocuments;

// Work-area width and height in mils by size letter 'A' to 'G'; other letters give 'A'.
struct WorkAreaSize {
    int32_t width;
    int32_t height;
};
WorkAreaSize WorkAreaOf(int32_t sizeLetter);
