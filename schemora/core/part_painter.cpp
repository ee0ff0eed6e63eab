#include "schemora/core/part_painter.h"

#include "common/string_helpers.h"
#include "platform/core/ui_host.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_transforms.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/settings.h"
#include "schemora/core/shape_painters.h"
#include "schemora/core/symbol_elements.h"
#include "schemora/core/text_painter.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <span>
#include <cstdio>
#include <optional>

namespace {

constexpr int kValueBelowReference = 54;
constexpr int kMirroredCharWidth = 42;

struct Placement {
    int orientation = 0;
    bool mirror = false;
    bool upright = false;
    int elementFlag = 0;
};

const PartSymbol* symbolOf(const DrawObject& instance) { return SymbolOfInstance(instance); }

// The gate and body words of an instance; all bits set counts as 0.
int gateWord(const DrawObject& instance) { return instance.w[5] == -1 ? 0 : instance.w[5]; }

std::string cutAt(std::string text, char c)
{
    if (const size_t p = text.find(c); p != std::string::npos)
        text.erase(p);
    return text;
}

bool dropFinalO(std::string& text)
{
    if (text.empty() || text.back() != 'o')
        return false;
    text.pop_back();
    return true;
}

std::string numbered(const std::string& prefix, int number, int slot, int gates)
{
    char out[128];
    if (gates > 1)
        std::snprintf(out, sizeof out, "%s%d%c", prefix.c_str(), number, 'a' + slot);
    else
        std::snprintf(out, sizeof out, "%s%d", prefix.c_str(), number);
    return out;
}

int textWidth(plat::Dc& dc, std::string_view text, int attribute)
{
    const plat::Font old = dc.SelectObject(MakeTextFont(attribute, 0, kRoleText));
    const int width = dc.GetTextExtent(text).cx;
    dc.SelectObject(old);
    return width;
}

void transformed(const DrawObject& e, int lx, int ly, const Placement& p, int* x, int* y)
{
    (void)e;
    TransformPartPoint(lx, ly, x, y, p.orientation, p.mirror ? 1 : 0);
}

bool partShading() { return g_settings.PartShade != 0 && !g_drawModes.monochromePrint; }

// The fill of a closed body element, with part shading filling hollow bodies.
int bodyFill(int fill) { return fill == kFillHollow && partShading() ? kFillShading : fill; }

void drawBodyRect(plat::Dc& dc, const DrawObject& e, const Placement& p, int role)
{
    int x1, y1, x2, y2;
    transformed(e, e.w[0], e.w[1], p, &x1, &y1);
    transformed(e, e.w[0] + e.w[2], e.w[1] + e.w[3], p, &x2, &y2);
    const int style = e.w[5] & 3;
    int fill = e.w[7];
    int fillRole = role;
    if (style == 0 && partShading()) {
        if (fill == kFillHollow)
            fill = kFillShading;
        else if (fill == kFillSolid)
            fillRole = kRoleShading;
    }
    if (e.type() == kObjRoundRect) {
        const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
        DrawRoundRect(dc, x1, y1, x2, y2, std::min(dx, dy) / 4, dy / 4, fillRole, style, fill, e.w[6]);
    } else {
        DrawRect(dc, x1, y1, x2, y2, fillRole, style, fill, e.w[6]);
    }
}

void drawBodyPolygon(plat::Dc& dc, const DrawObject& e, const Placement& p, int role)
{
    const int count = std::clamp(e.pointCount(), 0, kPolygonPoints);
    if (!e.text || count == 0)
        return;
    std::array<plat::Point, kPolygonPoints> points;
    for (int i = 0; i < count; ++i)
        transformed(e, e.pointX(i), e.pointY(i), p, &points[static_cast<size_t>(i)].x, &points[static_cast<size_t>(i)].y);
    DrawPolygon(dc, std::span<const plat::Point>(points.data(), static_cast<size_t>(count)), role,
                e.w[5] & 3, e.w[7], e.w[6]);
}

// First pass: the closed shapes of the body. Returns whether something was drawn.
bool drawBodyElement(plat::Dc& dc, const DrawObject& e, const Placement& p, int role)
{
    int x, y;
    transformed(e, e.w[0], e.w[1], p, &x, &y);
    switch (e.type()) {
    case kObjRectangle:
    case kObjRoundRect: drawBodyRect(dc, e, p, role); return true;
    case 3: DrawEllipse(dc, x, y, 12, 12, role, plat::kPsSolid, kFillHollow, 6); return true;
    case kObjDot: DrawEllipse(dc, x, y, 16, 16, kRoleDot, plat::kPsSolid, kFillSolid, 1); return true;
    case kObjEllipse: DrawEllipse(dc, x, y, e.w[2], e.w[3], role, plat::kPsSolid, bodyFill(e.w[7]), e.w[6]); return true;
    case kObjTriangle: {
        const int angle = (e.rotation() + p.orientation) % 3600;
        DrawTriangle(dc, x, y, x, y, x + e.w[2], y + e.w[3], role, e.w[5] & 3, bodyFill(e.w[7]), e.w[6], angle, p.mirror);
        return true;
    }
    case kObjPolygon: drawBodyPolygon(dc, e, p, role); return true;
    default: return false;
    }
}

void drawPinLine(plat::Dc& dc, const DrawObject& e, int x, int y, int x2, int y2)
{
    const int width = g_drawModes.rasterMode == kModeInvert ? 1 : e.w[6];
    DrawLine(dc, x, y, x2, y2, kRoleTerminal, plat::kPsSolid, width);
    if (g_drawModes.rasterMode == kModeCopy && g_settings.PinDisplay != 0)
        DrawTerminalMark(dc, x, y);
}

void drawElementText(plat::Dc& dc, const DrawObject& e, const Placement& p, int x, int y)
{
    if (g_drawModes.rasterMode == kModeInvert || !e.text)
        return;
    if (e.w[5] == 3 && g_settings.hidden == kHiddenSettingHide)
        return;
    bool blank = false;
    int offset = 0;
    const std::string_view text(e.text);
    const std::string after = SplitAtBlank(text, &blank, &offset);
    const std::string first(blank ? text.substr(0, static_cast<size_t>(offset - 1)) : text);
    const int angle = ((p.orientation - (e.w[3] & 0xFFF)) % 3600 + 3600) % 3600;
    int ax, ay;
    transformed(e, e.w[9], e.w[1], p, &ax, &ay);
    const int attribute = e.w[2];
    if (e.w[5] == 6 && !p.mirror && (p.orientation == 0 || p.orientation == 1800)) {
        const int width = textWidth(dc, first, attribute);
        const int end = p.orientation == 0 ? x + width : x - width;
        if (std::abs(end - ax) < 40) {
            DrawSymbolText(dc, first, p.orientation == 0 ? ax - width : ax + width, y, angle,
                           p.elementFlag, p.mirror, p.upright, attribute);
            return;
        }
    }
    DrawSymbolText(dc, first, x, y, angle, p.elementFlag, p.mirror, p.upright, attribute);
    if (!blank)
        return;
    const std::string rest(text.substr(static_cast<size_t>(offset)));
    const int restWidth = textWidth(dc, rest, attribute);
    int rx = ax - restWidth;
    if (p.mirror)
        rx = ax + kMirroredCharWidth * static_cast<int>(first.size()) + 63;
    DrawSymbolText(dc, rest, rx, ay, angle, p.elementFlag, p.mirror, p.upright, attribute);
}

// Second pass: lines, pins, texts, arrows, buses and arcs.
bool drawStrokeElement(plat::Dc& dc, const DrawObject& e, const Placement& p, int role)
{
    int x, y, x2, y2;
    transformed(e, e.w[0], e.w[1], p, &x, &y);
    switch (e.type()) {
    case kObjLine:
        transformed(e, e.w[2], e.w[3], p, &x2, &y2);
        if (e.w[7] != 0)
            drawPinLine(dc, e, x, y, x2, y2);
        else
            DrawLine(dc, x, y, x2, y2, role, e.w[5] & 3, e.w[6]);
        return true;
    case 3: DrawEllipse(dc, x, y, 12, 12, role, plat::kPsSolid, kFillHollow, 6); return true;
    case kObjDot: DrawEllipse(dc, x, y, 16, 16, kRoleDot, plat::kPsSolid, kFillSolid, 1); return true;
    case kObjArrow:
        transformed(e, e.w[2], e.w[3], p, &x2, &y2);
        DrawArrowLine(dc, x, y, x2, y2, role, e.w[5] & 3, e.w[7], e.w[6], 0);
        return true;
    case kObjBus:
        transformed(e, e.w[2], e.w[3], p, &x2, &y2);
        DrawLine(dc, x, y, x2, y2, role, plat::kPsSolid, 18);
        return true;
    case kObjArc:
        transformed(e, e.w[2], e.w[3], p, &x2, &y2);
        if (p.mirror)
            DrawArc(dc, x2, y2, x, y, role, e.w[5], e.w[7], e.w[6]);
        else
            DrawArc(dc, x, y, x2, y2, role, e.w[5], e.w[7], e.w[6]);
        return true;
    case kObjText: drawElementText(dc, e, p, x, y); return false;
    default: return false;
    }
}

// Dragged parts (raster mode 6) show at most this many non-text elements per pass.
constexpr int kDragElementLimit = 30;

void drawLabels(plat::Dc& dc, const DrawObject& instance, const PartSymbol& symbol, const Placement& p,
                const PartLabels& labels)
{
    const bool unitPart = instance.text && instance.text[0] == 'U';
    const bool hidden = InstanceReferenceHidden(instance);
    const PartLabelPlaces places = LabelPlacesOf(instance, symbol);
    if (!places.reference)
        return;
    int x, y;
    TransformPartPoint(instance.w[2], instance.w[3], &x, &y, p.orientation, p.mirror ? 1 : 0);
    if (!(unitPart && hidden) && !labels.reference.empty())
        DrawSymbolText(dc, labels.reference, x, y, p.orientation, 0, p.mirror, p.upright);
    if (unitPart) {
        if (!places.partName)
            return;
        const std::string text = labels.second.empty() ? PartNameOf(symbol) : labels.second;
        int nx, ny;
        TransformPartPoint(symbol.w[13], symbol.w[14], &nx, &ny, p.orientation, p.mirror ? 1 : 0);
        DrawSymbolText(dc, text, nx, ny, p.orientation, 0, p.mirror, p.upright);
    } else if (!labels.second.empty()) {
        DrawSymbolText(dc, labels.second, x, y + kValueBelowReference, p.orientation, 0, p.mirror, p.upright);
    }
}

// Resolves an instance placed before its symbol was known; false when it cannot be drawn.
bool resolveInstance(DrawObject& instance)
{
    if (instance.symbolIndex() != 0)
        return symbolOf(instance) != nullptr;
    int index = 0;
    const std::string_view name = instance.text ? instance.text : "";
    if (!FindLoadedPart(1, name, &index) || index > kMaxPlaceableSymbol) {
        char message[300];
        std::snprintf(message, sizeof message, "Something wrong with part:%.250s", std::string(name).c_str());
        plat::MessageBox(message, plat::kMbIconInformation);
        // A deleted slot's text is freed by nobody later (closing frees texts and parts only).
        FreeStr(instance.text);
        instance.setType(kObjDeleted);
        return false;
    }
    instance.setType(kObjPart + index);
    SetPartLabelAnchor(instance);
    return true;
}

}  // namespace

