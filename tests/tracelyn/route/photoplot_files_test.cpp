// The manufacturing file set: names from the board, one Gerber file per chosen layer and a
// drill file, each read by gerbv without a complaint, and the top copper as gerbv draws it
// matching the board view's own painting of the top layer.
#include "tracelyn/route/photoplot_fixture.h"

#include "platform/core/atomic_file.h"
#include "support/whole_file.h"
#include "tracelyn/core/router_progress.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <regex>
#include <set>

namespace photoplot_test {
namespace {

constexpr int kImage = 1600;            // pixels a side; 2 mils a pixel, +-1.6 inches
constexpr int kBoardUnitsPerPixel = 20;

// Copper pixels of an image: those of the given colours, or of any other colour.
std::vector<uint8_t> mask(const plat::Bitmap& image, const std::vector<plat::ColorRef>& colors, bool copper = true)
{
    std::vector<uint8_t> m(static_cast<size_t>(kImage * kImage));
    for (int y = 0; y < kImage; ++y)
        for (int x = 0; x < kImage; ++x)
            m[static_cast<size_t>(y * kImage + x)] =
                (std::find(colors.begin(), colors.end(), image.pixel(x, y)) != colors.end()) == copper;
    return m;
}

// The share of a's pixels that have a pixel of b within one pixel.
double covered(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b)
{
    long total = 0, hit = 0;
    for (int y = 1; y < kImage - 1; ++y) {
        for (int x = 1; x < kImage - 1; ++x) {
            if (!a[static_cast<size_t>(y * kImage + x)])
                continue;
            ++total;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = b[static_cast<size_t>((y + dy) * kImage + x + dx)] != 0;
            hit += near;
        }
    }
    return total == 0 ? 0.0 : double(hit) / double(total);
}

// The bright pixels of a PNG, read through ImageMagick as an 8-bit grey map.
std::vector<uint8_t> greyMask(const quill_test::TempFolder& folder, const std::string& png)
{
    const std::string command = "cd '" + folder.path().string() + "' && convert '" + png +
                                "' -colorspace gray -depth 8 grey.pgm";
    if (std::system(command.c_str()) != 0)
        return {};
    const std::string bytes = fileText(folder.file("grey.pgm"));
    std::istringstream in(bytes);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    if (magic != "P5" || width != kImage || height != kImage || maxValue != 255)
        return {};
    const size_t start = static_cast<size_t>(in.tellg());
    if (bytes.size() < start + static_cast<size_t>(kImage * kImage))
        return {};
    std::vector<uint8_t> m(static_cast<size_t>(kImage * kImage));
    for (size_t i = 0; i < m.size(); ++i)
        m[i] = static_cast<uint8_t>(bytes[start + i]) > 127;
    return m;
}

struct Box {
    int left = kImage, top = kImage, right = -1, bottom = -1;
};
Box boxOf(const std::vector<uint8_t>& m)
{
    Box b;
    for (int y = 0; y < kImage; ++y)
        for (int x = 0; x < kImage; ++x)
            if (m[static_cast<size_t>(y * kImage + x)]) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

class PhotoplotFiles : public PhotoplotTest {
protected:
    std::string boardPath() const { return folder.file("demo.tlz"); }

    ManufacturingResult writeAll()
    {
        return WriteManufacturingFiles(boardPath(), allLayers(), true);
    }

    void expectGerbvReadsEveryFile(const ManufacturingResult& result)
    {
        ASSERT_TRUE(result.ok);
        if (!haveGerbv())
            GTEST_SKIP() << "gerbv is not installed; the files were not read back";
        for (const std::string& path : result.written) {
            SCOPED_TRACE(path);
            const ToolRun run = runGerbv(folder, "-x png -D 50 -o check.png '" + path + "'");
            EXPECT_EQ(run.errors, "");
            EXPECT_TRUE(std::filesystem::exists(folder.file("check.png")));
            std::filesystem::remove(folder.file("check.png"));
        }
    }

    // The board view's painting of the top layer at 2 mils a pixel, holes included.
    std::vector<uint8_t> paintedTop()
    {
        g_boardSettings.rulers = 0;
        g_boardSettings.border = 0;
        g_boardSettings.visible = 0;
        g_boardSettings.layerDisplay = {0, 0};
        g_edit.currentLayer = kLayerTop;
        g_board.viewOriginX = g_board.viewOriginY = 0;
        zoom(5);
        plat::RasterDc raster(kImage, kImage);
        PrepareScreenMapping(raster, plat::Rect{0, 0, kImage, kImage});
        PaintBoardView(raster, doc);
        // With the silk screen hidden, everything painted on the top layer view is copper.
        return mask(raster.bitmap(), {plat::rgb(255, 255, 255)}, false);
    }

    // gerbv's picture of the top copper with the drill holes over it, on the same grid.
    std::vector<uint8_t> gerbvTop(const ManufacturingResult& result)
    {
        const std::string top = GerberFileName(boardPath(), kLayerTop);
        const std::string drill = DrillFileName(boardPath());
        const ToolRun run = runGerbv(folder, "-x png -D 500 -B 0 -O -1.6x-1.6 -W 3.2x3.2 -b '#000000' "
                                             "-f '#000000FF' -f '#FFFFFFFF' -o top.png '" + drill + "' '" + top + "'");
        EXPECT_EQ(run.errors, "");
        (void)result;
        if (const char* dump = std::getenv("PHOTOPLOT_DUMP"))
            std::filesystem::copy_file(folder.file("top.png"), std::string(dump) + ".gerbv.png",
                                       std::filesystem::copy_options::overwrite_existing);
        return greyMask(folder, "top.png");
    }

    void expectTopCopperMatchesPainting()
    {
        const ManufacturingResult result = writeAll();
        ASSERT_TRUE(result.ok);
        if (!haveGerbv() || std::system("command -v convert >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "gerbv or ImageMagick is not installed; the top copper was not compared";
        const std::vector<uint8_t> ours = paintedTop();
        const std::vector<uint8_t> theirs = gerbvTop(result);
        ASSERT_EQ(theirs.size(), ours.size());
        const Box a = boxOf(ours), b = boxOf(theirs);
        // Within one aperture width (the widest trace, 150 units, is 8 pixels here).
        const int slack = 150 / kBoardUnitsPerPixel + 1;
        EXPECT_NEAR(a.left, b.left, slack);
        EXPECT_NEAR(a.right, b.right, slack);
        EXPECT_NEAR(a.top, b.top, slack);
        EXPECT_NEAR(a.bottom, b.bottom, slack);
        EXPECT_GT(covered(ours, theirs), 0.95);
        EXPECT_GT(covered(theirs, ours), 0.95);
    }
};

TEST_F(PhotoplotFiles, NamesComeFromTheBoardsOwnFileName)
{
    EXPECT_EQ(GerberFileName("/work/a.b/board.tlz", 0), "/work/a.b/board-top.gbr");
    EXPECT_EQ(GerberFileName("/work/a.b/board", 3), "/work/a.b/board-L3.gbr");
    EXPECT_EQ(GerberFileName("/w/board.tlz", kLayerSilkBottom), "/w/board-bottomsilk.gbr");
    EXPECT_EQ(GerberFileName("/w/board.tlz", kLayerPower1 + 1), "/w/board-power2.gbr");
    EXPECT_EQ(GerberFileName("/w/x.tlz", kLayerOutline), "/w/x-outline.gbr");
    EXPECT_EQ(DrillFileName("/work/a.b/board.tlz"), "/work/a.b/board.drl");
}

TEST_F(PhotoplotFiles, EveryApertureSelectedOrFlashedIsDefined)
{
    buildEveryShape();
    buildExample();
    const ManufacturingResult result = writeAll();
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(host.messageBoxes().empty());
    const std::regex defined(R"(%ADD(\d+)[CRO],)"), used(R"(\bD(\d+)\*)");
    for (const std::string& path : result.written) {
        if (path.ends_with(".drl"))
            continue;
        SCOPED_TRACE(path);
        const std::string text = fileText(path);
        EXPECT_TRUE(text.starts_with("G04 Tracelyn "));
        EXPECT_NE(text.find("%FSLAX34Y34*%\n%MOIN*%\n"), std::string::npos);
        EXPECT_TRUE(text.ends_with("M02*\n"));
        std::set<int> definitions;
        for (std::sregex_iterator m(text.begin(), text.end(), defined), end; m != end; ++m)
            definitions.insert(std::stoi((*m)[1]));
        for (std::sregex_iterator m(text.begin(), text.end(), used), end; m != end; ++m) {
            const int code = std::stoi((*m)[1]);
            if (code >= 10) {
                EXPECT_TRUE(definitions.count(code)) << "D" << code;
            }
        }
    }
    // The top copper holds the 150-unit traces, flashed round pads and a flashed oval.
    const std::string top = fileText(GerberFileName(boardPath(), kLayerTop));
    EXPECT_NE(top.find("C,0.0150*%"), std::string::npos);
    EXPECT_NE(top.find("O,0.0700X0.0500*%"), std::string::npos);
    EXPECT_NE(top.find("X-12000Y6000D02*X-12000Y-6000D01*"), std::string::npos);
    EXPECT_NE(top.find("D03*"), std::string::npos);
}

TEST_F(PhotoplotFiles, DrillFileListsEachHoleSizeAsATool)
{
    buildExample();
    const std::string text = DrillFileText();
    EXPECT_TRUE(text.starts_with("M48\n"));
    EXPECT_NE(text.find("T1C0.0250\nT2C0.0300\nT3C0.0350\n%\n"), std::string::npos);
    EXPECT_NE(text.find("T1\nX0.0000Y-1.0000\nX0.9000Y-1.2000\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("M30\n"));
}

TEST_F(PhotoplotFiles, ExampleBoardFilesLoadInGerbvWithoutComplaint)
{
    buildExample();
    expectGerbvReadsEveryFile(writeAll());
}

TEST_F(PhotoplotFiles, EveryShapeBoardFilesLoadInGerbvWithoutComplaint)
{
    buildEveryShape();
    expectGerbvReadsEveryFile(writeAll());
}

TEST_F(PhotoplotFiles, ExampleBoardTopCopperMatchesThePainting)
{
    buildExample();
    expectTopCopperMatchesPainting();
}

TEST_F(PhotoplotFiles, EveryShapeBoardTopCopperMatchesThePainting)
{
    buildEveryShape();
    expectTopCopperMatchesPainting();
}

TEST_F(PhotoplotFiles, AWidthMissingFromTheTableIsReportedAndStopsTheRun)
{
    g_apertureTable.entries.clear();
    g_progress.abort = 0;
    std::string text;
    g_plotStream.text = &text;
    RegisterAperture(kApertureRound, 80, 0);
    PlotLine(0, 0, 10, 10, 0, 80);
    PlotLine(0, 0, 10, 10, 0, 150);
    g_plotStream.text = nullptr;
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Can't find width for 150"});
    EXPECT_EQ(g_progress.abort, 1);
    // The miss repeats the last selection that went through.
    EXPECT_EQ(text, "D10*\nX0Y0D02*X10Y-10D01*\nD10*\nX0Y0D02*X10Y-10D01*\n");
    g_progress.abort = 0;
}

TEST_F(PhotoplotFiles, RecordsFollowThePlotterConventions)
{
    g_apertureTable.entries.clear();
    RegisterAperture(kApertureRound, 1, 0);
    RegisterAperture(kApertureRound, 60, 0);
    std::string text;
    g_plotStream.text = &text;
    struct Case {
        const char* name;
        std::function<void()> plot;
        const char* expected;
    };
    const Case cases[] = {
        {"width 0 counts as 1", [] { PlotLine(5, 6, 7, 8, 0, 0); }, "D10*\nX5Y-6D02*X7Y-8D01*\n"},
        {"level arc is a line", [] { PlotArc(0, 5, 100, 5, 0, 60); }, "D11*\nX0Y-5D02*X100Y-5D01*\n"},
        {"clockwise quarter", [] { PlotArc(0, 100, 100, 0, 0, 60); }, "D11*\nX0Y-100D02*G02*X100Y0I100J0D01*G01*\n"},
        {"counter-clockwise", [] { PlotArc(0, 0, 100, 100, 0, 60); }, "D11*\nX0Y0D02*G03*X100Y-100I100J0D01*G01*\n"},
        {"corner arc: run then bend", [] { PlotCornerArc(0, 0, 300, 100, 0, 60); },
         "D11*\nX0Y0D02*X200Y0D01*\nD11*\nX200Y0D02*G03*X300Y-100I100J0D01*G01*\n"},
        {"corner arc on one axis runs backwards", [] { PlotCornerArc(0, 0, 0, 50, 0, 60); },
         "D11*\nX0Y-50D02*X0Y0D01*\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        text.clear();
        c.plot();
        EXPECT_EQ(text, c.expected);
    }
    g_plotStream.text = nullptr;
}

// A file of the set that cannot be written after others were: no file of the earlier run is
// replaced, none is left beside them, and the message names the file that failed.
TEST_F(PhotoplotFiles, ASetThatCannotBeWrittenWholeKeepsEveryOlderFile)
{
    buildExample();
    const std::string board = folder.file("demo.tlz");
    const ManufacturingResult first = WriteManufacturingFiles(board, allLayers(), true);
    ASSERT_TRUE(first.ok);
    ASSERT_GE(first.written.size(), 3u);
    std::set<std::string> names;
    for (const std::string& path : first.written) {
        folder.write(std::filesystem::path(path).filename().string(), "older");
        names.insert(std::filesystem::path(path).filename().string());
    }
    plat::ScopedWriteFault::Fault full;
    full.failingWrite = 3;
    full.under = folder.path().string();
    ManufacturingResult second;
    {
        const plat::ScopedWriteFault fault(full);
        second = WriteManufacturingFiles(board, allLayers(), true);
    }
    EXPECT_FALSE(second.ok);
    EXPECT_TRUE(second.written.empty());
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    const std::string message = host.messageBoxes()[0];
    EXPECT_NE(message, "Cannot write " + first.written[0] + ": No space left on device") << "a later file failed";
    EXPECT_TRUE(std::any_of(first.written.begin(), first.written.end(), [&](const std::string& path) {
        return message == "Cannot write " + path + ": No space left on device";
    })) << message;
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        found.insert(entry.path().filename().string());
        EXPECT_EQ(quill_test::readText(entry.path()), "older") << entry.path();
    }
    EXPECT_EQ(found, names);
}

TEST_F(PhotoplotFiles, AFailedWriteLeavesNoHalfWrittenFile)
{
    buildExample();
    const std::string missing = folder.file("no/such/folder/demo.tlz");
    const ManufacturingResult result = WriteManufacturingFiles(missing, allLayers(), true);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(host.messageBoxes().size(), 1u);
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++files;
    EXPECT_EQ(files, 0u);
}

}  // namespace
}  // namespace photoplot_test
