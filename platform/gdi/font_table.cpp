#include "platform/gdi/font_table.h"

#include <array>
#include <cctype>
#include <utility>

namespace plat {

namespace {

constexpr std::string_view kSans = "Liberation Sans";
constexpr std::string_view kSerif = "Liberation Serif";
constexpr std::string_view kMono = "Liberation Mono";

// Raster and vector faces of the old desktop go to the closest outline face: the sans-serif
// system faces to Liberation Sans, the fixed-pitch ones to Liberation Mono. Symbol and dingbat
// faces have no compatible font here and draw with DejaVu Sans.
constexpr std::array<std::pair<std::string_view, std::string_view>, 19> kTable{{
    {"Arial", kSans},
    {"Helvetica", kSans},
    {"MS Sans Serif", kSans},
    {"Small Fonts", kSans},
    {"System", kSans},
    {"Modern", kSans},
    {"Times New Roman", kSerif},
    {"Times", kSerif},
    {"MS Serif", kSerif},
    {"Roman", kSerif},
    {"Courier New", kMono},
    {"Courier", kMono},
    {"Fixedsys", kMono},
    {"Terminal", kMono},
    {"Lucida Console", kMono},
    {"Script", "DejaVu Serif"},
    {"Symbol", "DejaVu Sans"},
    {"Wingdings", "DejaVu Sans"},
    {"", kSans},
}};

bool equalNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

std::string_view substituteFamily(std::string_view face)
{
    for (const auto& [name, family] : kTable)
        if (equalNoCase(name, face))
            return family;
    return {};
}

std::string_view fallbackFamily(uint8_t pitchAndFamily)
{
    const int family = pitchAndFamily & 0xF0;
    if ((pitchAndFamily & 0x03) == 1 || family == 0x30)   // fixed pitch, or "modern"
        return "DejaVu Sans Mono";
    if (family == 0x10)                                  // "roman"
        return "DejaVu Serif";
    return "DejaVu Sans";
}

}  // namespace plat
