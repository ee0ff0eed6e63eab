// The status line's description of the one selected object (pane 0).
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/mouse_edit.h"
#include "tracelyn/core/net_tracing.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/stroke_text_services.h"
#include "tracelyn/core/workspace_services.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <string>

namespace {

// The faces a text's font number names (word 2, bits 0-6).
constexpr std::array<const char*, 16> kFontNames = {
    "Standard", "Arial",         "Courier",  "Courier New",    "Fixedsys", "Modern",
    "MS Sans Serif", "MS Serif", "Roman",    "Script",         "Small Fonts", "Symbol",
    "System",   "Terminal",      "Times New Roman", "Wingdings"};

std::string format(const char* pattern, auto... values)
{
    char text[256];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

std::string describe(int index, const BoardObject& o, bool metric)
{
    const double w = metric ? std::round(o.w[7] * 0.1 * 2.54 / 0.25) * 0.25 * 0.01 : o.w[7] * 0.1;
    switch (o.kind()) {
    case kKindLine: {
        const double inches = std::hypot(double(o.w[2]) - o.w[0], double(o.w[3]) - o.w[1]) * 0.0001;
        return metric ? format("Selected object #%d, line or trace, length=%.3f (cm), width=%.2f (mm)", index, inches * 2.54, w)
                      : format("Selected object #%d, line or trace, length=%.4f (inches), width=%.1f (mils)", index, inches, w);
    }
    case kKindRectangle: {
        const double x = std::abs(o.w[2]) * 0.0001, y = std::abs(o.w[3]) * 0.0001;
        return metric ? format("Selected object #%d, rectangle, %.2f X %.2f (cm), width=%.2f (mm)", index, x * 2.54, y * 2.54, w)
                      : format("Selected object #%d, rectangle, %.4f X %.4f (inches), width=%.1f (mils)", index, x, y, w);
    }
    case kKindText: {
        const char* face = kFontNames[static_cast<size_t>(o.w[2] & 127) % kFontNames.size()];
        const double size = GetStrokeTextExtent("X", std::min((o.w[2] >> 8) & 127, 8) << 8, 0)[1];
        const int chars = o.text() != nullptr ? static_cast<int>(std::strlen(o.text())) : 0;
        return format("Selected object #%d, \"%s\" text, size=%.0f, %d chars", index, face, size, chars);
    }
    case kKindEllipse:
        return metric ? format("Selected object #%d, ellipse, width=%.2f (mm) radius1=%.1f", index, w, o.w[2] * 0.1 * 2.54)
                      : format("Selected object #%d, ellipse, width=%.1f (mils), radius1=%.1f", index, w, o.w[2] * 0.1);
    case kKindArc:
        return metric ? format("Selected object #%d, arc, width=%.2f (mm)", index, w)
                      : format("Selected object #%d, arc, width=%.1f (mils)", index, w);
    case kKindPad:
        return metric ? format("Selected object #%d, pad, hole=%.2f, x=%.2f, y=%.2f (mm)", index, o.w[6] * 0.1 * 0.0254,
                               o.w[2] * 0.1 * 0.0254, o.w[3] * 0.1 * 0.0254)
                      : format("Selected object #%d, pad, hole=%.1f, x=%.1f, y=%.1f (mils)", index, o.w[6] * 0.1,
                               o.w[2] * 0.1, o.w[3] * 0.1);
    case kKindNoRoute:
        return format("Selected object #%d, no-route", index);
    case kKindPolygon:
        return format("Selected object #%d, polygon, number of edges: %d", index, o.w[2]);
    default:
        break;
    }
    if (o.kind() > kKindPart) {
        const char first = o.text() != nullptr && o.text()[0] != '\0' ? o.text()[0] : ' ';
        const std::string package(PackageNameOf(o.package()));
        return format("Selected object #%d, %c%d (%s)", index, first, o.w[7], package.c_str());
    }
    return format("Selected object #%d", index);
}

}  // namespace

void ShowSelectedObjectInfo()
{
    if (g_selection.count < 1 || g_board.objects == nullptr)
        return;
    const int index = g_selection.list[1];
    if (index < 1 || index >= g_board.capacity)
        return;
    if (g_gesture.selectiveMode == kSelectiveEditNetsOnly && g_board.objects[index].kind() == kKindLine) {
        ListNetPins(index);
        return;
    }
    SetStatusText(describe(index, g_board.objects[index], MetricUnits()), kPaneMessage);
}
