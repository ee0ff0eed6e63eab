// DXF of what the part painter and the title-block painter draw: a placed part's symbol
// elements and labels, and the sheet border with the title block.
#include "schemora/core/dxf_export.h"

#include "common/dxf_entities.h"
#include "schemora/core/current_document.h"
#include "schemora/core/part_painter.h"
#include "schemora/core/part_transforms.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/symbol_elements.h"
#include "schemora/core/text_width_estimate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kValueBelowReference = 54;
constexpr int kMirroredCharWidth = 48;
constexpr int kSmallCircleRadius = 12;
constexpr int kPinDotRadius = 16;
constexpr int kPinNameSnap = 40;
constexpr int kMirroredRestOffset = 63;
constexpr int kHiddenText = 3;
constexpr int kRightAlignedText = 6;

struct Placement {
    int orientation = 0;
    bool mirror = false;
    int labelFlags = 0;
};

void place(int lx, int ly, const Placement& p, int* x, int* y)
{
    TransformPartPoint(lx, ly, x, y, p.orientation, p.mirror ? 1 : 0);
}

void writeElementRect(std::string& out, const DrawObject& e, const Placement& p)
{
    int x1, y1, x2, y2;
    place(e.w[0], e.w[1], p, &x1, &y1);
    if (IsRightAngle(p.orientation)) {
        place(e.w[0] + e.w[2], e.w[1] + e.w[3], p, &x2, &y2);
        DxfWriteRect(out, x1, y1, x2, y2);
        return;
    }
    DxfWriteRotatedRect(out, x1, y1, x1, y1, x1 + e.w[2], y1 + e.w[3], 0, 0, 0, 0,
                        p.orientation * kTenthsToRadians, p.mirror);
}

// A pin name and its pin number share one text ("A1 3"): the name at the element's point,
// the number right-aligned at its second anchor, as the painter places them.
void writeElementText(std::string& out, const DrawObject& e, const Placement& p, int x, int y)
{
    if (!e.text || (e.w[5] == kHiddenText && g_settings.hidden == kHiddenSettingHide))
        return;
    bool blank = false;
    int offset = 0;
    const std::string_view text(e.text);
    SplitAtBlank(text, &blank, &offset);
    const std::string_view first = blank ? text.substr(0, static_cast<size_t>(offset - 1)) : text;
    const int angle = ((p.orientation - (e.w[3] & 0xFFF)) % 3600 + 3600) % 3600;
    int ax, ay;
    place(e.w[9], e.w[1], p, &ax, &ay);
    if (e.w[5] == kRightAlignedText && !p.mirror && (p.orientation == 0 || p.orientation == 1800)) {
        const int width = EstimateTextWidth(first);
        const int end = p.orientation == 0 ? x + width : x - width;
        if (std::abs(end - ax) < kPinNameSnap) {
            DxfWriteSymbolText(out, first, p.orientation == 0 ? ax - width : ax + width, y, angle,
                               p.labelFlags, p.mirror);
            return;
        }
    }
    DxfWriteSymbolText(out, first, x, y, angle, p.labelFlags, p.mirror);
    if (!blank)
        return;
    const std::string_view rest = text.substr(static_cast<size_t>(offset));
    int rx = ax - EstimateTextWidth(rest);
    if (p.mirror)
        rx = ax + kMirroredCharWidth * static_cast<int>(first.size()) + kMirroredRestOffset;
    DxfWriteSymbolText(out, rest, rx, ay, angle, p.labelFlags, p.mirror);
}

void writeTwoPointElement(std::string& out, const DrawObject& e, const Placement& p, int x, int y)
{
    int x2, y2;
    place(e.w[2], e.w[3], p, &x2, &y2);
    switch (e.type()) {
    case kObjArrow: DxfWriteArrowHead(out, x, y, x2, y2, e.w[6]); break;
    case kObjBus: DxfWriteBus(out, x, y, x2, y2); break;
    case kObjArc:
        // A quarter arc turned a quarter round runs the other way between its ends.
        if (p.orientation == 900 || p.orientation == 2700)
            DxfWriteArc(out, x2, y2, x, y);
        else
            DxfWriteArc(out, x, y, x2, y2);
        break;
    default: DxfWriteLine(out, x, y, x2, y2); break;
    }
}

void writeElement(std::string& out, const DrawObject& e, const Placement& p)
{
    int x, y;
    place(e.w[0], e.w[1], p, &x, &y);
    switch (e.type()) {
    case kObjLine:
    case kObjArrow:
    case kObjBus:
    case kObjArc: writeTwoPointElement(out, e, p, x, y); break;
    case kObjRectangle:
    case kObjRoundRect: writeElementRect(out, e, p); break;
    case 3: DxfWriteCircle(out, x, y, kSmallCircleRadius, kSmallCircleRadius); break;
    case kObjDot: DxfWriteCircle(out, x, y, kPinDotRadius, kPinDotRadius); break;
    case kObjEllipse: DxfWriteCircle(out, x, y, e.w[2], e.w[3]); break;
    case kObjTriangle:
        DxfWriteTriangle(out, x, y, x, y, x + e.w[2], y + e.w[3],
                         (e.rotation() + p.orientation) % 3600, p.mirror);
        break;
    case kObjText: writeElementText(out, e, p, x, y); break;
    default: break;
    }
}

