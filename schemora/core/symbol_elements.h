#pragma once
// The elements of every loaded part symbol, in one process-wide store: a symbol's words 1 and 2
// name its range. Slot 0 is unused; the counter is bounded by CountObjectSlot.
//
// A symbol's range starts with one header element per body variant (only body 0 is made):
// word 0 the number of elements of the block, word 1 the index of the block's last element,
// word 3 the variant number, word 4 the number of gates. The block holds one section per gate
// (the gate's elements, then kGateSectionPadding empty records), so gate g starts
// g x (block count / gates) elements after the header.
//
// Text and polygon elements own their data; a pin line's word 10 points at the text element
// that names it (it does not own it).

#include "common/object_slots.h"
#include "schemora/core/draw_object.h"

#include <cstdint>
#include <vector>

inline constexpr int kSymbolElementSlots = quill::kMaxSymbolElements + 1;
inline constexpr int kGateSectionPadding = 4;

struct SymbolElementStore {
    std::vector<DrawObject> elements;   // kSymbolElementSlots once the first symbol is loaded
    int32_t count = 0;

    SymbolElementStore() = default;
    // The elements own their texts and point blocks: they go with the store.
    ~SymbolElementStore() { truncate(0); }
    SymbolElementStore(const SymbolElementStore&) = delete;
    SymbolElementStore& operator=(const SymbolElementStore&) = delete;

    DrawObject& operator[](int index) { return elements[index]; }
    // Makes room for the store the first time.
    void ensureAllocated();
    // Releases the data of the elements above keep and lowers the counter to keep.
    void truncate(int32_t keep);
};
extern SymbolElementStore g_symbolElements;
