#include "schemora/core/bill_of_materials.h"

#include "schemora/core/current_document.h"
#include "schemora/core/part_painter.h"

#include <algorithm>
#include <vector>

std::string BillOfMaterialsText()
{
    struct Line {
        std::string reference, value, part;
    };
    std::vector<Line> lines;
    for (int i = 1; i <= g_current.count && i < static_cast<int>(g_current.objects.size()); ++i) {
        const DrawObject& o = g_current.objects[static_cast<std::size_t>(i)];
        const PartSymbol* symbol = o.isPart() ? SymbolOfInstance(o) : nullptr;
        PartGateRange range;
        if (!symbol || !PartElementRange(o, &range))
            continue;
        const std::optional<PartLabels> labels = InstanceLabels(o, range);
        Line line{labels ? labels->reference : std::string(), labels ? labels->second : std::string(), PartNameOf(*symbol)};
        // "R12 10k": the value follows the reference in one label.
        if (const std::size_t blank = line.reference.find(' '); blank != std::string::npos && line.value.empty()) {
            line.value = line.reference.substr(blank + 1);
            line.reference.erase(blank);
        }
        lines.push_back(std::move(line));
    }
    std::sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.reference < b.reference; });
    std::string text = "Bill of Materials\r\n\r\nReference\tValue\tPart\r\n";
    for (const Line& l : lines)
        text += l.reference + "\t" + l.value + "\t" + l.part + "\r\n";
    text += std::to_string(lines.size()) + " parts\r\n";
    return text;
}
