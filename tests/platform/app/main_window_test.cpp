// The real Qt face of a program's main window, built on the offscreen platform.
#include "platform/app/menu.h"
#include "platform/app/program.h"
#include "platform/app/wnd_state.h"
#include "platform/core/test_ui_host.h"
#include "sample_run_fixture.h"
#include "support/temp_folder.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

using namespace sample;

QStringList menuTitles(QMainWindow* window)
{
    QStringList titles;
    for (QAction* a : window->menuBar()->actions())
        titles << a->text();
    return titles;
}

// The sample program started, with its main window.
struct MainWindow : SampleRunTest {
    void SetUp() override
    {
        startSample(true);
        window = qobject_cast<QMainWindow*>(app().mainFrame()->state()->widget.data());
        ASSERT_NE(window, nullptr);
    }
    QMainWindow* window = nullptr;
};

TEST_F(MainWindow, BuildsMenusBarsAndDocumentWindows)
{
    SampleApp& app = this->app();
    EXPECT_EQ(window->windowTitle(), "Sample - [untitled1]") << "the maximised document named once";

    // With a document open the template's menu shows; without one, the frame's own.
    EXPECT_EQ(menuTitles(window), (QStringList{"&File", "&View"}));
    auto* area = qobject_cast<QMdiArea*>(window->centralWidget());
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->subWindowList().size(), 1);
    EXPECT_TRUE(app.mainFrame()->MDIGetActive()->IsZoomed());

    const auto bars = window->findChildren<QToolBar*>();
    ASSERT_EQ(bars.size(), 1);
    EXPECT_EQ(bars.front()->actions().size(), 5);   // four buttons and a separator
    app.mainFrame()->toolBar.HideButton(kCmdUnhandled);
    EXPECT_EQ(bars.front()->actions().size(), 4);

    app.mainFrame()->statusBar.SetPaneText(1, "x=1.000");
    const auto panes = window->statusBar()->findChildren<QLabel*>(QStringLiteral("pane"));
    ASSERT_EQ(panes.size(), 5);
    EXPECT_EQ(panes[0]->text(), "Ready");
    EXPECT_EQ(panes[1]->text(), "x=1.000");

    // Recent files appear in the menus as numbered entries.
    app.AddToRecentFileList("/tmp/amp.smp");
    const QMenu* file = window->menuBar()->actions().front()->menu();
    QStringList items;
    for (QAction* a : file->actions())
        items << a->text();
    EXPECT_TRUE(items.contains("&1 /tmp/amp.smp")) << items.join(", ").toStdString();

    app.CloseAllDocuments(false);
    harness->idle();
    EXPECT_EQ(menuTitles(window), QStringList{"&File"});
    EXPECT_TRUE(area->subWindowList().isEmpty());
}

