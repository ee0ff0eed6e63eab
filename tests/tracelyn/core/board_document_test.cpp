#include "board_fixture.h"

#include "tracelyn/core/route_services.h"

namespace board_test {
namespace {

TEST_F(BoardTest, NewBoardHasDefaultsAndTheOutlineAsRecordOne)
{
    EXPECT_EQ(doc.objectCount, 1);
    EXPECT_EQ(g_board.count, 1);
    EXPECT_EQ(doc.zoomIndex, 3);
    EXPECT_EQ(doc.gridCommand, 703);
    EXPECT_EQ(doc.viewOriginX, 0);
    EXPECT_EQ(doc.viewOriginY, 0);
    EXPECT_EQ(g_board.objects, doc.objects->data());
    EXPECT_EQ(g_active.data, &doc);

    const BoardObject& outline = (*doc.objects)[1];
    EXPECT_EQ(outline.kind(), kKindOutline);
    EXPECT_EQ(outline.layer(), kLayerOutline);
    EXPECT_EQ(outline.w[4], 0x6413);
    ASSERT_EQ(outline.w[2], 4);
    const int32_t* s = outline.points();
    const int32_t expected[4][5] = {
        {-17000, -17000, 17000, -17000, 1}, {17000, -17000, 17000, 17000, 1},
        {17000, 17000, -17000, 17000, 1}, {-17000, 17000, -17000, -17000, 1}};
    for (int seg = 0; seg < 4; ++seg)
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(s[seg * 5 + k], expected[seg][k]) << "segment " << seg << " word " << k;
}

TEST_F(BoardTest, OutlineFollowsTheWorkAreaOfTheSizeLetter)
{
    g_board.sizeLetter = 'F';   // 32000 x 16000 mils
    BoardDocumentData wide;
    ASSERT_TRUE(InitNewBoard(wide));
    EXPECT_EQ(wide.sizeLetter, 'F');
    const int32_t* s = (*wide.objects)[1].points();
    EXPECT_EQ(s[0], -157000);
    EXPECT_EQ(s[1], -77000);
    CloseBoardDocument(wide, nullptr);
}

TEST_F(BoardTest, SetObjectCountHoldsBelowTheCapAndWarnsOnce)
{
    doc.modified = false;
    EXPECT_EQ(SetObjectCount(10), 11);
    EXPECT_EQ(doc.objectCount, 11);
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(SetObjectCount(31989), 31989);
    EXPECT_EQ(SetObjectCount(31989), 31989);
    EXPECT_EQ(host.count("message box: Warning:Maximum memory used.\nSave work, close window and then re-load file."), 1);

    g_footprintEditor.open = true;
    g_footprintEditor.modified = 0;
    EXPECT_EQ(SetObjectCount(3), 4);
    EXPECT_EQ(doc.objectCount, 31989);
    EXPECT_EQ(g_footprintEditor.modified, 1);
    g_footprintEditor = FootprintEditorLink{};
}

TEST_F(BoardTest, OpenDocumentTableKeepsOneEntryPerBoard)
{
    g_openDocuments = OpenDocumentTable{};
    auto* first = reinterpret_cast<CTracelynDoc*>(0x10);
    auto* second = reinterpret_cast<CTracelynDoc*>(0x20);
    RegisterOpenDocument("untitled1", first, 1);
    RegisterOpenDocument("/boards/amp.tlz", second, 0);
    EXPECT_EQ(g_openDocuments.count, 2);

    BoardDocumentData other;
    ASSERT_TRUE(InitNewBoard(other));
    CloseBoardDocument(other, first);
    EXPECT_EQ(g_openDocuments.count, 1);
    EXPECT_TRUE(g_openDocuments.entries[0].name.empty());
    EXPECT_EQ(g_openDocuments.entries[1].name, "/boards/amp.tlz");
    EXPECT_FALSE(other.objects);

    for (int i = 0; i < kOpenDocumentSlots + 2; ++i)
        RegisterOpenDocument("b" + std::to_string(i), nullptr, 1);
    EXPECT_EQ(g_openDocuments.count, kOpenDocumentSlots);
    g_openDocuments = OpenDocumentTable{};
}

TEST_F(BoardTest, CloseFreesOwnedDataOfEveryKind)
{
    addText("label");
    addPart("U1", 0);
    BoardObject polygon = makeObject(kKindPolygon, 0, {0, 0, 2, 0, 0, 0, 0, 0});
    polygon.data = NewPointBlock(4);
    add(polygon);
    // Leak and double-free checks run under the sanitizer build.
    CloseBoardDocument(doc, nullptr);
    EXPECT_EQ(doc.objectCount, 0);
    EXPECT_EQ(g_board.objects, nullptr);
    ASSERT_TRUE(InitNewBoard(doc));
}

TEST(BoardPaths, OpenPathAndFileMode)
{
    EXPECT_EQ(BoardOpenPath("/home/b/BOARD"), "/home/b/BOARD.TLZ");
    EXPECT_EQ(BoardOpenPath("/home/b/BOARD.OLD"), "/home/b/BOARD.OLD");
    EXPECT_EQ(BoardOpenPath("/home/b.d/BOARD"), "/home/b.d/BOARD.TLZ");
    EXPECT_EQ(BoardFileMode("/x/board.xpc"), 4);
    EXPECT_EQ(BoardFileMode("/x/BOARD.XPC"), 4);
    EXPECT_EQ(BoardFileMode("/x/board.tlz"), 1);
    // A dotted folder says nothing about the file.
    EXPECT_EQ(BoardFileMode("/jobs/old.xpc/board.tlz"), 1);
    EXPECT_EQ(BoardFileMode("/jobs/amp.xpc.tlz"), 1);
}

TEST(PackageTables, ExtentsAndPinLabels)
{
    ClearPackageTables();
    const int n = ++g_packages.count;
    g_packages.defs[n].name = "TTL\\7400";
    auto& store = g_packages.objects;
    store[1] = makeObject(kKindPad, 0, {0, 0, 60, 40, 0, 0, 30, 0});      // round pad, drilled
    store[2] = makeObject(kKindText, 16, {30, -20, 0, 0, 0, 0, 0, 0});
    store[2].data = StrDupChecked("1");
    store[3] = makeObject(kKindLine, 16, {-100, -100, 200, 50, 0, 0, 0, 10});
    store[4] = makeObject(kKindPad, 0, {1000, 0, 60, 40, 0, 0, 0, 0});    // no label near
    g_packages.defs[n].setObjects(1, 4);
    g_packages.objectCount = 4;

    ComputePartExtent(n);
    const int32_t* e = g_packages.defs[n].extent();
    EXPECT_EQ(e[0], -120);
    EXPECT_EQ(e[1], -120);
    EXPECT_EQ(e[2], 1000 + 35 + 20);
    EXPECT_EQ(e[3], 50 + 20);
    EXPECT_EQ(g_packages.layerMarker, kLayerAll);
    EXPECT_TRUE(std::equal(e, e + 4, g_packages.defs[n].extent2()));

    AttachPinLabels(n);
    EXPECT_EQ(store[1].data, store[2].data);
    EXPECT_EQ(store[2].w[6], 3);
    EXPECT_EQ(store[2].w[7], 1);
    ASSERT_NE(store[4].text(), nullptr);
    EXPECT_STREQ(store[4].text(), "");
    ClearPackageTables();
    EXPECT_EQ(g_packages.count, 0);
}

}  // namespace
}  // namespace board_test
