#include "schemora/core/part_pin_sync.h"

#include "schemora/core/part_terminals.h"

#include <algorithm>
#include <string>

namespace {

void drop(DrawObject& o)
{
    ReleaseObjectData(o);
    o.w[4] = 0;
}

}  // namespace

int NumberPastedTerminals(std::span<DrawObject> slots, int first, int last, int partLetter, PartPinTable& pins)
{
    int dropped = 0;
    first = std::max(first, 1);
    last = std::min(last, static_cast<int>(slots.size()) - 1);
    for (int i = first; i <= last; ++i) {
        DrawObject& o = slots[static_cast<size_t>(i)];
        if (o.isPart()) {
            drop(o);
            ++dropped;
            continue;
        }
        if (!IsTerminal(o))
            continue;
        const int variant = SymbolVariantOf(o);
        if (variant >= kSymbolVariants)
            continue;
        if (variant == 0) {
            const std::string number = std::to_string(pins.GetNextPinNumber());
            SetTerminalPinText(o, number);
            if (pins.AddPartPin(number, 0, TerminalLabel(o), i, 0, partLetter) != PinAddResult::Added) {
                drop(o);
                ++dropped;
            }
        } else {
            const std::string number = SplitPinText(TerminalPinText(o), 0);
            const auto known = std::ranges::find(pins.pins(), number, &EditorPin::number);
            if (known != pins.pins().end())
                pins.AddPartPin(number, known->type, known->label, i, variant, partLetter);
        }
    }
    return dropped;
}

void PartPinTable::RebuildPinTable(std::span<const DrawObject> slots, int objectCount)
{
    std::vector<EditorPin> old = std::move(pins_);
    pins_.clear();
    const auto previous = [&](const std::string& number) {
        return std::ranges::find_if(old, [&](const EditorPin& p) { return p.number == number && p.type < kFirstHiddenPowerPinType; });
    };
    const int last = std::min(objectCount, static_cast<int>(slots.size()) - 1);
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 1; i <= last; ++i) {
            const DrawObject& o = slots[static_cast<size_t>(i)];
            const int variant = SymbolVariantOf(o);
            if (!IsTerminal(o) || variant >= kSymbolVariants || (variant == 0) != (pass == 0))
                continue;
            const std::string text = TerminalPinText(o);
            const std::string number = SplitPinText(text, 0);
            const auto same = std::ranges::find(pins_, number, &EditorPin::number);
            if (pass == 1) {
                if (same != pins_.end())
                    same->terminal[static_cast<size_t>(variant)] = i;
                continue;
            }
            if (same != pins_.end() || count() >= kMaxEditorPins)
                continue;
            EditorPin pin;
            pin.number = number;
            pin.name = SplitPinText(text, 1);
            pin.label = TerminalLabel(o);
            if (const auto known = previous(number); known != old.end()) {
                pin.type = known->type;
                pin.partLetter = known->partLetter;
            }
            pin.terminal[0] = i;
            pins_.push_back(std::move(pin));
        }
    // Hidden power pins, and the further parts' pins whose terminal is still drawn, have no
    // terminal text of their own to be rebuilt from.
    const auto stillDrawn = [&](const EditorPin& p) {
        const int t = p.terminal[0];
        return p.partLetter > 0 && t > 0 && t <= last && IsTerminal(slots[static_cast<size_t>(t)]) &&
               SymbolVariantOf(slots[static_cast<size_t>(t)]) == 0;
    };
    for (const EditorPin& p : old) {
        if (count() >= kMaxEditorPins)
            break;
        if (p.type >= kFirstHiddenPowerPinType ||
            (stillDrawn(p) && std::ranges::find(pins_, p.number, &EditorPin::number) == pins_.end()))
            pins_.push_back(p);
    }
    SortPinsByNumber();
}
