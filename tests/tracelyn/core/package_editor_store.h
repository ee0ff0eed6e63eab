#pragma once
// A footprint editor's store in a test: 5,000 records pointed at by the current-store globals,
// with the editor's link open and the board program's resources registered.

#include "platform/core/test_ui_host.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/package_editor_part.h"

#include <gtest/gtest.h>

#include <vector>

namespace package_test {

class PackageEditorStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerTracelynResources();
        g_board = CurrentBoard{};
        g_board.objects = store.data();
        g_board.capacity = kPartEditorStoreSize;
        g_countWarning = ObjectCountWarning{};
        g_footprintEditor.open = true;
        ResetPartEditorStore(store.data(), kPartEditorStoreSize, "U", "Name", -10000, -7000, -10000, -6500, 0x100);
    }
    void TearDown() override
    {
        for (BoardObject& o : store)
            FreeObjectData(o);
        g_footprintEditor = FootprintEditorLink{};
        g_board = CurrentBoard{};
    }
    const BoardObject& at(int i) const { return store[static_cast<size_t>(i)]; }

    plat::TestUiHost host;
    std::vector<BoardObject> store = std::vector<BoardObject>(kPartEditorStoreSize);
};

}  // namespace package_test
