// Utilities > Printed Circuit Board through the real window: the dialog's names, the netlist
// and reference list written, the placement program run with the files as separate arguments
// and the board program started on its board; with every starter part drawn, the real
// placement program places all of them and finds every pin.
#include "schemora/core/starter_parts_fixture.h"

#include "platform/app/dialog.h"
#include "platform/app/keys.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/schemora/board_resources.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/settings.h"
#include "schemora/workspace/make_board.h"
#include "support/function_table.h"
#include "support/special_files.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace schemora_test {
namespace {

using namespace scm;
namespace fs = std::filesystem;

TEST(ArtworkName, CutsOnlyTheFileNamesOwnExtensionAndKeepsWholePaths)
{
    const std::string deep = "/home/designer/" + std::string(120, 'd') + "/amp.pic";
    quill_test::expectEachGives<std::string, std::string>(DefaultArtworkName, {
        {"/work/v1.2/amp.pic", "/work/v1.2/amp"},
        {"/work/v1.2/amp", "/work/v1.2/amp"},
        {"/a.b/c", "/a.b/c#"},          // shorter than eight characters
        {"x.pic", "x#"},
        {deep, deep.substr(0, deep.size() - 4)},
    });
    EXPECT_EQ(ArtworkBoardPath({"", "/w/v1.2/amp", 0, 1}), "/w/v1.2/amp.tlz");
    EXPECT_EQ(ArtworkBoardPath({"", "/w/v1.2/amp.board", 1, 1}), "/w/v1.2/amp.board");
}

// Two-pin and three-pin parts, op-amps, gates and connectors of the starter library: their
// pin ends relative to the part's origin.
struct StarterPart {
    const char* library;
    const char* name;
    std::vector<std::pair<int, int>> pins;
};

std::vector<StarterPart> starterPartsWithPackages()
{
    const std::vector<std::pair<int, int>> two = {{-100, 0}, {100, 0}};
    const std::vector<std::pair<int, int>> gate = {{-100, -25}, {-100, 25}, {100, 0}};
    std::vector<StarterPart> parts = {
        {"DEVICE", "100N", two}, {"DEVICE", "10K", two}, {"DEVICE", "C", two},   {"DEVICE", "CP", two},
        {"DEVICE", "D", two},    {"DEVICE", "L", two},   {"DEVICE", "LED", two}, {"DEVICE", "R", two},
        {"DEVICE", "NPN", {{-100, 0}, {50, -100}, {50, 100}}},
        {"DEVICE", "PNP", {{-100, 0}, {50, -100}, {50, 100}}},
        {"DEVICE", "OPAMP", {{-100, -25}, {-100, 25}, {125, 0}}},
        {"TTL", "7400", gate}, {"TTL", "7402", gate}, {"TTL", "7404", two}, {"TTL", "7408", gate},
        {"TTL", "7432", gate}, {"TTL", "7486", gate},
    };
    for (int n : {2, 3, 4, 6, 8}) {
        StarterPart conn{"CONN", nullptr, {}};
        static const char* const names[] = {"CONN2", "CONN3", "CONN4", "CONN6", "CONN8"};
        conn.name = names[n == 2 ? 0 : n == 3 ? 1 : n == 4 ? 2 : n == 6 ? 3 : 4];
        for (int i = 0; i < n; ++i)
            conn.pins.push_back({-100, 50 * i});
        parts.push_back(conn);
    }
    return parts;
}

class MakeBoard : public StarterPartsView {
protected:
    void SetUp() override
    {
        if (!startWithStarterLibraries({"DEVICE", "TTL", "CONN"}))
            GTEST_SKIP() << "the starter library has not been built (program folder LIB)";
        g_makeBoard = MakeBoardChoice{};
    }