const PartSymbol* SymbolOfInstance(const DrawObject& instance)
{
    const int index = instance.symbolIndex();
    if (index < 1 || index > g_partSymbols.count || index >= kPartSymbolSlots)
        return nullptr;
    return &g_partSymbols.entries[static_cast<size_t>(index)];
}

std::string PartNameOf(const PartSymbol& symbol)
{
    const size_t slash = symbol.name.rfind('\\');
    return slash == std::string::npos ? symbol.name : symbol.name.substr(slash + 1);
}

PartLabels MakePartLabels(std::string_view text, int number, int gateSlot, int gates,
                          bool referenceHidden, bool labelsUpright, int orientation)
{
    PartLabels labels;
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        if (!referenceHidden)
            labels.reference = cutAt(numbered(std::string(text), number, gateSlot, gates), '!');
        return labels;
    }
    const std::string prefix(text.substr(0, colon));
    std::string value(text.substr(colon + 1));
    if (!prefix.empty() && prefix[0] == 'U') {
        labels.reference = numbered(prefix, number, gateSlot, gates);
        labels.second = !value.empty() && value[0] == '\\' ? value.substr(1) : value;
        return labels;
    }
    if (value.empty() || value[0] != '\\') {
        std::string reference = referenceHidden ? value : numbered(prefix, number, gateSlot, gates) + " " + value;
        if (dropFinalO(reference) && !labelsUpright && (orientation & 0xFFF) == 0)
            labels.invertedLabel = true;
        labels.reference = cutAt(reference, '!');
        return labels;
    }
    std::string second = cutAt(value.substr(1), '!');
    dropFinalO(second);
    if (referenceHidden) {
        labels.reference = second;
        return labels;
    }
    labels.reference = numbered(prefix, number, gateSlot, gates);
    labels.second = second;
    return labels;
}

