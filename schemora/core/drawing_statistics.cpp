#include "schemora/core/drawing_statistics.h"

#include <algorithm>
#include <cstdio>

DrawingStatistics CountDrawingStatistics(std::span<const DrawObject> objects, int count)
{
    DrawingStatistics s;
    s.records = std::clamp(count, 0, std::max(0, static_cast<int>(objects.size()) - 1));
    for (int i = 1; i <= s.records; ++i) {
        const DrawObject& o = objects[static_cast<size_t>(i)];
        const int type = o.type();
        if (type != kObjDeleted)
            ++s.live;
        if (o.isPart()) {
            ++s.parts;
            continue;
        }
        switch (type) {
        case kObjRectangle: ++s.rectangles; break;
        case kObjTriangle: ++s.triangles; break;
        case kObjText: ++s.strings; break;
        case kObjRoundRect: ++s.roundedRectangles; break;
        case kObjDot: ++s.dots; break;
        case kObjLine: ++s.lines; break;
        case kObjArc: ++s.arcs; break;
        case kObjArrow: ++s.arrows; break;
        case kObjBus: ++s.busses; break;
        case kObjEllipse: ++s.ellipses; break;
        case kObjPolygon: ++s.polygons; break;
        default: break;
        }
    }
    return s;
}

std::string StatisticsText(const DrawingStatistics& s, int partTypes)
{
    char text[512];
    std::snprintf(text, sizeof text,
                  "#parts=%d, #rectangles=%d, #triangles=%d, #strings=%d\n"
                  "#rounded rectangles=%d, #dots=%d, #lines=%d, #arcs=%d\n"
                  "#arrows=%d, #busses=%d, #ellipses=%d, #polygons=%d\n"
                  "#part types=%d, Total elements (%d)=%d",
                  s.parts, s.rectangles, s.triangles, s.strings, s.roundedRectangles, s.dots, s.lines, s.arcs,
                  s.arrows, s.busses, s.ellipses, s.polygons, partTypes, s.records, s.live);
    return text;
}
