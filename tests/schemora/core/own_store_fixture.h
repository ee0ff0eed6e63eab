#pragma once
// A test with a drawing store of its own made current, on sheet 1 with every layer shown and
// the settings at their built-in values; the current drawing is let go afterwards.

#include "platform/core/test_ui_host.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_store.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_state.h"

#include <gtest/gtest.h>

namespace schemora_test {

struct OwnStoreTest : ::testing::Test {
    plat::TestUiHost host;
    DrawObjectStore store;

    void SetUp() override
    {
        store.allocate();
        g_current = CurrentDrawing{};
        g_current.objects = store.slots();
        g_settings = SchematicSettings{};
        g_sheetView.layerFilter = 4;
        g_sheetView.currentSheet = 1;
    }
    void TearDown() override { g_current = CurrentDrawing{}; }
};

}  // namespace schemora_test
