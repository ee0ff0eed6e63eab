// The framework's print job, print preview, print setup and "/p", run through a view whose
// printing hooks record what they were given.
#include "platform/app/program.h"
#include "platform/core/test_ui_host.h"
#include "platform/gdi/dc.h"
#include "sample_app.h"
#include "support/full_disk.h"
#include "support/pdf_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using quill_test::pdfPageCount;
using quill_test::readWholeFile;

class RecordingView : public plat::ScrollView {
public:
    std::vector<std::string> calls;
    unsigned pages = 3;
    unsigned stopAt = 0;   // OnPrepareDC ends the job at this page

    bool OnPreparePrinting(plat::PrintInfo* info) override
    {
        calls.push_back(std::string("prepare") + (info->preview ? " preview" : "") + (info->direct ? " direct" : ""));
        info->SetMaxPage(pages);
        return DoPreparePrinting(info);
    }
    void OnBeginPrinting(plat::Dc& dc, plat::PrintInfo*) override { calls.push_back("begin" + flags(dc)); }
    void OnPrepareDC(plat::Dc& dc, plat::PrintInfo* info) override
    {
        plat::ScrollView::OnPrepareDC(dc, info);
        if (!info)
            return;
        calls.push_back("dc " + std::to_string(info->curPage) + (info->preview ? " preview" : "") + flags(dc));
        if (info->curPage == stopAt)
            info->continuePrinting = false;
    }
    void OnPrint(plat::Dc& dc, plat::PrintInfo* info) override
    {
        calls.push_back("print " + std::to_string(info->curPage));
        plat::ScrollView::OnPrint(dc, info);
    }
    void OnDraw(plat::Dc& dc) override
    {
        calls.push_back("draw");
        dc.FillRect(plat::Rect{10, 10, 110, 60}, plat::Brush::solid(0));   // device units
    }
    void OnEndPrinting(plat::Dc& dc, plat::PrintInfo*) override { calls.push_back("end" + flags(dc)); }
    void OnEndPrintPreview(plat::Dc& dc, plat::PrintInfo* info, plat::Point p, plat::View* view) override
    {
        calls.push_back("end preview");
        plat::ScrollView::OnEndPrintPreview(dc, info, p, view);
    }

private:
    std::string flags(plat::Dc& dc) const
    {
        return std::string(dc.IsPrinting() ? " dc-prints" : "") + (isPrinting() ? " view-prints" : "");
    }
};

struct PrintJob : ::testing::Test {
    plat::TestUiHost host;
    quill_test::TempFolder folder;
    RecordingView view;

    void SetUp() override { host.setPrintFolder(folder.path().string()); }
    std::string printout() const { return readWholeFile(host.printoutPath()); }
};

