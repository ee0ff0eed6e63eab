#include "tracelyn/core/scratch_board.h"

#include "tracelyn/core/board_object.h"

namespace {

CurrentBoard blankBoardOver(std::vector<BoardObject>& objects)
{
    CurrentBoard board;
    board.objects = objects.data();
    board.capacity = static_cast<int32_t>(objects.size());
    return board;
}

}  // namespace

ScratchBoard::ScratchBoard(int records)
    : objects_(static_cast<size_t>(records)), lent_(g_board, blankBoardOver(objects_))
{
}

ScratchBoard::~ScratchBoard()
{
    for (BoardObject& o : objects_)
        FreeObjectData(o);
}
