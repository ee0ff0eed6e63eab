// Pins of a part symbol: a pin is a line element, and the texts lying on it (its number, its
// name, its electrical kind) are bound to it so that the netlister and the painter find them.
#include "common/string_helpers.h"
#include "schemora/core/current_document.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_text_alignment.h"
#include "schemora/core/symbol_elements.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kPinTextTolerance = 10;
// A pin label this close to the pin's inner end is drawn at the end; farther away it is a name.
constexpr int kPinEndReach = 20;
// The instance origin in symbol coordinates: a pin ending there is the no-designator part's
// connection point, not a real pin.
constexpr int kOriginX = -1000;
constexpr int kOriginY = -500;

bool endsSearch(const char* text)
{
    const char c = text ? text[0] : 0;
    return (c >= 'A' && c <= 'Z') || (c >= '1' && c <= '9');
}

void alignPinLabel(const DrawObject& line, DrawObject& text)
{
    const bool atEnd = std::abs(text.w[0] - line.w[2]) <= kPinEndReach
                       && std::abs(text.w[1] - line.w[3]) <= kPinEndReach;
    text.w[5] = atEnd ? kTextStylePinNumber : kTextStylePinName;
    text.w[9] = line.w[2];   // the second anchor a right-aligned label ends at
}

void bindLine(DrawObject& line, int first, int last)
{
    DrawObject* chosen = nullptr;
    for (int i = first; i <= last; ++i) {
        DrawObject& t = g_symbolElements[i];
        if (t.type() != kObjText || !t.text
            || !HitTestWire(t.w[0], t.w[1], line.w[0], line.w[1], line.w[2], line.w[3], kPinTextTolerance))
            continue;
        char letter = 0;
        const int kind = PinTextKind(t.text, &letter);
        chosen = &t;
        line.w[8] = static_cast<unsigned char>(letter);
        if (kind == 3) {
            line.w[7] = 1;
            break;
        }
        line.w[7] = 2;
        if (endsSearch(t.text))
            break;
    }
    if (!chosen) {
        line.text = StrDupChecked(std::string_view());   // the shared empty string
        return;
    }
    line.text = chosen->text;
    alignPinLabel(line, *chosen);
}

}  // namespace

int PinTextKind(std::string_view text, char* letter)
{
    char found = 0;
    for (size_t i = 1; i < text.size(); ++i)
        if (text[i] >= 'a' && text[i] <= 'z')
            found = text[i];
    if (letter)
        *letter = found;
    switch (found) {
    case 0: return 0;
    case 'z': return 3;
    case 'o': case 't': case 'u': return 2;
    case 'q': return 4;
    default: return 1;
    }
}

int HitTestWire(int px, int py, int x1, int y1, int x2, int y2, int tolerance)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (y2 - y1 < 3)
        return px >= x1 - tolerance && px <= x2 + tolerance && py >= y1 - 5 && py <= y2 + 5;
    if (x2 - x1 < 3)
        return px >= x1 - 5 && px <= x2 + 5 && py >= y1 - tolerance && py <= y2 + tolerance;
    return 0;
}

void BindPinTexts(int symbolIndex)
{
    if (symbolIndex < 1 || symbolIndex > g_partSymbols.count || g_symbolElements.elements.empty())
        return;
    const PartSymbol& symbol = g_partSymbols.entries[symbolIndex];
    const int header = symbol.w[1];
    if (header < 1 || header > g_symbolElements.count)
        return;
    const DrawObject& block = g_symbolElements[header];
    const int gates = std::max(1, block.w[4]);
    const int stride = block.w[0] / gates;
    const int lastOfBlock = std::min(block.w[1], g_symbolElements.count);
    const bool noDesignator = symbol.w[15] == 1;
    for (int g = 0; g < gates; ++g) {
        const int first = header + 1 + g * stride;
        const int last = std::min(first + stride - 1, lastOfBlock);
        for (int i = first; i <= last; ++i) {
            DrawObject& line = g_symbolElements[i];
            if (line.type() != kObjLine)
                continue;
            bindLine(line, first, last);
            const bool atOrigin = (line.w[0] == kOriginX && line.w[1] == kOriginY)
                                  || (line.w[2] == kOriginX && line.w[3] == kOriginY);
            if (noDesignator && atOrigin)
                line.w[7] = 0;
        }
    }
}
