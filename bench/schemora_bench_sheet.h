#pragma once
// The 7,000-object sheet the schematic program's paint benchmarks work on: a D-size sheet
// filled with a grid of small circuits (wires, boxes, texts, dots and circles).

#include "schemora/core/current_document.h"
#include "schemora/core/draw_object.h"
#include "schemora/core/sheet_state.h"

#include <array>

namespace schemora_bench {

inline constexpr int kObjects = 7000;

// A record of the sheet with pen width 6.
inline std::array<int32_t, kDrawObjectWords> words(int type, int x, int y, int w2, int w3)
{
    std::array<int32_t, kDrawObjectWords> w = ObjectWords(type, x, y, w2, w3, 1);
    w[6] = 6;
    return w;
}

// Becomes the current drawing while it lives.
struct BusySheet {
    DrawObjectStore store;

    BusySheet()
    {
        store.allocate();
        int n = 0;
        for (int i = 0; n < kObjects; ++i) {
            const int x = -8000 + (i % 80) * 200;
            const int y = -5000 + (i / 80) * 200;
            const std::array<std::array<int32_t, kDrawObjectWords>, 5> kinds{
                words(kObjLine, x, y, x + 150, y), words(kObjRectangle, x + 20, y + 20, 100, 60),
                words(kObjText, x, y + 150, (6 << 8) | 1, 0), words(kObjDot, x + 150, y, 0, 0),
                words(kObjEllipse, x + 80, y + 100, 30, 30)};
            for (const auto& w : kinds) {
                if (n == kObjects)
                    break;
                store[++n] = MakeDrawObject(w, w[4] == kObjText ? "U12" : nullptr);
            }
        }
        g_current.objects = store.slots();
        g_current.count = kObjects;
        g_current.sheetSize = 'D';
        g_current.gridCommand = 703;
        g_current.gridStep = 50;
    }
    ~BusySheet() { g_current = CurrentDrawing{}; }
    BusySheet(const BusySheet&) = delete;
    BusySheet& operator=(const BusySheet&) = delete;
};

}  // namespace schemora_bench