void DrawSymbolText(plat::Dc& dc, std::string_view text, int x, int y, int angle, int mode,
                    bool mirror, bool upright, int attribute)
{
    if (const size_t cut = text.find_first_of(",;"); cut != std::string_view::npos)
        text = mode == 32 ? text.substr(cut + 1) : text.substr(0, cut);
    if (upright)
        angle = 0;
    else if (angle > 0 && !mirror)
        angle = 3600 - angle;
    if (mirror) {
        const double length = static_cast<double>(text.size()) * kMirroredCharWidth - 15;
        const double a = angle * kTenthsToRadians;
        x -= static_cast<int>(length * std::cos(a));
        y += static_cast<int>(length * std::sin(a));
    }
    DrawTextString(dc, x, y, text, attribute, angle % 3600, kRoleText);
}

void DrawSymbolElements(plat::Dc& dc, int role, int first, int last, int orientation, bool mirror,
                        bool upright, int elementFlag)
{
    if (g_symbolElements.elements.empty())
        return;
    first = std::max(first, 1);
    last = std::min({last, g_symbolElements.count, static_cast<int>(g_symbolElements.elements.size()) - 1});
    const Placement p{orientation & 0xFFF, mirror, upright, elementFlag};
    const bool dragging = g_drawModes.rasterMode == kModeInvert;
    int drawn = 0;
    for (int i = first; i <= last && !(dragging && drawn > kDragElementLimit); ++i)
        drawn += drawBodyElement(dc, g_symbolElements[i], p, role) ? 1 : 0;
    drawn = 0;
    for (int i = first; i <= last && !(dragging && drawn > kDragElementLimit); ++i)
        drawn += drawStrokeElement(dc, g_symbolElements[i], p, role) ? 1 : 0;
}

