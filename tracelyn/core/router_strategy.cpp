#include "tracelyn/core/router_strategy.h"

#include "platform/system/ascii_case.h"
#include "platform/system/paths.h"
#include "platform/system/profile_file.h"
#include "tracelyn/core/int_list_text.h"
#include "tracelyn/core/route_services.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

// The value of key, or nothing when it is missing.
std::optional<std::string> valueOf(const plat::ProfileFile& file, std::string_view key,
                                   size_t buffer = 0)
{
    static constexpr std::string_view kMissing = "\x01";
    std::string text = file.getString(kStrategySection, key, kMissing, buffer);
    if (text == kMissing)
        return std::nullopt;
    return text;
}

// Each non-empty comma-separated token replaces values[i] in order; the rest stay.
void applyTokens(std::string_view text, int32_t* values, size_t count)
{
    size_t start = 0;
    for (size_t i = 0; i < count; ++i) {
        const size_t comma = text.find(',', start);
        const std::string token(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (token.find_first_not_of(" \t") != std::string::npos)
            values[i] = static_cast<int32_t>(std::strtol(token.c_str(), nullptr, 10));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
}

}  // namespace

std::string StrategyFileName(std::string_view boardName)
{
    // Only the file name is cut: folders may have dots in their names.
    const size_t nameStart = boardName.size() - plat::fileNameOf(boardName).size();
    const std::string_view name = boardName.substr(nameStart);
    return std::string(boardName.substr(0, nameStart)) + std::string(name.substr(0, name.find('.'))) + ".str";
}

plat::WriteResult WriteRouterStrategy(std::string_view boardName)
{
    plat::ProfileFile file(StrategyFileName(boardName));
    const RouterState& r = g_router;
    file.writeString(kStrategySection, "router", JoinInts(r.values));
    file.writeInt(kStrategySection, "passes", r.passes);
    file.writeString(kStrategySection, "layers", JoinInts(std::span(r.layerSwitches).first(kStrategyLayersWritten)));
    // Written a second time as the file always had it; the key keeps its one place.
    file.writeInt(kStrategySection, "passes", r.passes);
    file.writeInt(kStrategySection, "vcc", r.vccNet);
    file.writeInt(kStrategySection, "gnd", r.groundNet);
    file.writeString(kStrategySection, "netlist", r.netlistName);
    return file.flush();
}

void ReadRouterStrategy(std::string_view boardName)
{
    const plat::ProfileFile file(plat::upperCaseFileName(StrategyFileName(boardName)));
    RouterState& r = g_router;
    if (const auto router = valueOf(file, "router"))
        applyTokens(*router, r.values.data(), r.values.size());
    r.gridPitch = RouterGridPitch(r.values[kRouterGridValue]);
    r.passes = file.getInt(kStrategySection, "passes", r.passes);
    if (const auto layers = valueOf(file, "layers"))
        applyTokens(*layers, r.layerSwitches.data(), kStrategyLayersRead);
    r.vccNet = file.getInt(kStrategySection, "vcc", r.vccNet);
    r.groundNet = file.getInt(kStrategySection, "gnd", r.groundNet);
    r.netlistName = valueOf(file, "netlist", kStrategyNetlistBuffer).value_or(std::string());
}