void writeLabels(std::string& out, const DrawObject& instance, const PartSymbol& symbol,
                 const Placement& p, bool upright, const PartLabels& labels)
{
    const PartLabelPlaces places = LabelPlacesOf(instance, symbol);
    if (!places.reference)
        return;
    const int angle = upright ? 0 : p.orientation;
    const bool unitPart = instance.text && instance.text[0] == 'U';
    int x, y;
    place(instance.w[2], instance.w[3], p, &x, &y);
    if (!(unitPart && InstanceReferenceHidden(instance)) && !labels.reference.empty())
        DxfWriteSymbolText(out, labels.reference, x, y, angle, 0, p.mirror);
    if (unitPart) {
        if (!places.partName)
            return;
        const std::string text = labels.second.empty() ? PartNameOf(symbol) : labels.second;
        int nx, ny;
        place(symbol.w[13], symbol.w[14], p, &nx, &ny);
        DxfWriteSymbolText(out, text, nx, ny, angle, 0, p.mirror);
    } else if (!labels.second.empty()) {
        DxfWriteSymbolText(out, labels.second, x, y + kValueBelowReference, angle, 0, p.mirror);
    }
}

}  // namespace

void DxfWriteSymbolText(std::string& out, std::string_view text, int x, int y, int angle, int mode,
                        bool mirror)
{
    if (const size_t cut = text.find(','); cut != std::string_view::npos)
        text = mode == 32 ? text.substr(cut + 1) : text.substr(0, cut);
    // DXF angles run counter-clockwise with y up; the sheet's run the other way.
    if (angle > 0)
        angle = 3600 - angle;
    if (mirror) {
        const double length = static_cast<double>(text.size()) * kMirroredCharWidth + 1;
        const double a = angle * kTenthsToRadians;
        x -= static_cast<int>(length * std::cos(a));
        y += static_cast<int>(length * std::sin(a));
    }
    DxfWriteText(out, x, y, text, 0, angle % 3600);
}

void DxfWriteSymbolElements(std::string& out, int first, int last, int orientation, bool mirror,
                            int labelFlags)
{
    if (g_symbolElements.elements.empty())
        return;
    first = std::max(first, 1);
    last = std::min({last, g_symbolElements.count, static_cast<int>(g_symbolElements.elements.size()) - 1});
    const Placement p{orientation & 0xFFF, mirror, labelFlags};
    for (int i = first; i <= last; ++i)
        writeElement(out, g_symbolElements[i], p);
}

void DxfWritePart(std::string& out, const DrawObject& instance)
{
    // A placeholder whose symbol was never found has nothing to draw.
    const PartSymbol* symbol = SymbolOfInstance(instance);
    PartGateRange range;
    if (!symbol || !PartElementRange(instance, &range))
        return;
    g_partOrigin = {instance.w[0], instance.w[1]};
    const int gate = instance.w[5] == -1 ? 0 : instance.w[5];
    const Placement p{instance.w[7] & 0xFFF, (instance.w[7] & kMirrorBit) != 0, gate & 0x20};
    if (!range.empty)
        DxfWriteSymbolElements(out, range.first, range.last, p.orientation, p.mirror, p.labelFlags);
    if (const std::optional<PartLabels> labels = InstanceLabels(instance, range))
        writeLabels(out, instance, *symbol, p, (instance.w[4] & kLabelsUprightBit) != 0, *labels);
}

void DxfWriteTitleBlock(std::string& out)
{
    const TitleBlockLayout layout = TitleBlockLayoutOf(g_current.sheetSize);
    for (const plat::Rect& frame : {layout.outer, layout.inner})
        DxfWriteRect(out, frame.left, frame.top, frame.right, frame.bottom);
    if (g_titleBlock.objects.empty())
        return;
    const int dx = layout.dx;
    const int dy = layout.dy;
    const int count = std::min(g_titleBlock.count, kObjectStoreSlots - 1);
    for (int i = 1; i <= count; ++i) {
        const DrawObject& o = g_titleBlock.objects[i];
        const int x = o.w[0] + dx;
        const int y = o.w[1] + dy;
        switch (o.type()) {
        case kObjLine: DxfWriteLine(out, x, y, o.w[2] + dx, o.w[3] + dy); break;
        case kObjRectangle: DxfWriteRect(out, x, y, x + o.w[2], y + o.w[3]); break;
        case kObjEllipse: DxfWriteCircle(out, x, y, o.w[2], o.w[3]); break;
        case kObjArc: DxfWriteArc(out, x, y, o.w[2] + dx, o.w[3] + dy); break;
        case kObjText: DxfWriteText(out, x, y, TitleBlockText(o.text), o.w[2], o.w[3]); break;
        default: break;
        }
    }
}
