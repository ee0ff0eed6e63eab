#include "schemora/core/scratch_drawing.h"

namespace {

CurrentDrawing lentDrawing(ScratchDrawing::Start start, DrawObjectStore& own)
{
    if (start == ScratchDrawing::Start::AsItIs && g_current.objects.size() >= static_cast<size_t>(kObjectStoreSlots))
        return g_current;
    own.allocate();
    CurrentDrawing drawing = start == ScratchDrawing::Start::Blank ? CurrentDrawing{} : g_current;
    drawing.objects = own.slots();
    return drawing;
}

}  // namespace

ScratchDrawing::ScratchDrawing(Start start) : lent_(g_current, lentDrawing(start, own_)) {}
