// Package catalogues: writing and reading packages back, lookup, listing, searching, the parts
// list, rewriting, and what damaged catalogues do.
#include "tracelyn/core/package_library_fixture.h"
#include "tracelyn/core/package_fixture.h"
#include "support/special_files.h"
#include "support/full_disk.h"
#include "support/temp_folder.h"

#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "platform/gdi/recording_dc.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/open_documents.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/core/package_library.h"
#include "support/whole_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using quill_test::readText;

using namespace board_test;
using namespace package_test;

class PackageLibraryTest : public LibraryFolderTest {
protected:
    std::string catalog(const std::string& library) const { return folder.file(library + ".CAT"); }
};

TEST_F(PackageLibraryTest, PackageReadsBackWithSectionsPinLabelsAndComment)
{
    writeCatalog(catalog("STD"), dip8());
    ASSERT_EQ(LoadLibraryPart("std.lib", "dip8"), 1);
    const int n = g_packages.current;
    const PackageDef& def = g_packages.defs[n];
    EXPECT_EQ(def.name, "STD\\DIP8");
    EXPECT_EQ(def.comment, "Eight pins");

    // One section header, the objects, the closing record.
    const BoardObject& header = g_packages.objects[def.firstObject()];
    EXPECT_EQ(header.kind(), kKindDeleted);
    const int objects = header.w[0];
    EXPECT_EQ(objects, 8 * 2 + 2 + 1);   // pads and their numbers, polygon, line, "p?"
    EXPECT_EQ(header.w[1], def.firstObject() + objects);
    EXPECT_EQ(header.w[3], 0);
    EXPECT_EQ(def.objectCount(), objects + 2);
    EXPECT_EQ(g_packages.objects[def.firstObject() + objects + 1].w[3], kSectionChainEnd);

    // Coordinates keep their nibbles; pads point at the pin-number text beside them.
    const BoardObject& pad = g_packages.objects[def.firstObject() + 1];
    EXPECT_EQ(pad.kind(), kKindPad);
    EXPECT_EQ(pad.w[0], -11503);
    EXPECT_EQ(pad.w[6], 350);
    ASSERT_NE(pad.text(), nullptr);
    EXPECT_STREQ(pad.text(), "1");
    const BoardObject& polygon = g_packages.objects[def.firstObject() + 17];
    ASSERT_EQ(polygon.kind(), kKindPolygon);
    EXPECT_EQ(polygon.w[2], 3);
    EXPECT_EQ(polygon.points()[5], -4100);
    EXPECT_EQ(g_packages.defs[n].extent()[0], -11503 - 300 - 5 - 20);

    // A second lookup takes the loaded package without reading the catalogue.
    ASSERT_TRUE(plat::deleteFile(catalog("STD")));
    EXPECT_EQ(LoadLibraryPart("STD", "DIP8"), 1);
    EXPECT_EQ(g_packages.count, 1);
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(PackageLibraryTest, ExportBodyKeepsPinSectionsAndDescription)
{
    writeCatalog(catalog("STD"), twoSections());
    ASSERT_EQ(LoadLibraryPart("STD", "GATE"), 1);
    const int n = g_packages.current;
    plat::Archive out(plat::Archive::Mode::Store);
    WritePackageBody(out, n);
    // The name record (the second 20-byte record) holds the part name in capitals.
    const std::string nameRecord(reinterpret_cast<const char*>(out.bytes().data()) + 20, 20);
    EXPECT_EQ(nameRecord.substr(0, nameRecord.find('\0')), "GATE");

    plat::Archive in(plat::Archive::Mode::Load, out.takeBytes());
    const int slot = ++g_packages.count;
    g_packages.defs[slot].name = "COPY";
    ASSERT_EQ(LoadPackageBody(in, slot, kPackageBodyExport), 1);
    EXPECT_TRUE(in.atEnd());
    const PackageDef& copy = g_packages.defs[slot];
    EXPECT_EQ(copy.comment, "Two gates");
    ASSERT_EQ(copy.objectCount(), g_packages.defs[n].objectCount());
    for (int i = 0; i < copy.objectCount(); ++i) {
        SCOPED_TRACE(i);
        const BoardObject& a = g_packages.objects[g_packages.defs[n].firstObject() + i];
        const BoardObject& b = g_packages.objects[copy.firstObject() + i];
        EXPECT_EQ(a.kind(), b.kind());
        EXPECT_EQ(a.w[0], b.w[0]);   // a point, or a section's object count
        EXPECT_EQ(a.w[3], b.w[3]);   // a size, or a section's key
        if (a.kind() != kKindDeleted) {
            EXPECT_EQ(a.w[1], b.w[1]);
        }
    }
    // Two sections: keys 0 and 1, each with a pad and its number and the placeholder.
    const BoardObject& first = g_packages.objects[copy.firstObject()];
    const BoardObject& second = g_packages.objects[first.w[1] + 1];
    EXPECT_EQ(first.w[0], 3);
    EXPECT_EQ(second.w[3], 1);
    EXPECT_EQ(second.w[0], 3);
}

TEST_F(PackageLibraryTest, LookupFailuresNameWhatIsMissing)
{
    EXPECT_EQ(LoadLibraryPart("NONE", "R"), 0);
    EXPECT_EQ(host.messageBoxes().back(), "Can't open file: " + g_boardFolders.libraryFolder + "NONE.CAT");
    // The folder setting is kept in capitals; the message names the folders as they are on disk.
    const std::string asOnDisk = g_boardFolders.libraryFolder;
    g_boardFolders.libraryFolder = plat::upperCasePath(asOnDisk);
    ASSERT_NE(g_boardFolders.libraryFolder, asOnDisk);
    EXPECT_EQ(LoadLibraryPart("NONE", "R"), 0);
    EXPECT_EQ(host.messageBoxes().back(), "Can't open file: " + asOnDisk + "NONE.CAT");
    g_boardFolders.libraryFolder = asOnDisk;

    writeCatalog(catalog("STD"), dip8());
    EXPECT_EQ(LoadLibraryPart("STD", "SOIC8"), 0);
    EXPECT_EQ(host.messageBoxes().back(), "Part not found:STD\\SOIC8\n or format error");

    std::vector<uint8_t> bytes = catalogOf(dip8());
    bytes[10] = ':';   // version digit 10
    folder.write("NEW.CAT", bytes);
    EXPECT_EQ(LoadLibraryPart("NEW", "DIP8"), 0);
    EXPECT_EQ(host.messageBoxes().back(), "Unsupported file format");
    EXPECT_EQ(LoadLibraryPartByPath("NOSLASH"), 0);
    EXPECT_EQ(g_packages.count, 0);

    const auto nonFiles = quill_test::placeNonFiles(g_boardFolders.libraryFolder + "PIPE.CAT",
                                                    g_boardFolders.libraryFolder + "FOLDER.CAT");
    for (const quill_test::NonFile& f : nonFiles) {
        SCOPED_TRACE(f.kind);
        quill_test::withoutWaiting({f}, [&] { EXPECT_EQ(LoadLibraryPart(f.path.stem().string(), "DIP8"), 0); });
        EXPECT_EQ(host.messageBoxes().back(), quill_test::notAFileMessage(f));
        EXPECT_EQ(g_packages.count, 0);
        // Saving a part into it, or starting it as a new library, writes nothing over it.
        quill_test::withoutWaiting({f}, [&] { EXPECT_EQ(RewriteLibrary(f.path.stem().string(), "DIP8", kRewriteReplace), 0); });
        EXPECT_EQ(host.messageBoxes().back(), quill_test::notAFileMessage(f));
        host.answerMessageBox(plat::kIdYes);
        EXPECT_EQ(NewPartLibrary(f.path.stem().string()), 1);
        EXPECT_FALSE(std::filesystem::is_regular_file(f.path));
    }
}

TEST_F(PackageLibraryTest, OversizedPartCountIsReportedAndCapped)
{
    std::vector<uint8_t> bytes = catalogOf(dip8());
    bytes[0] = 40000 & 0xFF;
    bytes[1] = 40000 >> 8;
    folder.write("BIG.CAT", bytes);
    std::vector<std::string> names;
    EXPECT_EQ(FillLibraryPartList("BIG", names), 1);
    EXPECT_EQ(names, std::vector<std::string>{"DIP8"});
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Artwork file full"});
}

TEST_F(PackageLibraryTest, FullPackageStoreIsAFormatError)
{
    writeCatalog(catalog("STD"), dip8());
    g_packages.objectCount = kPackageStoreSize - 10;
    EXPECT_EQ(LoadLibraryPart("STD", "DIP8"), 0);
    EXPECT_EQ(host.messageBoxes().back(), "Format error");
    EXPECT_EQ(g_packages.count, 0);
    EXPECT_EQ(g_packages.objectCount, kPackageStoreSize - 10);

    // The table's last slot taken by packages no board uses: they make room, silently.
    g_packages.objectCount = 0;
    g_packages.count = kMaxPackages;
    host.clearEvents();
    EXPECT_EQ(LoadLibraryPart("STD", "DIP8"), 1);
    EXPECT_EQ(g_packages.count, 1);
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(PackageLibraryTest, DamagedCatalogsEndCleanly)
{
    const std::vector<uint8_t> good = catalogOf(dip8(), twoSections());
    // Every truncation and every byte set to 0xFF in turn: reading stops inside the file.
    for (size_t variant = 0; variant < 2 * good.size(); ++variant) {
        std::vector<uint8_t> bytes = good;
        if (variant < good.size())
            bytes.resize(variant);
        else
            bytes[variant - good.size()] = 0xFF;
        folder.write("BAD.CAT", bytes);
        ClearPackageTables();
        LoadLibraryPart("BAD", "GATE");
        LoadLibraryPart("BAD", "DIP8");
        std::vector<std::string> list;
        SearchLibraryParts("BAD", "a", list, 3);
        FillLibraryPartList("BAD", list);
        if (auto file = OpenPartLibrary("BAD", "DIP8")) {
            ReadPartRecords(*file);
            doc.objectCount = g_board.count;
            CloseBoardDocument(doc, nullptr);
            ASSERT_TRUE(InitNewBoard(doc));
        }
    }
    ClearPackageTables();
}

TEST_F(PackageLibraryTest, SearchMatchesNamesDescriptionsOrBoth)
{
    writeCatalog(catalog("STD"), dip8(), twoSections());
    struct Case {
        const char* text;
        int mode;
        std::vector<std::string> expected;
    } cases[] = {
        {"dip", 1, {"STD/DIP8"}},
        {"gate", 1, {"STD/GATE"}},
        {"gates", 2, {"STD/GATE"}},
        {"EIGHT", 2, {"STD/DIP8"}},
        {"t", 3, {"STD/DIP8", "STD/GATE"}},
        {"ight", 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::string> list;
        EXPECT_EQ(SearchLibraryParts("STD", c.text, list, c.mode), 1);
        EXPECT_EQ(list, c.expected);
    }
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(PackageLibraryTest, PartsListReportsDescriptionsAndOrder)
{
    TestPackage b = twoSections();
    b.name = "B";
    TestPackage a = dip8();
    a.name = "A";
    TestPackage plain("C");
    plain.pad(1, 0, 0);
    writeCatalog(catalog("STD"), std::move(b), std::move(a), std::move(plain));
    host.answerMessageBox(plat::kIdYes);
    ASSERT_EQ(WriteLibraryPartsList("STD"), 1);
    EXPECT_EQ(readText(folder.file("STD.txt")),
              "STD\\B Two gates\nSTD\\A Eight pins\nSTD\\C No Comment!\n3 parts in library\n"
              "(Not sorted alphabetically!)\n");
    EXPECT_TRUE(host.shown("message box: View parts list?"));
    EXPECT_TRUE(host.shown("text viewer: " + folder.file("STD.txt")));
}

TEST_F(PackageLibraryTest, RewriteReplacesDeletesAndAppends)
{
    writeCatalog(catalog("STD"), dip8(), twoSections());
    std::vector<std::string> names;

    // The footprint being edited: one pad (the board outline is not part of it).
    add(makeObject(kKindPad, 31, {-10000, -5000, 600, 600, 0, 0, 350, 0}));

    host.answerMessageBox(plat::kIdYes);
    ASSERT_EQ(RewriteLibrary("STD", "dip8", kRewriteReplace), 1);
    EXPECT_TRUE(host.shown("message box: Replace part dip8?"));
    FillLibraryPartList("STD", names);
    EXPECT_EQ(names, (std::vector<std::string>{"DIP8", "GATE"}));
    ASSERT_EQ(LoadLibraryPart("STD", "DIP8"), 1);
    EXPECT_EQ(g_packages.objects[g_packages.defs[g_packages.current].firstObject()].w[0], 1);

    ASSERT_EQ(RewriteLibrary("STD", "NEW", kRewriteReplace), 1);
    ASSERT_EQ(RewriteLibrary("STD", "DIP8", kRewriteDelete), 1);
    names.clear();
    FillLibraryPartList("STD", names);
    EXPECT_EQ(names, (std::vector<std::string>{"GATE", "NEW"}));
    const std::vector<unsigned char> bytes = folder.read("STD.CAT");
    EXPECT_EQ(bytes[0] | (bytes[1] << 8), 2);
    EXPECT_FALSE(plat::fileExists(folder.file("temp.tmp")));

    // Declining the replacement keeps the old part.
    const std::vector<unsigned char> before = folder.read("STD.CAT");
    host.answerMessageBox(plat::kIdNo);
    ASSERT_EQ(RewriteLibrary("STD", "GATE", kRewriteReplace), 1);
    EXPECT_EQ(folder.read("STD.CAT"), before);

    EXPECT_EQ(RewriteLibrary("NONE", "X", kRewriteReplace), 0);
    EXPECT_EQ(host.messageBoxes().back(), "Can't open file: " + g_boardFolders.libraryFolder + "NONE.CAT");
}

// On a full disk a catalogue keeps its bytes through an added and a deleted part, a new
// catalogue is not made, and the parts list keeps the older list; each refusal names the file
// and the reason.
TEST_F(PackageLibraryTest, OnAFullDiskCataloguesAndTheirListsKeepTheirBytes)
{
    add(makeObject(kKindPad, 31, {-10000, -5000, 600, 600, 0, 0, 350, 0}));
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        g_boardFolders.libraryFolder = disk.path().string() + "/";
        ASSERT_TRUE(writeCatalog(disk.file("STD.CAT"), dip8(), twoSections()));
        disk.write("STD.txt", "older list\n");
        const std::vector<unsigned char> catalogue = disk.read("STD.CAT");
        disk.fill();
        host.clearEvents();
        EXPECT_EQ(RewriteLibrary("STD", "NEW", kRewriteReplace), 0);
        EXPECT_EQ(RewriteLibrary("STD", "DIP8", kRewriteDelete), 0);
        host.answerMessageBox(plat::kIdYes);
        EXPECT_EQ(NewPartLibrary("MINE"), 0);
        EXPECT_EQ(WriteLibraryPartsList("STD"), 0);
        const auto full = [&](const char* name) { return "Cannot write " + disk.file(name) + ": No space left on device"; };
        EXPECT_EQ(host.messageBoxes(), (std::vector<std::string>{full("STD.CAT"), full("STD.CAT"),
                                                                 "Start new library: MINE?", full("MINE.CAT"),
                                                                 full("STD.txt")}));
        EXPECT_EQ(disk.read("STD.CAT"), catalogue);
        EXPECT_EQ(disk.readText("STD.txt"), "older list\n");
        EXPECT_EQ(disk.names(), (std::vector<std::string>{"STD.CAT", "STD.txt"}));
    });
}

TEST_F(PackageLibraryTest, AnAddedPartIsFoundAfterStrayBytesEndingTheLastEntry)
{
    for (size_t stray = 1; stray <= 4; ++stray) {
        SCOPED_TRACE(stray);
        writeCatalog(catalog("STD"), dip8(), twoSections());
        std::vector<unsigned char> bytes = folder.read("STD.CAT");
        bytes.insert(bytes.end(), stray, 0xB4);
        folder.write("STD.CAT", bytes);
        ASSERT_EQ(RewriteLibrary("STD", "NEW", kRewriteReplace), 1);
        std::vector<std::string> names;
        FillLibraryPartList("STD", names);
        EXPECT_EQ(names, (std::vector<std::string>{"DIP8", "GATE", "NEW"}));
        EXPECT_EQ(LoadLibraryPart("STD", "NEW"), 1);
    }
}

TEST_F(PackageLibraryTest, NewLibraryAfterConfirmation)
{
    EXPECT_EQ(NewPartLibrary("MINE"), 0);
    EXPECT_FALSE(plat::fileExists(catalog("MINE")));
    host.answerMessageBox(plat::kIdYes);
    ASSERT_EQ(NewPartLibrary("MINE"), 1);
    EXPECT_TRUE(host.shown("message box caption: New Library"));
    EXPECT_TRUE(host.shown("message box: Start new library: MINE?"));
    const std::vector<unsigned char> bytes = folder.read("MINE.CAT");
    ASSERT_EQ(bytes.size(), 32u);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[10], '9');

    // Starting an existing library again keeps its parts.
    writeCatalog(catalog("MINE"), dip8());
    host.answerMessageBox(plat::kIdYes);
    ASSERT_EQ(NewPartLibrary("MINE"), 1);
    std::vector<std::string> names;
    FillLibraryPartList("MINE", names);
    EXPECT_EQ(names, std::vector<std::string>{"DIP8"});
}

TEST_F(PackageLibraryTest, EditorReaderAppendsTheWholePart)
{
    writeCatalog(catalog("STD"), dip8());
    auto file = OpenPartLibrary("STD", "DIP8");
    ASSERT_TRUE(file.has_value());
    // Description, pads with numbers, polygon, line and the "p?" label that the editor needs.
    EXPECT_EQ(ReadPartRecords(*file), 1 + 16 + 2 + 1);
    EXPECT_EQ(g_board.count, 1 + 20);                // after the outline
    EXPECT_STREQ(g_board.objects[21].text(), "p?");
    doc.objectCount = g_board.count;
    EXPECT_STREQ(g_board.objects[2].text(), ";Eight pins");
    EXPECT_EQ(g_board.objects[3].kind(), kKindPad);

    auto again = OpenPartLibrary("STD", "DIP8");
    ASSERT_TRUE(again.has_value());
    const PartPreview preview = ReadPartPreview(*again, 30690);
    EXPECT_EQ(preview.count, 20);
    EXPECT_EQ(preview.minX, -11503 - 300);
    EXPECT_EQ(preview.maxX, -8500 + 300);
    for (int i = 30690; i < 30690 + preview.count; ++i)
        FreeObjectData(g_board.objects[i]);
    EXPECT_FALSE(OpenPartLibrary("STD", "NOPE").has_value());
}

TEST_F(PackageLibraryTest, BoardPartsResolveAgainstABuiltLibrary)
{
    writeCatalog(catalog("STD"), dip8(), twoSections());
    // Parts are written by name; the library resolves them when the board is read.
    const int a = loadPackage("STD\\DIP8");
    const int b = loadPackage("STD\\GATE");
    addPart("U1", a);
    addPart("U2:7400", b);
    addPart("U3", a);
    const Bytes bytes = write();
    ClearPackageTables();

    BoardDocumentData other;
    read(other, bytes, kFileModeBoard, folder.file("board.tlz"));
    int parts = 0;
    for (int i = 1; i <= g_board.count; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() == kKindText)
            ADD_FAILURE() << "unresolved: " << textOf(o);
        if (o.isPart()) {
            ++parts;
            EXPECT_GT(o.package(), 0);
            EXPECT_FALSE(PackageNameOf(o.package()).empty());
        }
    }
    EXPECT_EQ(parts, 3);
    EXPECT_EQ(g_packages.count, 2);
    EXPECT_TRUE(host.messageBoxes().empty());
    CloseBoardDocument(other, nullptr);
    LoadBoardGlobals(doc);
}

