#include "common/editor_view_steps.h"

#include <gtest/gtest.h>

#include <string>

TEST(EditorViewSteps, ScrollBarAndOffsetRoundTrip)
{
    // Sheet 3000 wide, screen centre 500, area 400 pixels at divisor 5: page 2000.
    const EditorScrollBar centred = EditorScrollBarFor(3000, 400, 5, 0, 500);
    EXPECT_EQ(centred.maximum, 3000);
    EXPECT_EQ(centred.page, 2000);
    EXPECT_EQ(centred.position, 1500 - 1000);
    EXPECT_EQ(EditorScrollOffset(centred.position, centred.page, 3000, 500), 0);
    for (const int offset : {-1250, -300, 700, 1250}) {
        SCOPED_TRACE(offset);
        const EditorScrollBar bar = EditorScrollBarFor(3000, 400, 5, offset, 500);
        EXPECT_NEAR(EditorScrollOffset(bar.position, bar.page, 3000, 500), offset, 1);
    }
    // A side equal to the screen centre leaves nothing to scroll, and nothing divides by 0.
    const EditorScrollBar whole = EditorScrollBarFor(500, 400, 5, 123, 500);
    EXPECT_EQ(whole.page, 500);
    EXPECT_EQ(whole.position, 0);
    EXPECT_EQ(EditorScrollOffset(250, 100, 500, 500), 0);
    EXPECT_EQ(EditorScrollOffset(250, 100, 0, 0), 0);
}

TEST(EditorViewSteps, ZoomStopsAtBothEndsWithItsSound)
{
    struct Case {
        int from;
        bool in;
        int to;
        bool applied;
        const char* sound;
    };
    const Case cases[] = {
        {3, true, 4, true, ""}, {5, true, 6, true, "Maximum"}, {6, true, 6, false, "Maximum"},
        {1, false, 0, true, "Minimum"}, {0, false, 0, false, "Minimum"}, {3, false, 2, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + (c.in ? " in" : " out"));
        const EditorZoomStep step = StepEditorZoom(c.from, c.in);
        EXPECT_EQ(step.scaleIndex, c.to);
        EXPECT_EQ(step.applied, c.applied);
        EXPECT_EQ(std::string(step.sound ? step.sound : ""), c.sound);
    }
}
