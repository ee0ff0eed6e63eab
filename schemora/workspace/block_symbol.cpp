#include "schemora/workspace/block_symbol.h"

#include "platform/core/ui_host.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_append.h"
#include "schemora/core/part_pin_table.h"
#include "schemora/core/part_terminals.h"
#include "schemora/core/text_width_estimate.h"
#include "schemora/workspace/block_pin_order.h"

#include <algorithm>
#include <set>

namespace {

constexpr int kPinWidth = 6;
constexpr int kStep = 50;

bool drawnPin(const WizardPin& p) { return p.type < kPinVcc && p.side < kSideNone; }
bool powerPin(const WizardPin& p) { return p.type == kPinVcc || p.type == kPinGround; }

int width(const std::string& text) { return EstimateTextWidth(text); }

std::span<const WizardPin> pinsOf(const PartWizardAnswers& a)
{
    return std::span<const WizardPin>(a.table).first(static_cast<size_t>(std::clamp(a.pins, 0, kWizardPinRecords)));
}

// The pins of one side in placement order.
std::vector<int> sideOrder(const PartWizardAnswers& a, std::vector<int> pins, int side, bool allFourSides)
{
    if (a.noSort) {
        const bool tableOrder = side == kSideLeft || (side == kSideBottom && allFourSides);
        if (!tableOrder)
            std::ranges::reverse(pins);
        return pins;
    }
    std::vector<std::string> labels;
    for (const int i : pins)
        labels.push_back(a.table[static_cast<size_t>(i)].label);
    std::vector<int> ordered;
    for (const int k : SortedLabelOrder(labels))
        ordered.push_back(pins[static_cast<size_t>(k)]);
    return ordered;
}

PinLine placedPin(const BlockPlan& plan, const WizardPin& p, int side, int step)
{
    const int w = plan.width, h = plan.height;
    const int y = (plan.longest[kSideTop] + 1) * kStep - 500 + step * kStep;
    const int x = plan.longest[kSideLeft] * kStep - 550 + step * kStep;
    switch (side) {
    case kSideLeft:
        return {-1000, y, -601, y, p.type, p.number, p.label, -600 - width(p.number), y, -598, y + 25};
    case kSideRight:
        return {w - 598, y, ((w + 801) / kStep) * kStep - 1000, y, p.type, p.number, p.label,
                w - 597, y, w - width(p.label) - 602, y + 25};
    case kSideTop:
        return {x, -500, x, -950, p.type, p.number, p.label, x, -550, x + 25, width(p.label) - 484};
    default:
        return {x, h - 450, x, ((h + 401) / kStep) * kStep - 450, p.type, p.number, p.label, x, h - 350, x + 25, h - 462};
    }
}

}  // namespace

int AddPinLine(const PinLine& line, int type, PartPinTable& pins)
{
    const int index = AppendObjects(1);
    if (index == 0)
        return 0;
    DrawObject& o = g_current.objects[static_cast<size_t>(index)];
    o.w = ObjectWords(kObjLine, line.x1, line.y1, line.x2, line.y2);
    o.w[6] = kPinWidth;
    o.w[7] = line.code;
    o.w[11] = line.numberX;
    o.w[12] = line.numberY;
    o.w[16] = line.labelX;
    o.w[17] = line.labelY;
    SetTerminalPinText(o, line.number);
    SetTerminalLabel(o, line.label);
    if (pins.AddPartPin(line.number, type, line.label, index, 0, 0) != PinAddResult::Added) {
        TruncateObjects(index - 1);
        return 0;
    }
    PartBodyMeasure body;
    LayoutTerminalLabels(g_current.objects.first(static_cast<size_t>(g_current.count) + 1), index,
                         TerminalLayoutMode::MeasureBody, body, 0, 0, EstimateTextWidth);
    return index;
}

bool CheckBlockPins(const PartWizardAnswers& a)
{
    std::set<std::string> numbers;
    int position = 0;
    for (const WizardPin& p : pinsOf(a)) {
        ++position;
        if (p.side < 0 || p.side >= kWizardPinSides || p.type < 0 || p.type >= kWizardPinTypes) {
            plat::MessageBox("Pin " + p.number + " has no known type or side", plat::kMbIconExclamation);
            return false;
        }
        if (!drawnPin(p) && !powerPin(p))
            continue;
        const std::string number = SplitPinText(p.number, 0);
        if (number.empty()) {
            plat::MessageBox("Pin " + std::to_string(position) + " (" + p.label + ") has no pin number",
                             plat::kMbIconExclamation);
            return false;
        }
        if (!numbers.insert(number).second) {
            plat::MessageBox("Error: pin already defined for part!\nPin " + number, plat::kMbIconExclamation);
            return false;
        }
    }
    return true;
}

BlockPlan PlanBlockSymbol(const PartWizardAnswers& a)
{
    BlockPlan plan;
    std::array<std::vector<int>, 4> inTableOrder;
    const std::span<const WizardPin> pins = pinsOf(a);
    for (int i = 0; i < static_cast<int>(pins.size()); ++i) {
        const WizardPin& p = pins[static_cast<size_t>(i)];
        if (!drawnPin(p))
            continue;
        inTableOrder[static_cast<size_t>(p.side)].push_back(i);
        int& longest = plan.longest[static_cast<size_t>(p.side)];
        longest = std::max(longest, static_cast<int>(p.label.size()));
    }
    for (const int type : {kPinVcc, kPinGround})
        for (int i = 0; i < static_cast<int>(pins.size()); ++i)
            if (pins[static_cast<size_t>(i)].type == type)
                plan.powerPins.push_back(i);
    const auto count = [&](int side) { return static_cast<int>(inTableOrder[static_cast<size_t>(side)].size()); };
    const auto len = [&](int side) { return plan.longest[static_cast<size_t>(side)]; };
    const bool topOrBottom = count(kSideTop) != 0 || count(kSideBottom) != 0;
    plan.height = std::max(count(kSideLeft), count(kSideRight)) * kStep +
                  (topOrBottom ? (len(kSideBottom) + len(kSideTop)) * kStep : 0);
    plan.width = std::max(count(kSideTop), count(kSideBottom)) * kStep +
                 (len(kSideLeft) + 1 + len(kSideRight)) * kStep;
    const bool allFour = std::ranges::all_of(inTableOrder, [](const std::vector<int>& s) { return !s.empty(); });
    for (int side = kSideLeft; side <= kSideBottom; ++side)
        plan.sides[static_cast<size_t>(side)] = sideOrder(a, inTableOrder[static_cast<size_t>(side)], side, allFour);
    plan.nameX = count(kSideBottom) != 0 ? plan.width - 600 : -600;
    plan.nameY = plan.height - 400;
    return plan;
}

void DrawBlockSymbol(const BlockPlan& plan, const PartWizardAnswers& a, PartPinTable& pins)
{
    const int outline = AppendObjects(1);
    if (outline == 0)
        return;
    DrawObject& box = g_current.objects[static_cast<size_t>(outline)];
    box.w = ObjectWords(kObjRectangle, -600, -500, plan.width + 1, plan.height + 50);
    box.w[6] = kPinWidth;
    for (int side = kSideLeft; side <= kSideBottom; ++side) {
        int step = 0;
        for (const int i : plan.sides[static_cast<size_t>(side)]) {
            const WizardPin& p = a.table[static_cast<size_t>(i)];
            AddPinLine(placedPin(plan, p, side, step++), p.type, pins);
        }
    }
    for (const int i : plan.powerPins) {
        const WizardPin& p = a.table[static_cast<size_t>(i)];
        pins.AddHiddenPowerPin(p.number, p.type);
    }
}
