#include "tracelyn/core/board_view_state.h"

#include "tracelyn/core/board_settings.h"

BoardView g_view;
PolarGrid g_polarGrid;
BoardPrintState g_print;
BoardPaintState g_paint;
BoardCrosshair g_crosshair;

bool MetricUnits()
{
    return g_boardSettings.units == kUnitsMetric;
}
