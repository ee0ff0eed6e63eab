#include "tracelyn/core/package_preview.h"

#include "common/pcb/package_preview.h"
#include "tracelyn/core/board_paint_frame.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_settings.h"

std::optional<std::string> DrawPartPreview(plat::Dc& dc, const plat::Rect& client, std::string_view library,
                                           std::string_view part)
{
    if (g_boardPalette.palette.size() == 0)
        BuildBoardPalette();
    const pcb::PreviewLook look{g_boardFolders.libraryFolder, g_boardPalette.palette, CurrentPaintFrame(),
                                CurrentLayerRules()};
    return pcb::DrawPartPreview(dc, client, look, library, part);
}
