#include "schemora/core/object_store.h"

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
    slots_ = std::make_unique<DrawObject[]>(kObjectStoreSlots);
}

void DrawObjectStore::release()
{
    if (!slots_)
        return;
    for (int i = 0; i < kObjectStoreSlots; ++i)
        ReleaseObjectData(slots_[i]);
    slots_.reset();
}
