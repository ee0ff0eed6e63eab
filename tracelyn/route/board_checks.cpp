#include "tracelyn/route/board_checks.h"

#include "common/rounding.h"
#include "platform/core/ui_host.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/cursor_snap.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/object_removal.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/route_services.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

DesignRuleClearances g_designRules;

namespace {

constexpr double kMilsPerMillimetre = 39.37008;
constexpr double kMetricGridToEnglish = 0.39370078;
constexpr size_t kClearanceFieldChars = 20;

// ---- re-grid ----------------------------------------------------------------------------

GridStep regridSteps()
{
    GridStep g{g_view.gridStepX, g_view.gridStepY};
    if (MetricUnits()) {
        g.x = RoundHalfUp(g.x * kMetricGridToEnglish);
        g.y = RoundHalfUp(g.y * kMetricGridToEnglish);
    }
    return g;
}

void snapPoint(int32_t& x, int32_t& y, GridStep g)
{
    x = RegridValue(x, g.x);
    y = RegridValue(y, g.y);
}

void regridObject(BoardObject& o, GridStep g)
{
    switch (o.kind()) {
    case kKindLine:
    case kKindRectangle:
    case kKindArc:
        snapPoint(o.w[0], o.w[1], g);
        snapPoint(o.w[2], o.w[3], g);
        return;
    case kKindText:
    case kKindEllipse:
    case kKindPad:
        snapPoint(o.w[0], o.w[1], g);
        return;
    case kKindPolygon:
        if (int32_t* v = o.points(); v != nullptr)
            for (int32_t i = 0; i < o.w[2]; ++i)
                snapPoint(v[2 * i], v[2 * i + 1], g);
        return;
    default:
        if (o.kind() > kKindPart)
            snapPoint(o.w[0], o.w[1], g);
        return;
    }
}

void markModified()
{
    if (g_footprintEditor.open)
        g_footprintEditor.modified = 1;
    else if (g_active.data != nullptr)
        g_active.data->modified = true;
}

// ---- statistics -------------------------------------------------------------------------

struct Counts {
    int packages = 0, holes = 0, vias = 0, hidden = 0, pads = 0, traces = 0, arcs = 0;
    int texts = 0, rectangles = 0, noRoutes = 0, drcs = 0, polygons = 0, live = 0;
};

bool isThroughHoleShape(int shape)
{
    return shape == 0 || shape == 1 || shape == 3;
}

void countPad(Counts& c, const BoardObject& o)
{
    const int shape = o.w[5] & 15;
    if (shape == 5 || shape == 6) {
        ++c.vias;
        ++c.holes;
        if (shape == 6)
            ++c.hidden;
        return;
    }
    ++c.pads;
    if (o.w[6] >= 1 && shape != 2 && shape != 4 && shape != 8)
        ++c.holes;
}

// The pads of the part's section of its package; through-hole when one of them is drilled.
void countPartPads(Counts& c, const BoardObject& part)
{
    int sections = 0, count = 0, first = 0, value = 0;
    const int key = part.w[5] == -1 ? 0 : (part.w[5] >> 3) & 3;
    FindPartPin(part.package(), sections, count, first, key, value);
    const int end = std::min(first + std::max(count, 0), kPackageStoreSize);
    int pads = 0;
    bool throughHole = false;
    for (int i = std::max(first, 1); i < end; ++i) {
        const BoardObject& pad = g_packages.objects[static_cast<size_t>(i)];
        if (pad.kind() != kKindPad)
            continue;
        ++pads;
        throughHole = throughHole || (pad.w[6] >= 1 && isThroughHoleShape(pad.w[5] & 15));
    }
    c.pads += pads;
    if (throughHole)
        c.holes += pads;
}

Counts countObjects()
{
    Counts c;
    if (g_board.objects == nullptr)
        return c;
    const int last = std::min(g_board.count, g_board.capacity - 1);
    for (int i = 1; i <= last; ++i) {
        const BoardObject& o = g_board.objects[i];
        const int kind = o.kind();
        if (kind != kKindDeleted)
            ++c.live;
        switch (kind) {
        case kKindLine: ++c.traces; break;
        case kKindRectangle: ++c.rectangles; break;
        case kKindText: ++c.texts; break;
        case kKindArc: ++c.arcs; break;
        case kKindFixedRectangle: ++c.drcs; break;
        case kKindNoRoute: ++c.noRoutes; break;
        case kKindPolygon: ++c.polygons; break;
        case kKindPad: countPad(c, o); break;
        default:
            if (kind >= kKindPart)
                ++c.packages;
            if (kind > kKindPart)
                countPartPads(c, o);
            break;
        }
    }
    return c;
}

}  // namespace

