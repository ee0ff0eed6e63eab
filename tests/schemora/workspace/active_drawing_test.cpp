// Two drawings open: however one of them becomes the shown one (the Window menu, Ctrl+F6, a
// click on its window, closing the other, opening it), the netlist, the board, Check
// Schematic and Ref No act on the drawing shown, whichever window painted last.
#include "schemora/core/starter_parts_fixture.h"

#include "platform/app/command_ids.h"
#include "platform/app/dialog.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/keys.h"
#include "platform/app/win_app.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/schemora/advanced_edit_ids.h"
#include "resources/schemora/board_resources.h"
#include "resources/schemora/schemora_ids.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/core/design_check.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/schemora_view.h"
#include "schemora/core/settings.h"
#include "schemora/workspace/make_board.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <filesystem>
#include <functional>

namespace schemora_test {
namespace {

using namespace scm;
namespace fs = std::filesystem;

class ActiveDrawing : public StarterPartsView {
protected:
    void SetUp() override
    {
        if (!startWithStarterLibraries({"DEVICE", "CONN"}))
            GTEST_SKIP() << "the starter library has not been built (program folder LIB)";
        g_settings.AutoDots = 1;
        g_makeBoard = MakeBoardChoice{};
        // The empty drawing the program starts with goes: the two opened are the only windows.
        ASSERT_TRUE(harness->command(plat::kIdFileClose));
    }

    plat::MDIFrameWnd& frame() const { return *static_cast<plat::MDIFrameWnd*>(plat::GetMainWnd()); }

    // A copy of a shipped example under a name of its own, opened as a person opens it.
    CSchemoraDoc* open(const char* example, const std::string& name)
    {
        const fs::path path = folder.path() / name;
        fs::copy_file(builtProgramFolder() / "examples" / example, path, fs::copy_options::overwrite_existing);
        EXPECT_NE(harness->app().OpenDocumentFile(path.string()), nullptr);
        harness->idle();
        return doc();
    }

    // Utilities > Netlist with the dialog's OK; the nets written beside the drawing shown.
    std::string netlist()
    {
        fs::remove(fs::path(doc()->GetPathName()).replace_extension(".net"));
        host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
        host.answerMessageBox(plat::kIdNo);
        EXPECT_TRUE(command(kCmdNetlist));
        return withoutHeader(readText(fs::path(doc()->GetPathName()).replace_extension(".net")));
    }

    // Check Schematic with its report saved; the report of the drawing shown.
    std::string checkReport()
    {
        fs::remove(DesignCheckReportPath(*doc()));
        host.answerDialog([](plat::Dialog& d) {
            d.CheckDlgButton(kIdcCheckSaveResults, 1);
            return d.PressButton(plat::kIdOk);
        });
        for (int i = 0; i < 4; ++i)
            host.answerMessageBox(plat::kIdNo);
        EXPECT_TRUE(command(kCmdCheckSchematic));
        return readText(DesignCheckReportPath(*doc()));
    }

    // Make PCB with the dialog's choices; the netlist it wrote for the board.
    std::string boardNetlist()
    {
        fs::remove(fs::path(doc()->GetPathName()).replace_extension(".net"));
        host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
        // The placement program says why it stops: the netlist is all there is to compare.
        host.answerProgramRun([](std::string_view) { return 1; });
        EXPECT_TRUE(command(kCmdMakeBoard));
        return withoutHeader(readText(fs::path(doc()->GetPathName()).replace_extension(".net")));
    }

    // A click on the frame of the window at index, as Qt activates it.
    void clickWindow(size_t index)
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* area = top->findChild<QMdiArea*>()) {
                const QList<QMdiSubWindow*> subs = area->subWindowList(QMdiArea::CreationOrder);
                ASSERT_LT(index, static_cast<size_t>(subs.size()));
                area->setActiveSubWindow(subs[static_cast<qsizetype>(index)]);
                harness->idle();
                return;
            }
        FAIL() << "no window area";
    }

    // Every window repainted, the inactive ones too, as uncovering them does.
    void repaintAll()
    {
        for (const auto& child : frame().children())
            if (plat::View* v = child->view())
                v->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwUpdateNow);
        harness->idle();
    }
};

TEST_F(ActiveDrawing, EveryWayOfShowingADrawingMakesItTheOneCommandsActOn)
{
    CSchemoraDoc* filter = open("rc_filter.pic", "filter.pic");
    const std::string filterNets = netlist();
    CSchemoraDoc* step = open("rc_step.pic", "step.pic");
    ASSERT_NE(step, filter);
    const std::string stepNets = netlist();
    ASSERT_NE(filterNets, stepNets);

    const auto expectShown = [&](CSchemoraDoc* shown, const std::string& nets) {
        ASSERT_EQ(doc(), shown);
        repaintAll();
        EXPECT_EQ(netlist(), nets);
        EXPECT_NE(checkReport().find("NO errors"), std::string::npos);
        EXPECT_EQ(boardNetlist(), nets);
    };
    {
        SCOPED_TRACE("Window menu");
        ASSERT_TRUE(command(plat::kIdFirstMdiChild));
        expectShown(filter, filterNets);
        ASSERT_TRUE(command(plat::kIdFirstMdiChild + 1));
        expectShown(step, stepNets);
    }
    {
        SCOPED_TRACE("Ctrl+F6");
        key(plat::kVkF6, true);
        expectShown(filter, filterNets);
        key(plat::kVkF6, true);
        expectShown(step, stepNets);
    }
    {
        SCOPED_TRACE("a click on the window");
        clickWindow(0);
        expectShown(filter, filterNets);
        clickWindow(1);
        expectShown(step, stepNets);
    }
    {
        SCOPED_TRACE("closing the other");
        ASSERT_TRUE(command(plat::kIdFirstMdiChild));
        host.answerMessageBox(plat::kIdNo);
        ASSERT_TRUE(command(plat::kIdFileClose));
        expectShown(step, stepNets);
    }
    {
        SCOPED_TRACE("opening");
        CSchemoraDoc* again = open("rc_filter.pic", "filter.pic");
        expectShown(again, filterNets);
    }
}

// Ref No renumbers the drawing shown, not the one whose window painted last.
TEST_F(ActiveDrawing, RefNoRenumbersTheDrawingShown)
{
    CSchemoraDoc* filter = open("rc_filter.pic", "filter.pic");
    CSchemoraDoc* step = open("rc_step.pic", "step.pic");
    ASSERT_TRUE(command(plat::kIdFirstMdiChild));
    ASSERT_EQ(doc(), filter);
    repaintAll();
    const auto referenceNumbers = [](CSchemoraDoc* d) {
        std::vector<int> numbers;
        for (int i = 1; i <= d->data().objectCount; ++i)
            if (d->data().objects[i].isPart())
                numbers.push_back(d->data().objects[i].w[6]);
        return numbers;
    };
    const std::vector<int> stepBefore = referenceNumbers(step);
    host.answerDialog([](plat::Dialog& d) {
        d.SetDlgItemText(kIdcRefDesType, "All");
        d.SetDlgItemText(kIdcRefDesStart, "7");
        d.CheckRadioButton(kIdcRefDesThisSheet, kIdcRefDesAllSheets, kIdcRefDesAllSheets);
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(command(kCmdRefNo));
    EXPECT_EQ(referenceNumbers(step), stepBefore);
    EXPECT_TRUE(filter->IsModified());
    EXPECT_FALSE(step->IsModified());
}

}  // namespace
}  // namespace schemora_test
