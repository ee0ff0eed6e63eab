#include "schemora/core/font_choice.h"

#include "platform/core/ui_host.h"
#include "schemora/core/app_state.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/settings.h"
#include "schemora/core/style_changes.h"
#include "schemora/core/text_style.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kMaxFontNames = 63;
constexpr int kStandardFontSize = 8;
constexpr int kArialIndex = 1;
constexpr int kBoldWeight = 700;
bool g_fontTableFullTold = false;

TextToolStyle styleOfWord(int style)
{
    return {.font = style & 0x7F, .bold = (style & 0x80) != 0, .size = (style >> 8) & 0x7F, .italic = (style & 0x8000) != 0};
}

// The chooser's starting point: the standard font shows as Arial, 8 high.
plat::FontChoice choiceOfStyle(const TextToolStyle& style)
{
    const int shown = style.font == 0 ? kArialIndex : style.font;
    const auto& table = g_settings.fontTable;
    plat::FontChoice initial;
    if (shown + 1 < static_cast<int>(table.size()))
        initial.face = table[static_cast<std::size_t>(shown) + 1].face;
    initial.height = -(style.font == 0 ? kStandardFontSize : style.size);
    initial.weight = style.bold ? kBoldWeight : 400;
    initial.italic = style.italic;
    return initial;
}

// Arial, the face the standard font shows in, is stored as the standard font.
TextToolStyle styleOfChoice(const plat::FontChoice& chosen)
{
    TextToolStyle style{.font = FindOrAddFont(chosen.face, chosen.pitchAndFamily, chosen.charSet),
                        .bold = chosen.weight >= kBoldWeight,
                        .size = std::min(std::abs(chosen.height), 0x7F),
                        .italic = chosen.italic};
    if (style.font == kArialIndex) {
        style.font = 0;
        style.size = 0;
    }
    return style;
}

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
    if (names >= kMaxFontNames) {
        if (!g_fontTableFullTold)
            plat::MessageBox("The font table is full (63 fonts): new fonts are shown in the standard font.",
                             plat::kMbIconExclamation);
        g_fontTableFullTold = true;
        return 0;
    }
    const int slot = names + 1;
    table.resize(static_cast<std::size_t>(slot) + 1);
    table[static_cast<std::size_t>(slot)] = FontEntry{std::string(face), charSet, pitchAndFamily, 0};
    g_settings.fonts = std::max(g_settings.fonts, slot);
    return slot - 1;
}

std::optional<int> ChooseTextStyle(int style)
{
    const std::optional<plat::FontChoice> chosen = plat::uiHost().fontDialog(choiceOfStyle(styleOfWord(style)));
    if (!chosen)
        return std::nullopt;
    return styleOfChoice(*chosen).word();
}

void ChooseTextFont()
{
    if (const std::optional<plat::FontChoice> chosen = plat::uiHost().fontDialog(choiceOfStyle(g_textStyle))) {
        const TextToolStyle style = styleOfChoice(*chosen);
        if (style.font > 0 && style.font + 1 < static_cast<int>(g_settings.fontTable.size()))
            g_settings.fontTable[static_cast<std::size_t>(style.font) + 1].charSet = chosen->charSet;
        if (g_editState.selectionCount > 0) {
            const TextToolStyle kept = g_textStyle;
            g_textStyle = style;
            ApplyStyleToSelection(kApplyFont);
            g_textStyle = kept;
        } else {
            g_textStyle = style;
        }
    }
    ResetEditInteraction();
}
