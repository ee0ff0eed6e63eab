// The library dialogs driven through the main frame on a library folder made in the test: the
// Library Parts browser (F5), Save Drawing As Library Part, Copy Library Parts and the BUILD
// Utility: which names are refused, what the libraries hold afterwards and when the dialogs stay
// open.
#include "starter_parts_fixture.h"
#include "paint_test_support.h"

#include "common/library_browser.h"
#include "platform/app/command_ids.h"
#include "platform/app/dialog.h"
#include "platform/app/keys.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/part_dialog_ids.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_previews.h"
#include "platform/gdi/raster_dc.h"
#include "schemora/core/part_transform.h"
#include "schemora/core/part_type_reload.h"
#include "schemora/core/symbol_elements.h"
#include "schemora/workspace/library_parts_dialog.h"
#include "support/control_items.h"
#include "platform/system/paths.h"
#include "support/build_utility.h"
#include "support/save_part_answer.h"
#include "support/whole_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <map>
#include <sstream>

namespace schemora_test {
namespace {

using namespace scm;
namespace fs = std::filesystem;

class LibraryDialogs : public StarterPartsView {
protected:
    void SetUp() override
    {
        const char* dir = std::getenv("QUILL_PROGRAM_DIR");
        const fs::path starter = dir ? fs::path(dir) / "LIB" / "DEVICE.CON" : fs::path();
        if (starter.empty() || !fs::exists(starter))
            GTEST_SKIP() << "the starter library has not been built (program folder LIB)";
        fs::create_directories(folder.path() / "LIB");
        fs::copy_file(starter, lib("DEVICE.CON"));
        fs::copy_file(starter.parent_path() / "TTL.CON", lib("TTL.CON"));
        EditView::SetUp();
        command(kCmdToolLine);
        drag(-200, -100, 200, -100);
        ASSERT_EQ(count(), 1);
    }
    fs::path lib(const std::string& name) const { return folder.path() / "LIB" / name; }
    // Every file of the library folder with its bytes.
    std::map<std::string, std::string> libraryFolder() const
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(folder.path() / "LIB"))
            files[entry.path().filename().string()] = quill_test::readText(entry.path());
        return files;
    }
    std::vector<std::string> partsOf(const std::string& library) const
    {
        std::vector<std::string> names;
        FillLibraryPartList(names, library, false);
        return names;
    }
    // Save with the typed names; the dialog's state after OK (-1: still open) is returned and
    // a dialog left open is cancelled.
    int save(const std::string& library, const std::string& part)
    {
        int result = -2;
        host.answerDialog(quill_test::savePartAnswer({kIdcSaveLibraryName, kIdcPartName}, library, part, result));
        EXPECT_TRUE(command(kCmdSaveAsLibraryPart));
        return result;
    }
    std::string lastMessage() const
    {
        const auto boxes = host.messageBoxes();
        return boxes.empty() ? std::string() : boxes.back();
    }
};

TEST_F(LibraryDialogs, SaveRefusesEveryBadNameBeforeAnyLibraryIsTouched)
{
    const auto before = libraryFolder();
    quill_test::expectSaveRefusesBadNames([this](const std::string& l, const std::string& p) { return save(l, p); },
                                          host, "DEVICE", "R2");
    EXPECT_EQ(libraryFolder(), before);
    EXPECT_FALSE(fs::exists(folder.path() / "x.CON"));
    EXPECT_FALSE(fs::exists(folder.path() / ".CON"));
}

