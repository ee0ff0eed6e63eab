#include "schemora/core/scratch_drawing.h"

ScratchDrawing::ScratchDrawing(ScratchUse use) : saved_(g_current)
{
    if (use == ScratchUse::OpenStoreOrOwn && g_current.objects.size() >= static_cast<size_t>(kObjectStoreSlots))
        return;
    own_.allocate();
    if (use == ScratchUse::FreshDrawing)
        g_current = CurrentDrawing{};
    g_current.objects = own_.slots();
}
