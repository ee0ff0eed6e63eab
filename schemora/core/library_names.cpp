// Old library family names: the families were renamed when their libraries were rebuilt, and
// drawings from before version 10 still name the old ones.
#include "schemora/core/part_library.h"

#include "platform/system/ascii_case.h"
#include "schemora/core/settings.h"

#include <array>
#include <string_view>
#include <utility>

void MapLibraryName(std::string& library)
{
    if (g_settings.MapLibraries == 0)
        return;
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kRenamed = {{
        {"DEVICE", "DEVIC1X"}, {"ANALOG", "ANALOG1X"}, {"CMOS", "CMOS1X"}, {"GENERIC", "GENERC1X"}}};
    library = plat::upperCaseAscii(library);
    for (const auto& [family, renamed] : kRenamed) {
        if (library.find(family) != std::string::npos) {
            library = std::string(renamed);
            return;
        }
    }
}
