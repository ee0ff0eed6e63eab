#include "schemora/core/text_width_estimate.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxEstimatedChars = 147;

}  // namespace

int GetCharWidthUnits(char c)
{
    if (c >= '0' && c <= '9')
        return 35;
    switch (c) {
    case '.':
    case '/': return 18;
    case 'I': return 17;
    case 'L': return 38;
    case 'M': return 55;
    case 'W': return 66;
    default: return 50;
    }
}

int EstimateTextWidth(std::string_view text)
{
    int width = 0;
    for (const char c : text.substr(0, std::min(text.size(), kMaxEstimatedChars)))
        width += GetCharWidthUnits(c);
    return width;
}
