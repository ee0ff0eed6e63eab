// What a sheet shows besides its objects: the border with the title block, the grid dots and
// the rulers along the window's top and left edges.
#include "schemora/core/current_document.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/settings.h"
#include "schemora/core/shape_painters.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/text_painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>

namespace {

constexpr int kFramePen = 6;
constexpr int kFrameInset = 18;
constexpr int kTitleShiftX = 1018;
constexpr int kTitleShiftY = 36;
constexpr int kRulerBand = 16;
constexpr int kRulerTick = 14;   // the cursor's tick on each ruler, in pixels

constexpr std::array<const char*, 7> kDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 12> kMonthNames{"January", "February", "March", "April", "May", "June", "July",
                                                  "August", "September", "October", "November", "December"};

// "Date: %a, %B %d, %Y" with English names, whatever the user's locale.
std::string titleDate(std::time_t date)
{
    std::tm tm{};
    localtime_r(&date, &tm);
    char text[64];
    std::snprintf(text, sizeof text, "Date: %s, %s %02d, %d", kDayNames[static_cast<size_t>(tm.tm_wday % 7)],
                  kMonthNames[static_cast<size_t>(tm.tm_mon % 12)], tm.tm_mday, tm.tm_year + 1900);
    return text;
}

}  // namespace

std::string TitleBlockText(const char* stored)
{
    const std::string text = stored ? stored : "";
    char out[96];
    if (text == "Size")
        std::snprintf(out, sizeof out, "Size %c", g_current.sheetSize);
    else if (text == "Date")
        return titleDate(g_sheetDocument.date);
    else if (text == "Title")
        return "Title: " + g_sheetDocument.title;
    else if (text == "Sheet")
        std::snprintf(out, sizeof out, "Sheet %d of %d", g_sheetView.currentSheet, g_sheetDocument.numberOfSheets);
    else if (text == "Rev")
        std::snprintf(out, sizeof out, "Rev %c", static_cast<char>(g_sheetDocument.revision));
    else if (text == "Document Number")
        std::snprintf(out, sizeof out, "Document Number %d", g_sheetDocument.documentNumber);
    else
        return text;
    return out;
}

TitleBlockLayout TitleBlockLayoutOf(char sizeLetter)
{
    const SheetDimensions sheet = SheetSizeOf(sizeLetter);
    const int right = sheet.width / 2 - 2;
    const int left = 2 - sheet.width / 2;
    const int bottom = sheet.height / 2 - 2;
    const int top = 2 - sheet.height / 2;
    TitleBlockLayout layout;
    layout.outer = {left, top + kFrameInset, right, bottom - kFrameInset};
    layout.inner = {left + kFrameInset, top + 2 * kFrameInset, right - kFrameInset, bottom - 2 * kFrameInset};
    layout.dx = right - kTitleShiftX;
    layout.dy = bottom - kTitleShiftY;
    return layout;
}

