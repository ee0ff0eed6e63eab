#pragma once
// The documents open in the program, in the order they were opened: SaveSettings writes their
// names so that the next start can reopen them. The document class registers each new or
// opened document and releases its slot when it closes.

#include <array>
#include <string>
#include <string_view>

class CSchemoraDoc;

inline constexpr int kOpenDocSlots = 50;

struct OpenDocSlot {
    CSchemoraDoc* document = nullptr;
    std::string name;          // the title of a new document, the path of an opened one
    bool used = false;
};

struct OpenDocTable {
    std::array<OpenDocSlot, kOpenDocSlots> slots{};
    int count = 0;
};
extern OpenDocTable g_openDocs;

// Clears every slot's name (start-up).
void ClearOpenDocNames();
// Puts a copy of name and the document into the first free slot and counts it; a full table is
// left unchanged.
void RegisterOpenDocument(std::string_view name, CSchemoraDoc* document);
// A closing document frees its slot's name; unless the whole program is closing (its names have
// been saved already and the count must stay as saved) the slot is cleared and the count drops.
void ReleaseOpenDocument(CSchemoraDoc* document, bool programClosing);
