#pragma once
// The schematic object store: one block of kObjectStoreSlots records, slot 0 unused, live
// objects in 1..count. A document owns one from OnNewDocument or OnOpenDocument until it
// closes; the title block has its own.

#include "common/zeroed_block.h"
#include "schemora/core/draw_object.h"

#include <memory>
#include <span>

class ExtentIndex;

inline constexpr int kObjectStoreSlots = 8000;
// The largest object count; slot 7,999 is the last one used.
inline constexpr int kMaxObjectCount = 7999;
// Reading a file stops here and tells the user the drawing is full.
inline constexpr int kMaxObjectsRead = 7990;

class DrawObjectStore {
public:
    DrawObjectStore();   // no block yet
    ~DrawObjectStore() { release(); }
    DrawObjectStore(DrawObjectStore&& other) noexcept = default;
    DrawObjectStore& operator=(DrawObjectStore&& other) noexcept;
    DrawObjectStore(const DrawObjectStore&) = delete;
    DrawObjectStore& operator=(const DrawObjectStore&) = delete;

    // Replaces the block by a new zero-filled one (the old one is released first).
    void allocate();
    // Frees the word-10 data of every slot and the block itself.
    void release();

    bool empty() const { return !slots_; }
    DrawObject* data() { return slots_.get(); }
    // The whole block, slot 0 included; empty when no block is allocated.
    std::span<DrawObject> slots() { return {slots_.get(), slots_ ? size_t(kObjectStoreSlots) : 0}; }
    DrawObject& operator[](int index) { return slots_[index]; }
    const DrawObject& operator[](int index) const { return slots_[index]; }

private:
    ZeroedBlock<DrawObject[]> slots_;
};

// The index of paint extents kept for the store whose block starts at `block` (slot 0), from
// its allocate() until its release(); nullptr for a block no store owns.
ExtentIndex* PaintIndexOf(const DrawObject* block);
