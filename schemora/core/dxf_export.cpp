#include "schemora/core/dxf_export.h"

#include "common/dxf_entities.h"
#include "common/point_rotation.h"
#include "platform/core/atomic_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/paths.h"
#include "schemora/core/current_document.h"
#include "schemora/core/part_transforms.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/shape_painters.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kSheetHalfWidthB = 4250;   // the extents are always those of a B-size sheet
constexpr int kSheetHalfHeightB = 2750;
constexpr int kDotHalfSize = 6;
constexpr double kHeadAngle = 2.3561944902;
constexpr double kHalfPi = 1.5707963268;

bool exported(const DrawObject& o)
{
    return o.onLayer(g_sheetView.layerFilter) && o.sheet() == g_sheetView.currentSheet;
}

void writeRectObject(std::string& out, const DrawObject& o)
{
    const int x1 = o.w[0], y1 = o.w[1];
    const int angle = o.rotation();
    if (angle == 0)
        DxfWriteRect(out, x1, y1, x1 + o.w[2], y1 + o.w[3]);
    else
        DxfWriteRotatedRect(out, x1, y1, x1, y1, x1 + o.w[2], y1 + o.w[3], 0, 0, 0, 0,
                            angle * kTenthsToRadians, o.mirrored());
}

void writeObject(std::string& out, const DrawObject& o)
{
    const int x1 = o.w[0], y1 = o.w[1];
    switch (o.type()) {
    case kObjLine: DxfWriteLine(out, x1, y1, o.w[2], o.w[3]); break;
    case kObjRectangle: writeRectObject(out, o); break;
    case kObjText: DxfWriteText(out, x1, y1, o.text ? o.text : "", o.w[2], o.w[3]); break;
    case kObjArrow: DxfWriteArrowHead(out, x1, y1, o.w[2], o.w[3], o.w[6]); break;
    case kObjDot: DxfWriteDot(out, x1, y1); break;
    case kObjEllipse: DxfWriteCircle(out, x1, y1, o.w[2], o.w[3]); break;
    case kObjBus: DxfWriteBus(out, x1, y1, o.w[2], o.w[3]); break;
    case kObjArc: DxfWriteArc(out, x1, y1, o.w[2], o.w[3]); break;
    case kObjTriangle:
        DxfWriteTriangle(out, x1, y1, x1, y1, x1 + o.w[2], y1 + o.w[3], o.rotation(), o.mirrored());
        break;
    default:
        if (o.isPart())
            DxfWritePart(out, o);
        break;
    }
}

}  // namespace

void DxfWriteBus(std::string& out, int x1, int y1, int x2, int y2)
{
    DxfWriteLine(out, x1, y1, x2, y2);
}

void DxfWriteDot(std::string& out, int x, int y)
{
    DxfWriteRect(out, x - kDotHalfSize, y + kDotHalfSize, x + kDotHalfSize, y - kDotHalfSize);
}

void DxfWriteArrowHead(std::string& out, int x1, int y1, int x2, int y2, int width)
{
    DxfWriteLine(out, x1, y1, x2, y2);
    const double length = (width / 7 + 5) * 6;
    const double first = ArrowShaftAngle(x1, y1, x2, y2) + kHeadAngle;
    for (const double u : {first, first + kHalfPi})
        DxfWriteLine(out, x2 + static_cast<int>(length * std::cos(u)),
                     y2 + static_cast<int>(length * std::sin(u)), x2, y2);
}

void DxfWriteTriangle(std::string& out, int cx, int cy, int x1, int y1, int x2, int y2, int angle,
                      bool mirror)
{
    std::array<std::array<int, 2>, 3> points{{{x1, y1}, {x2, static_cast<int>((static_cast<long long>(y1) + y2) / 2)}, {x1, y2}}};
    const double radians = angle * kTenthsToRadians;
    for (auto& p : points)
        RotatePointByAngle(cx, cy, &p[0], &p[1], radians, mirror);
    DxfWriteClosedOutline(out, points);
}

std::string DxfDrawingText()
{
    std::string out;
    // The sheet's top is +y in the file.
    DxfBeginFile(out, kSheetHalfWidthB, kSheetHalfHeightB);
    const int count = g_current.liveCount();
    for (int i = 1; i <= count; ++i) {
        const DrawObject& o = g_current.objects[static_cast<std::size_t>(i)];
        if (exported(o))
            writeObject(out, o);
    }
    DxfWriteTitleBlock(out);
    DxfEndFile(out);
    return out;
}

bool ExportDxf(std::string_view path)
{
    std::string name(path);
    if (plat::extensionOf(name).empty())
        name += ".DXF";
    // The writers take plain sheet coordinates, so the view centre plays no part here.
    const std::string text = DxfDrawingText();
    if (const plat::WriteResult written = plat::writeFileAtomically(name, text); !written) {
        plat::MessageBox(written.message("Can't open file " + name), plat::kMbIconStop);
        return false;
    }
    char message[64];
    std::snprintf(message, sizeof message, "Saved %d DXF elements", g_current.count);
    plat::MessageBox(message, plat::kMbOk);
    SetStatusText(message, 0);
    return true;
}