TEST_F(PrintJob, PagesRunThroughTheHooksInOrderOntoThePrinter)
{
    struct Case {
        const char* name;
        unsigned from, to, stopAt;
        std::vector<std::string> calls;
        int pages;
    };
    const std::vector<Case> cases = {
        {"all pages", 1, 3, 0,
         {"prepare", "begin dc-prints view-prints", "dc 1 dc-prints view-prints", "print 1", "draw",
          "dc 2 dc-prints view-prints", "print 2", "draw", "dc 3 dc-prints view-prints", "print 3", "draw",
          "end dc-prints view-prints"},
         3},
        {"pages 2 to 3 chosen in the dialog", 2, 3, 0,
         {"prepare", "begin dc-prints view-prints", "dc 2 dc-prints view-prints", "print 2", "draw",
          "dc 3 dc-prints view-prints", "print 3", "draw", "end dc-prints view-prints"},
         2},
        {"the view stops at page 2", 1, 3, 2,
         {"prepare", "begin dc-prints view-prints", "dc 1 dc-prints view-prints", "print 1", "draw",
          "dc 2 dc-prints view-prints", "end dc-prints view-prints"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(host.printoutPath());
        view.calls.clear();
        view.stopAt = c.stopAt;
        host.clearEvents();
        host.answerPrintDialog([&](plat::PrintDialogRequest& r) {
            EXPECT_EQ(r.minPage, 1u);
            EXPECT_EQ(r.maxPage, 3u);
            EXPECT_EQ(r.target.pdfPath, host.printoutPath());   // the desktop's printer first
            r.fromPage = c.from;
            r.toPage = c.to;
            return true;
        });
        EXPECT_TRUE(view.OnCommand(plat::kIdFilePrint));
        EXPECT_EQ(view.calls, c.calls);
        EXPECT_FALSE(view.isPrinting());
        EXPECT_EQ(host.events(), std::vector<std::string>{"print dialog"});
        const std::string pdf = printout();
        EXPECT_TRUE(quill_test::isPdf(pdf));
        EXPECT_EQ(pdfPageCount(pdf), c.pages);
    }
}

TEST_F(PrintJob, ACancelledDialogEndsTheJobBeforeAnyOtherHook)
{
    EXPECT_TRUE(view.OnCommand(plat::kIdFilePrint));   // no answer scripted: Cancel
    EXPECT_EQ(view.calls, std::vector<std::string>{"prepare"});
    EXPECT_TRUE(host.shown("print dialog"));
    EXPECT_FALSE(std::filesystem::exists(host.printoutPath()));
}

TEST_F(PrintJob, AJobThatCannotStartIsReportedAndStillEnds)
{
    host.answerPrintDialog([&](plat::PrintDialogRequest& r) {
        r.target.pdfPath = folder.file("missing/out.pdf");
        return true;
    });
    view.OnFilePrint();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"prepare", "begin dc-prints view-prints", "end dc-prints view-prints"}));
    EXPECT_EQ(host.messageBoxes(),
              std::vector<std::string>{"Cannot write " + folder.file("missing/out.pdf") + ": No such file or directory"});
}

// A printout to a file on a full disk replaces the older printout only when whole: the older one
// stays, nothing is left beside it, and the message names the file and the reason.
TEST_F(PrintJob, APrintoutOnAFullDiskKeepsTheOlderFile)
{
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        plat::TestUiHost round;
        disk.write("out.pdf", "older printout");
        disk.fill();
        round.answerPrintDialog([&](plat::PrintDialogRequest& r) {
            r.target.pdfPath = disk.file("out.pdf");
            return true;
        });
        view.OnFilePrint();
        EXPECT_EQ(round.messageBoxes(),
                  std::vector<std::string>{"Cannot write " + disk.file("out.pdf") + ": No space left on device"});
        EXPECT_EQ(disk.readText("out.pdf"), "older printout");
        EXPECT_EQ(disk.names(), std::vector<std::string>{"out.pdf"});
    });
}

TEST_F(PrintJob, PreviewDrawsThePagesThroughTheSameHooks)
{
    view.OnFilePrintPreview();
    EXPECT_EQ(view.calls,
              (std::vector<std::string>{"prepare preview", "begin dc-prints view-prints",
                                        "dc 1 preview dc-prints view-prints", "print 1", "draw",
                                        "dc 2 preview dc-prints view-prints", "print 2", "draw",
                                        "dc 3 preview dc-prints view-prints", "print 3", "draw",
                                        "end dc-prints view-prints", "end preview"}));
    EXPECT_EQ(host.events(), std::vector<std::string>{"print preview"});
    EXPECT_FALSE(std::filesystem::exists(host.printoutPath()));

    ASSERT_TRUE(host.lastPreview());
    const plat::PrintPreviewRequest& preview = *host.lastPreview();
    ASSERT_EQ(preview.pages.size(), 3u);
    const plat::PreviewPage& page = preview.pages[1];
    EXPECT_EQ(page.number, 2u);
    // Letter paper at the preview's resolution, the printable area inside it.
    EXPECT_EQ(page.paperWidth, preview.resolution * 17 / 2);
    EXPECT_EQ(page.paperHeight, preview.resolution * 11);
    EXPECT_GE(page.left, 0);
    EXPECT_LE(page.left + page.width, page.paperWidth);
    ASSERT_EQ(page.pixels.size(), static_cast<size_t>(page.width * page.height));
    auto at = [&](int x, int y) { return page.pixels[static_cast<size_t>(y * page.width + x)] & 0xFFFFFFu; };
    EXPECT_EQ(at(50, 30), 0u);          // inside the rectangle
    EXPECT_EQ(at(200, 200), 0xFFFFFFu); // paper
}

