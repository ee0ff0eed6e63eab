#include "place/net_groups.h"

#include "platform/system/ascii_case.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace {

// The next complete net line, joined across "&" continuations as the board program joins
// them; false at the end of the text.
bool nextJoinedLine(std::string_view& text, std::string& joined)
{
    joined.clear();
    bool any = false;
    while (!text.empty()) {
        any = true;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const size_t amp = line.rfind('&');
        if (amp == std::string_view::npos) {
            joined.append(line);
            return true;
        }
        joined.append(line.substr(0, amp));
        joined.append("  ");
        if (joined.size() >= kMaxJoinedNetChars)
            return true;
    }
    return any;
}

std::vector<size_t> pinParts(std::string_view pins, const std::unordered_map<std::string, size_t>& index)
{
    std::vector<size_t> found;
    size_t i = 0;
    while (i < pins.size()) {
        const size_t end = pins.find_first_of(", \t\r", i);
        const std::string_view pin = pins.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i);
        i = end == std::string_view::npos ? pins.size() : end + 1;
        const size_t dash = pin.rfind('-');
        if (dash == std::string_view::npos || dash == 0)
            continue;
        const auto part = index.find(plat::upperCaseAscii(pin.substr(0, dash)));
        if (part != index.end() && std::find(found.begin(), found.end(), part->second) == found.end())
            found.push_back(part->second);
    }
    return found;
}

}  // namespace

NetReadResult ReadNetParts(std::string_view text, const std::vector<ReferencePart>& parts)
{
    std::unordered_map<std::string, size_t> index;
    for (size_t i = 0; i < parts.size(); ++i)
        index.emplace(parts[i].designator, i);
    NetReadResult result;
    std::string line;
    while (nextJoinedLine(text, line)) {
        if (line.size() >= kMaxJoinedNetChars) {
            result.refusal = "The netlist has a net too long for the board program.";
            return result;
        }
        const size_t mark = line.find("----");
        if (mark == std::string::npos)
            continue;
        if (result.nets.size() == kMaxNetLines) {
            result.refusal = "The netlist has more than " + std::to_string(kMaxNetLines) + " nets.";
            return result;
        }
        result.nets.push_back(pinParts(std::string_view(line).substr(mark + 4), index));
    }
    return result;
}

std::vector<size_t> GroupByConnectivity(size_t partCount, const std::vector<std::vector<size_t>>& nets)
{
    // Ties between two parts: how many small nets they share.
    std::vector<std::map<size_t, int>> ties(partCount);
    for (const std::vector<size_t>& net : nets) {
        if (net.size() < 2 || net.size() > kMaxGroupingNetParts)
            continue;
        for (size_t a : net)
            for (size_t b : net)
                if (a != b && a < partCount && b < partCount)
                    ++ties[a][b];
    }
    std::vector<std::vector<size_t>> groups;
    std::vector<bool> placed(partCount, false);
    std::vector<size_t> loners;
    // Seeds in order of how strongly tied they are; the first of equals in list order.
    std::vector<size_t> seeds(partCount);
    for (size_t i = 0; i < partCount; ++i)
        seeds[i] = i;
    std::stable_sort(seeds.begin(), seeds.end(), [&](size_t a, size_t b) { return ties[a].size() > ties[b].size(); });
    for (size_t seed : seeds) {
        if (placed[seed])
            continue;
        placed[seed] = true;
        if (ties[seed].empty()) {
            loners.push_back(seed);
            continue;
        }
        std::vector<size_t> group{seed};
        for (size_t next = 0; next < group.size(); ++next) {
            std::vector<std::pair<size_t, int>> around(ties[group[next]].begin(), ties[group[next]].end());
            std::stable_sort(around.begin(), around.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
            for (const auto& [part, weight] : around) {
                if (!placed[part]) {
                    placed[part] = true;
                    group.push_back(part);
                }
            }
        }
        groups.push_back(std::move(group));
    }
    std::stable_sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
    std::sort(loners.begin(), loners.end());
    std::vector<size_t> order;
    order.reserve(partCount);
    for (const std::vector<size_t>& group : groups)
        order.insert(order.end(), group.begin(), group.end());
    order.insert(order.end(), loners.begin(), loners.end());
    return order;
}
