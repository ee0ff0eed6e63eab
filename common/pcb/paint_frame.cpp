#include "common/pcb/paint_frame.h"

#include "common/rounding.h"

namespace pcb {

int32_t UnitsPerLogical(int zoomIndex)
{
    if (zoomIndex < 7)
        return 10;
    if (zoomIndex == 7)
        return 5;
    if (zoomIndex == 8)
        return 2;
    return 1;
}

void ToLogical(int zoomIndex, int32_t& x, int32_t& y)
{
    const int32_t u = UnitsPerLogical(zoomIndex);
    x /= u;
    y /= u;
}

int32_t LogicalLength(int zoomIndex, int32_t length)
{
    return length / UnitsPerLogical(zoomIndex);
}

void ToLogicalLengthF(int zoomIndex, float& length)
{
    if (zoomIndex < 9)
        length *= 1.0f / static_cast<float>(UnitsPerLogical(zoomIndex));
}

int32_t PixelSize(int32_t zoomDivisor, bool metric)
{
    if (metric)
        return RoundHalfUp(zoomDivisor * 0.39370078);
    return zoomDivisor;
}

int FrameRoleColor(const PaintFrame& f, int role)
{
    return RoleColor(*f.colors, role);
}

plat::ColorRef FrameDeviceColor(const PaintFrame& f, int color)
{
    return LayerColor(ColorMapEntry(*f.colors, color), f.trueColor);
}

}  // namespace pcb