bool PartElementRange(const DrawObject& instance, PartGateRange* range)
{
    const PartSymbol* symbol = symbolOf(instance);
    if (!symbol)
        return false;
    const int gate = gateWord(instance);
    const int variant = symbol->w[12] == 1 ? 0 : (gate >> 3) & 3;
    int gates = 1, count = 0, first = 0;
    if (!FindPartPin(instance.symbolIndex(), &gates, &count, &first, variant, nullptr))
        return false;
    range->gates = gates;
    range->slot = std::min(gate & 7, gates - 1);
    const int stride = count / gates;
    range->first = first + range->slot * stride;
    // The last gate's section must not run into the next symbol's elements.
    range->last = std::min(range->first + stride - kGateSectionPadding, first + count - 1);
    range->empty = stride - kGateSectionPadding <= 0;
    return true;
}

std::optional<PartLabels> InstanceLabels(const DrawObject& instance, const PartGateRange& range)
{
    const PartSymbol* symbol = symbolOf(instance);
    if (!symbol || !instance.text || !instance.text[0])
        return std::nullopt;
    const int gate = gateWord(instance);
    const bool hidden = (gate & kReferenceHiddenBit) != 0 || symbol->w[15] == 1;
    const bool upright = (instance.w[4] & kLabelsUprightBit) != 0;
    return MakePartLabels(instance.text, instance.w[6], range.slot, range.gates, hidden, upright,
                          instance.w[7] & 0xFFF);
}

