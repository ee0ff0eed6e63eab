#include "tracelyn/core/board_append.h"

#include "platform/core/ui_host.h"
#include "tracelyn/core/object_append.h"

bool AppendBoardObject(BoardObject& o, bool& fullShown)
{
    const int index = AppendObject();
    BoardObject* slot = AppendedObject(index);
    if (slot == nullptr) {
        if (!fullShown)
            plat::MessageBox("Database FULL--objects not loaded");
        fullShown = true;
        FreeObjectData(o);
        return false;
    }
    *slot = o;
    o.data = nullptr;
    return true;
}
