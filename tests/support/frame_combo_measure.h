#pragma once
// The check both programs' main-window tests share: the editors' frame measures its toolbar
// combos' items one size and leaves any other owner-drawn item as it was.

#include "common/editor_main_frame.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace quill_test {

inline void ExpectComboItemsMeasuredOneSize(quill::EditorMainFrame& frame, std::initializer_list<unsigned> combos)
{
    for (unsigned id : combos) {
        SCOPED_TRACE(id);
        plat::MeasureItem item{id, 0, 0, 0};
        frame.OnMeasureItem(id, item);
        EXPECT_EQ(item.itemWidth, 100);
        EXPECT_EQ(item.itemHeight, kComboItemHeight);
    }
    constexpr unsigned kNoCombo = 1;
    plat::MeasureItem other{kNoCombo, 0, 7, 9};
    frame.OnMeasureItem(kNoCombo, other);
    EXPECT_EQ(other.itemWidth, 7);
    EXPECT_EQ(other.itemHeight, 9);
}

}  // namespace quill_test
