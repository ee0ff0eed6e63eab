#pragma once
// Moving, scaling and snapping an object's stored points with one rule per axis: the first point
// always, the second point (words 2 and 3) where the caller says the kind has one, and a
// polygon's point block.

#include "schemora/core/draw_object.h"

template <class MapX, class MapY>
void MapEndPoints(DrawObject& o, bool secondPoint, MapX&& mapX, MapY&& mapY)
{
    o.w[0] = mapX(o.w[0]);
    o.w[1] = mapY(o.w[1]);
    if (secondPoint) {
        o.w[2] = mapX(o.w[2]);
        o.w[3] = mapY(o.w[3]);
    }
}

template <class MapX, class MapY>
void MapPolygonPoints(DrawObject& o, MapX&& mapX, MapY&& mapY)
{
    for (int i = 0; i < o.pointCount(); ++i)
        o.setPoint(i, mapX(o.pointX(i)), mapY(o.pointY(i)));
}
