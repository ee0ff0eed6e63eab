// The placement utility's readers of the schematic's files: the reference list and the
// netlist's part groups. An input is a reference list, a line "====", then a netlist.

#include "fuzz/fuzz_support.h"
#include "place/net_groups.h"
#include "place/reference_list.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

void fuzz::startHarness() {}

void fuzz::runInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find("\n====\n");
    const std::string_view refs = input.substr(0, split);
    const std::string_view nets = split == std::string_view::npos ? std::string_view() : input.substr(split + 6);
    const ReferenceListResult list = ParseReferenceList(refs);
    if (const auto* parts = std::get_if<std::vector<ReferencePart>>(&list)) {
        const NetReadResult read = ReadNetParts(nets, *parts);
        const std::vector<size_t> order = GroupByConnectivity(parts->size(), read.nets);
        if (order.size() != parts->size())
            __builtin_trap();
    }
}
