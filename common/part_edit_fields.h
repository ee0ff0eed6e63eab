#pragma once
// What both editors' Edit Part dialogs do alike with a placed part's fields: the rotation typed
// in degrees and kept in tenths, and the label of a prefix and a value.

#include <string>
#include <string_view>

namespace quill {

inline constexpr int kFullTurnTenths = 3600;

// Tenths of a degree reduced by whole turns into 0..3599; with keepFullTurn a value of exactly
// one turn (360 degrees) stays 3600, as the schematic keeps it.
int ReduceAngleTenths(long long tenths, bool keepFullTurn);

// The typed degrees (a decimal number; blanks around it allowed) in tenths, cut toward zero and
// reduced as above; 0 for text that is no number and for more than one turn.
int TypedAngleTenths(std::string_view typed, bool keepFullTurn);

// The angle in degrees with one decimal ("90.0").
std::string AngleText(int tenths);

// "%s:%s" of prefix and value, or the prefix alone for an empty value.
std::string PrefixValueLabel(std::string_view prefix, std::string_view value);

}  // namespace quill
