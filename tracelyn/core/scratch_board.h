#pragma once
// A blank board store of its own lent to the current-store globals (g_board) while a package
// passes through them — a preview, a copy between libraries — and the globals put back however
// that ends.

#include "common/scoped_replace.h"
#include "tracelyn/core/board_state.h"

#include <vector>

class ScratchBoard {
public:
    // records: the records the store holds, record 0 included.
    explicit ScratchBoard(int records);
    // Frees what the records came to own before the globals go back.
    ~ScratchBoard();

private:
    std::vector<BoardObject> objects_;
    ScopedReplace<CurrentBoard> lent_;
};
