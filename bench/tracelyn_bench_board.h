#pragma once
// The 30,000-object board the board program's benchmarks work on: traces on the top and first
// inner layer, vias and pads on all layers, silk texts, and one placed 8-pad package in fifty.

#include "common/string_helpers.h"
#include "tests/tracelyn/core/board_objects.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tracelyn_bench {

inline constexpr int kObjects = 30000;

using board_test::makeObject;

// An 8-pad surface package with a silk outline.
inline int addPackage()
{
    std::vector<BoardObject> objects;
    for (int p = 0; p < 8; ++p)
        objects.push_back(makeObject(kKindPad, 0, {-10000 + (p % 4) * 500, -5000 + (p / 4) * 2000, 300, 600, 0, 2, 0, 0}));
    objects.push_back(makeObject(kKindRectangle, 16, {-10300, -4500, 2100, 1000, 0, 0, 0, 60}));
    return board_test::addPackage("LIB\\SO8", objects);
}

// Objects spread over +-halfSpan board units of the 'C' work area in the proportions of a
// dense layout.
inline void fillBoard(BoardDocumentData& doc, int32_t halfSpan)
{
    g_board.sizeLetter = 'C';
    InitNewBoard(doc);
    const int package = addPackage();
    const int64_t span = 2 * int64_t{halfSpan};
    for (int i = 2; i <= kObjects; ++i) {
        const auto x = static_cast<int32_t>((int64_t{i} * 7919) % span - halfSpan);
        const auto y = static_cast<int32_t>((int64_t{i} * 104729) % span - halfSpan);
        BoardObject& o = g_board.objects[i];
        if (i % 50 == 0) {
            o = makeObject(kKindPart + package, 0, {x, y, -10300, -5600, 0, -1, (i % 4) * 900, i / 50});
            o.data = StrDupChecked("U");
        } else if (i % 10 == 0) {
            o = makeObject(kKindText, 16, {x, y, 0x301, 0, 0, 0, 0, 0});
            o.data = StrDupChecked("R" + std::to_string(i));
        } else if (i % 3 == 0) {
            o = makeObject(kKindPad, 31, {x, y, 600, 600, 0, i % 2 ? 0 : 5, 350, 0});
        } else {
            o = makeObject(kKindLine, i % 2, {x, y, x + 1234, y - 567, 0, 0, 0, 120});
        }
    }
    g_board.count = kObjects;
    doc.objectCount = kObjects;
}

}  // namespace tracelyn_bench
