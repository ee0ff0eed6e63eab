#include "schemora/workspace/block_pin_order.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int trailingDigits(const std::string& s)
{
    int n = 0;
    while (n < static_cast<int>(s.size()) && isDigit(s[s.size() - 1 - static_cast<size_t>(n)]))
        ++n;
    return n;
}

struct NumberedKey {
    std::string prefix;
    int number = 0;
};

// The number of a padded key: its last three characters when they are digits, else its last
// one; the prefix is what comes before. Nothing for a key that does not end in a digit.
std::optional<NumberedKey> numberOf(const std::string& key)
{
    if (key.empty() || !isDigit(key.back()))
        return std::nullopt;
    const size_t digits = key.size() >= 3 && isDigit(key[key.size() - 2]) && isDigit(key[key.size() - 3]) ? 3 : 1;
    const std::string tail = key.substr(key.size() - digits);
    return NumberedKey{key.substr(0, key.size() - digits), std::stoi(tail)};
}

// The first run [first, last) of the sorted keys to bring forward; an empty range when none.
std::pair<size_t, size_t> numberedRun(const std::vector<std::string>& keys)
{
    for (size_t i = 0; i + 1 < keys.size(); ++i) {
        const auto a = numberOf(keys[i]);
        if (!a)
            continue;
        if (a->prefix.empty())
            break;
        const auto b = numberOf(keys[i + 1]);
        if (!b || b->prefix != a->prefix || b->number != a->number + 1)
            continue;
        size_t last = i + 2;
        while (last < keys.size()) {
            const auto c = numberOf(keys[last]);
            if (!c || c->prefix != a->prefix)
                break;
            ++last;
        }
        return {i, last};
    }
    return {0, 0};
}

}  // namespace

std::string PaddedSortKey(const std::string& label)
{
    const int digits = trailingDigits(label);
    if (digits == 0 || digits >= 3)
        return label;
    std::string key = label;
    key.insert(key.size() - static_cast<size_t>(digits), digits == 1 ? "00" : "0");
    return key;
}

std::vector<int> SortedLabelOrder(const std::vector<std::string>& labels)
{
    std::vector<int> order(labels.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<std::string> keys;
    keys.reserve(labels.size());
    for (const std::string& label : labels)
        keys.push_back(PaddedSortKey(label));
    std::ranges::stable_sort(order, [&](int a, int b) { return keys[static_cast<size_t>(a)] < keys[static_cast<size_t>(b)]; });
    std::vector<std::string> sorted;
    for (const int i : order)
        sorted.push_back(keys[static_cast<size_t>(i)]);
    const auto [first, last] = numberedRun(sorted);
    std::rotate(order.begin(), order.begin() + static_cast<long>(first), order.begin() + static_cast<long>(last));
    return order;
}
