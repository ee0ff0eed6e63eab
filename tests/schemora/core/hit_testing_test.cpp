// Hit tests, window selection points, extents, transforms and snapping on a store of its own.
#include "platform/core/test_ui_host.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/hit_testing.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/object_store.h"
#include "schemora/core/selection_transforms.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_state.h"
#include "own_store_fixture.h"
#include "support/default_stores.h"

#include <gtest/gtest.h>

namespace {

struct Geometry : schemora_test::OwnStoreTest {
    void SetUp() override
    {
        OwnStoreTest::SetUp();
        g_current.zoomFactor = 5;
        g_current.gridStep = 25;
        g_sheetView.clientCentreX = 0;
        g_sheetView.clientCentreY = 0;
        g_editFilter.on.fill(1);
        g_editState.selectionCount = 0;
        quill_test::resetToDefaults(g_selection, g_cursor, g_transform);
    }
    int add(const DrawObject& o)
    {
        store[++g_current.count] = o;
        return g_current.count;
    }
};

TEST_F(Geometry, AThinWireIsHitWithinItsToleranceAndWiderOnceSelected)
{
    const int wire = add(MakeDrawObject(ObjectWords(kObjLine, 0, 0, 400, 0), nullptr));
    struct Case {
        int y;
        bool hit;
    };
    for (const Case c : {Case{10, false}, Case{8, true}, Case{-8, true}, Case{0, true}}) {
        SCOPED_TRACE(c.y);
        g_editState.selectionCount = 0;
        EXPECT_EQ(HitTestObjectAt({200, c.y}, 1, g_current.count) == wire, c.hit);
    }
    g_editState.selectionCount = 1;
    g_editState.SelectionList[1] = wire;
    EXPECT_EQ(HitTestObjectAt({200, 20}, wire, wire), wire) << "6 pixels at zoom 5: 30 units";
}

TEST_F(Geometry, ARectangleIsHitNearItsBorderNotInside)
{
    add(MakeDrawObject(ObjectWords(kObjRectangle, 0, 0, 400, 200), nullptr));
    EXPECT_EQ(HitTestObjectAt({200, 100}, 1, 1), 0);
    EXPECT_EQ(HitTestObjectAt({3, 100}, 1, 1), 1);
    EXPECT_EQ(g_selection.edgeCode, 1);
    EXPECT_EQ(HitTestObjectAt({200, 198}, 1, 1), 1);
    EXPECT_EQ(g_selection.edgeCode, 4);
}

TEST_F(Geometry, TheFilterAndTheSheetDecideWhatIsHit)
{
    add(MakeDrawObject(ObjectWords(kObjLine, 0, 0, 400, 0), nullptr));
    add(MakeDrawObject(ObjectWords(kObjLine, 0, 100, 400, 100, 2), nullptr));
    g_editFilter.on[2] = 0;
    EXPECT_EQ(HitTestObjectAt({200, 0}, 1, 2), 0) << "lines filtered out";
    g_selection.filterId = 723;
    EXPECT_EQ(HitTestObjectAt({200, 0}, 1, 2), 1) << "nets only keeps wires selectable";
    EXPECT_EQ(HitTestObjectAt({200, 100}, 1, 2), 0) << "another sheet";
}

TEST_F(Geometry, AWindowHoldingOnlyTheSecondEndDoesNotSelectTheWire)
{
    add(MakeDrawObject(ObjectWords(kObjLine, 0, 0, 400, 0), nullptr));
    EXPECT_FALSE(PointInWindow(1, 0, {300, -50, 500, 50}));
    EXPECT_TRUE(PointInWindow(1, 3, {300, -50, 500, 50}));
    EXPECT_TRUE(PointInWindow(1, 0, {-50, -50, 50, 50}));
}

TEST_F(Geometry, ExtentsByKind)
{
    const int dot = add(MakeDrawObject(ObjectWords(kObjDot, 100, 100), nullptr));
    const int arrow = add(MakeDrawObject(ObjectWords(kObjArrow, 0, 0, 100, 0), nullptr));
    const int ellipse = add(MakeDrawObject(ObjectWords(kObjEllipse, 0, 0, 30, 20), nullptr));
    EXPECT_EQ(GetObjectExtent(dot), (plat::Rect{84, 84, 116, 116}));
    EXPECT_EQ(GetObjectExtent(arrow), (plat::Rect{-36, -36, 136, 36}));
    EXPECT_EQ(GetObjectExtent(ellipse), (plat::Rect{-30, -20, 30, 20}));
}

TEST_F(Geometry, SnappingRoundsHalvesTowardZero)
{
    // Zoom 1 so pixels are drawing units.
    g_current.zoomFactor = 1;
    struct Case {
        int raw;
        int snapped;
    };
    for (const Case c : {Case{37, 25}, Case{38, 50}, Case{-38, -50}, Case{-37, -25}, Case{0, 0}}) {
        SCOPED_TRACE(c.raw);
        SnapCursorPoint(c.raw, c.raw);
        EXPECT_EQ(CursorDrawingPoint().x, c.snapped);
        EXPECT_EQ(CursorDrawingPoint().y, c.snapped);
    }
    g_cursor.crossHairOn = false;
    SnapCursorPoint(37, 1);
    EXPECT_EQ(CursorDrawingPoint().x, 37) << "no snapping without the cross-hair";
}

TEST_F(Geometry, TransformsByKind)
{
    const plat::Point p = TransformPoint(110, 50, 100, 50, kCmdRotate);
    EXPECT_EQ(p, (plat::Point{100, 60}));
    const int rect = add(MakeDrawObject(ObjectWords(kObjRectangle, 0, 0, 100, 40), nullptr));
    g_editState.selectionCount = 1;
    g_editState.SelectionList[1] = rect;
    TransformSelection(kCmdRotate);
    EXPECT_EQ(store[rect].w[2], -40);
    EXPECT_EQ(store[rect].w[3], 100);
    g_transform.RotateAngle = 0.7853981;   // 45 degrees goes to the angle field
    TransformSelection(kCmdRotate);
    EXPECT_EQ((store[rect].w[5] >> 2) & 0xFFF, 450);
    EXPECT_EQ(store[rect].w[2], -40);

    const int ellipse = add(MakeDrawObject(ObjectWords(kObjEllipse, 0, 0, 30, 20), nullptr));
    g_transform = TransformSettings{};
    g_editState.SelectionList[1] = ellipse;
    TransformSelection(kCmdRotate);
    EXPECT_EQ(store[ellipse].w[2], 20);
    EXPECT_EQ(store[ellipse].w[3], 30);

    const int text = add(MakeDrawObject(ObjectWords(kObjText, 0, 0), "T"));
    g_editState.SelectionList[1] = text;
    TransformSelection(kCmdFlip);
    EXPECT_EQ(store[text].w[3] & 0xFFF, 1800);
}

TEST_F(Geometry, MirroringAPartTwiceRestoresItsOrientation)
{
    const int part = add(MakeDrawObject(ObjectWords(kObjPart + 1, 0, 0), "R:DEVICE\\R"));
    store[part].w[7] = 900;
    g_editState.selectionCount = 1;
    g_editState.SelectionList[1] = part;
    TransformSelection(kCmdMirror);
    EXPECT_EQ(store[part].w[7], 900 | 0x1000);
    TransformSelection(kCmdMirror);
    EXPECT_EQ(store[part].w[7], 900);
}

TEST_F(Geometry, RadiansToTenthsRoundsHalfUp) { EXPECT_EQ(RadiansToTenths(1.5707963), 900); }

}  // namespace
