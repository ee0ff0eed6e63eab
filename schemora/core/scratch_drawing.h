#pragma once
// A guard that points the current-drawing globals at scratch room while a part passes through
// them (a preview painted from a library, a part copied between libraries) and puts them back
// however that ends.

#include "schemora/core/current_document.h"
#include "schemora/core/object_store.h"

enum class ScratchUse {
    // The open drawing stays current when its store is whole (previews use the slots past its
    // objects); without one, a store of the guard's own stands in.
    OpenStoreOrOwn,
    // An empty drawing on a store of the guard's own.
    FreshDrawing,
};

class ScratchDrawing {
public:
    explicit ScratchDrawing(ScratchUse use);
    ~ScratchDrawing() { g_current = saved_; }
    ScratchDrawing(const ScratchDrawing&) = delete;
    ScratchDrawing& operator=(const ScratchDrawing&) = delete;

private:
    CurrentDrawing saved_;
    DrawObjectStore own_;
};
