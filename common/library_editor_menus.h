#pragma once
// The File, Edit and View menus of both library editors' windows, each program passing its
// command ids; each adds the menus only its editor has.

#include "common/editing_command_ids.h"
#include "platform/app/resources.h"

#include <span>
#include <string_view>
#include <vector>

namespace quill {

struct LibraryEditorMenuIds {
    // File
    unsigned savePart = 0;
    unsigned newPart = 0;
    unsigned closeEditor = 0;
    // Edit
    EditingCommandIds editing;
    unsigned reGrid = 0;                 // 0: the editor has no Re-Grid
    unsigned redraw = 0;
    bool redrawEndsEditing = false;      // Redraw above the separator, with the editing commands
    unsigned copy = 0;
    unsigned paste = 0;
    // View
    unsigned drawToFit = 0;
    unsigned center = 0;
    unsigned zoomIn = 0;
    unsigned zoomOut = 0;
    unsigned scaleFirst = 0;             // the Scale items' ids run on from here
    unsigned scaleCount = 0;             // how many of 20%, 25%, ... 5000% the editor offers
};

std::vector<plat::MenuItem> LibraryEditorMenus(const LibraryEditorMenuIds& ids);

// The keys those menus name: F9, Del, X, M, Esc, Ctrl+Z, Ctrl+C, Ctrl+V and F4. Each editor binds
// the rest itself (the zoom keys differ).
std::vector<plat::Accelerator> LibraryEditorKeys(const LibraryEditorMenuIds& ids);

// What a library editor binds besides those: its own keys, its selective-editing letters (as
// AddSelectiveEditKeys takes them) and the keyboard cursor's keys.
struct LibraryEditorOwnKeys {
    std::span<const plat::Accelerator> keys;
    unsigned selectiveFirst = 0;
    std::string_view selectiveLetters;
    uint8_t selectiveFlags = 0;
    CursorKeyIds cursor;
};

// The editor's whole key table: the menus' keys, then the editor's own, in that order.
std::vector<plat::Accelerator> LibraryEditorKeys(const LibraryEditorMenuIds& ids, const LibraryEditorOwnKeys& own);

}  // namespace quill
