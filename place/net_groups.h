#pragma once
// Which parts share nets, from the schematic program's netlist (".net": net lines
// "NAME----pin,pin,..." continued after "&"), and the order that keeps connected parts
// together when they are laid out one after another.

#include "place/reference_list.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The board program's netlist reader refuses joined lines from this length on, and its net
// table holds this many nets.
inline constexpr size_t kMaxJoinedNetChars = 1900;
inline constexpr size_t kMaxNetLines = 2000;

// For each net, the indexes (into the reference list) of the parts it touches, each once.
// Pins of parts not in the list are left out. nullopt and a reason when the netlist is
// refused (a net too long for the board program, too many nets).
struct NetReadResult {
    std::vector<std::vector<size_t>> nets;
    std::string refusal;        // empty when read
};
NetReadResult ReadNetParts(std::string_view text, const std::vector<ReferencePart>& parts);

// Nets that touch more parts than this (supplies and grounds) do not pull parts together.
inline constexpr size_t kMaxGroupingNetParts = 8;

// The parts in layout order: each group of parts joined by nets (breadth first from its most
// connected part, the most strongly tied neighbours first), larger groups first, unconnected
// parts last in list order. Every index appears exactly once.
std::vector<size_t> GroupByConnectivity(size_t partCount, const std::vector<std::vector<size_t>>& nets);
