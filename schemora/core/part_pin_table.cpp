#include "schemora/core/part_pin_table.h"

#include "platform/core/ui_host.h"
#include "schemora/core/draw_object.h"

#include <algorithm>

namespace {

std::string firstChars(std::string_view text, size_t n) { return std::string(text.substr(0, std::min(n, text.size()))); }

}  // namespace

std::string SplitPinText(std::string_view text, int field)
{
    text = text.substr(0, std::min<size_t>(text.size(), kEditorPinChars));
    if (const size_t nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);
    if (field == 0)
        return firstChars(text.substr(0, text.find_first_of(",;")), kEditorPinChars);
    if (field != 1)
        return {};
    size_t cut = text.find(';');
    if (cut == std::string_view::npos)
        cut = text.find(',');
    return cut == std::string_view::npos ? std::string() : firstChars(text.substr(cut + 1), kEditorPinChars);
}

int PinNumberValue(std::string_view number)
{
    long long value = 0;
    for (const char c : number) {
        if (c < '0' || c > '9')
            break;
        value = std::min<long long>(value * 10 + (c - '0'), 1'000'000'000);
    }
    return static_cast<int>(value);
}

int PartPinTable::GetNextPinNumber() const
{
    int highest = 0;
    for (const EditorPin& pin : pins_)
        highest = std::max(highest, PinNumberValue(pin.number));
    return highest + 1;
}

PinAddResult PartPinTable::AddPartPin(std::string_view pinText, int type, std::string_view label, int objectIndex,
                                      int variant, int partLetter)
{
    const std::string number = SplitPinText(pinText, 0);
    const auto same = std::find_if(pins_.begin(), pins_.end(), [&](const EditorPin& p) { return p.number == number; });
    if (same != pins_.end()) {
        if (variant <= 0 || variant >= kSymbolVariants) {
            plat::MessageBox("Error: pin already defined for part!");
            return PinAddResult::Duplicate;
        }
        same->terminal[static_cast<size_t>(variant)] = objectIndex;
        return PinAddResult::Linked;
    }
    if (count() >= kMaxEditorPins) {
        plat::MessageBox("Too many pins");
        return PinAddResult::TableFull;
    }
    EditorPin pin;
    pin.label = firstChars(label, kPinLabelChars);
    pin.type = type;
    pin.number = number;
    pin.name = SplitPinText(pinText, 1);
    pin.partLetter = partLetter;
    pin.terminal[0] = objectIndex;
    pins_.push_back(std::move(pin));
    SortPinsByNumber();
    return PinAddResult::Added;
}

PinAddResult PartPinTable::AddHiddenPowerPin(std::string_view numberText, int type)
{
    const std::string number = firstChars(numberText, kEditorPinChars);
    const std::string field0 = SplitPinText(number, 0);
    if (std::ranges::any_of(pins_, [&](const EditorPin& p) { return SplitPinText(p.number, 0) == field0; })) {
        plat::MessageBox("Error: pin already defined for part!");
        return PinAddResult::Duplicate;
    }
    if (count() >= kMaxEditorPins) {
        plat::MessageBox("Too many pins");
        return PinAddResult::TableFull;
    }
    EditorPin pin;
    pin.type = type;
    pin.number = number;
    pins_.push_back(std::move(pin));
    return PinAddResult::Added;
}

void PartPinTable::SortPinsByNumber()
{
    for (size_t i = 0; i < pins_.size(); ++i)
        pins_[i].sortIndex = static_cast<int>(i);
    std::stable_sort(pins_.begin(), pins_.end(), [](const EditorPin& a, const EditorPin& b) {
        return PinNumberValue(a.number) < PinNumberValue(b.number);
    });
}

std::vector<int> PartPinTable::RemovePartPinOfTerminal(int objectIndex, int variant)
{
    std::vector<int> linked;
    if (variant < 0 || variant >= kSymbolVariants || objectIndex <= 0)
        return linked;
    const auto carried = [&](const EditorPin& p) { return p.terminal[static_cast<size_t>(variant)] == objectIndex; };
    for (const EditorPin& pin : pins_) {
        if (!carried(pin))
            continue;
        for (size_t v = 1; v < pin.terminal.size(); ++v)
            if (pin.terminal[v] > 0 && pin.terminal[v] != objectIndex)
                linked.push_back(pin.terminal[v]);
    }
    std::erase_if(pins_, carried);
    return linked;
}

bool PartPinTable::RemovePartPin(std::string_view pinText)
{
    const std::string number = SplitPinText(pinText, 0);
    const auto match = std::find_if(pins_.begin(), pins_.end(), [&](const EditorPin& p) { return p.number == number; });
    if (match == pins_.end()) {
        plat::MessageBox("No replacement!");
        return false;
    }
    pins_.erase(match);
    return true;
}

bool PartPinTable::RemoveHiddenPowerPin(std::string_view pinText)
{
    const std::string number = SplitPinText(pinText, 0);
    const auto match = std::find_if(pins_.begin(), pins_.end(), [&](const EditorPin& p) {
        return p.number == number && p.type >= kFirstHiddenPowerPinType;
    });
    if (match == pins_.end()) {
        plat::MessageBox("No replacement!");
        return false;
    }
    pins_.erase(match);
    return true;
}

bool PartPinTable::RenumberTerminalPin(int objectIndex, std::string_view pinText, int partLetter)
{
    const std::string number = SplitPinText(pinText, 0);
    const EditorPin* record = partLetter == 0 ? recordOfTerminal(objectIndex) : PinOfPart(objectIndex, 0, partLetter);
    const auto own = record ? pins_.begin() + (record - pins_.data()) : pins_.end();
    if (own == pins_.end() || number.empty())
        return false;
    if (own->number != number &&
        std::any_of(pins_.begin(), pins_.end(), [&](const EditorPin& p) { return p.number == number; })) {
        plat::MessageBox("Warning: this pin is already defined");
        return false;
    }
    own->number = number;
    own->name = SplitPinText(pinText, 1);
    SortPinsByNumber();
    return true;
}

void PartPinTable::SetPinLabelAndType(int objectIndex, std::string_view label, int type)
{
    for (EditorPin& p : pins_)
        if (p.terminal[0] == objectIndex) {
            p.label = firstChars(label, kPinLabelChars);
            p.type = type;
        }
}

int PartPinTable::LinkTerminalPin(int objectIndex, int variant, std::string_view pinText, int partLetter)
{
    if (objectIndex <= 0 || variant <= 0 || variant >= kSymbolVariants)
        return -1;
    const auto slot = static_cast<size_t>(variant);
    const std::string number = SplitPinText(pinText, 0);
    int drawn = 0;
    if (number != "?") {
        const auto named = std::ranges::find_if(pins_, [&](const EditorPin& p) {
            return p.number == number && p.partLetter == partLetter && p.type < kFirstHiddenPowerPinType && p.terminal[0] > 0;
        });
        if (named == pins_.end()) {
            plat::MessageBox("Error: pin " + number + " is not drawn in Symbol 1");
            return -1;
        }
        drawn = named->terminal[0];
        if (std::ranges::any_of(pins_, [&](const EditorPin& p) {
                return p.terminal[0] == drawn && p.terminal[slot] > 0 && p.terminal[slot] != objectIndex;
            })) {
            plat::MessageBox("Warning: this pin is already defined");
            return -1;
        }
    }
    for (EditorPin& p : pins_) {
        if (p.terminal[slot] == objectIndex)
            p.terminal[slot] = 0;
        if (drawn > 0 && p.terminal[0] == drawn)
            p.terminal[slot] = objectIndex;
    }
    return drawn;
}

void PartPinTable::SetTypeOfTerminal(int terminal, int type)
{
    for (EditorPin& p : pins_)
        if (terminal > 0 && p.terminal[0] == terminal && p.type < kFirstHiddenPowerPinType)
            p.type = type;
}

int PartPinTable::PinTypeOfTerminal(int objectIndex) const
{
    const EditorPin* own = recordOfTerminal(objectIndex);
    return own ? own->type : 0;
}

const EditorPin* PartPinTable::PinOfPart(int objectIndex, int variant, int partLetter) const
{
    if (objectIndex <= 0 || variant < 0 || variant >= kSymbolVariants)
        return nullptr;
    const auto match = std::ranges::find_if(pins_, [&](const EditorPin& p) {
        return p.partLetter == partLetter && p.terminal[static_cast<size_t>(variant)] == objectIndex &&
               p.type < kFirstHiddenPowerPinType;
    });
    return match == pins_.end() ? nullptr : &*match;
}

void PartPinTable::RemovePinsOfPartsFrom(int firstLetter)
{
    firstLetter = std::max(firstLetter, 1);   // part A's pins are the drawn terminals' own
    std::erase_if(pins_, [&](const EditorPin& p) { return p.partLetter >= firstLetter && p.type < kFirstHiddenPowerPinType; });
}

// A terminal carries one record per part of the package: part A's is its own.
const EditorPin* PartPinTable::recordOfTerminal(int objectIndex) const
{
    const EditorPin* any = nullptr;
    for (const EditorPin& p : pins_) {
        if (p.terminal[0] != objectIndex)
            continue;
        if (p.partLetter == 0)
            return &p;
        if (!any)
            any = &p;
    }
    return any;
}
