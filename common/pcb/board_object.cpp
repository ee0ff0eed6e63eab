#include "common/pcb/board_object.h"

#include "common/string_helpers.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace pcb {

int32_t* NewPointBlock(size_t words)
{
    return new (std::nothrow) int32_t[words == 0 ? 1 : words]();
}

void FreePointBlock(int32_t* block)
{
    delete[] block;
}

void FreeObjectData(BoardObject& object)
{
    if (object.data == nullptr)
        return;
    if (object.ownsText()) {
        char* text = object.text();
        FreeStr(text);
    }
    else if (object.ownsPoints())
        FreePointBlock(object.points());
    else
        return;   // borrowed (pads): the owner frees it
    object.data = nullptr;
}

bool CloneObjectData(const BoardObject& from, BoardObject& to)
{
    to.data = nullptr;
    if (from.data == nullptr)
        return true;
    if (from.ownsText()) {
        to.data = StrDupChecked(from.text());
        return to.data != nullptr;
    }
    if (from.ownsPoints()) {
        const size_t words = from.kind() == kKindOutline
                                 ? kOutlineBlockWords
                                 : static_cast<size_t>(std::max(from.w[2], 0)) * kVertexWords;
        int32_t* block = NewPointBlock(words);
        if (block == nullptr)
            return false;
        if (words > 0)
            std::memcpy(block, from.points(), words * sizeof(int32_t));
        to.data = block;
        return true;
    }
    to.data = from.data;   // a pad's pin label belongs to its package
    return true;
}

OwnedObject::OwnedObject(const BoardObject& source) : object_(source)
{
    object_.data = nullptr;
    ok_ = CloneObjectData(source, object_);
}

OwnedObject::OwnedObject(OwnedObject&& other) noexcept : object_(other.object_), ok_(other.ok_)
{
    other.object_.data = nullptr;
}

OwnedObject& OwnedObject::operator=(OwnedObject&& other) noexcept
{
    if (this != &other) {
        FreeObjectData(object_);
        object_ = other.object_;
        ok_ = other.ok_;
        other.object_.data = nullptr;
    }
    return *this;
}

}  // namespace pcb
