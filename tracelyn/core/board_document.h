#pragma once
// The members of one open board and the document operations that do not need the framework.
// CTracelynDoc holds a BoardDocumentData and calls these from its overrides.

#include "common/extent_index.h"
#include "tracelyn/core/board_store.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CTracelynDoc;

struct BoardDocumentData {
    BoardStorePtr objects;  // 1-based, allocated once per document
    int32_t objectCount = 0;                    // highest index in use
    int32_t sizeLetter = 'A';                   // work area 'A' to 'G'
    int32_t viewOriginX = 0;                    // saved in the file header
    int32_t viewOriginY = 0;
    int32_t zoomIndex = 3;
    int32_t gridCommand = 703;
    int32_t further[2] = {0, 0};                // kept with the document, unused by the core
    int32_t hasFocus = 0;                       // 1 while a view of the document has the focus
    std::string lastNetlist;                    // the netlist name last loaded for this board
    bool modified = false;
    // Where the store's objects paint, so a repaint visits only those that can show; it keeps
    // itself in step with the store and is emptied with it.
    ExtentIndex paintIndex;

    BoardDocumentData() = default;
    BoardDocumentData(BoardDocumentData&&) noexcept = default;
    BoardDocumentData& operator=(BoardDocumentData&&) = delete;
    ~BoardDocumentData();   // frees what the objects own
};

inline constexpr int kNewBoardZoomIndex = 3;
inline constexpr int kNewBoardGridCommand = 703;

// A new board: allocates the store ("Not enough memory for arrays----quitting\n" and false when
// memory runs out), sets the defaults, makes the document active, points the globals at it and
// creates the default outline as record 1. The caller enters it in the open-document table.
bool InitNewBoard(BoardDocumentData& doc);

// Before a board is read into the document: a fresh zeroed store (message and false when memory
// runs out), the document made active and the globals pointed at it.
bool PrepareBoardForOpen(BoardDocumentData& doc);

// Record 1 of the current store becomes the default outline: a rectangle 3,000 units inside the
// work area of the current size letter, on layer 25. The count becomes 1.
void CreateDefaultOutline();
// Record 1, when it is a four-sided outline, becomes the rectangle left..right, top..bottom.
void SetOutlineRectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);

// Frees what objects 1..count own, the store, and (unless the program is closing) the
// document's entry in the open-document table. Globals that pointed at the store are cleared.
void CloseBoardDocument(BoardDocumentData& doc, CTracelynDoc* document);

// The globals take the document's store and header values; the document becomes active.
void LoadBoardGlobals(BoardDocumentData& doc);
// Only the header values: size letter, view origin, zoom index and grid command.
void LoadViewGlobals(const BoardDocumentData& doc);

// The count after appending one object at index count: count + 1, held at 31,989 with a
// warning once per process. Marks the active document (or the open footprint editor) modified.
int SetObjectCount(int count);

// Marks what the current store belongs to as changed: the open footprint editor, else the
// active document.
void MarkBoardModified();

// The path a board is opened from: a name without an extension gets ".TLZ".
std::string BoardOpenPath(std::string_view path);
// 4 (export) when the file name's extension is ".XPC" (any case), else 1 (board).
int BoardFileMode(std::string_view path);

// The open-document table: the first free entry takes the document (a full table stays as it
// is); removing frees the document's entry.
void RegisterOpenDocument(std::string_view name, CTracelynDoc* document, int untitled);
void UnregisterOpenDocument(CTracelynDoc* document);
