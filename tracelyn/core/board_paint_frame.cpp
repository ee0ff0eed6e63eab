#include "tracelyn/core/board_paint_frame.h"

#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/package_geometry.h"

pcb::PaintFrame CurrentPaintFrame()
{
    pcb::PaintFrame f;
    f.zoomIndex = g_board.zoomIndex;
    f.zoomDivisor = g_view.zoomDivisor;
    f.metric = g_boardSettings.units == kUnitsMetric;
    f.drawToFit = g_view.drawToFit;
    f.clientRect = g_view.clientRect;
    f.clientCentreX = g_view.clientCentreX;
    f.clientCentreY = g_view.clientCentreY;
    f.viewOriginX = g_board.viewOriginX;
    f.viewOriginY = g_board.viewOriginY;
    f.rasterMode = g_paint.rasterMode;
    f.highlight = g_paint.highlight;
    f.mask = g_paint.mask;
    f.paste = g_paint.paste;
    f.pixelSize = g_paint.pixelSize;
    f.partX = g_partPosition.x;
    f.partY = g_partPosition.y;
    f.printing = g_print.printing;
    f.printMirror = g_boardSettings.PrMirror != 0;
    f.printInvert = g_boardSettings.PrInvert != 0;
    f.plotterPads = g_boardSettings.plotter == 1;
    f.printColor = g_boardSettings.PrColor != 0;
    f.currentLayer = g_edit.currentLayer;
    f.editorBackground = g_footprintEditor.open;
    f.maskMargin = g_boardSettings.mask;
    f.viaMode = g_boardSettings.viamode;
    f.roundVias = g_boardSettings.RoundVias != 0;
    f.pinFont = g_boardSettings.pin_font;
    f.colors = &g_boardColors;
    f.trueColor = g_boardPalette.trueColor;
    return f;
}

pcb::LayerRules CurrentLayerRules()
{
    pcb::LayerRules r;
    r.current = g_edit.currentLayer;
    r.pairView = g_edit.layerViewMode == kViewLayerPair;
    r.showTop = g_boardSettings.layerDisplay[0] != 0;
    r.showBottom = g_boardSettings.layerDisplay[1] != 0;
    r.copy = g_paint.rasterMode == kModeCopy;
    for (size_t layer = 0; layer < r.additional.size(); ++layer)
        r.additional[layer] = g_boardSettings.layerSwitches[layer] != 0;
    return r;
}
