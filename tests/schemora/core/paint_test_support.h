#pragma once
// Process-wide painting state for the painter tests: the program palette, a colour scheme, a
// drawing store, and symbols filled in by hand.

#include "platform/gdi/recording_dc.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/symbol_elements.h"
#include "support/default_stores.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace paint_test {

using Words = std::array<int32_t, kDrawObjectWords>;

inline constexpr std::array<std::array<uint8_t, 3>, 32> kPalette{{
    {0, 0, 0}, {0, 0, 255}, {0, 255, 0}, {0, 255, 255}, {255, 0, 0}, {255, 0, 255}, {255, 255, 0},
    {255, 255, 255}, {127, 127, 127}, {0, 0, 127}, {0, 127, 0}, {0, 127, 127}, {127, 0, 0},
    {127, 0, 127}, {127, 127, 0}, {191, 191, 191}, {127, 63, 0}, {255, 127, 255}, {0, 255, 191},
    {255, 127, 0}, {127, 63, 0}, {255, 127, 63}, {255, 127, 191}, {63, 127, 127}, {255, 255, 191},
    {191, 255, 255}, {127, 63, 63}, {191, 255, 191}, {127, 0, 63}, {127, 127, 255}, {255, 255, 127},
    {255, 127, 127},
}};

// A dark scheme: each role on its own palette index so tests can tell them apart.
inline constexpr std::array<int32_t, kColorRoles> kRoles{0, 6, 2, 3, 4, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                         19, 11, 18, 0, 7, 30, 22, 0, 24, 0, 8};

// Resets every value the painters read, and gives the current drawing a store of its own.
struct PaintState {
    DrawObjectStore store;
    SchematicSettings savedSettings = g_settings;

    PaintState()
    {
        reset();
        store.allocate();
        g_current.objects = store.slots();
    }
    ~PaintState()
    {
        g_current = CurrentDrawing{};
        g_settings = savedSettings;
        g_partSymbols = PartSymbolTable{};
        g_symbolElements.truncate(0);
        reset();
    }
    static void reset()
    {
        for (size_t i = 0; i < kPalette.size(); ++i)
            g_palette.entries[i] = {kPalette[i][0], kPalette[i][1], kPalette[i][2], 0};
        g_palette.created = true;
        std::copy(kRoles.begin(), kRoles.end(), g_colorRoles.index.begin());
        quill_test::resetToDefaults(g_current, g_sheetView, g_drawModes, g_sheetDocument, g_paintRecord);
        g_editState.CurrentTool = 0;
        g_editState.selectionCount = 0;
        g_editState.SelectionList.fill(0);
        g_sheetPaintHooks = SheetPaintHooks{};
        g_titleBlock.count = 0;
    }

    DrawObject& add(const Words& w, const char* text = nullptr)
    {
        g_current.objects[static_cast<size_t>(++g_current.count)] = MakeDrawObject(w, text);
        return g_current.objects[static_cast<size_t>(g_current.count)];
    }
};

inline Words words(int type, int x, int y, int w2 = 0, int w3 = 0, int width = 6, int sheet = 1)
{
    Words w = ObjectWords(type, x, y, w2, w3, sheet);
    w[6] = width;
    return w;
}

// Adds a one-body, one-gate symbol of these elements under name; returns its index.
inline int addSymbol(const std::string& name, const std::vector<DrawObject>& elements, int gates = 1)
{
    g_symbolElements.ensureAllocated();
    const int header = g_symbolElements.count + 1;
    const int perGate = static_cast<int>(elements.size()) + 4;
    const int blockCount = perGate * gates;
    DrawObject& h = g_symbolElements[header];
    h = DrawObject{};
    h.w[0] = blockCount;
    h.w[1] = header + blockCount;
    h.w[4] = gates;
    for (int g = 0; g < gates; ++g) {
        for (size_t i = 0; i < elements.size(); ++i)
            g_symbolElements[header + 1 + g * perGate + static_cast<int>(i)] = elements[i];
        for (int pad = 0; pad < 4; ++pad)
            g_symbolElements[header + 1 + g * perGate + static_cast<int>(elements.size()) + pad] = DrawObject{};
    }
    g_symbolElements.count = header + blockCount;
    const int index = ++g_partSymbols.count;
    PartSymbol& s = g_partSymbols.entries[static_cast<size_t>(index)];
    s = PartSymbol{};
    s.name = name;
    s.w[1] = header;
    s.w[2] = blockCount + 1;
    s.w[7] = -1000; s.w[8] = -560; s.w[9] = -700; s.w[10] = -440;
    s.w[11] = 54;
    return index;
}

// Elements of the hand-made resistor and capacitor: pins from local (-1000, -500) to
// (-700, -500), a "R?" / "C?" label placeholder above.
inline DrawObject element(const Words& w, const char* text = nullptr) { return MakeDrawObject(w, text); }
inline DrawObject pin(int x1, int y1, int x2, int y2)
{
    Words w = words(kObjLine, x1, y1, x2, y2, 6);
    w[7] = 2;
    return element(w);
}
// A label placeholder: style 3 keeps it hidden while hidden items are not shown.
inline DrawObject placeholder(int x, int y, const char* text)
{
    Words w = words(kObjText, x, y);
    w[5] = 3;
    return MakeDrawObject(w, text);
}
// The example drawing names its value parts ("DEVICE\\10K", "DEVICE\\100N"); they look the same.
inline int addResistor(const char* name = "DEVICE\\R")
{
    return addSymbol(name, {pin(-1000, -500, -950, -500), element(words(kObjRectangle, -950, -535, 200, 70, 6)),
                                   pin(-750, -500, -700, -500), placeholder(-900, -550, "R?")});
}
inline int addCapacitor(const char* name = "DEVICE\\C")
{
    return addSymbol(name, {pin(-1000, -500, -870, -500), element(words(kObjLine, -870, -570, -870, -430, 12)),
                                   element(words(kObjLine, -830, -570, -830, -430, 12)), pin(-830, -500, -700, -500),
                                   placeholder(-880, -590, "C?")});
}

// A two-pin connector: pins 1 and 2 end 100 units left of the origin, 50 apart.
inline int addConnector()
{
    return addSymbol("CONN\\CONN2", {pin(-1100, -500, -1025, -500), pin(-1100, -450, -1025, -450),
                                      element(words(kObjRectangle, -1025, -525, 50, 100, 6)), placeholder(-1025, -545, "J?")});
}
// The ground symbol: its connection at the origin.
inline int addGround()
{
    return addSymbol("DEVICE\\GND", {element(words(kObjLine, -1000, -500, -1000, -470, 6)),
                                      element(words(kObjLine, -1040, -470, -960, -470, 6))});
}

// The symbols the example drawing names, made by hand in place of the part library.
inline void addExampleSymbols()
{
    addResistor("DEVICE\\10K");
    addCapacitor("DEVICE\\100N");
    addConnector();
    addGround();
}

// The drawing calls of a recording, as readable lines.
inline std::vector<std::string> drawn(const plat::RecordingDc& dc) { return dc.drawingLines(); }

// The first call of that name a recording holds; null when there is none.
inline const plat::DcCall* firstCall(const plat::RecordingDc& dc, std::string_view name)
{
    for (const plat::DcCall& c : dc.calls())
        if (c.name == name)
            return &c;
    return nullptr;
}

}  // namespace paint_test