TEST_F(PrintJob, PrintFromThePreviewAsksThePrintDialogAfterThePreviewEnds)
{
    host.answerPrintPreview(plat::PreviewAction::Print);
    host.answerPrintDialog([](plat::PrintDialogRequest&) { return true; });
    view.OnFilePrintPreview();
    EXPECT_EQ(host.events(), (std::vector<std::string>{"print preview", "print dialog"}));
    const auto endPreview = std::find(view.calls.begin(), view.calls.end(), "end preview");
    ASSERT_NE(endPreview, view.calls.end());
    EXPECT_EQ(*std::next(endPreview), "prepare");
    EXPECT_EQ(pdfPageCount(printout()), 3);
}

// ---- through a program: print setup and the "/p" command line ----

struct PrintingProgram : ::testing::Test {
    plat::TestUiHost host;
    quill_test::TempFolder folder;
    quill_test::TempFolder printer;

    void SetUp() override
    {
        sample::registerSampleResources();
        folder.write("Board.smp", "hello");
    }
    plat::AppHarness program(std::vector<std::string> args = {})
    {
        return plat::AppHarness([] { return std::make_unique<sample::SampleApp>(); }, std::move(args));
    }
};

TEST_F(PrintingProgram, SlashPPrintsWithoutADialogClosesTheFileAndEnds)
{
    {
        SCOPED_TRACE("to the desktop's printer");
        host.setPrintFolder(printer.path().string());
        auto harness = program({"/p", folder.file("Board.smp")});
        EXPECT_FALSE(harness.start()) << "printing from the command line is the whole run";
        EXPECT_FALSE(host.shown("print dialog"));
        EXPECT_EQ(pdfPageCount(readWholeFile(host.printoutPath())), 1);
        harness.idle();
        EXPECT_EQ(harness.app().openDocumentCount(), 0);
    }
    {
        SCOPED_TRACE("no printer: a PDF beside the file");
        host.setPrintFolder("");
        auto harness = program({"/p", folder.file("Board.smp")});
        EXPECT_FALSE(harness.start());
        EXPECT_FALSE(host.shown("print dialog"));
        EXPECT_EQ(pdfPageCount(readWholeFile(folder.file("Board.pdf"))), 1);
    }
    {
        SCOPED_TRACE("a file that cannot be opened prints nothing");
        host.setPrintFolder(printer.path().string());
        std::filesystem::remove(host.printoutPath());
        auto harness = program({"/p", folder.file("missing.smp")});
        EXPECT_FALSE(harness.start());
        EXPECT_FALSE(std::filesystem::exists(host.printoutPath()));
    }
}

TEST_F(PrintingProgram, PrintSetupChoosesThePrinterOfLaterJobs)
{
    auto harness = program();
    ASSERT_TRUE(harness.start());
    const std::string chosen = printer.file("setup.pdf");
    host.answerPrintSetup([&](plat::PrintTarget& t) {
        EXPECT_TRUE(t.pdfPath.empty());   // no printer on this desktop yet
        t.pdfPath = chosen;
        t.landscape = true;
        return true;
    });
    EXPECT_TRUE(harness.command(plat::kIdFilePrintSetup));
    ASSERT_NE(harness.app().printerSetup(), nullptr);
    EXPECT_EQ(harness.app().printerSetup()->pdfPath, chosen);

    // A cancelled setup keeps the choice.
    EXPECT_TRUE(harness.command(plat::kIdFilePrintSetup));
    EXPECT_EQ(harness.app().printerSetup()->pdfPath, chosen);

    host.clearEvents();
    EXPECT_TRUE(harness.command(plat::kIdFilePrintDirect));
    EXPECT_TRUE(host.events().empty());
    EXPECT_EQ(pdfPageCount(readWholeFile(chosen)), 1);

    host.answerPrintDialog([&](plat::PrintDialogRequest& r) {
        EXPECT_EQ(r.target.pdfPath, chosen);
        EXPECT_TRUE(r.target.landscape);
        return false;
    });
    EXPECT_TRUE(harness.command(plat::kIdFilePrint));
    EXPECT_TRUE(host.shown("print dialog"));
}

}  // namespace
