#pragma once
// The frame of one board's view inside the main window; boards open maximised. When a board's
// frame goes, nothing of it stays selected.

#include "common/maximised_child_frame.h"

class CChildFrame : public quill::MaximisedChildFrame {
public:
    void OnDestroy() override;
};
