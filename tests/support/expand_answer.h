#pragma once
// Edit Part answered with its Expand button, as both programs' Edit Part tests drive it: the
// library editor Expand opens is handed to the test, which closes it.

#include "platform/app/dialog.h"
#include "platform/core/ui_host.h"
#include "platform/core/test_ui_host.h"

namespace quill_test {

// `inEditor` gets the opened editor of type Editor, closes it and gives its answer; any other
// dialog is cancelled. `result` gets Edit Part's own answer.
template <class Editor, class InEditor>
void answerExpand(plat::TestUiHost& host, unsigned expandButton, InEditor inEditor, int& result)
{
    host.answerDialog([&host, expandButton, inEditor, &result](plat::Dialog& d) {
        host.answerDialog([inEditor](plat::Dialog& opened) -> int {
            auto* editor = dynamic_cast<Editor*>(&opened);
            if (!editor)
                return opened.PressButton(plat::kIdCancel);
            return inEditor(*editor);
        });
        d.PressButton(expandButton);
        result = d.modalResult();
        return result;
    });
}

}  // namespace quill_test