std::string ClearanceFieldText(int32_t value, bool metric)
{
    char text[64];
    if (metric)
        std::snprintf(text, sizeof text, "%.3g", value / (kMilsPerMillimetre * 10));
    else
        std::snprintf(text, sizeof text, "%.1f", value * 0.1);
    return text;
}

int32_t ClearanceFromField(std::string_view text, bool metric)
{
    const std::string field(text.substr(0, kClearanceFieldChars));
    const double value = std::strtod(field.c_str(), nullptr);
    // Board units are tenths of a mil in both unit modes.
    const double units = metric ? value * kMilsPerMillimetre * 10 : value * 10;
    constexpr double kLimit = std::numeric_limits<int32_t>::max();
    if (!(units > -kLimit && units < kLimit))
        return 0;
    return metric ? RoundHalfUp(units) : static_cast<int32_t>(units);
}

int32_t RegridValue(int32_t c, int32_t g)
{
    const int64_t q = c / g;
    const int64_t r = c % g;
    const int64_t h = g / 2;
    int64_t snapped = q * g;
    if (r > h)
        snapped += g;
    else if (r < -h)
        snapped -= g;
    return static_cast<int32_t>(std::clamp<int64_t>(snapped, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

void RegridObjects()
{
    if (g_selection.count <= 0) {
        plat::MessageBox("Select objects first to do regrid");
        return;
    }
    if (plat::MessageBox("Regrid selected objects?", plat::kMbYesNo) != plat::kIdYes)
        return;
    const GridStep g = regridSteps();
    if (g.x <= 0 || g.y <= 0 || g_board.objects == nullptr)
        return;
    const int selected = std::min<int>(g_selection.count, static_cast<int>(g_selection.list.size()) - 1);
    for (int s = 1; s <= selected; ++s) {
        const int32_t index = g_selection.list[static_cast<size_t>(s)];
        if (index >= 1 && index <= g_board.count && index < g_board.capacity)
            regridObject(g_board.objects[index], g);
    }
    RedrawActiveFrame();
    markModified();
}

std::string ShowArtworkStatistics()
{
    const Counts c = countObjects();
    char text[512];
    std::snprintf(text, sizeof text,
                  "#packages=%d, #holes=%d, #vias=%d (hidden=%d)\n#pads=%d, #traces=%d, #arcs=%d\n"
                  "#text strings=%d, #rectangles=%d\n#no routes=%d, #drcs=%d, #part types=%d,\n"
                  "#polygons=%d\n#elements(%d)=%d",
                  c.packages, c.holes, c.vias, c.hidden, c.pads, c.traces, c.arcs, c.texts, c.rectangles,
                  c.noRoutes, c.drcs, g_packages.count, c.polygons, g_board.count, c.live);
    plat::MessageBox(text, plat::kMbIconInformation);
    return text;
}

int ClearNetNames(int silent)
{
    if (g_board.objects != nullptr) {
        for (int i = std::min(g_board.count, g_board.capacity - 1); i >= 1; --i)
            if (g_board.objects[i].kind() == kKindNoRoute)
                RemoveObject(i);
    }
    g_netlist.ratsNestShown = 0;
    if (g_netlist.netCount <= 0)
        return 0;
    const int answer = silent != 0 ? plat::kIdYes : plat::MessageBox("Clear net names?", plat::kMbYesNo);
    if (answer == plat::kIdYes) {
        ForgetNets();
        g_router.ratsNestCount = 0;
    }
    return answer;
}
