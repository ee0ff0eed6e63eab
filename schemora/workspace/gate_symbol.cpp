#include "schemora/workspace/gate_symbol.h"

#include "common/scoped_replace.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_append.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_pin_table.h"
#include "schemora/core/part_terminals.h"
#include "schemora/core/text_width_estimate.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kRecordsKept = 2;
constexpr int kPinTextTolerance = 10;

std::string_view textOf(const DrawObject& o) { return o.type() == kObjText && o.text ? std::string_view(o.text) : ""; }

// Texts that describe the part rather than draw it: placeholders ("U?", "p?") and attributes.
bool isAttribute(std::string_view t)
{
    for (const std::string_view prefix : {"%", ";", "p=", "v=", "g=", "v+=", "v-="})
        if (t.starts_with(prefix))
            return true;
    return t.ends_with('?');
}

bool isPinNumber(std::string_view t) { return !t.empty() && t.front() >= '0' && t.front() <= '9'; }

bool liesOn(const DrawObject& text, const DrawObject& line)
{
    return HitTestWire(text.w[0], text.w[1], line.w[0], line.w[1], line.w[2], line.w[3], kPinTextTolerance) != 0;
}

struct ReadPart {
    DrawObjectStore store;
    int count = 0;
};

bool readPart(std::string_view library, std::string_view part, ReadPart& out)
{
    std::optional<plat::Archive> archive = OpenPartLibrary(library, part, false);
    if (!archive)
        return false;
    out.store.allocate();
    CurrentDrawing scratch = g_current;
    scratch.objects = out.store.slots();
    scratch.count = 0;
    const ScopedReplace<CurrentDrawing> lent(g_current, scratch);
    out.count = ReadPartRecords(*archive);
    return out.count > 0;
}

// For each line of the part, the record of the pin number lying on it (0 for none).
std::vector<int> pinTextsOf(const ReadPart& read)
{
    std::vector<int> textOfLine(static_cast<size_t>(read.count) + 1, 0);
    std::vector<bool> taken(static_cast<size_t>(read.count) + 1, false);
    for (int i = 1; i <= read.count; ++i) {
        if (read.store[i].type() != kObjLine)
            continue;
        for (int k = 1; k <= read.count; ++k) {
            const DrawObject& t = read.store[k];
            if (!taken[static_cast<size_t>(k)] && isPinNumber(textOf(t)) && liesOn(t, read.store[i])) {
                textOfLine[static_cast<size_t>(i)] = k;
                taken[static_cast<size_t>(k)] = true;
                break;
            }
        }
    }
    return textOfLine;
}

}  // namespace

bool ReadGateSymbol(std::string_view library, std::string_view part, PartPinTable& pins)
{
    ReadPart read;
    if (!readPart(library, part, read) || !ObjectsFit(read.count - (g_current.count - kRecordsKept)))
        return false;
    const std::vector<int> textOfLine = pinTextsOf(read);
    const auto isPinText = [&](int k) { return std::ranges::find(textOfLine, k) != textOfLine.end(); };
    TruncateObjects(kRecordsKept);
    for (int i = 1; i <= read.count; ++i) {
        const DrawObject& o = read.store[i];
        if (o.type() == kObjText && (isPinText(i) || isAttribute(textOf(o))))
            continue;
        const int index = AppendObjects(1);
        DrawObject& copy = g_current.objects[static_cast<size_t>(index)];
        copy = CloneDrawObject(o);
        if (const int text = textOfLine[static_cast<size_t>(i)]; text != 0) {
            SetTerminalPinText(copy, textOf(read.store[text]));
            SetTerminalLabel(copy, "");
        }
    }
    PartBodyMeasure body;
    const std::span<DrawObject> records = g_current.objects.first(static_cast<size_t>(g_current.count) + 1);
    for (int i = kRecordsKept + 1; i <= g_current.count; ++i)
        LayoutTerminalLabels(records, i, TerminalLayoutMode::MeasureBody, body, 0, 0, EstimateTextWidth);
    pins.clear();
    pins.RebuildPinTable(records, g_current.count);
    return true;
}