TEST_F(LibraryDialogs, SaveWritesOnlyWhenEveryQuestionIsAnsweredYes)
{
    // A library not listed: "Start new library" answered No saves nothing and stays open.
    host.answerMessageBox(plat::kIdNo);
    EXPECT_EQ(save("MYLIB.TXT", "AB.X"), -1);
    EXPECT_EQ(lastMessage(), "Start new library: MYLIB?");
    EXPECT_FALSE(fs::exists(lib("MYLIB.CON")));

    // Yes: MYLIB.TXT becomes MYLIB.CON, AB.X is saved as AB, and the dialog closes.
    host.answerMessageBox(plat::kIdYes);
    EXPECT_EQ(save("MYLIB.TXT", "AB.X"), plat::kIdOk);
    EXPECT_EQ(partsOf("MYLIB"), std::vector<std::string>{"AB"});
    EXPECT_EQ(g_libraryChoice.part, "AB");

    // The same name again, typed in other case: the listed library, and "Replace part" No
    // leaves its bytes and keeps the dialog open.
    const std::string saved = quill_test::readText(lib("MYLIB.CON"));
    host.answerMessageBox(plat::kIdNo);
    EXPECT_EQ(save("mylib", "ab"), -1);
    EXPECT_EQ(lastMessage(), "Replace part ab?");
    EXPECT_EQ(quill_test::readText(lib("MYLIB.CON")), saved);
    host.answerMessageBox(plat::kIdYes);
    EXPECT_EQ(save("mylib", "ab"), plat::kIdOk);
    EXPECT_EQ(partsOf("MYLIB"), std::vector<std::string>{"AB"});

    // A read-only library is never rewritten.
    fs::permissions(lib("MYLIB.CON"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string protectedBytes = quill_test::readText(lib("MYLIB.CON"));
    EXPECT_EQ(save("MYLIB", "CD"), -1);
    EXPECT_EQ(lastMessage(), "Library is protected: Please save part to another file");
    EXPECT_EQ(quill_test::readText(lib("MYLIB.CON")), protectedBytes);
    fs::permissions(lib("MYLIB.CON"), fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(LibraryDialogs, CopyWritesTheChosenPartAndLeavesTheDrawingAsItWas)
{
    ASSERT_EQ(NewPartLibrary("DEST"), 0) << "asked, answered No by default";
    host.answerMessageBox(plat::kIdYes);
    ASSERT_EQ(NewPartLibrary("DEST"), 1);
    const auto drawing = g_current.objects.data();
    const int drawingCount = g_current.count;
    const auto deviceBefore = quill_test::readText(lib("DEVICE.CON"));

    std::vector<std::string> statuses;
    host.answerDialog([&](plat::Dialog& d) {
        // Nothing chosen: nothing copied.
        d.SetDlgItemText(kIdcDestinationLibrary, "DEST.CON");
        EXPECT_EQ(d.PressButton(kIdcCopyPart), -1);
        statuses.push_back(d.GetDlgItemText(kIdcPartsStatus));
        plat::Control* libraries = d.GetDlgItem(kIdcLibraryList);
        d.ChooseDlgItem(kIdcLibraryList, libraries->FindStringExact(-1, "DEVICE.CON"));
        d.ChooseDlgItem(kIdcPartList, d.GetDlgItem(kIdcPartList)->FindStringExact(-1, "R"));
        d.PressButton(kIdcCopyPart);
        statuses.push_back(d.GetDlgItemText(kIdcPartsStatus));
        // The second copy of the same part replaces it after the question.
        host.answerMessageBox(plat::kIdYes);
        d.PressButton(kIdcCopyPart);
        statuses.push_back(d.GetDlgItemText(kIdcPartsStatus));
        // A destination outside the library folder is refused.
        d.SetDlgItemText(kIdcDestinationLibrary, "../DEST");
        d.SetDlgItemText(kIdcPartsStatus, "");
        d.PressButton(kIdcCopyPart);
        statuses.push_back(d.GetDlgItemText(kIdcPartsStatus));
        return d.PressButton(plat::kIdCancel);
    });
    ASSERT_TRUE(command(kCmdCopyLibraryParts));
    EXPECT_EQ(statuses, (std::vector<std::string>{"Select source part", "Copied part R to DEST.CON",
                                                  "Copied part R to DEST.CON", ""}));
    EXPECT_EQ(host.count("message box: Please select a part"), 1);
    EXPECT_EQ(lastMessage(), "Invalid library name!\nToo long or contains blanks.");
    EXPECT_EQ(partsOf("DEST"), std::vector<std::string>{"R"});
    EXPECT_EQ(quill_test::readText(lib("DEVICE.CON")), deviceBefore);
    EXPECT_FALSE(fs::exists(folder.path() / "DEST.CON"));
    EXPECT_EQ(g_current.objects.data(), drawing);
    EXPECT_EQ(g_current.count, drawingCount);

    // A protected destination: refused, its bytes kept, no "Copied" line.
    fs::permissions(lib("DEST.CON"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string destBytes = quill_test::readText(lib("DEST.CON"));
    std::string status;
    host.answerDialog([&](plat::Dialog& d) {
        d.ChooseDlgItem(kIdcPartList, d.GetDlgItem(kIdcPartList)->FindStringExact(-1, "R"));
        d.SetDlgItemText(kIdcDestinationLibrary, "dest.con");
        d.PressButton(kIdcCopyPart);
        status = d.GetDlgItemText(kIdcPartsStatus);
        return d.PressButton(plat::kIdCancel);
    });
    ASSERT_TRUE(command(kCmdCopyLibraryParts));
    EXPECT_EQ(lastMessage(), "Library is protected: Please save part to another file");
    EXPECT_EQ(status, "Select source part");
    EXPECT_EQ(quill_test::readText(lib("DEST.CON")), destBytes);
    fs::permissions(lib("DEST.CON"), fs::perms::owner_write, fs::perm_options::add);
}

// The browser's Search tab: the counts of one library, of all, and when nothing is searched.
TEST_F(LibraryDialogs, BrowserSearchCountsOneLibraryOrAll)
{
    const int deviceParts = static_cast<int>(partsOf("DEVICE").size());
    const int ttlParts = static_cast<int>(partsOf("TTL").size());
    ASSERT_GT(deviceParts, 0);
    ASSERT_GT(ttlParts, 0);
    std::map<std::string, std::string> status;
    std::vector<std::string> transistorLines;
    host.answerDialog([&](plat::Dialog& d) {
        d.ChooseDlgItem(quill::kIdcBrowserTab, 1);
        plat::Control* library = d.GetDlgItem(quill::kIdcSearchLibrary);
        EXPECT_EQ(library->GetItemText(library->GetCurSel()), "All");
        const auto search = [&](const std::string& key, const char* text, int byName, int byText, const char* in) {
            d.SetDlgItemText(quill::kIdcSearchStatus, "");
            d.SetDlgItemText(quill::kIdcSearchText, text);
            d.CheckDlgButton(quill::kIdcSearchByName, byName);
            d.CheckDlgButton(quill::kIdcSearchByDescription, byText);
            library->SetCurSel(library->FindStringExact(-1, in));
            d.PressButton(quill::kIdcSearchButton);
            status[key] = d.GetDlgItemText(quill::kIdcSearchStatus);
        };
        search("every name, all", "", 1, 0, "All");
        search("every name, TTL", "", 1, 0, "TTL");
        search("empty description", "", 0, 1, "All");
        search("neither box", "R", 0, 0, "All");
        search("transistor", "transistor", 0, 1, "DEVICE");
        transistorLines = quill_test::itemTexts(d, quill::kIdcSearchResults);
        // A result line chosen shows its part.
        d.ChooseDlgItem(quill::kIdcSearchResults, 0);
        return d.PressButton(plat::kIdCancel);
    });
    ASSERT_TRUE(key(plat::kVkF5));
    EXPECT_EQ(status["every name, all"], "No.of matches: " + std::to_string(deviceParts + ttlParts));
    EXPECT_EQ(status["every name, TTL"], "No.of matches: " + std::to_string(ttlParts));
    EXPECT_EQ(status["empty description"], "") << "nothing searched";
    EXPECT_EQ(status["neither box"], "");
    EXPECT_EQ(status["transistor"], "No.of matches: 7");
    EXPECT_EQ(transistorLines, (std::vector<std::string>{"DEVICE/NPN", "DEVICE/PNP", "DEVICE/2N3904", "DEVICE/2N2222",
                                                        "DEVICE/BC547", "DEVICE/2N3906", "DEVICE/BC557"}));
    EXPECT_EQ(g_libraryChoice.library, "DEVICE");
    EXPECT_EQ(g_libraryChoice.part, "NPN");
}

// The browser names its lists, its search fields and its frames; each tab shows its own.
TEST_F(LibraryDialogs, BrowserLabelsAndFramesFollowTheTabs)
{
    const auto textOf = [](const plat::DialogTemplate& t, unsigned id) {
        for (const plat::ControlTemplate& c : t.controls)
            if (c.id == id)
                return c.text;
        return std::string("(none)");
    };
    const plat::DialogTemplate* t = plat::findDialogTemplate(kIddLibraryParts);
    ASSERT_NE(t, nullptr);
    std::vector<std::string> frames;
    for (const plat::ControlTemplate& c : t->controls)
        if (c.kind == plat::ControlKind::GroupBox)
            frames.push_back(c.text + "/" + std::to_string(c.rowSpan));
    EXPECT_EQ(frames, (std::vector<std::string>{"Search By/2", "Preview/7", "Package/2"}));
    EXPECT_EQ(textOf(*t, quill::kIdcBrowserLibraryLabel), "Library");
    EXPECT_EQ(textOf(*t, quill::kIdcBrowserPartLabel), "Part");
    EXPECT_EQ(textOf(*t, quill::kIdcSearchTextLabel), "Search Text:");
    EXPECT_EQ(textOf(*t, quill::kIdcSearchLibraryLabel), "Library:");
    EXPECT_EQ(textOf(*t, quill::kIdcSearchResultsLabel), "Part/Library");

    std::vector<bool> shown;
    host.answerDialog([&](plat::Dialog& d) {
        const auto visible = [&](unsigned id) { return d.GetDlgItem(id)->IsWindowVisible(); };
        shown = {visible(quill::kIdcBrowserPartLabel), visible(quill::kIdcSearchByGroup)};
        d.ChooseDlgItem(quill::kIdcBrowserTab, 1);
        shown.insert(shown.end(), {visible(quill::kIdcBrowserPartLabel), visible(quill::kIdcSearchByGroup),
                                   visible(quill::kIdcSearchTextLabel)});
        return d.PressButton(plat::kIdCancel);
    });
    ASSERT_TRUE(key(plat::kVkF5));
    EXPECT_EQ(shown, (std::vector<bool>{true, false, false, true, true}));
}

// Every starter part's preview fits its box: nothing it draws reaches the box's edge, a body
// drawn from its corner included.
TEST_F(LibraryDialogs, EveryStarterPartsPreviewFitsItsBox)
{
    constexpr int kWidth = 140, kHeight = 120;
    const auto palette = g_palette;
    const auto roles = g_colorRoles;
    // A palette whose roles all differ, so every element shows on the background.
    for (size_t i = 0; i < paint_test::kPalette.size(); ++i)
        g_palette.entries[i] = {paint_test::kPalette[i][0], paint_test::kPalette[i][1], paint_test::kPalette[i][2], 0};
    g_palette.created = true;
    std::copy(paint_test::kRoles.begin(), paint_test::kRoles.end(), g_colorRoles.index.begin());
    for (const std::string library : {"DEVICE", "TTL"})
        for (const std::string& part : partsOf(library)) {
            SCOPED_TRACE(library + "/" + part);
            plat::RasterDc dc(kWidth, kHeight);
            DrawPartPreview(dc, {0, 0, kWidth, kHeight}, library, part);
            const plat::Bitmap image = dc.bitmap();
            const plat::ColorRef background = image.pixel(4, 4);
            int drawn = 0, atTheEdge = 0;
            for (int y = 3; y < kHeight - 1; ++y)
                for (int x = 2; x < kWidth - 3; ++x) {
                    if (image.pixel(x, y) == background)
                        continue;
                    ++drawn;
                    if (x < 6 || x >= kWidth - 7 || y < 7 || y >= kHeight - 5)
                        ++atTheEdge;
                }
            EXPECT_GT(drawn, 0);
            EXPECT_EQ(atTheEdge, 0) << "cut off at the preview's edge";
        }
    g_palette = palette;
    g_colorRoles = roles;
}

// Delete Part acts only on a part chosen in the list shown, after "Delect part %s?".
TEST_F(LibraryDialogs, BrowserDeletesOnlyAChosenPartAfterYes)
{
    const size_t deviceParts = partsOf("DEVICE").size();
    const std::string device = quill_test::readText(lib("DEVICE.CON"));
    const std::string ttl = quill_test::readText(lib("TTL.CON"));
    host.answerDialog([&](plat::Dialog& d) {
        d.PressButton(quill::kIdcBrowserDelete);   // nothing chosen
        d.ChooseDlgItem(quill::kIdcBrowserLibraryList, d.GetDlgItem(quill::kIdcBrowserLibraryList)->FindStringExact(-1, "DEVICE"));
        d.ChooseDlgItem(quill::kIdcBrowserPartList, d.GetDlgItem(quill::kIdcBrowserPartList)->FindStringExact(-1, "R"));
        EXPECT_EQ(d.GetDlgItemText(quill::kIdcBrowserDescription), "Resistor");
        // The package line names the part's own package, not only its kind.
        std::string package, description;
        EXPECT_TRUE(ReadLibraryPartTexts("DEVICE", "R", package, description));
        EXPECT_FALSE(package.empty());
        EXPECT_EQ(d.GetDlgItemText(quill::kIdcBrowserPackage), "Thru-hole: " + package.substr(0, package.find(',')));
        d.PressButton(quill::kIdcBrowserDelete);   // answered No
        // Another library chosen: the part chosen before is no longer the one to delete.
        d.ChooseDlgItem(quill::kIdcBrowserLibraryList, d.GetDlgItem(quill::kIdcBrowserLibraryList)->FindStringExact(-1, "TTL"));
        d.PressButton(quill::kIdcBrowserDelete);
        d.PressButton(quill::kIdcBrowserModify);
        EXPECT_EQ(d.PressButton(plat::kIdOk), -1) << "Load Part without a part";
        return d.PressButton(plat::kIdCancel);
    });
    host.answerMessageBox(plat::kIdOk);
    host.answerMessageBox(plat::kIdNo);
    ASSERT_TRUE(key(plat::kVkF5));
    EXPECT_EQ(host.messageBoxes(), (std::vector<std::string>{"Please select a part", "Delect part R?", "Please select a part",
                                                              "Please select a part", "Please select a part"}));
    EXPECT_EQ(quill_test::readText(lib("DEVICE.CON")), device);
    EXPECT_EQ(quill_test::readText(lib("TTL.CON")), ttl);

    host.answerDialog([&](plat::Dialog& d) {
        d.ChooseDlgItem(quill::kIdcBrowserLibraryList, d.GetDlgItem(quill::kIdcBrowserLibraryList)->FindStringExact(-1, "DEVICE"));
        d.ChooseDlgItem(quill::kIdcBrowserPartList, d.GetDlgItem(quill::kIdcBrowserPartList)->FindStringExact(-1, "R"));
        host.answerMessageBox(plat::kIdYes);
        d.PressButton(quill::kIdcBrowserDelete);
        EXPECT_EQ(d.GetDlgItem(quill::kIdcBrowserPartList)->FindStringExact(-1, "R"), -1) << "the list reloaded";
        d.PressButton(quill::kIdcBrowserDelete);   // nothing chosen any more
        return d.PressButton(plat::kIdCancel);
    });
    ASSERT_TRUE(key(plat::kVkF5));
    const auto parts = partsOf("DEVICE");
    EXPECT_EQ(std::count(parts.begin(), parts.end(), "R"), 0);
    EXPECT_EQ(parts.size() + 1, deviceParts);
    EXPECT_EQ(host.messageBoxes().back(), "Please select a part");
}

// The status line tells of the drawing shown: a part loaded from the browser leaves no
// "Loading part" behind, and a new drawing shows none of the old drawing's selection.
TEST_F(LibraryDialogs, StatusLineForgetsTheLoadedPartAndTheDrawingBefore)
{
    host.answerDialog([&](plat::Dialog& d) {
        d.ChooseDlgItem(quill::kIdcBrowserLibraryList, d.GetDlgItem(quill::kIdcBrowserLibraryList)->FindStringExact(-1, "DEVICE"));
        d.ChooseDlgItem(quill::kIdcBrowserPartList, d.GetDlgItem(quill::kIdcBrowserPartList)->FindStringExact(-1, "R"));
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(key(plat::kVkF5));
    EXPECT_EQ(pane(0).find("Loading part"), std::string::npos) << pane(0);

    ASSERT_TRUE(key(plat::kVkF9));
    click(0, -100);
    ASSERT_EQ(pane(0).rfind("Selected object #1", 0), 0u) << pane(0);
    ASSERT_TRUE(command(plat::kIdFileNew));
    EXPECT_EQ(pane(0), "Ready");
}

// Saving over a part the drawings use offers one re-load; every type keeps its index, and a type
// whose library has gone keeps its symbol.
TEST_F(LibraryDialogs, ReloadKeepsEveryPartTypeAtItsIndex)
{
    ASSERT_EQ(LoadLibraryPart("DEVICE", "R"), 1);
    ASSERT_EQ(LoadLibraryPart("TTL", "7400"), 1);
    ASSERT_EQ(LoadLibraryPart("DEVICE", "C"), 1);
    const int first = g_partSymbols.count - 2;
    const PartSymbol ttl = g_partSymbols.entries[static_cast<size_t>(first + 1)];

    host.answerMessageBox(plat::kIdYes);   // Replace part R?
    host.answerMessageBox(plat::kIdYes);   // Part is being used
    EXPECT_EQ(save("DEVICE", "R"), plat::kIdOk);
    EXPECT_EQ(host.count("message box: Part is being used.\nClick YES to re-load the library"), 1);
    ASSERT_EQ(g_partSymbols.count, first + 2);
    EXPECT_EQ(g_partSymbols.entries[static_cast<size_t>(first)].name, "DEVICE\\R");
    EXPECT_EQ(g_partSymbols.entries[static_cast<size_t>(first + 1)].name, "TTL\\7400");
    EXPECT_EQ(g_partSymbols.entries[static_cast<size_t>(first + 2)].name, "DEVICE\\C");
    // R is now the drawing saved: one line in one block (its header and the gate padding).
    int gates = 0, elements = 0, firstElement = 0;
    ASSERT_EQ(FindPartPin(first, &gates, &elements, &firstElement, 0, nullptr), 1);
    EXPECT_EQ(g_symbolElements[firstElement].type(), kObjLine);

    fs::remove(lib("TTL.CON"));
    EXPECT_EQ(ReloadPartTypes(), first + 1);
    EXPECT_EQ(lastMessage(), "Part re-load error!");
    ASSERT_EQ(g_partSymbols.count, first + 2);
    const PartSymbol& kept = g_partSymbols.entries[static_cast<size_t>(first + 1)];
    EXPECT_EQ(kept.name, "TTL\\7400");
    EXPECT_EQ(kept.w[2], ttl.w[2]);
    EXPECT_EQ(kept.package, ttl.package);
    // Its blocks still chain inside its own elements.
    int keptGates = 0, keptCount = 0, keptFirst = 0;
    ASSERT_EQ(FindPartPin(first + 1, &keptGates, &keptCount, &keptFirst, 0, nullptr), 1);
    EXPECT_GE(keptFirst, kept.w[1]);
    EXPECT_LT(keptFirst + keptCount - 1, kept.w[1] + kept.w[2]);
    EXPECT_EQ(g_partSymbols.entries[static_cast<size_t>(first + 2)].name, "DEVICE\\C");
}

// Utilities > BUILD Utility passes only a ".LIB" file of the list, whole, as one argument, to the
// build utility beside the program.
TEST_F(LibraryDialogs, BuildPassesOneListedFileAsOneArgument)
{
    std::ofstream(lib("MY PARTS.LIB")) << "%partname X\n%end\n";
    std::ofstream(lib("B.LIB")) << "%partname Y\n%end\n";
    const std::string folderPath = (folder.path() / "LIB").string();
    std::vector<std::string> shown;
    host.answerDialog([&](plat::Dialog& d) {
        shown.push_back(d.GetDlgItemText(kIdcBuildFolder));
        shown.push_back(d.GetDlgItemText(kIdcBuildFile));
        d.PressButton(kIdcBuildEdit);
        // Typed text that is no file of the list starts nothing and keeps the dialog open.
        d.TypeDlgItemText(kIdcBuildFile, "B.LIB; rm -rf x");
        EXPECT_EQ(d.PressButton(plat::kIdOk), -1);
        d.TypeDlgItemText(kIdcBuildFile, "../B.LIB");
        EXPECT_EQ(d.PressButton(plat::kIdOk), -1);
        d.ChooseDlgItem(kIdcBuildFiles, d.GetDlgItem(kIdcBuildFiles)->FindStringExact(-1, "MY PARTS.LIB"));
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(command(kCmdBuildUtility));
    EXPECT_EQ(shown, (std::vector<std::string>{folderPath, "B.LIB"}));
    EXPECT_EQ(host.count("text viewer: " + folderPath + "/B.LIB"), 1);
    const std::string build = plat::joinPath(plat::programFolder(), "build");
    EXPECT_EQ(host.count("program: " + build + " \"" + folderPath + "/MY PARTS.LIB\""), 1);
    EXPECT_EQ(host.count("message box: Select a .LIB file of the list"), 2);

    // A build program that cannot be started: its message, and the dialog closes.
    host.setProgramsStart(false);
    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
    ASSERT_TRUE(command(kCmdBuildUtility));
    EXPECT_EQ(lastMessage(), "Error: check location of BUILD utility");
}

// Build on the example pin file the library folder ships with: the build utility makes its part,
// the Library Parts browser lists the new library when it opens again, and the part goes into
// the drawing.
TEST_F(LibraryDialogs, BuiltPartIsListedAndPlacedInTheDrawing)
{
    const fs::path shipped = builtProgramFolder() / "LIB" / "MYPARTS.LIB";
    if (!fs::exists(shipped))
        GTEST_SKIP() << "the starter library has not been built (program folder LIB/MYPARTS.LIB)";
    fs::copy_file(shipped, lib("MYPARTS.LIB"));
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.GetDlgItemText(kIdcBuildFile), "MYPARTS.LIB");
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(command(kCmdBuildUtility));
    const std::string file = lib("MYPARTS.LIB").string();
    ASSERT_EQ(host.count("program: " + plat::joinPath(plat::programFolder(), "build") + " \"" + file + "\""), 1);

    // What the started program does, run here as the desktop would run it.
    const auto run = quill_test::runBuildUtility({file});
    if (!run)
        GTEST_SKIP() << "the build utility is made by the full build (program folder \"build\")";
    ASSERT_EQ(run->exitCode, 0) << run->output;
    EXPECT_EQ(run->output, "Built part NE555 into MYPARTS.CON\n");

    const int before = count();
    answerPartChooser("MYPARTS", "NE555");
    ASSERT_TRUE(key(plat::kVkF5));
    click(0, 0);
    ASSERT_EQ(count(), before + 1) << "the browser did not offer the new library";
    std::vector<std::string> placed;
    for (int i = 1; i <= count() + 1 && i < static_cast<int>(g_current.objects.size()); ++i)
        if (const DrawObject& o = g_current.objects[static_cast<size_t>(i)]; o.type() >= kObjPart)
            placed.push_back(g_partSymbols.entries[static_cast<size_t>(o.symbolIndex())].name + " " +
                             g_partSymbols.entries[static_cast<size_t>(o.symbolIndex())].package);
    EXPECT_EQ(placed, std::vector<std::string>{"MYPARTS\\NE555 DIP8"});
}

}  // namespace
}  // namespace schemora_test
