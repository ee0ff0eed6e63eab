#include "schemora/core/settings_fields.h"

#include <algorithm>
#include <climits>
#include <cstdint>

std::vector<std::string> SplitSettingFields(std::string_view text, std::string_view separators)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find_first_of(separators, start);
        fields.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return fields;
        start = end + 1;
    }
}

int SettingNumber(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return 0;
    text.remove_prefix(first);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > INT_MAX)   // an overlong number saturates instead of wrapping
            break;
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

std::string NumberedKey(std::string_view base, int n) { return std::string(base) + std::to_string(n); }
