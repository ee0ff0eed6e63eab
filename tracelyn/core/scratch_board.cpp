#include "tracelyn/core/scratch_board.h"

#include "tracelyn/core/board_object.h"

ScratchBoard::ScratchBoard(int records) : saved_(g_board), objects_(static_cast<size_t>(records))
{
    g_board = CurrentBoard{};
    g_board.objects = objects_.data();
    g_board.capacity = static_cast<int32_t>(objects_.size());
}

ScratchBoard::~ScratchBoard()
{
    for (BoardObject& o : objects_)
        FreeObjectData(o);
    g_board = saved_;
}
