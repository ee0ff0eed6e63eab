#include "schemora/core/part_transforms.h"

#include <algorithm>
#include <cctype>

namespace {

std::string upperTrimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

void TransformPartLabelRect(const PartSymbol& symbol, int* x1, int* y1, int* x2, int* y2,
                            int orientation, bool mirror)
{
    TransformPartPoint(symbol.w[3], symbol.w[4], x1, y1, orientation, mirror);
    TransformPartPoint(symbol.w[5], symbol.w[6], x2, y2, orientation, mirror);
}

void TransformPartExtent(const PartSymbol& symbol, int* x1, int* y1, int* x2, int* y2,
                         int orientation, bool mirror)
{
    TransformPartPoint(symbol.w[7], symbol.w[8], x1, y1, orientation, mirror);
    TransformPartPoint(symbol.w[9], symbol.w[10], x2, y2, orientation, mirror);
}

bool IsRightAngle(int orientation)
{
    const int a = orientation & 0xFFF;
    return a == 0 || a == 900 || a == 1800 || a == 2700;
}

int FindLoadedPart(int start, std::string_view name, int* index)
{
    std::string wanted = upperTrimmed(name);
    if (wanted.empty())
        return 0;
    if (const size_t colon = wanted.find(':'); colon != std::string::npos)
        wanted.erase(0, colon + 1);
    const int last = std::min(g_partSymbols.count, kPartSymbolSlots - 1);
    for (int i = std::max(start, 1); i <= last; ++i) {
        if (g_partSymbols.entries[static_cast<size_t>(i)].name == wanted) {
            *index = i;
            return 1;
        }
    }
    return 0;
}

std::string SplitAtBlank(std::string_view text, bool* found, int* offset)
{
    const size_t blank = text.find(' ');
    *found = blank != std::string_view::npos;
    *offset = *found ? static_cast<int>(blank) + 1 : 0;
    if (!*found)
        return "NONE";
    return std::string(text.substr(text.rfind(' ') + 1));
}
