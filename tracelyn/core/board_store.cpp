#include "tracelyn/core/board_store.h"

#include <new>

std::unique_ptr<BoardObjectStore> AllocateBoardStore()
{
    return std::unique_ptr<BoardObjectStore>(new (std::nothrow) BoardObjectStore{});
}
