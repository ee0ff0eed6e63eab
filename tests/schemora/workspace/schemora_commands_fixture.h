#pragma once
// A running Schemora with one drawing, for the frame's editing commands: objects are put into
// the drawing's store directly, the selection is set as a person's clicks would leave it, and
// keys (Alt included) go through the frame's accelerators.

#include "../core/edit_view_fixture.h"
#include "../core/paint_test_support.h"

#include "platform/app/dialog.h"
#include "platform/app/keys.h"
#include "platform/app/win_constants.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/symbol_elements.h"

#include <initializer_list>
#include <span>

namespace schemora_test {

using Words = paint_test::Words;
inline constexpr unsigned kAltKey = 0x10000;

class DrawingCommands : public EditView {
protected:
    void TearDown() override
    {
        EditView::TearDown();
        g_partSymbols = PartSymbolTable{};
        g_symbolElements.truncate(0);
        g_editState.selectionCount = 0;
    }

    DrawObject& add(const Words& w, const char* text = nullptr)
    {
        DrawingDocData& data = doc()->data();
        const int index = ++data.objectCount;
        data.objects[index] = MakeDrawObject(w, text);
        view()->LoadCurrentDocument();
        return data.objects[index];
    }

    void select(std::span<const int> indexes)
    {
        int n = 0;
        for (const int index : indexes)
            g_editState.SelectionList[static_cast<std::size_t>(++n)] = index;
        g_editState.selectionCount = n;
    }
    void select(std::initializer_list<int> indexes) { select(std::span<const int>(indexes.begin(), indexes.size())); }

    // A key with Alt held when kAltKey is added to it.
    bool key(unsigned vk)
    {
        const bool alt = (vk & kAltKey) != 0;
        if (alt)
            plat::noteKeyDown(plat::kVkMenu);
        const bool done = translate({alt ? plat::kWmSysKeyDown : plat::kWmKeyDown, vk & 0xFFFF, 1, view()});
        if (alt)
            plat::noteKeyUp(plat::kVkMenu);
        harness->idle();
        return done;
    }
};

}  // namespace schemora_test
