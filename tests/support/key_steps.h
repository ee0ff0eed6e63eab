#pragma once
// Editing tests that go step by step through either editor: each step selects objects as clicks
// would, presses one key, and then finds given words of given objects (and, where the step says,
// the undo ring at a given depth). Each program's test says how its editor selects, takes the
// key and shows a word.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace quill_test {

struct WordIs {
    int object;
    int word;
    int32_t value;
};

struct KeyStep {
    const char* what;
    std::vector<int> selection;   // the object selected last is the step's reference
    char key;
    std::vector<WordIs> after;
    std::optional<int> undoDepth = std::nullopt;
};

struct SteppedEditor {
    std::function<void(std::span<const int>)> select;
    std::function<void(char)> press;
    std::function<int32_t(int object, int word)> word;
    std::function<int()> undoDepth;
};

inline void playKeySteps(const SteppedEditor& editor, std::span<const KeyStep> steps)
{
    for (const KeyStep& step : steps) {
        SCOPED_TRACE(step.what);
        editor.select(step.selection);
        editor.press(step.key);
        for (const WordIs& w : step.after)
            EXPECT_EQ(editor.word(w.object, w.word), w.value) << "object " << w.object << " word " << w.word;
        if (step.undoDepth) {
            EXPECT_EQ(editor.undoDepth(), *step.undoDepth);
        }
    }
}

}  // namespace quill_test