namespace {

void drawTitleObject(plat::Dc& dc, const DrawObject& o, int dx, int dy)
{
    const int x = o.w[0] + dx;
    const int y = o.w[1] + dy;
    const int style = o.w[5] & 3;
    switch (o.type()) {
    case kObjLine: DrawLine(dc, x, y, o.w[2] + dx, o.w[3] + dy, kRoleTop, style, o.w[6]); break;
    case kObjRectangle: DrawRectObject(dc, x, y, x + o.w[2], y + o.w[3], kRoleTop, style, o.w[7], o.w[6]); break;
    case kObjEllipse: DrawEllipse(dc, x, y, o.w[2], o.w[3], kRoleTop, style, o.w[7], o.w[6]); break;
    case kObjArc: DrawArc(dc, x, y, o.w[2] + dx, o.w[3] + dy, kRoleTop, o.w[5], o.w[7], o.w[6]); break;
    case kObjText: DrawTextString(dc, x, y, TitleBlockText(o.text), o.w[2], o.w[3], kRoleText); break;
    default: break;
    }
}

int gridStepForScale(int* align)
{
    const int command = g_current.gridCommand;
    const int scale = g_current.zoomIndex;
    int step = g_current.gridStep;
    *align = 1000;
    if ((command == 700 || command == 701) && scale < 5)
        step = 50;
    if ((command == 700 || command == 701 || command == 702) && scale < 3)
        step = 50;
    if (scale < 2) {
        step = 100;
        *align = 2000;
    }
    return step;
}

int alignDown(int value, int align) { return static_cast<int>(std::floor(static_cast<double>(value) / align)) * align; }

// One ruler tick at pixel position p along the band, `length` pixels into it from its inner edge.
void rulerTick(plat::Dc& dc, bool horizontal, int p, int length)
{
    const int highlight = (7 << 8) | 1;
    if (horizontal) {
        DrawLine(dc, p, kRulerBand - length, p, kRulerBand, kRoleRulers, plat::kPsSolid, 1);
        DrawLine(dc, p + 1, kRulerBand - length, p + 1, kRulerBand, kDirectColor, plat::kPsSolid, highlight);
    } else {
        DrawLine(dc, kRulerBand - length, p, kRulerBand, p, kRoleRulers, plat::kPsSolid, 1);
        DrawLine(dc, kRulerBand - length, p + 1, kRulerBand, p + 1, kDirectColor, plat::kPsSolid, highlight);
    }
}

void drawRuler(plat::Dc& dc, bool horizontal, int length, int sheetCentre, int step, int inch, int scale)
{
    const int first = static_cast<int>(std::ceil(static_cast<double>(kRulerBand - sheetCentre) / step));
    for (int k = first;; ++k) {
        const int p = sheetCentre + k * step;
        if (p >= length)
            break;
        const bool inchTick = (k * step) % inch == 0;
        if (!inchTick) {
            if (scale > 0)
                rulerTick(dc, horizontal, p, 4);
            continue;
        }
        rulerTick(dc, horizontal, p, 8);
        rulerTick(dc, horizontal, p, 15);
        char number[32];
        std::snprintf(number, sizeof number, "%.0f", static_cast<double>(p - sheetCentre) / inch);
        constexpr int kRulerFont = 3333;   // font 5, size 13, not multiplied for the rulers
        // Each number stands beside its tick, its glyphs inside the band.
        if (horizontal)
            DrawTextString(dc, p + 2, kRulerBand, number, kRulerFont, 0, kRoleRulers);
        else
            DrawTextString(dc, 1, p + 2, number, kRulerFont, 2700, kRoleRulers);
    }
}

int frameReach() { return (kFramePen + 10) * g_current.zoom(); }

// Whether a border frame (a hollow rectangle) can touch the clip box: not when the clip lies
// wholly inside it, clear of its pen, nor wholly outside it. The pen's reach and a few pixels
// for rounding are taken at the current zoom.
bool frameMayTouch(const plat::Rect& frame, const plat::Rect& clip)
{
    const int reach = frameReach();
    const plat::Rect outside = GrowRect(frame, reach, reach);
    const plat::Rect inside = GrowRect(frame, -reach, -reach);
    const bool meets = outside.left <= clip.right && clip.left <= outside.right && outside.top <= clip.bottom &&
                       clip.top <= outside.bottom;
    const bool within = inside.left < clip.left && clip.right < inside.right && inside.top < clip.top &&
                        clip.bottom < inside.bottom;
    return meets && !within;
}

// A border frame, drawn once for each of the four bands along its edges with the clip cut to
// the band: a frame larger than the window then costs the pixels of its edges, not of the
// window it encloses. The bands overlap at the corners, where the copy pen paints the same
// pixels again; together they hold every pixel of the frame's pen.
void drawFrame(plat::Dc& dc, const plat::Rect& frame)
{
    if (g_sheetView.printing) {
        // A page takes the frame as one rectangle.
        DrawRect(dc, frame.left, frame.top, frame.right, frame.bottom, kRoleTop, plat::kPsSolid, kFillHollow,
                 kFramePen);
        return;
    }
    const int r = frameReach();
    const plat::Rect bands[] = {
        {frame.left - r, frame.top - r, frame.right + r, frame.top + r},
        {frame.left - r, frame.bottom - r, frame.right + r, frame.bottom + r},
        {frame.left - r, frame.top - r, frame.left + r, frame.bottom + r},
        {frame.right - r, frame.top - r, frame.right + r, frame.bottom + r},
    };
    for (const plat::Rect& band : bands) {
        const int saved = dc.SaveDC();
        dc.IntersectClipRect(band.left, band.top, band.right, band.bottom);
        DrawRect(dc, frame.left, frame.top, frame.right, frame.bottom, kRoleTop, plat::kPsSolid, kFillHollow,
                 kFramePen);
        dc.RestoreDC(saved);
    }
}

// The first point at or after `from` on the lattice start + k * step (k >= 0).
int latticeFrom(int start, int step, int from)
{
    if (from <= start)
        return start;
    const int64_t k = (int64_t{from} - start + step - 1) / step;
    return static_cast<int>(start + k * step);
}

}  // namespace