// Parts name their package in a 7-bit kind, so only 63 packages can be numbered. With 64
// packages loaded (a few boards and the parts bin), opening, painting and saving one more board
// keeps every part: unused packages make room, and a part whose package still gets no number
// is kept (not drawn) rather than deleted.
TEST_F(PackageLibraryTest, BoardsOpenedAfterSixtyFourPackagesKeepTheirParts)
{
    writeCatalog(catalog("STD"), dip8());
    for (const bool othersInUse : {false, true}) {
        SCOPED_TRACE(othersInUse ? "the loaded packages are in use" : "the loaded packages are unused");
        ClearPackageTables();
        // The board that will be opened: one part on package STD\DIP8.
        BoardDocumentData source;
        ASSERT_TRUE(InitNewBoard(source));
        const int dip = loadPackage("STD\\DIP8");
        addPart("U1", dip);
        source.objectCount = g_board.count;
        const Bytes bytes = write();
        CloseBoardDocument(source, nullptr);
        ClearPackageTables();
        // Another open board, whose parts use all 64 packages or none of them.
        CTracelynDoc first;
        ASSERT_TRUE(InitNewBoard(first.data()));
        for (int i = 1; i <= 64; ++i) {
            const int n = loadPackage("OLD\\P" + std::to_string(i));
            if (othersInUse) {
                BoardObject o = makeObject(kKindPart + n, 0, {100 * i, 0, 30, 40, 0, 7, 0, 1});
                // Package 64 does not fit the 7-bit kind: that record reads as deleted and owns nothing.
                o.data = o.isPart() ? StrDupChecked("X") : nullptr;
                g_board.objects[++g_board.count] = o;
            }
        }
        first.data().objectCount = g_board.count;
        RegisterOpenDocument("first.tlz", &first, 0);
        host.clearEvents();

        BoardDocumentData other;
        read(other, bytes, kFileModeBoard, folder.file("board.tlz"));
        int part = 0;
        for (int i = 1; i <= g_board.count; ++i)
            if (g_board.objects[i].isPart())
                part = i;
        ASSERT_NE(part, 0);
        plat::RecordingDc dc;
        DrawFootprint(dc, g_board.objects[part], 7, 0);
        ASSERT_TRUE(g_board.objects[part].isPart()) << "painting never deletes a part";
        if (othersInUse) {
            EXPECT_EQ(g_board.objects[part].kind(), kKindPart);
            EXPECT_EQ(host.messageBoxes().size(), 1u);
        } else {
            EXPECT_EQ(g_board.objects[part].package(), 1) << "the unused packages were dropped";
            EXPECT_EQ(PackageNameOf(1), "STD\\DIP8");
            EXPECT_TRUE(host.messageBoxes().empty());
        }
        const Bytes saved = write();
        const std::string text(saved.begin(), saved.end());
        EXPECT_NE(text.find("DIP8"), std::string::npos) << "the part is in the saved board";
        CloseBoardDocument(other, nullptr);
        CloseBoardDocument(first.data(), &first);
        g_openDocuments = OpenDocumentTable{};
        LoadBoardGlobals(doc);
    }
}

}  // namespace