PartLabelPlaces LabelPlacesOf(const DrawObject& instance, const PartSymbol& symbol)
{
    bool referenceText = false;
    bool nameText = false;
    int gates = 1, count = 0, first = 0;
    if (FindPartPin(instance.symbolIndex(), &gates, &count, &first, 0, nullptr)) {
        const int end = std::min(first + count, static_cast<int>(g_symbolElements.elements.size()));
        for (int i = std::max(first, 1); i < end; ++i) {
            const DrawObject& e = g_symbolElements[i];
            const std::string_view text = e.type() == kObjText && e.text ? std::string_view(e.text) : "";
            if (text.ends_with('?'))
                (text.starts_with("p?") ? nameText : referenceText) = true;
        }
    }
    // A point of (0, 0) was never set: without its placeholder the label has no place.
    return {referenceText || instance.w[2] != 0 || instance.w[3] != 0,
            nameText || symbol.w[13] != 0 || symbol.w[14] != 0};
}

bool InstanceReferenceHidden(const DrawObject& instance)
{
    const PartSymbol* symbol = symbolOf(instance);
    return (gateWord(instance) & kReferenceHiddenBit) != 0 || (symbol && symbol->w[15] == 1);
}

void DrawPartInstance(plat::Dc& dc, DrawObject& instance, int role)
{
    if (!resolveInstance(instance))
        return;
    const PartSymbol& symbol = *symbolOf(instance);
    g_paintRecord.lastTextHeight = symbol.w[11];
    PartGateRange range;
    if (!PartElementRange(instance, &range))
        return;
    const int gate = gateWord(instance);
    g_partOrigin = {instance.w[0], instance.w[1]};
    const Placement p{instance.w[7] & 0xFFF, (instance.w[7] & kMirrorBit) != 0,
                      (instance.w[4] & kLabelsUprightBit) != 0, gate & 0x20};
    const bool dragFromEditor = g_editState.CurrentTool == kToolPartEditorDrag && g_drawModes.rasterMode == kModeInvert;
    if (!range.empty && !dragFromEditor)
        DrawSymbolElements(dc, role, range.first, range.last, p.orientation, p.mirror, p.upright, p.elementFlag);
    if (g_drawModes.rasterMode != kModeCopy)
        return;
    if (const std::optional<PartLabels> labels = InstanceLabels(instance, range))
        drawLabels(dc, instance, symbol, p, *labels);
}

void SetPartLabelAnchor(DrawObject& instance)
{
    const PartSymbol* symbol = symbolOf(instance);
    if (!symbol || g_symbolElements.elements.empty())
        return;
    PartSymbol& entry = g_partSymbols.entries[static_cast<size_t>(instance.symbolIndex())];
    int gates = 1, count = 0, first = 0;
    if (!FindPartPin(instance.symbolIndex(), &gates, &count, &first, 0, nullptr))
        return;
    bool prefixFound = false;
    for (int i = first; i < first + count; ++i) {
        const DrawObject& e = g_symbolElements[i];
        if (e.type() != kObjText || !e.text)
            continue;
        const std::string_view text(e.text);
        if (text.empty() || text.back() != '?')
            continue;
        if (text.substr(0, 2) == "p?") {
            entry.w[13] = e.w[0];
            entry.w[14] = e.w[1];
            continue;
        }
        if (prefixFound)
            continue;
        prefixFound = true;
        std::string prefix(text.substr(0, text.size() - 1));
        for (char& c : prefix)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (instance.w[2] == 0 && instance.w[3] == 0) {
            instance.w[2] = e.w[0];
            instance.w[3] = e.w[1];
        }
        std::string newText = prefix;
        if (instance.text) {
            const std::string_view old(instance.text);
            if (const size_t colon = old.find(':'); colon != std::string_view::npos)
                newText += ":" + std::string(old.substr(colon + 1));
        }
        FreeStr(instance.text);
        instance.text = StrDupChecked(newText);
        if (instance.w[5] == -1)
            instance.w[5] = 0;
    }
}
