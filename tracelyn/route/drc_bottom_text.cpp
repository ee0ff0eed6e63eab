#include "tracelyn/route/drc_bottom_text.h"

#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/route/drc_silkscreen.h"

#include <algorithm>

namespace {

bool mirrored(int32_t angleWord) { return ((angleWord >> 12) & 1) != 0; }

bool hasText(const BoardObject& o) { return o.text() != nullptr && o.text()[0] != '\0'; }

// A part whose drawing goes on the bottom silk alone (a part on all layers draws on both).
bool onBottomOnly(const BoardObject& part)
{
    const int layer = part.layer();
    return layer >= 1 && layer <= 15;
}

// Whether the part's silk shows any text: its label, or a package text that is not a pin
// number or the name placeholder.
bool showsText(const BoardObject& part)
{
    PartSection range;
    if (!PartSectionRange(part, range) || range.count < 1)
        return false;
    bool valueOnlyEmpty = false;
    if (hasText(part) && !PartReferenceLabel(part, range.sections, range.section, valueOnlyEmpty).empty()
        && !valueOnlyEmpty)
        return true;
    if (g_boardSettings.pin_font == kPinFontHidesTexts)
        return false;
    for (int i = std::max(range.first, 1); i <= range.last; ++i) {
        const BoardObject& o = g_packages.objects[static_cast<size_t>(i)];
        if (o.kind() == kKindText && hasText(o) && o.w[6] != 3 && !IsNamePlaceholder(o.text()))
            return true;
    }
    return false;
}

}  // namespace

void CheckBottomText(std::vector<DrcFinding>& findings)
{
    const int last = g_board.objects == nullptr ? 0 : std::min(g_board.count, g_board.capacity - 1);
    for (int i = 1; i <= last; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() == kKindText && o.layer() == kLayerSilkBottom && hasText(o) && !mirrored(o.w[3]))
            findings.push_back(FindingAround(DrcRule::kBottomText, GetObjectExtent(i, kExtentWithLabel), i));
        else if (o.isPart() && onBottomOnly(o) && !mirrored(o.w[6]) && showsText(o))
            findings.push_back(FindingAround(DrcRule::kBottomText, GetObjectExtent(i, kExtentPlain), i));
    }
}
