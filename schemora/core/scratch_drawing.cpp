#include "schemora/core/scratch_drawing.h"

ScratchDrawing::ScratchDrawing(Start start) : saved_(g_current)
{
    if (start == Start::AsItIs && g_current.objects.size() >= static_cast<size_t>(kObjectStoreSlots))
        return;
    own_.allocate();
    if (start == Start::Blank)
        g_current = CurrentDrawing{};
    g_current.objects = own_.slots();
}
