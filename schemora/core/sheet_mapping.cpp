#include "schemora/core/sheet_mapping.h"

#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/drawing_document.h"
#include "schemora/core/settings.h"

#include <algorithm>
#include <cmath>

namespace {

// Colour roles kept aside while a printout without colour replaces them.
struct SavedRoles {
    ColorRoles roles;
    bool replaced = false;
};
SavedRoles g_savedRoles;

constexpr int kPrintMargin = 20;
constexpr int kPrintBackgroundIndex = 7;
constexpr int kMetricScaleLimit = 5;
constexpr double kMetricFitFactor = 0.1606942;

int metricExtent(int value) { return MetricUnits() ? static_cast<int>(value * kMetricFactor) : value; }

plat::Point clientCentre(const plat::Rect& client)
{
    return {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
}

}  // namespace

SheetDimensions SheetSizeOf(char letter)
{
    switch (letter) {
    case 'B': return {8500, 5500};
    case 'C': return {11000, 8500};
    case 'D': return {17000, 11000};
    case 'E': return {22000, 17000};
    default: return {5500, 4250};
    }
}

int ZoomDivisorOf(int scaleIndex) { return kZoomDivisors[std::clamp(scaleIndex, 0, kMaxScaleIndex)]; }

int GridStepOf(int gridCommand)
{
    switch (gridCommand) {
    case 700: return 5;
    case 701: return 10;
    case 702: return 25;
    case 703: return 50;
    default: return 0;
    }
}

bool MetricUnits() { return g_settings.units == kUnitsMetric; }

int MetricScaled(int distance)
{
    constexpr double kInchesPerCentimetre = 0.39370078740157477;
    return MetricUnits() ? static_cast<int>(distance * kInchesPerCentimetre) : distance;
}

void LoadDrawingContext(DrawingDocData& doc, std::string_view path)
{
    g_current.objects = doc.objects.slots();
    g_current.count = doc.objectCount;
    g_current.viewCentreX = doc.viewCentreX;
    g_current.viewCentreY = doc.viewCentreY;
    g_current.zoomIndex = std::clamp(doc.zoomLevel, 0, kMaxScaleIndex);
    g_current.zoomFactor = ZoomDivisorOf(g_current.zoomIndex);
    g_current.gridCommand = doc.grid;
    if (const int step = GridStepOf(doc.grid))
        g_current.gridStep = step;
    g_current.sheetSize = static_cast<char>(doc.sheetSize);

    g_sheetDocument.title = std::string(doc.titleText());
    g_sheetDocument.path = std::string(path);
    g_sheetDocument.date = doc.date;
    g_sheetDocument.revision = doc.revision;
    g_sheetDocument.documentNumber = doc.documentNumber;
    g_sheetDocument.numberOfSheets = doc.numberOfSheets;
    g_sheetDocument.headerFlag = doc.headerFlag;
}

void SetSheetMapping(plat::Dc& dc, const plat::Rect& client)
{
    dc.SetMapMode(plat::kMmAnisotropic);
    if (g_sheetView.printing)
        return;
    g_sheetView.workArea = client;
    const SheetDimensions sheet = SheetSizeOf(g_current.sheetSize);
    const int zoom = g_current.zoom();
    dc.SetWindowExt(sheet.width, sheet.height);
    if (g_sheetView.fitToWindow)
        dc.SetViewportExt(client.width(), client.height());
    else
        dc.SetViewportExt(metricExtent(sheet.width / zoom), metricExtent(sheet.height / zoom));
    const plat::Point centre = clientCentre(client);
    dc.SetViewportOrg(centre.x - g_current.viewCentreX / zoom, centre.y - g_current.viewCentreY / zoom);
}

plat::Size NormalViewSpan(const plat::Rect& client)
{
    const SheetDimensions sheet = SheetSizeOf(g_current.sheetSize);
    const int zoom = g_current.zoom();
    const int pixelsX = std::max(1, metricExtent(sheet.width / zoom));
    const int pixelsY = std::max(1, metricExtent(sheet.height / zoom));
    return {plat::mulDiv(client.width(), sheet.width, pixelsX), plat::mulDiv(client.height(), sheet.height, pixelsY)};
}

void PrepareScreenMapping(plat::Dc& dc, const plat::Rect& client)
{
    SetSheetMapping(dc, client);
    const int zoom = g_current.zoom();
    const plat::Point centre = clientCentre(client);
    g_sheetView.clientCentreX = centre.x * zoom;
    g_sheetView.clientCentreY = centre.y * zoom;
    if (g_sheetView.fitToWindow)
        return;
    const SheetDimensions sheet = SheetSizeOf(g_current.sheetSize);
    const int halfW = metricExtent(sheet.width / 2);
    const int halfH = metricExtent(sheet.height / 2);
    const int x = std::clamp(g_current.viewCentreX, -halfW, halfW);
    const int y = std::clamp(g_current.viewCentreY, -halfH, halfH);
    if (x != g_current.viewCentreX || y != g_current.viewCentreY) {
        g_current.viewCentreX = x;
        g_current.viewCentreY = y;
        g_editState.selectionCount = 0;
    }
}

int PrintPageCount(char sheetSize, int numberOfSheets, const PrintoutSettings& settings)
{
    if (settings.layout == kPrintPaginated) {
        switch (sheetSize) {
        case 'B': case 'C': return 2;
        case 'D': case 'E': return 4;
        default: return 1;
        }
    }
    return numberOfSheets > 1 ? numberOfSheets : 1;
}

int PreparePrintMapping(plat::Dc& dc, int page, char sheetSize, int numberOfSheets,
                        const PrintoutSettings& settings)
{
    const int pw = dc.GetDeviceCaps(plat::kHorzRes);
    const int ph = std::max(1, dc.GetDeviceCaps(plat::kVertRes));
    int offsetX = 0;
    int offsetY = 0;
    bool halve = false;
    int sheet = g_sheetView.currentSheet;
    if (settings.layout == kPrintPaginated) {
        const int left = kPrintMargin - pw / 2;
        const int right = pw / 2 - kPrintMargin;
        if (sheetSize == 'B' || sheetSize == 'C') {
            offsetX = page == 2 ? right : left;
        } else if (sheetSize == 'D' || sheetSize == 'E') {
            // Top-left, top-right, bottom-left, bottom-right.
            offsetX = (page == 2 || page == 4) ? right : left;
            offsetY = page >= 3 ? ph / 2 - kPrintMargin : kPrintMargin - ph / 2;
            halve = true;
        }
    } else if (numberOfSheets > 1) {
        sheet = page;
    }
    dc.SetMapMode(plat::kMmAnisotropic);
    dc.SetViewportOrg(pw / 2 - offsetX, ph / 2 - offsetY);
    const SheetDimensions dims = SheetSizeOf(sheetSize);
    int extW = 0;
    int extH = 0;
    if (settings.preserveAspect) {
        const bool small = sheetSize != 'C' && sheetSize != 'D' && sheetSize != 'E';
        extH = dims.height / (small ? 15 : 16) * 20;
        extW = static_cast<int>(static_cast<long long>(extH) * pw / ph);
    } else {
        extW = dims.width / 18 * 20;
        extH = dims.height / 18 * 20;
    }
    if (halve) {
        extW /= 2;
        extH /= 2;
    }
    dc.SetWindowExt(extW, extH);
    dc.SetViewportExt(pw, ph);
    g_sheetView.printPage = page;
    g_sheetView.currentSheet = sheet;
    return sheet;
}

void BeginSheetPrinting(const PrintoutSettings& settings)
{
    g_sheetView.printing = true;
    g_sheetView.savedSheet = g_sheetView.currentSheet;
    g_savedRoles.replaced = !settings.color;
    g_drawModes.monochromePrint = !settings.color;
    if (settings.color)
        return;
    g_savedRoles.roles = g_colorRoles;
    g_colorRoles.index.fill(0);
    g_colorRoles.index[0] = kPrintBackgroundIndex;
}

void EndSheetPrinting(int numberOfSheets)
{
    if (numberOfSheets > 1)
        g_sheetView.currentSheet = g_sheetView.savedSheet;
    g_sheetView.printing = false;
    g_drawModes.monochromePrint = false;
    if (g_savedRoles.replaced)
        g_colorRoles = g_savedRoles.roles;
    g_savedRoles.replaced = false;
}

plat::Size SheetScrollSizes(const plat::Dc& dc, char sheetSize)
{
    const SheetDimensions sheet = SheetSizeOf(sheetSize);
    const plat::Size window = dc.GetWindowExt();
    const plat::Size viewport = dc.GetViewportExt();
    auto device = [](int extent, int vp, int win) {
        if (win == 0)
            return extent;
        return std::min(std::abs(plat::mulDiv(extent, vp, win)), kMaxScrollSize);
    };
    if (dc.GetMapMode() == plat::kMmText)
        return {std::min(sheet.width, kMaxScrollSize), std::min(sheet.height, kMaxScrollSize)};
    return {device(sheet.width, viewport.cx, window.cx), device(sheet.height, viewport.cy, window.cy)};
}

SheetScrollBars ComputeSheetScrollBars(const plat::Rect& client, int windowOrgX, int windowOrgY)
{
    const SheetDimensions sheet = SheetSizeOf(g_current.sheetSize);
    const int zoom = g_current.zoom();
    auto size = [](int extent) {
        const double s = MetricUnits() ? extent * kMetricFactor : extent * 4.0 / 3.0;
        return std::min(static_cast<int>(s), 32767);
    };
    auto bar = [zoom](int total, int clientPixels, int centre, int origin) {
        SheetScrollBar b;
        b.max = total;
        b.page = clientPixels * zoom;
        const int span = total - origin;
        const double fraction = span != 0 ? static_cast<double>(centre) / span : 0.0;
        b.pos = static_cast<int>(std::lround((fraction + 0.5) * total)) - b.page / 2;
        return b;
    };
    SheetScrollBars bars;
    bars.horizontal = bar(size(sheet.width), client.width(), g_current.viewCentreX, windowOrgX);
    bars.vertical = bar(size(sheet.height), client.height(), g_current.viewCentreY, windowOrgY);
    return bars;
}

void ClampMetricScale()
{
    if (MetricUnits() && g_current.sheetSize == 'E')
        g_current.zoomIndex = std::min(g_current.zoomIndex, kMetricScaleLimit);
}

ZoomStep StepScaleIndex(int direction)
{
    g_current.zoomIndex += direction == 1 ? 1 : -1;
    ClampMetricScale();
    ZoomStep step;
    step.index = g_current.zoomIndex;
    step.changed = true;
    if (step.index > kMaxScaleIndex) {
        step = {kMaxScaleIndex, false, "Maximum"};
    } else if (step.index == kMaxScaleIndex) {
        step.sound = "Maximum";
    } else if (step.index < 0) {
        step = {0, false, "Minimum"};
    } else if (step.index == 0) {
        step.sound = "Minimum";
    }
    g_current.zoomIndex = step.index;
    g_current.zoomFactor = ZoomDivisorOf(step.index);
    return step;
}

int ClampViewCentre(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, -kViewCentreLimit, kViewCentreLimit));
}

plat::Point FitOffsets(const plat::Rect& client, char sheetSize, int zoom)
{
    const SheetDimensions sheet = SheetSizeOf(sheetSize);
    const long long cw = client.width();
    const long long ch = client.height();
    long long x = (cw * cw / sheet.width) / 2 * zoom;
    long long y = (ch * ch / sheet.height) / 2 * zoom;
    if (MetricUnits()) {
        x = static_cast<long long>(x * kMetricFitFactor);
        y = static_cast<long long>(y * kMetricFitFactor);
    }
    return {static_cast<int>(x), static_cast<int>(y)};
}

bool IsObjectSelected(int selectionCount, int index)
{
    const auto& list = g_editState.SelectionList;
    if (list[1] == index)
        return true;
    const int last = std::min(selectionCount, kSelectionSlots - 1);
    for (int i = 2; i <= last; ++i)
        if (list[i] == index)
            return true;
    return false;
}
