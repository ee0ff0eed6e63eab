// Opening and closing drawings over and over through the real menus: each open and close
// rebuilds the menu bar and the toolbars, and what a rebuild replaced must not stay behind.
#include "app_test_support.h"

#include "platform/app/command_ids.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/wnd_state.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <unistd.h>

#include <fstream>

namespace {

using namespace schemora_test;

QMainWindow* mainWindow() { return qobject_cast<QMainWindow*>(plat::GetMainWnd()->state()->widget.data()); }

// The item of the menus the bar shows that sends the command, as a person would click it.
QAction* findCommand(const QList<QAction*>& actions, unsigned id)
{
    for (QAction* a : actions) {
        if (QMenu* sub = a->menu()) {
            if (QAction* found = findCommand(sub->actions(), id))
                return found;
        } else if (a->data().isValid() && a->data().toUInt() == id) {
            return a;
        }
    }
    return nullptr;
}

QAction* menuCommand(unsigned id) { return findCommand(mainWindow()->menuBar()->actions(), id); }

// The process's resident memory, from the kernel's page counts.
long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

struct BarObjects {
    qsizetype menus = 0;
    qsizetype menuActions = 0;
    qsizetype toolActions = 0;
    bool operator==(const BarObjects&) const = default;
};

BarObjects countBarObjects()
{
    BarObjects n;
    QMainWindow* window = mainWindow();
    n.menus = window->menuBar()->findChildren<QMenu*>().size();
    n.menuActions = window->menuBar()->findChildren<QAction*>().size();
    for (QToolBar* bar : window->findChildren<QToolBar*>())
        n.toolActions += bar->findChildren<QAction*>().size();
    return n;
}

TEST_F(SchemoraAppTest, ClosingAndReopeningDrawingsLeavesNoMenusOrButtonsBehind)
{
    writeIni("DoTips=0\n");
    folder.write("amp.pic", folder.read("Title.PIC"));
    auto harness = start({folder.file("amp.pic")});
    ASSERT_TRUE(harness.start());

    auto cycle = [&] {
        QAction* close = menuCommand(plat::kIdFileClose);
        ASSERT_NE(close, nullptr);
        close->trigger();
        harness.idle();
        ASSERT_EQ(harness.app().openDocumentCount(), 0);
        QAction* recent = menuCommand(plat::kIdFileMruFile1);
        ASSERT_NE(recent, nullptr);
        recent->trigger();
        harness.idle();
        ASSERT_EQ(harness.app().openDocumentCount(), 1);
    };
    for (int i = 0; i < 5; ++i)
        ASSERT_NO_FATAL_FAILURE(cycle());
    const BarObjects settled = countBarObjects();
    [[maybe_unused]] const long residentBefore = residentBytes();   // unread under the sanitizer
    for (int i = 0; i < 200; ++i)
        ASSERT_NO_FATAL_FAILURE(cycle()) << "cycle " << i;
    EXPECT_EQ(countBarObjects(), settled) << "menus " << countBarObjects().menus << " (were " << settled.menus
                                          << "), toolbar actions " << countBarObjects().toolActions << " (were "
                                          << settled.toolActions << ")";
#ifndef __SANITIZE_ADDRESS__   // the sanitizer keeps freed memory back on purpose
    EXPECT_LT((residentBytes() - residentBefore) / 200, 50 * 1024) << "bytes of resident memory per drawing";
#endif
}

}  // namespace
