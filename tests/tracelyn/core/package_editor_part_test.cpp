// The footprint editor's part as a library stores it: reading its label and pin-number texts
// back into the editor's form, saving them out again, and what a board makes of the saved part.
#include "tracelyn/core/package_editor_store.h"
#include "tracelyn/core/package_fixture.h"
#include "support/temp_folder.h"

#include "platform/system/files.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/package_wizard.h"

#include <string>

namespace {

using namespace package_test;

class PackageEditorPartTest : public PackageEditorStoreTest {
protected:
    void SetUp() override
    {
        PackageEditorStoreTest::SetUp();
        ClearPackageTables();
        g_boardFolders.libraryFolder = folder.path().string() + "/";
    }
    void TearDown() override
    {
        ClearPackageTables();
        g_boardFolders = BoardFolders{};
        PackageEditorStoreTest::TearDown();
    }
    void open(const char* part, PackageLabels& labels)
    {
        auto file = OpenPartLibrary("STD", part);
        ASSERT_TRUE(file.has_value());
        LoadEditorPart(*file, part, labels);
    }
    // Live records from 3 on, as "kind:text-or-pin" lines.
    std::vector<std::string> live() const
    {
        std::vector<std::string> out;
        for (int i = kPartEditorFirstFree; i <= g_board.count; ++i) {
            const BoardObject& o = at(i);
            if (o.kind() == kKindText)
                out.push_back("text " + std::string(o.text()));
            else if (o.kind() == kKindPad)
                out.push_back("pad " + std::string(o.pinNumber()));
            else if (o.kind() != kKindDeleted)
                out.push_back("kind " + std::to_string(o.kind()));
        }
        return out;
    }

    quill_test::TempFolder folder;
};

TEST_F(PackageEditorPartTest, LabelTextsBecomeTheEditorsFields)
{
    TestPackage p("EDGE");
    p.text(-9000, -6000, "U?", 0);
    p.text(-9000, -6600, "p?", 0);
    p.text(-10000, -5000, ";Card edge, 10 fingers", 0);
    p.text(-10000, -5000, "%cont", 0);
    p.line(-11000, -7000, -9000, -7000);
    writeCatalog(folder.file("STD.CAT"), std::move(p));

    PackageLabels labels;
    labels.designator = "J";
    open("EDGE", labels);
    EXPECT_EQ(labels.designator, "U");
    EXPECT_EQ(labels.comment, "Card edge, 10 fingers");
    EXPECT_TRUE(labels.edgeCard);
    EXPECT_STREQ(at(1).text(), "Ref(U)");
    EXPECT_EQ(at(1).w[0], -9000);
    EXPECT_EQ(at(1).w[1], -6000);
    EXPECT_STREQ(at(2).text(), "EDGE");
    EXPECT_EQ(at(2).w[1], -6600);
    EXPECT_EQ(live(), std::vector<std::string>{"kind 1"});
}

TEST_F(PackageEditorPartTest, PinTextsNearTheirPadsBecomePinNumbers)
{
    TestPackage p("TWO");
    BoardObject& a = p.add(kKindPad, 0, -10000, -5000);
    a.w[2] = a.w[3] = 600;
    a.w[5] = 2;
    p.text(-10000 + 49, -5000, "12345678901234", 0);     // close enough, first ten characters
    BoardObject& b = p.add(kKindPad, 0, -9000, -5000);
    b.w[2] = b.w[3] = 600;
    b.w[5] = 2;
    p.text(-9000, -5000 + 60, "2", 0);                   // too far
    p.text(-9000, -5000, "7", 16);                       // another layer
    BoardObject& c = p.add(kKindPad, 0, -8000, -5000);   // a drilled round pad: all layers
    c.w[6] = 300;
    p.text(-8000, -5000, "9", 0);
    writeCatalog(folder.file("STD.CAT"), std::move(p));

    PackageLabels labels;
    open("TWO", labels);
    EXPECT_EQ(live(), (std::vector<std::string>{"pad 1234567890", "pad ", "text 2", "text 7", "pad 9"}));
    EXPECT_EQ(at(8).w[4], 31757);
    EXPECT_EQ(NextPadNumber(store.data(), g_board.count), 1234567891);
}

// What the editor saves comes back whole, and a board that loads it gets its pin labels and the
// reference letters.
TEST_F(PackageEditorPartTest, SavedPartReadsBackAndPlaces)
{
    PackageRequest dip{kPackageDip, kPadThroughHole, 1000, 3000, 0, 2, 2};
    PackagePads pads;
    ASSERT_EQ(CheckPackageRequest(dip, pads), PackageCheck::Go);
    ASSERT_TRUE(GeneratePackage(dip, pads, false));
    PackageLabels labels{"IC", "Four-pin test part", true};
    BoardObject& mount = *AppendedObject(AppendObject());
    mount.w[4] = kKindPad;
    mount.w[5] = 7;   // a mounting hole needs no number
    const int count = g_board.count;

    writeCatalog(folder.file("STD.CAT"));
    {
        ScopedPartImage image(store.data(), count, labels);
        EXPECT_EQ(g_board.count, 1 + 6 + 4 + 3);   // comment, objects, pin texts, "IC?", "p?", "%cont"
        ASSERT_EQ(RewriteLibrary("STD", "MYDIP", kRewriteReplace), 1);
    }
    EXPECT_EQ(g_board.objects, store.data());
    EXPECT_EQ(g_board.count, count);

    // Reopened in a fresh editor store: the same part.
    ResetPartEditorStore(store.data(), kPartEditorStoreSize, "U", "Name", 0, 0, 0, 0, 0x100);
    PackageLabels back;
    open("MYDIP", back);
    EXPECT_EQ(back.designator, "IC");
    EXPECT_EQ(back.comment, "Four-pin test part");
    EXPECT_TRUE(back.edgeCard);
    EXPECT_EQ(live(), (std::vector<std::string>{"pad 1", "pad 2", "pad 3", "pad 4", "kind 2", "pad "}));
    EXPECT_EQ(at(3).kind(), kKindDeleted);   // the comment
    EXPECT_EQ(at(4).w[0], -10000);
    EXPECT_EQ(at(7).w[0], -7000);
    EXPECT_EQ(at(7).w[1], -5000);
    EXPECT_STREQ(at(2).text(), "MYDIP");
    EXPECT_EQ(at(1).w[1], -7000);

    ASSERT_EQ(LoadLibraryPart("STD", "MYDIP"), 1);
    const PackageDef& def = g_packages.defs[g_packages.current];
    EXPECT_EQ(def.comment, "Four-pin test part");
    std::vector<std::string> pins;
    bool placeholder = false;
    for (int i = def.firstObject(); i < def.firstObject() + def.objectCount(); ++i) {
        const BoardObject& o = g_packages.objects[static_cast<size_t>(i)];
        if (o.kind() == kKindPad && o.text() != nullptr)
            pins.emplace_back(o.text());
        placeholder = placeholder || (o.kind() == kKindText && std::string(o.text()) == "p?");
    }
    EXPECT_EQ(pins, (std::vector<std::string>{"1", "2", "3", "4", ""}));
    EXPECT_TRUE(placeholder);
    BoardObject part;
    part.w[4] = kKindPart + g_packages.current;
    SetPartLabelAnchor(part, nullptr);
    EXPECT_STREQ(part.text(), "IC");
    FreeObjectData(part);
}

}  // namespace
