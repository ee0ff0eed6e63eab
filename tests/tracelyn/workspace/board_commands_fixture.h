#pragma once
// A running Tracelyn with a new board, for the frame's editing commands: objects are put into
// the board's store directly (numbered after the new board's outline), the selection is set as
// clicks would leave it, and keys go through the frame's accelerators.

#include "tests/tracelyn/core/edit_fixture.h"

#include "common/string_helpers.h"
#include "platform/app/keys.h"

#include <initializer_list>
#include <span>
#include <string>

namespace edit_test {

class BoardCommands : public BoardEditTest {
protected:
    // A new board holds its outline first: the test's objects are numbered after it.
    void SetUp() override
    {
        BoardEditTest::SetUp();
        base_ = count();
    }
    const BoardObject& obj(int k) const { return object(base_ + k); }

    BoardObject& add(int kind, int32_t x, int32_t y, int32_t w2 = 0, int32_t w3 = 0, const char* text = nullptr,
                     int layer = 0)
    {
        BoardDocumentData& data = board()->data();
        const int index = ++data.objectCount;
        BoardObject& o = (*data.objects)[static_cast<std::size_t>(index)];
        o = BoardObject{};
        o.w[0] = x;
        o.w[1] = y;
        o.w[2] = w2;
        o.w[3] = w3;
        o.setKind(kind);
        o.setLayer(layer);
        if (text)
            o.data = StrDupChecked(text);
        LoadBoardGlobals(data);
        return o;
    }
    void select(std::span<const int> indexes)
    {
        int n = 0;
        for (const int k : indexes)
            g_selection.list[static_cast<std::size_t>(++n)] = base_ + k;
        g_selection.count = n;
    }
    void select(std::initializer_list<int> indexes) { select(std::span<const int>(indexes.begin(), indexes.size())); }
    // A key through the frame's accelerators; modifiers are kVk codes held meanwhile.
    void key(unsigned vk, std::initializer_list<unsigned> held = {})
    {
        for (unsigned m : held)
            plat::noteKeyDown(m);
        plat::Msg msg{plat::kWmKeyDown, vk, 1, view()};
        frame().PreTranslateMessage(msg);
        for (unsigned m : held)
            plat::noteKeyUp(m);
        harness->idle();
    }
    std::string pane0() { return frame().statusBarPanes().GetPaneText(0); }
    int base_ = 0;
};


}  // namespace edit_test
