#include "tracelyn/workspace/length_fields.h"

#include "common/setup_pages.h"
#include "platform/app/dialog.h"
#include "tracelyn/core/board_units.h"
#include "tracelyn/core/board_view_state.h"

#include <algorithm>

namespace {

// Lengths beyond this many mils (a hundred inches) are no length a board has.
constexpr double kMaxMils = 100'000;

}  // namespace

void LengthFields::show(plat::Dialog& dialog, unsigned id, int32_t units, const char* format)
{
    const std::string text = Formatted(format, ShownLength(units, MetricUnits()));
    dialog.SetDlgItemText(id, text);
    std::erase_if(shown_, [id](const Shown& s) { return s.id == id; });
    shown_.push_back({id, units, text});
}

int32_t LengthFields::read(const plat::Dialog& dialog, unsigned id) const
{
    const std::string text = dialog.GetDlgItemText(id);
    for (const Shown& s : shown_)
        if (s.id == id && s.text == text)
            return s.units;
    return MilsToUnits(std::clamp(TypedMils(NumberTyped(dialog, id), MetricUnits()), 0.0, kMaxMils));
}
