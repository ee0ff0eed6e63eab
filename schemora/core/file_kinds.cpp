#include "schemora/core/file_kinds.h"

#include "platform/system/paths.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kFilterDxf = 2;
constexpr int kFilterEncapsulated = 3;
constexpr int kFilterPreviousVersion = 4;

}  // namespace

OpenKind OpenKindOf(std::string_view path)
{
    constexpr std::array<std::string_view, 7> kTextOutputs{".NET", ".NTO", ".CIR", ".CKT", ".PRT", ".REF", ".MOD"};
    if (std::any_of(kTextOutputs.begin(), kTextOutputs.end(),
                    [path](std::string_view ext) { return plat::hasExtension(path, ext); }))
        return OpenKind::TextViewer;
    if (plat::hasExtension(path, ".DXF"))
        return OpenKind::Dxf;
    return OpenKind::Drawing;
}

SaveAsKind SaveAsKindOf(std::string_view path, int filterIndex)
{
    if (plat::hasExtension(path, ".DXF") || filterIndex == kFilterDxf)
        return SaveAsKind::Dxf;
    if (plat::hasExtension(path, ".EPC") || filterIndex == kFilterEncapsulated)
        return SaveAsKind::Encapsulated;
    if (filterIndex == kFilterPreviousVersion)
        return SaveAsKind::PreviousVersion;
    return SaveAsKind::Drawing;
}
