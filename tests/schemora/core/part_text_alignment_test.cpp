#include "schemora/core/part_text_alignment.h"

#include "schemora/core/object_reach.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

DrawObject textAt(int x, const char* text, int style = 0)
{
    DrawObject o = MakeDrawObject(ObjectWords(kObjText, x, 0, 0x0A01), text);
    o.w[5] = style;
    return o;
}

DrawObject rectangle(int x, int width, bool mirrored = false)
{
    DrawObject o;
    o.w = ObjectWords(kObjRectangle, x, -200, width, 400);
    if (mirrored)
        o.w[7] |= kRectMirrorBit;
    return o;
}

class Records {
public:
    explicit Records(std::vector<DrawObject> records) : slots_(1)
    {
        slots_.insert(slots_.end(), records.begin(), records.end());
    }
    ~Records()
    {
        for (DrawObject& o : slots_)
            ReleaseObjectData(o);
    }
    Records(const Records&) = delete;
    Records& operator=(const Records&) = delete;
    bool align() { return AlignTextsToBody(slots_, static_cast<int>(slots_.size()) - 1); }
    const DrawObject& operator[](size_t i) const { return slots_[i]; }

private:
    std::vector<DrawObject> slots_;
};

TEST(AlignTextsToBody, PinNumbersByTheLeftEdgeAndNamesRightAlignedToTheRightEdge)
{
    Records r({rectangle(-200, 400), textAt(100, "A"), textAt(-190, "CLK"), textAt(0, "CLK"), textAt(-500, "RESET"),
               textAt(0, "Q", 3)});
    ASSERT_TRUE(r.align());
    const int styles[] = {kTextStylePinNumber, kTextStylePinNumber, kTextStylePinName, kTextStylePinName, 3};
    for (size_t i = 2; i <= 6; ++i) {
        SCOPED_TRACE(r[i].text);
        EXPECT_EQ(r[i].w[9], 198);
        EXPECT_EQ(r[i].w[5], styles[i - 2]) << "a style of its own is kept";
    }
}

TEST(AlignTextsToBody, OnlyALoneRectangleIsABody)
{
    {
        Records two({rectangle(-200, 400), rectangle(300, 100), textAt(0, "CLK")});
        EXPECT_FALSE(two.align());
        EXPECT_EQ(two[3].w[9], 0);
        EXPECT_EQ(two[3].w[5], 0);
    }
    {
        Records none({textAt(0, "CLK")});
        EXPECT_FALSE(none.align());
        EXPECT_EQ(none[1].w[5], 0);
    }
    {
        // A mirrored rectangle extends to the left of its first corner.
        Records mirrored({rectangle(200, 400, true), textAt(-195, "CLK")});
        ASSERT_TRUE(mirrored.align());
        EXPECT_EQ(mirrored[2].w[9], 198);
        EXPECT_EQ(mirrored[2].w[5], kTextStylePinNumber);
    }
}

}  // namespace
