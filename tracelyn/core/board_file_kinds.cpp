#include "tracelyn/core/board_file_kinds.h"

#include "platform/system/paths.h"

#include <array>

BoardOpenKind BoardOpenKindOf(std::string_view path)
{
    static constexpr std::array<std::string_view, 6> kTextExtensions = {".NET", ".NTO", ".UNC", ".CKT", ".PRT", ".REF"};
    for (const std::string_view ext : kTextExtensions)
        if (plat::hasExtension(path, ext))
            return BoardOpenKind::TextFile;
    if (plat::hasExtension(path, ".DXF"))
        return BoardOpenKind::Dxf;
    return BoardOpenKind::Board;
}
