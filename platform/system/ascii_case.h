#pragma once
// Case rules for the platform's names (INI sections and keys, registry keys, file names): only
// ASCII letters fold, so the bytes of any other encoding compare exactly.

#include <string>
#include <string_view>

namespace plat {

constexpr char toUpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char toLowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsNoCase(std::string_view a, std::string_view b);

// Orders by lower-cased bytes (so '_' and digits sort before letters, as list boxes do);
// negative, zero or positive.
int compareNoCase(std::string_view a, std::string_view b);

// Case-insensitive order with a byte-wise tie-break, so a sort is the same on every machine.
bool lessNoCaseStable(std::string_view a, std::string_view b);

std::string upperCaseAscii(std::string_view text);

}  // namespace plat
