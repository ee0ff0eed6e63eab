#pragma once
// A store of its own lent to the current-drawing globals (g_current) while parts pass through
// them — a preview, a copy between libraries — and the globals put back however that ends.

#include "common/scoped_replace.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_store.h"

class ScratchDrawing {
public:
    enum class Start {
        Blank,   // a blank current drawing over a store of its own
        // The current drawing's values kept; an open document's whole store stays too (the
        // scratch area at its end serves), a smaller one or none gives way to a store of its own.
        AsItIs,
    };
    explicit ScratchDrawing(Start start);

private:
    DrawObjectStore own_;
    ScopedReplace<CurrentDrawing> lent_;
};
