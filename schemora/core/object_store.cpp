#include "schemora/core/object_store.h"

#include "common/extent_index.h"

#include <algorithm>
#include <new>
#include <utility>
#include <vector>

namespace {

// Each allocated block with its paint index; a handful of stores live at once (the open
// documents, the title block, the part editor and previews).
using IndexedBlocks = std::vector<std::pair<const DrawObject*, std::unique_ptr<ExtentIndex>>>;

IndexedBlocks& indexedBlocks()
{
    static IndexedBlocks blocks;
    return blocks;
}

}  // namespace

// Touching the list here constructs it before any store, so it outlives stores of static
// storage (the title block) that release their blocks at exit.
DrawObjectStore::DrawObjectStore() { indexedBlocks(); }

ExtentIndex* PaintIndexOf(const DrawObject* block)
{
    if (!block)
        return nullptr;
    for (const auto& [owned, index] : indexedBlocks())
        if (owned == block)
            return index.get();
    return nullptr;
}

DrawObjectStore& DrawObjectStore::operator=(DrawObjectStore&& other) noexcept
{
    if (this != &other) {
        release();
        slots_ = std::move(other.slots_);
    }
    return *this;
}

void DrawObjectStore::allocate()
{
    release();
    slots_ = AllocateZeroedArray<DrawObject>(kObjectStoreSlots);
    if (!slots_)
        throw std::bad_alloc();
    indexedBlocks().emplace_back(slots_.get(), std::make_unique<ExtentIndex>());
}

void DrawObjectStore::release()
{
    if (!slots_)
        return;
    for (int i = 0; i < kObjectStoreSlots; ++i)
        ReleaseObjectData(slots_[i]);
    IndexedBlocks& blocks = indexedBlocks();
    std::erase_if(blocks, [this](const auto& entry) { return entry.first == slots_.get(); });
    slots_.reset();
}
