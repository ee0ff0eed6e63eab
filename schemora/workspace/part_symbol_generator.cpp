#include "schemora/workspace/part_symbol_generator.h"

#include "common/string_helpers.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_append.h"
#include "schemora/core/part_pin_table.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/workspace/block_symbol.h"

#include <algorithm>

namespace {

constexpr int kRefTextIndex = 1;
constexpr int kNameTextIndex = 2;
constexpr int kDesignatorChars = 20;
constexpr int kGateNameChars = 80;
constexpr int kPinWidth = 6;
constexpr int kAmplifierInputCode = 5;
constexpr int kAmplifierOutputCode = 6;
constexpr int kDiscreteCode = 2;
constexpr int kAnalogIn = 4, kAnalogOut = 5;

void setText(int index, int x, int y, std::string_view text)
{
    DrawObject& o = g_current.objects[static_cast<size_t>(index)];
    o.w[0] = x;
    o.w[1] = y;
    if (text.data()) {
        FreeStr(o.text);
        o.text = StrDupChecked(text);
    }
}

// One amplifier or discrete terminal: registered and laid out against the body, if any.
bool addSimplePin(PartPinTable& pins, int x1, int y1, int x2, int y2, int code, int type, int number)
{
    PinLine line{x1, y1, x2, y2, code, std::to_string(number), {}, x1 + 100, y1, 0, 0};
    return AddPinLine(line, type, pins) != 0;
}

void generateAmplifier(int pinCount, PartPinTable& pins)
{
    const int n = std::clamp(pinCount, 3, 7);
    const int width = n > 4 ? 400 : 200;
    const int height = (n + 1) * 50;
    const int index = AppendObjects(1);
    if (index == 0)
        return;
    DrawObject& triangle = g_current.objects[static_cast<size_t>(index)];
    triangle.w = ObjectWords(kObjTriangle, -800, -550, width, height);
    triangle.w[6] = kPinWidth;
    for (int i = 0; i < n - 1; ++i) {
        const int y = -500 + 50 * i;
        addSimplePin(pins, -1000, y, -800, y, kAmplifierInputCode, kAnalogIn, i + 1);
    }
    const int outY = -550 + height / 2;
    addSimplePin(pins, width - 800, outY, width - 600, outY, kAmplifierOutputCode, kAnalogOut, n);
}

void generateDiscrete(PartPinTable& pins)
{
    addSimplePin(pins, -1000, -500, -800, -500, kDiscreteCode, kPinUnknown, 1);
    // Drawn right to left, its connection end outside; the number stays beside the body end.
    PinLine second{-100, -500, -300, -500, kDiscreteCode, "2", {}, -200, -500, 0, 0};
    AddPinLine(second, kPinUnknown, pins);
}

struct TextPlaces {
    int nameX, nameY, refX, refY;
};

// The pins, gate or body of the answers, drawn after records 1 and 2.
bool drawSymbol(const PartWizardAnswers& a, SymbolTarget& target, TextPlaces& places)
{
    switch (a.kind) {
    case SymbolKind::Block: {
        const BlockPlan plan = PlanBlockSymbol(a);
        DrawBlockSymbol(plan, a, target.pins);
        places = {plan.nameX, plan.nameY, -600, -500};
        return true;
    }
    case SymbolKind::LogicGate:
        places = {-1000, -100, -1000, -150};
        return true;
    case SymbolKind::Amplifier:
        generateAmplifier(a.pins, target.pins);
        places = {-1000, -100, -1000, -150};
        return true;
    case SymbolKind::Discrete:
        generateDiscrete(target.pins);
        places = {-1000, -400, -1000, -600};
        return true;
    }
    return false;
}

}  // namespace

int GenerateSymbol(const PartWizardAnswers& a, SymbolTarget& target, GeneratedFields& fields)
{
    if (g_current.objects.size() <= kNameTextIndex || g_current.count < kNameTextIndex)
        return 0;
    if (a.kind == SymbolKind::Block && !CheckBlockPins(a))
        return 0;
    if (a.kind == SymbolKind::LogicGate) {
        const std::string gate = FirstChars(a.gate, kGateNameChars);
        if (gate.empty()) {
            plat::MessageBox("No gate chosen: the library \"Symbol\" has no parts", plat::kMbIconExclamation);
            return 0;
        }
        if (!target.loadGate || !target.loadGate(gate)) {
            plat::MessageBox("Can't load the gate \"" + gate + "\" from the library \"Symbol\"", plat::kMbIconExclamation);
            return 0;
        }
        target.pins.SortPinsByNumber();
    } else {
        TruncateObjects(kNameTextIndex);
        target.pins.clear();
    }
    TextPlaces places{};
    drawSymbol(a, target, places);
    fields.designator = plat::upperCaseAscii(FirstChars(a.designator, kDesignatorChars));
    setText(kNameTextIndex, places.nameX, places.nameY, a.name);
    setText(kRefTextIndex, places.refX, places.refY, "Ref(" + fields.designator + ")");
    fields.package = a.package;
    fields.description = a.description;
    fields.hintVisible = a.kind == SymbolKind::Discrete;
    SetObjectCount(g_current.count - 1);
    return 1;
}
