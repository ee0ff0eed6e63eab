#include "common/part_edit_fields.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quill {

int ReduceAngleTenths(long long tenths, bool keepFullTurn)
{
    if (keepFullTurn && tenths == kFullTurnTenths)
        return kFullTurnTenths;
    long long reduced = tenths % kFullTurnTenths;
    if (reduced < 0)
        reduced += kFullTurnTenths;
    return static_cast<int>(reduced);
}

int TypedAngleTenths(std::string_view typed, bool keepFullTurn)
{
    const std::string text(typed);
    char* end = nullptr;
    const double degrees = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(degrees))
        return 0;
    // More than a turn is no angle a person means: the part goes upright.
    if (degrees * 10.0 > kFullTurnTenths)
        return 0;
    // Whole turns first, so that a huge number cannot overflow the tenths.
    const double reduced = std::fmod(degrees, 360.0);
    // Cut toward zero, but a typed "4.35" is 43.5 tenths even where the binary fraction falls
    // just short of it.
    const long long tenths = static_cast<long long>(reduced * 10.0 + std::copysign(1e-7, reduced));
    const bool fullTurn = degrees != 0.0 && reduced == 0.0 && degrees > 0.0 && degrees <= 360.0;
    return ReduceAngleTenths(fullTurn ? kFullTurnTenths : tenths, keepFullTurn);
}

std::string AngleText(int tenths)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", tenths / 10.0);
    return text;
}

std::string PrefixValueLabel(std::string_view prefix, std::string_view value)
{
    std::string label(prefix);
    if (!value.empty())
        label.append(":").append(value);
    return label;
}

}  // namespace quill
