#pragma once
// The board object store: a 1-based array of 32,000 records (record 0 is never used), owned by
// its document and allocated once per document.

#include "common/zeroed_block.h"
#include "tracelyn/core/board_object.h"

#include <array>
#include <memory>

inline constexpr int kBoardStoreSize = 32000;
// The most objects a board holds: reading stops here, SetObjectCount stays one below.
inline constexpr int kMaxBoardObjects = 31990;

using BoardObjectStore = std::array<BoardObject, kBoardStoreSize>;

using BoardStorePtr = ZeroedBlock<BoardObjectStore>;

// A zeroed store, or null when memory runs out.
BoardStorePtr AllocateBoardStore();
