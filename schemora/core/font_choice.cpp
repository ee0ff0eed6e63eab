#include "schemora/core/font_choice.h"

#include "platform/core/ui_host.h"
#include "schemora/core/settings.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kMaxFontNames = 63;
constexpr int kStandardFontSize = 8;
constexpr int kArialIndex = 1;
constexpr int kBoldWeight = 700;

}  // namespace

int FindOrAddFont(std::string_view face, uint8_t pitchAndFamily, uint8_t charSet)
{
    auto& table = g_settings.fontTable;
    if (table.empty())
        table.resize(1);
    const int names = std::min(static_cast<int>(table.size()) - 1, kMaxFontNames);
    for (int i = 1; i <= names; ++i)
        if (table[static_cast<std::size_t>(i)].face == face)
            return i - 1;
    FontEntry entry{std::string(face), charSet, pitchAndFamily, 0};
    int slot = names + 1;
    if (slot > kMaxFontNames) {
        slot = kMaxFontNames;
    } else {
        table.resize(static_cast<std::size_t>(slot) + 1);
        g_settings.fonts = std::max(g_settings.fonts, slot);
    }
    table[static_cast<std::size_t>(slot)] = entry;
    return slot - 1;
}

std::optional<int> ChooseTextStyle(int style)
{
    const int font = style & 0x7F;
    int size = (style >> 8) & 0x7F;
    const auto& table = g_settings.fontTable;
    // The standard font shows as Arial, 8 high.
    const int shown = font == 0 ? kArialIndex : font;
    plat::FontChoice initial;
    if (shown + 1 < static_cast<int>(table.size()))
        initial.face = table[static_cast<std::size_t>(shown) + 1].face;
    if (font == 0)
        size = kStandardFontSize;
    initial.height = -size;
    initial.weight = (style & 0x80) != 0 ? kBoldWeight : 400;
    initial.italic = (style & 0x8000) != 0;
    const std::optional<plat::FontChoice> chosen = plat::uiHost().fontDialog(initial);
    if (!chosen)
        return std::nullopt;
    int index = FindOrAddFont(chosen->face, chosen->pitchAndFamily, chosen->charSet);
    int newSize = std::min(std::abs(chosen->height), 0x7F);
    if (index == kArialIndex) {
        index = 0;
        newSize = 0;
    }
    return (index & 0x7F) | (chosen->weight >= kBoldWeight ? 0x80 : 0) | (newSize << 8) | (chosen->italic ? 0x8000 : 0);
}
