#include "platform/qt_host/font_faces.h"

#include "platform/gdi/font_table.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace plat {
namespace {

constexpr uint8_t kFixedPitch = 0x01, kVariablePitch = 0x02;
constexpr uint8_t kFamilyRoman = 0x10, kFamilySwiss = 0x20, kFamilyModern = 0x30;
constexpr uint8_t kAnsiCharSet = 0, kSymbolCharSet = 2;

// The faces the programs' own font tables start with, tried in this order.
constexpr std::array<std::string_view, 3> kUsualFaces{"Arial", "Times New Roman", "Courier New"};

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
                  return std::tolower(x) == std::tolower(y);
              });
}

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

}  // namespace

std::string_view familyForFace(std::string_view face)
{
    const std::string_view family = substituteFamily(face);
    return family.empty() ? face : family;
}

std::string faceForFamily(std::string_view family, std::string_view preferredFace)
{
    if (!preferredFace.empty() && sameName(familyForFace(preferredFace), family))
        return std::string(preferredFace);
    for (std::string_view face : kUsualFaces)
        if (sameName(familyForFace(face), family))
            return std::string(face);
    return std::string(family);
}

uint8_t pitchAndFamilyOf(std::string_view family, bool fixedPitch)
{
    if (fixedPitch)
        return kFixedPitch | kFamilyModern;
    if (contains(family, "Serif") && !contains(family, "Sans"))
        return kVariablePitch | kFamilyRoman;
    return kVariablePitch | kFamilySwiss;
}

uint8_t charSetOf(std::string_view face)
{
    return sameName(face, "Symbol") || sameName(face, "Wingdings") ? kSymbolCharSet : kAnsiCharSet;
}

}  // namespace plat
