#include "tracelyn/core/board_store.h"

BoardStorePtr AllocateBoardStore() { return AllocateZeroed<BoardObjectStore>(); }
