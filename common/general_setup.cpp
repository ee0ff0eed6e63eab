#include "common/general_setup.h"

#include "common/rounding.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr double kCentimetresPerUnit = 2.54;
constexpr double kUnitsPerCentimetre = 0.39370078740157477;
constexpr size_t kWidthChars = 20;
constexpr size_t kBackupChars = 200;

// The leading integer of a bounded copy of the text, as a wide value so that no typed number
// overflows; 0 when there is none.
long long leadingNumber(std::string_view text, size_t maxChars)
{
    const std::string bounded(text.substr(0, maxChars));
    return std::strtoll(bounded.c_str(), nullptr, 10);
}

}  // namespace

std::string WidthShown(int width, bool metric)
{
    return std::to_string(metric ? RoundHalfTowardZero(width * kCentimetresPerUnit) : width);
}

int WidthTyped(std::string_view text, bool metric)
{
    const long long typed = std::clamp<long long>(leadingNumber(text, kWidthChars), -1'000'000, 1'000'000);
    const int units = metric ? RoundHalfTowardZero(static_cast<double>(typed) * kUnitsPerCentimetre) : static_cast<int>(typed);
    return std::clamp(units, 0, kMaxLineWidth);
}

std::string BackupShown(int minutes) { return minutes == 0 ? "None" : std::to_string(minutes) + " Min."; }

int BackupTyped(std::string_view text)
{
    return static_cast<int>(std::clamp<long long>(leadingNumber(text, kBackupChars), 0, kMaxBackupMinutes));
}

int BackupTypedWithin(std::string_view text, int kept, int maxMinutes)
{
    const long long typed = leadingNumber(text, kBackupChars);
    return typed >= 0 && typed <= maxMinutes ? static_cast<int>(typed) : kept;
}
