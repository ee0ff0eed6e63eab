#include "schemora/core/part_pin_lists.h"

#include "platform/core/ui_host.h"
#include "schemora/core/part_terminals.h"

#include <algorithm>

namespace {

std::vector<std::string_view> itemsAfterFirstWord(std::string_view text)
{
    std::vector<std::string_view> items;
    size_t at = text.find(' ');
    while (at != std::string_view::npos && at < text.size()) {
        const size_t start = text.find_first_not_of(' ', at);
        if (start == std::string_view::npos)
            break;
        at = text.find(' ', start);
        items.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
    }
    return items;
}

}  // namespace

bool ReadPartPinList(PartPinTable& pins, std::span<const DrawObject> slots, std::string_view listText, int variant,
                     int partLetter)
{
    if (variant < 0 || variant >= kSymbolVariants)
        return true;
    const std::vector<std::string_view> items = itemsAfterFirstWord(listText);
    for (size_t n = 0; n < items.size(); ++n) {
        if (n >= static_cast<size_t>(kMaxPinListItems)) {
            plat::MessageBox("Too many pins", plat::kMbIconStop);
            return true;
        }
        if (SplitPinText(items[n], 0) == "?")
            continue;
        const int terminal = std::max(PinObjectOfSymbol(slots, variant, static_cast<int>(n)), 0);
        const int type = variant == 0 ? pins.PinTypeOfTerminal(terminal) : 0;
        const std::string label = terminal > 0 ? TerminalLabel(slots[static_cast<size_t>(terminal)]) : std::string();
        if (variant > 0) {
            const std::string number = SplitPinText(items[n], 0);
            if (std::ranges::find(pins.pins(), number, &EditorPin::number) == pins.pins().end())
                continue;
        }
        if (pins.AddPartPin(items[n], type, label, terminal, variant, partLetter) == PinAddResult::TableFull)
            return false;
    }
    return true;
}

std::vector<std::string> PartPinListTexts(const PartPinTable& pins, std::span<const DrawObject> slots, int parts)
{
    std::vector<std::string> lists;
    for (int letter = 1; letter < parts; ++letter) {
        std::string list = "%pins";
        for (int n = 0;; ++n) {
            const int terminal = PinObjectOfSymbol(slots, 0, n);
            if (terminal < 0)
                break;
            const auto record = std::ranges::find_if(pins.pins(), [&](const EditorPin& p) {
                return p.partLetter == letter && p.terminal[0] == terminal && p.type < kFirstHiddenPowerPinType;
            });
            if (record == pins.pins().end())
                list += " ?";
            else
                list += " " + record->number + (record->name.empty() ? "" : "," + record->name);
        }
        lists.push_back(std::move(list));
    }
    return lists;
}