    void placePart(const char* library, const char* part, int x, int y)
    {
        answerPartChooser(library, part);
        ASSERT_TRUE(key(plat::kVkF5));
        click(x, y);
    }
    // A net label typed with the text tool onto a wire.
    void label(int x, int y, const std::string& name)
    {
        ASSERT_TRUE(character('t'));
        click(x, y);
        for (char c : name)
            if (!character(c))
                view()->SendMessage(plat::kWmChar, static_cast<unsigned char>(c), 1);
        if (!key(plat::kVkEscape))
            view()->SendMessage(plat::kWmKeyDown, plat::kVkEscape, 1);
        harness->idle();
    }
    // Each pin of the part at (x, y) gets a short wire outwards with a label naming its net.
    void labelPins(const StarterPart& part, int x, int y, const std::string& prefix)
    {
        int n = 0;
        for (const auto& [px, py] : part.pins) {
            const int out = px < 0 ? -100 : 100;
            wire(x + px, y + py, x + px + out, y + py);
            label(x + px + out / 2, y + py, prefix + std::to_string(n++));
        }
    }
    // Two resistors side by side, wired end to end, saved as amp.pic: its path.
    std::string twoResistorsInParallel()
    {
        placePart("DEVICE", "R", 0, 0);
        placePart("DEVICE", "R", 0, 450);
        wire(-100, 0, -100, 450);
        wire(100, 0, 100, 450);
        return saveAs(folder.path() / "amp.pic");
    }
    std::string saveAs(const fs::path& path)
    {
        fs::create_directories(path.parent_path());
        EXPECT_TRUE(doc()->OnSaveDocument(path.string()));
        doc()->SetPathName(path.string(), false);
        return path.string();
    }
    // Make with the dialog as it opens, after checking what it shows.
    void make(const std::string& drawing, const std::string& artwork)
    {
        host.answerDialog([=](plat::Dialog& d) {
            EXPECT_EQ(d.GetDlgItemText(kIdcBoardSchematic), drawing);
            EXPECT_EQ(d.GetDlgItemText(kIdcBoardName), artwork);
            EXPECT_EQ(d.GetCheckedRadioButton(kIdcBoardGenerate, kIdcBoardExisting), kIdcBoardGenerate);
            EXPECT_TRUE(d.IsDlgButtonChecked(kIdcBoardNewNetlist));
            return d.PressButton(plat::kIdOk);
        });
        ASSERT_TRUE(command(kCmdMakeBoard));
    }
    std::string programLine(const char* program, const std::vector<std::string>& args) const
    {
        std::string line = plat::joinPath(plat::programFolder(), program);
        for (const std::string& a : args)
            line += " \"" + a + "\"";
        return line;
    }
};

TEST_F(MakeBoard, EveryStarterPartIsPlacedByThePlacementProgramWithEveryPinFound)
{
    // Two of each part, one above the other, each pin labelled onto a net with its twin's: no
    // pin is alone on its net, so the board program looks every one of them up.
    const std::vector<StarterPart> parts = starterPartsWithPackages();
    ASSERT_TRUE(command(701));   // a 10-unit grid: gate inputs lie 25 units off the axis
    for (size_t i = 0; i < parts.size(); ++i) {
        const int x = -2200 + 800 * static_cast<int>(i % 6), y = -1900 + 1000 * static_cast<int>(i / 6);
        placePart(parts[i].library, parts[i].name, x, y);
        placePart(parts[i].library, parts[i].name, x, y + 450);
        const std::string prefix = "N" + std::to_string(i) + "P";
        labelPins(parts[i], x, y, prefix);
        labelPins(parts[i], x, y + 450, prefix);
    }
    // A dotted folder and a blank in the name: the artwork keeps both.
    const fs::path drawing = folder.path() / "job.v2" / "every part.pic";
    saveAs(drawing);
    const std::string stem = (folder.path() / "job.v2" / "every part").string();
    const std::string ref = stem + ".ref", net = stem + ".net", board = stem + ".tlz";

    const fs::path place = builtProgramFolder() / "place";
    int placeExit = -2;
    host.answerProgramRun([&](std::string_view line) {
        EXPECT_EQ(line, programLine("place", {ref, net, board}));
        if (!fs::exists(place))
            return 0;
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        run.setProcessEnvironment(env);
        run.start(QString::fromStdString(place.string()),
                  {QString::fromStdString(ref), QString::fromStdString(net), QString::fromStdString(board)});
        // A report would wait for a reader: the run is given a bounded time.
        if (!run.waitForFinished(60000)) {
            run.kill();
            run.waitForFinished();
        }
        placeExit = run.exitStatus() == QProcess::NormalExit ? run.exitCode() : -1;
        return placeExit;
    });
    make(drawing.string(), stem);

    const std::string references = readText(ref);
    for (const StarterPart& p : parts) {
        SCOPED_TRACE(p.name);
        EXPECT_NE(references.find(std::string(p.library) + "\\" + p.name + " "), std::string::npos);
    }
    EXPECT_EQ(references.find(" none\n"), std::string::npos) << references;
    // Every pin shares its net with its twin's: none is left out of the lookups on the board.
    std::istringstream lines(readText(net));
    for (std::string line; std::getline(lines, line);) {
        if (line.find("----") != std::string::npos) {
            EXPECT_NE(line.find(','), std::string::npos) << line;
        }
    }
    EXPECT_TRUE(host.shown("program run: " + programLine("place", {ref, net, board})));
    if (!fs::exists(place))
        GTEST_SKIP() << "the placement program is built by the full build";
    EXPECT_EQ(placeExit, 0) << readText(net);
    EXPECT_TRUE(fs::exists(board));
    EXPECT_TRUE(host.shown("program: " + programLine("tracelyn", {board})));
}

TEST_F(MakeBoard, FailuresStopTheWayToTheBoardWithTheirMessage)
{
    const std::string drawing = twoResistorsInParallel();
    const std::string stem = (folder.path() / "amp").string();

    SCOPED_TRACE("the placement program cannot start");
    host.setProgramsStart(false);
    make(drawing, stem);
    EXPECT_TRUE(host.shown("message box: Can't execute place utility"));
    EXPECT_TRUE(fs::exists(stem + ".net"));
    EXPECT_TRUE(fs::exists(stem + ".ref"));

    SCOPED_TRACE("the placement program refuses");
    host.setProgramsStart(true);
    host.clearEvents();
    host.answerProgramRun([](std::string_view) { return 1; });
    make(drawing, stem);
    for (const std::string& e : host.events())
        EXPECT_NE(e.rfind("program: ", 0), 0u) << e;

    SCOPED_TRACE("an existing board that is not there");
    host.clearEvents();
    host.answerDialog([&](plat::Dialog& d) {
        d.PressButton(kIdcBoardExisting);
        EXPECT_EQ(d.GetDlgItemText(kIdcBoardName), stem + ".tlz");
        d.SetDlgItemText(kIdcBoardName, stem + "-old.tlz");
        d.CheckDlgButton(kIdcBoardNewNetlist, 0);
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(command(kCmdMakeBoard));
    EXPECT_TRUE(host.shown("message box: File " + stem + "-old.tlz not found"));
    EXPECT_EQ(host.count("program run: " + programLine("place", {stem + ".ref", stem + ".net", stem + "-old.tlz"})), 0);
    EXPECT_EQ(g_makeBoard.useExisting, 1);
    EXPECT_EQ(g_makeBoard.newNetlist, 0);

    SCOPED_TRACE("an existing board that is a pipe or a folder");
    for (const quill_test::NonFile& f : quill_test::placeNonFiles(stem + "-pipe.tlz", stem + "-dir.tlz")) {
        SCOPED_TRACE(f.kind);
        host.clearEvents();
        host.answerDialog([&](plat::Dialog& d) {
            d.PressButton(kIdcBoardExisting);
            d.SetDlgItemText(kIdcBoardName, f.path.string());
            d.CheckDlgButton(kIdcBoardNewNetlist, 0);
            return d.PressButton(plat::kIdOk);
        });
        quill_test::withoutWaiting({f}, [&] { ASSERT_TRUE(command(kCmdMakeBoard)); });
        EXPECT_TRUE(host.shown("message box: " + quill_test::notAFileMessage(f)));
        EXPECT_EQ(host.count("program run: " + programLine("place", {stem + ".ref", stem + ".net", f.path.string()})), 0);
    }
}

// Make again while the board program holds the board: one with changes of its own is not
// placed over; one without is read again in its own window, and no second program starts.
TEST_F(MakeBoard, ABoardHeldOpenIsReadAgainInItsWindowOrLeftAloneWhenUnsaved)
{
    const std::string drawing = twoResistorsInParallel();
    const std::string stem = (folder.path() / "amp").string();
    const std::string board = stem + ".tlz";
    const std::string placing = "program run: " + programLine("place", {stem + ".ref", stem + ".net", board});
    const std::string starting = "program: " + programLine("tracelyn", {board});
    // The messages that name the board (the netlist's own report may come with them).
    const auto aboutTheBoard = [&] {
        return std::ranges::count_if(host.messageBoxes(), [&](const std::string& m) { return m.find(board) != std::string::npos; });
    };

    SCOPED_TRACE("held with changes");
    host.answerDocumentOwner(plat::DocumentOwnerAnswer::Unsaved);
    make(drawing, stem);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"The board " + board +
                                                            " is open in Tracelyn with changes that are not saved.\n"
                                                            "Save or close it there, then make the board again."});
    EXPECT_FALSE(host.shown(placing)) << "the placement program would write over the board";
    EXPECT_FALSE(host.shown(starting));

    SCOPED_TRACE("held as saved");
    host.clearEvents();
    host.answerDocumentOwner(plat::DocumentOwnerAnswer::Unchanged);
    host.answerDocumentOwner(plat::DocumentOwnerAnswer::Reloaded);
    make(drawing, stem);
    EXPECT_EQ(aboutTheBoard(), 0) << ::testing::PrintToString(host.messageBoxes());
    const std::vector<std::string>& events = host.events();
    const auto at = [&](const std::string& line) { return std::find(events.begin(), events.end(), line) - events.begin(); };
    EXPECT_LT(at("document owner state: " + board), at(placing));
    EXPECT_LT(at(placing), at("document owner reload: " + board));
    EXPECT_LT(at("document owner reload: " + board), static_cast<long>(events.size()));
    EXPECT_FALSE(host.shown(starting)) << "a second board window";

    SCOPED_TRACE("changed in the board program after the question");
    host.clearEvents();
    host.answerDocumentOwner(plat::DocumentOwnerAnswer::Unchanged);
    host.answerDocumentOwner(plat::DocumentOwnerAnswer::Unsaved);
    make(drawing, stem);
    EXPECT_EQ(aboutTheBoard(), 1) << ::testing::PrintToString(host.messageBoxes());
    EXPECT_FALSE(host.shown(starting));

    SCOPED_TRACE("held by nobody");
    host.clearEvents();
    make(drawing, stem);
    EXPECT_TRUE(host.shown("document owner state: " + board));
    EXPECT_TRUE(host.shown(starting));
}

}  // namespace
}  // namespace schemora_test