// A button's or a menu item's state change updates the bar's action in place; a document closed
// and opened again gets back the menu bar built for it, and a changed menu is built anew.
TEST_F(MainWindow, BarsFollowChangesWithoutRebuildingWhatStayed)
{
    SampleApp& app = this->app();
    QToolBar* bar = window->findChildren<QToolBar*>().front();
    plat::ToolBar& buttons = app.mainFrame()->toolBar;
    const QList<QAction*> before = bar->actions();
    const int unhandled = buttons.CommandToIndex(kCmdUnhandled);
    ASSERT_GE(unhandled, 0);

    buttons.EnableButton(kCmdUnhandled, false);
    EXPECT_EQ(bar->actions(), before);
    EXPECT_FALSE(bar->actions()[unhandled]->isEnabled());
    buttons.EnableButton(kCmdUnhandled, true);
    buttons.CheckButton(kCmdUnhandled, true);
    EXPECT_EQ(bar->actions(), before);
    EXPECT_TRUE(bar->actions()[unhandled]->isEnabled());
    EXPECT_TRUE(bar->actions()[unhandled]->isChecked());

    // A check mark or a gray set on the shown menu changes its actions in place.
    const QList<QAction*> documentMenus = window->menuBar()->actions();
    plat::Menu* menu = app.mainFrame()->GetMenu();
    ASSERT_NE(menu, nullptr);
    const auto viewOnly = [&] { return window->menuBar()->actions().at(1)->menu()->actions().front(); };
    menu->CheckMenuItem(kCmdViewOnly, plat::kMfByCommand | plat::kMfChecked);
    app.mainFrame()->DrawMenuBar();
    EXPECT_EQ(window->menuBar()->actions(), documentMenus);
    EXPECT_TRUE(viewOnly()->isChecked());
    menu->CheckMenuItem(kCmdViewOnly, plat::kMfByCommand | plat::kMfUnchecked);
    menu->EnableMenuItem(kCmdViewOnly, plat::kMfByCommand | plat::kMfGrayed);
    app.mainFrame()->DrawMenuBar();
    EXPECT_EQ(window->menuBar()->actions(), documentMenus);
    EXPECT_FALSE(viewOnly()->isChecked());
    EXPECT_FALSE(viewOnly()->isEnabled());
    menu->EnableMenuItem(kCmdViewOnly, plat::kMfByCommand | plat::kMfEnabled);
    app.mainFrame()->DrawMenuBar();
    EXPECT_TRUE(viewOnly()->isEnabled());

    app.CloseAllDocuments(false);
    harness->idle();
    EXPECT_EQ(menuTitles(window), QStringList{"&File"});
    harness->command(plat::kIdFileNew);
    harness->idle();
    EXPECT_EQ(window->menuBar()->actions(), documentMenus);

    app.AddToRecentFileList("/tmp/amp.smp");
    harness->idle();
    const QMenu* file = window->menuBar()->actions().front()->menu();
    ASSERT_NE(file, nullptr);
    QStringList items;
    for (QAction* a : file->actions())
        items << a->text();
    EXPECT_TRUE(items.contains("&1 /tmp/amp.smp")) << items.join(", ").toStdString();
    EXPECT_EQ(menuTitles(window), (QStringList{"&File", "&View"}));
}

// A window that keeps the files dropped on it.
struct DropTarget : plat::Wnd {
    std::vector<std::string> dropped;
    void OnDropFiles(const std::vector<std::string>& paths) override { dropped = paths; }
};

// Whether the widget takes the drag, and then the drop.
bool dragAndDrop(QWidget* widget, const QMimeData& data)
{
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(widget, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &drop);
    return enter.isAccepted();
}

// Files dragged from the desktop reach the main frame (which opens them) and child windows
// alike, only where the window accepts dropped files, and only the local ones.
TEST_F(MainWindow, DroppedFilesReachTheWindowsThatAcceptThem)
{
    quill_test::TempFolder folder;
    const std::string path = folder.file("dropped.smp");
    std::ofstream(path) << "dropped text";
    QMimeData files;
    files.setUrls({QUrl(QStringLiteral("https://example.org/remote.smp")), QUrl::fromLocalFile(plat::pathToQt(path))});

    EXPECT_TRUE(dragAndDrop(window, files));
    const plat::Document* opened = view()->GetDocument();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->GetPathName(), path);
    EXPECT_EQ(view()->GetDocument()->text, "dropped text");

    DropTarget target;
    ASSERT_TRUE(target.Create(view(), plat::kWsChild | plat::kWsVisible, 1, plat::Rect{0, 0, 40, 40}));
    QWidget* surface = target.state()->surface->viewport();
    dragAndDrop(surface, files);
    EXPECT_TRUE(target.dropped.empty());
    target.DragAcceptFiles();
    EXPECT_TRUE(dragAndDrop(surface, files));
    EXPECT_EQ(target.dropped, std::vector<std::string>{path});
    target.DestroyWindow();
}

TEST(RunProgram, WithoutADisplaySaysSoInOneLine)
{
    const char* names[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    std::vector<std::pair<std::string, std::string>> saved;
    for (const char* n : names) {
        if (const char* v = std::getenv(n))
            saved.emplace_back(n, v);
        ::unsetenv(n);
    }
    char arg0[] = "/opt/q/schemora";
    char* argv[] = {arg0, nullptr};
    bool made = false;
    testing::internal::CaptureStderr();
    const int code = plat::RunProgram(1, argv, [&] {
        made = true;
        return std::make_unique<SampleApp>();
    });
    const std::string err = testing::internal::GetCapturedStderr();
    for (const auto& [n, v] : saved)
        ::setenv(n.c_str(), v.c_str(), 1);
    EXPECT_EQ(code, 2);
    EXPECT_FALSE(made);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_EQ(err.rfind("schemora: ", 0), 0u) << err;
}

}  // namespace
