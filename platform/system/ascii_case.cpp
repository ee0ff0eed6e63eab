#include "platform/system/ascii_case.h"

#include <algorithm>

namespace plat {

bool equalsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return toLowerAscii(x) == toLowerAscii(y); });
}

int compareNoCase(std::string_view a, std::string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(toLowerAscii(a[i]));
        const auto y = static_cast<unsigned char>(toLowerAscii(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool lessNoCaseStable(std::string_view a, std::string_view b)
{
    const int c = compareNoCase(a, b);
    return c != 0 ? c < 0 : a < b;
}

std::string upperCaseAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = toUpperAscii(c);
    return out;
}

}  // namespace plat
