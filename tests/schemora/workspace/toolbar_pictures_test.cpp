// The schematic program's toolbars, status icons, pointers and window icon as a person sees
// them: drawn pictures, one per command, with tooltips that name the command and its key.
#include "resources/schemora/edit_ids.h"
#include "schemora/core/app_test_support.h"
#include "schemora/core/workspace_services.h"
#include "schemora/workspace/main_frame.h"

// Qt's headers come after the program's: Qt's keyword macros would rename its members.
#include "platform/app/wnd_state.h"
#include "support/toolbar_looks.h"

#include <QMainWindow>

namespace {

class SchemoraToolbarPictures : public schemora_test::SchemoraAppTest {
protected:
    QMainWindow* window() { return qobject_cast<QMainWindow*>(plat::GetMainWnd()->state()->widget.data()); }
};

TEST_F(SchemoraToolbarPictures, EveryButtonShowsItsOwnDrawnPicture)
{
    writeIni("DoTips=0\nAutoDots=0\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    SyncDotToolButton();   // with automatic dots off the connector-dot button is on the bar
    harness.idle();
    ASSERT_NE(window(), nullptr);
    quill_test::expectDistinctDrawnButtons(window());
}

TEST_F(SchemoraToolbarPictures, EveryCommandPictureOfTheResourcesIsItsOwn)
{
    quill_test::expectDistinctCommandPictures();
}

TEST_F(SchemoraToolbarPictures, TheDesktopEntriesShowTheWindowIcon)
{
    quill_test::expectShippedIconIsTheWindowIcon("schemora.svg");
}

TEST_F(SchemoraToolbarPictures, ToolTipsNameTheToolAndItsKey)
{
    writeIni("DoTips=0\nAutoDots=0\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    harness.idle();
    ASSERT_NE(window(), nullptr);
    quill_test::expectTooltipsShown(window(), {"Enter text (T)", "Draw data bus (B)", "Draw line (L)", "Draw arc (K)",
                                               "Draw connector dot (C)", "Draw rectangle (R)", "Draw polygon (Y)",
                                               "Draw ellipse (E)", "Insert library part (F5)", "Edit mode (F9)",
                                               "Erase (Del)", "Rotate (X)", "Mirror (M)", "Undo (Ctrl+Z)"});
}

TEST_F(SchemoraToolbarPictures, PointersStatusIconsAndWindowIconAreDrawn)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    quill_test::expectDrawnPointers({scm::kCursorA, scm::kCursorView, scm::kCursorB});
    EXPECT_NE(plat::cursorToQt(scm::kCursorA).pixmap().toImage(), plat::cursorToQt(scm::kCursorB).pixmap().toImage());
    quill_test::expectDrawnIcons(window(), {scm::kIconReady, scm::kIconActivityA, scm::kIconActivityB});
    EXPECT_NE(plat::imagePixmap(scm::kIconActivityA, 16, 16).toImage(), plat::imagePixmap(scm::kIconActivityB, 16, 16).toImage())
        << "the two steps of the status animation differ";
}

}  // namespace