void DrawTitleBlock(plat::Dc& dc, int mode)
{
    const SheetDimensions sheet = SheetSizeOf(g_current.sheetSize);
    const int right = sheet.width / 2 - 2;
    const int left = 2 - sheet.width / 2;
    const int bottom = sheet.height / 2 - 2;
    const int top = 2 - sheet.height / 2;
    // The editing code keeps objects inside the sheet by these bounds.
    g_paintRecord.bounds = {left, top, right, bottom};
    if (mode == 1) {
        if (!g_sheetView.printing)
            DrawRect(dc, -1012, -512, -988, -488, kRoleTop, plat::kPsSolid, kFillHollow, kFramePen);
        return;
    }
    const TitleBlockLayout layout = TitleBlockLayoutOf(g_current.sheetSize);
    plat::Rect clip;
    dc.GetClipBox(clip);
    for (const plat::Rect& frame : {layout.outer, layout.inner})
        if (frameMayTouch(frame, clip))
            drawFrame(dc, frame);
    const int dx = layout.dx;
    const int dy = layout.dy;
    if (g_titleBlock.objects.empty())
        return;
    const int count = std::min(g_titleBlock.count, kObjectStoreSlots - 1);
    for (int i = 1; i <= count; ++i)
        drawTitleObject(dc, g_titleBlock.objects[i], dx, dy);
}

void DrawGridDots(plat::Dc& dc)
{
    if (g_sheetView.fitToWindow || !g_drawModes.gridShown)
        return;
    int align = 1000;
    const int step = gridStepForScale(&align);
    if (step < 5)
        return;
    const plat::Rect visible = dc.DPtoLP(g_sheetView.workArea).normalized();
    const int startX = alignDown(visible.left, align) - 1000;
    const int startY = alignDown(visible.top, align) - 1000;
    const plat::ColorRef color = RoleColor(kRoleGrid);
    // Only the dots inside the clip box are set; they sit where the whole window's would.
    plat::Rect clip;
    dc.GetClipBox(clip);
    // Two pixels of slack: a dot rounds to the nearest pixel.
    clip = GrowRect(clip, 2 * g_current.zoom(), 2 * g_current.zoom());
    const int right = std::min(visible.right, clip.right);
    const int bottom = std::min(visible.bottom, clip.bottom);
    for (int y = latticeFrom(startY, 10 * step, clip.top); y <= bottom; y += 10 * step)
        for (int x = latticeFrom(startX, step, clip.left); x <= right; x += step)
            dc.SetPixel(x, y, color);
    for (int x = latticeFrom(startX, 10 * step, clip.left); x <= right; x += 10 * step)
        for (int y = latticeFrom(startY, step, clip.top); y <= bottom; y += step)
            dc.SetPixel(x, y, color);
}

void DrawRulers(plat::Dc& dc)
{
    if (g_settings.rulers == 0 || g_sheetView.fitToWindow)
        return;
    const int zoom = g_current.zoom();
    const plat::Rect work = g_sheetView.workArea;
    // The sheet centre in pixels: where the mapping puts sheet point (0, 0).
    const int centreX = (work.left + work.right) / 2 - g_current.viewCentreX / zoom;
    const int centreY = (work.top + work.bottom) / 2 - g_current.viewCentreY / zoom;
    const int saved = dc.SaveDC();
    dc.SetMapMode(plat::kMmText);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(0, 0);
    dc.SelectClipRgn(nullptr);
    // The painters grow rectangles by one zoom step; in pixels that step is 1.
    const int savedZoom = g_current.zoomFactor;
    g_current.zoomFactor = 1;
    const int face = (15 << 8) | 1;
    const int edge = (8 << 8) | 2;
    DrawRect(dc, 0, 0, work.right - 1, kRulerBand - 1, kDirectColor, plat::kPsSolid, kFillSolid, face);
    DrawRect(dc, 0, 0, kRulerBand - 1, work.bottom - 1, kDirectColor, plat::kPsSolid, kFillSolid, face);
    DrawLine(dc, 0, 0, work.right, 0, kDirectColor, plat::kPsSolid, edge);
    DrawLine(dc, 0, 0, 0, work.bottom, kDirectColor, plat::kPsSolid, edge);
    DrawLine(dc, kRulerBand, kRulerBand, work.right, kRulerBand, kRoleRulers, plat::kPsSolid, 1);
    DrawLine(dc, kRulerBand, kRulerBand, kRulerBand, work.bottom, kRoleRulers, plat::kPsSolid, 1);
    const int step = std::max(1, 100 / zoom);
    const int inch = 5 * step;
    drawRuler(dc, true, work.right, centreX, step, inch, g_current.zoomIndex);
    drawRuler(dc, false, work.bottom, centreY, step, inch, g_current.zoomIndex);
    g_current.zoomFactor = savedZoom;
    dc.RestoreDC(saved);
}

void DrawRulerTicks(plat::Dc& dc, plat::Point p)
{
    if (g_settings.rulers == 0 || g_sheetView.fitToWindow || g_sheetView.printing)
        return;
    const plat::Point at = dc.LPtoDP(p);
    const int saved = dc.SaveDC();
    dc.SetMapMode(plat::kMmText);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(0, 0);
    dc.SelectClipRgn(nullptr);
    dc.MoveTo(at.x, 0);
    dc.LineTo(at.x, kRulerTick);
    dc.MoveTo(0, at.y);
    dc.LineTo(kRulerTick, at.y);
    dc.RestoreDC(saved);
}
