#include "tracelyn/core/board_object.h"

#include "common/string_helpers.h"

#include <new>

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
