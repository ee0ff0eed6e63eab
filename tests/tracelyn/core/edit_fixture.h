#pragma once
// Editing tests: the board program started headless with a new board, its view driven with
// mouse and command messages as a person would drive it.

#include "platform/app/frame_wnd.h"
#include "platform/app/program.h"
#include "platform/app/view.h"
#include "platform/app/win_constants.h"
#include "platform/app/wnd.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/files.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "support/default_stores.h"
#include "tracelyn/core/app_state.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/program_folder_fixture.h"
#include "tracelyn/core/tracelyn_app.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/core/tracelyn_view.h"
#include "tracelyn/workspace/main_frame.h"

#include <gtest/gtest.h>

#include <memory>

namespace edit_test {

// Board units of one pixel at the new board's zoom (divisor 5, a mil per logical unit).
inline constexpr int kUnitsPerPixel = 50;

class BoardEditTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        quill_test::resetToDefaults(g_gesture, g_drawDefaults, g_pointer, g_polarGrid);
        ClearUndoRing();
        g_countWarning.shown = false;
        writeIni("DoTips=0\n");
        harness = startHeld();
        ASSERT_TRUE(harness->start());
        harness->idle();
        ASSERT_NE(view(), nullptr);
    }
    void TearDown() override
    {
        harness.reset();
        ClearUndoRing();
        ProgramFolderTest::TearDown();
    }

    static CMainFrame& frame() { return *static_cast<CMainFrame*>(plat::GetMainWnd()); }
    static CTracelynView* view() { return static_cast<CTracelynView*>(plat::GetMainWnd()->GetActiveView()); }
    static CTracelynDoc* board() { return static_cast<CTracelynDoc*>(plat::GetMainWnd()->GetActiveDocument()); }

    static intptr_t at(int x, int y) { return static_cast<intptr_t>((y & 0xFFFF) << 16 | (x & 0xFFFF)); }

    void command(unsigned id) { frame().SendMessage(plat::kWmCommand, id); }
    void press(int x, int y, unsigned mods = 0)
    {
        view()->SendMessage(plat::kWmMouseMove, mods, at(x, y));
        view()->SendMessage(plat::kWmLButtonDown, plat::kMkLButton | mods, at(x, y));
    }
    void moveTo(int x, int y, unsigned mods = 0) { view()->SendMessage(plat::kWmMouseMove, plat::kMkLButton | mods, at(x, y)); }
    void release(int x, int y) { view()->SendMessage(plat::kWmLButtonUp, 0, at(x, y)); }
    void click(int x, int y, unsigned mods = 0)
    {
        press(x, y, mods);
        release(x, y);
    }
    void drag(int x1, int y1, int x2, int y2, unsigned mods = 0)
    {
        press(x1, y1, mods);
        moveTo((x1 + x2) / 2, (y1 + y2) / 2, mods);
        moveTo(x2, y2, mods);
        release(x2, y2);
    }
    // The tool by its command, as the toolbar or its key chooses it.
    void tool(unsigned id) { command(id); }

    static int count() { return board()->data().objectCount; }
    static const BoardObject& object(int i) { return (*board()->data().objects)[static_cast<size_t>(i)]; }


    std::unique_ptr<plat::AppHarness> harness;
};

}  // namespace edit_test
