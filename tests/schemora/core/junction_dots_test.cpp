// Junction dot rules on a store of its own.
#include "platform/core/test_ui_host.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/junction_dots.h"
#include "schemora/core/object_store.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_state.h"
#include "own_store_fixture.h"

#include <gtest/gtest.h>

namespace {

struct Dots : schemora_test::OwnStoreTest {
    void SetUp() override
    {
        OwnStoreTest::SetUp();
        g_settings.AutoDots = 1;
    }
    void wire(int x1, int y1, int x2, int y2) { store[++g_current.count] = MakeDrawObject(ObjectWords(kObjLine, x1, y1, x2, y2), nullptr); }
    int dots() const
    {
        int n = 0;
        for (int i = 1; i <= g_current.count; ++i)
            n += store[i].type() == kObjDot;
        return n;
    }
};

TEST_F(Dots, WireRules)
{
    struct Case {
        const char* what;
        std::vector<std::array<int, 4>> wires;
        int dots;
    };
    const Case cases[] = {
        {"L", {{0, 0, 100, 0}, {100, 0, 100, 100}}, 0},
        {"three ends", {{0, 0, 100, 0}, {100, 0, 100, 100}, {100, 0, 200, 0}}, 1},
        {"T", {{0, 0, 200, 0}, {100, 0, 100, 100}}, 1},
        {"T one unit off", {{0, 0, 200, 0}, {100, 1, 100, 100}}, 1},
        {"T two units off", {{0, 0, 200, 0}, {100, 2, 100, 100}}, 0},
        {"slanted", {{0, 0, 200, 100}, {100, 0, 0, 100}}, 0},
        {"crossing", {{0, 0, 200, 0}, {100, -100, 100, 100}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_current.count = 0;
        for (const auto& w : c.wires)
            wire(w[0], w[1], w[2], w[3]);
        UpdateJunctionDots();
        EXPECT_EQ(dots(), c.dots);
        UpdateJunctionDots();
        EXPECT_EQ(dots(), c.dots) << "never twice at one point";
    }
}

TEST_F(Dots, NothingWithAutomaticDotsOff)
{
    g_settings.AutoDots = 0;
    wire(0, 0, 200, 0);
    wire(100, 0, 100, 100);
    UpdateJunctionDots();
    EXPECT_EQ(dots(), 0);
}

TEST_F(Dots, AFullStoreGetsNoDotAndSaysSoOnce)
{
    for (int i = 0; i < kMaxObjectCount - 2; ++i)
        store[++g_current.count] = MakeDrawObject(ObjectWords(kObjRectangle, 3000, 3000, 10, 10), nullptr);
    wire(0, 0, 200, 0);
    wire(100, 0, 100, 100);
    ASSERT_EQ(g_current.count, kMaxObjectCount);
    UpdateJunctionDots();
    UpdateJunctionDots();
    EXPECT_EQ(g_current.count, kMaxObjectCount);
    EXPECT_EQ(dots(), 0);
    EXPECT_LE(host.messageBoxes().size(), 1u);
}

}  // namespace
