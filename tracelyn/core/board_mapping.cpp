#include "tracelyn/core/board_mapping.h"

#include "common/pcb/paint_frame.h"
#include "common/rounding.h"
#include "platform/gdi/dc.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/workspace_services.h"

#include <algorithm>

int32_t ZoomDivisorOf(int zoomIndex)
{
    return kZoomDivisors[static_cast<size_t>(std::clamp(zoomIndex, 0, kMaxZoomIndex))];
}

namespace {

// Logical units per board unit (a rounded float division: 0.1f, 0.2f, 0.5f or 1.0f).
float floatScale(int zoomIndex)
{
    return 1.0f / static_cast<float>(pcb::UnitsPerLogical(zoomIndex));
}

BoardDocumentData* activeData()
{
    return g_footprintEditor.open ? nullptr : g_active.data;
}

void storeViewInDocument()
{
    if (BoardDocumentData* doc = activeData()) {
        doc->viewOriginX = g_board.viewOriginX;
        doc->viewOriginY = g_board.viewOriginY;
        doc->zoomIndex = g_board.zoomIndex;
    }
}

}  // namespace

void WorldToScreen(int32_t& x, int32_t& y)
{
    pcb::ToLogical(g_board.zoomIndex, x, y);
}

void WorldToScreenLength(int32_t& length)
{
    length = pcb::LogicalLength(g_board.zoomIndex, length);
}

void WorldToScreenLengthF(float& length)
{
    pcb::ToLogicalLengthF(g_board.zoomIndex, length);
}

void WorldToScreenRounded(int32_t& x, int32_t& y)
{
    if (g_board.zoomIndex >= 9)
        return;
    const double f = floatScale(g_board.zoomIndex);
    x = RoundHalfUp(x * f);
    y = static_cast<int32_t>(y * f);
}

void ScreenToWorld(int32_t& x, int32_t& y)
{
    const int32_t u = pcb::UnitsPerLogical(g_board.zoomIndex);
    x *= u;
    y *= u;
}

int32_t ScreenLength(int32_t length)
{
    return pcb::LogicalLength(g_board.zoomIndex, length);
}

int32_t ScreenLengthAt(int32_t length, int zoomIndex)
{
    return pcb::LogicalLength(zoomIndex, length);
}

int BeginPixelDrawing(plat::Dc& dc, int mix)
{
    const int saved = dc.SaveDC();
    dc.SetMapMode(plat::kMmText);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(0, 0);
    dc.SelectClipRgn(nullptr);
    dc.SetROP2(mix);
    return saved;
}

void PrepareScreenMapping(plat::Dc& dc, const plat::Rect& client)
{
    dc.SetMapMode(plat::kMmAnisotropic);
    if (!g_footprintEditor.open)
        g_view.clientRect = client;
    if (g_board.sizeLetter < 0) {
        g_board.count = 0;
        g_board.sizeLetter = 'A';
    }
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    const int32_t d = g_view.zoomDivisor;
    const plat::Rect& r = g_view.clientRect;
    g_view.clientCentreX = (r.left + r.right) / 2 * d;
    g_view.clientCentreY = (r.top + r.bottom) / 2 * d;
    dc.SetWindowExt(area.width, area.height);
    if (g_view.drawToFit) {
        dc.SetViewportExt(r.right - r.left, r.bottom - r.top);
    } else if (MetricUnits()) {
        dc.SetViewportExt(RoundHalfUp(area.width / d * 2.54), RoundHalfUp(area.height / d * 2.54));
    } else {
        dc.SetViewportExt(area.width / d, area.height / d);
    }
    dc.SetViewportOrg((g_view.clientCentreX - g_board.viewOriginX) / d,
                      (g_view.clientCentreY - g_board.viewOriginY) / d);
}

void PreparePrintMapping(plat::Dc& dc, int page)
{
    dc.SetMapMode(plat::kMmAnisotropic);
    g_board.viewOriginX = 0;
    g_board.viewOriginY = 0;
    const int hr = dc.GetDeviceCaps(plat::kHorzRes);
    const int vr = dc.GetDeviceCaps(plat::kVertRes);
    if (g_boardSettings.PrPaged != 0) {
        const int32_t letter = g_board.sizeLetter;
        const int32_t left = 1000 - hr / 2;
        const int32_t right = hr / 2 - 1000;
        const int32_t top = 1000 - vr / 2;
        const int32_t bottom = vr / 2 - 1000;
        if (letter == 'D') {
            g_board.viewOriginX = page == 2 ? right : left;
        } else if (letter >= 'E' && letter <= 'G') {
            g_board.viewOriginX = page == 2 || page == 4 ? right : left;
            g_board.viewOriginY = page >= 3 ? bottom : top;
        }
    }
    dc.SetViewportOrg(hr / 2 - g_board.viewOriginX, vr / 2 - g_board.viewOriginY);
    dc.SetMapMode(plat::kMmIsotropic);
    dc.SetMapMode(plat::kMmAnisotropic);
    dc.SetWindowExt(1000, 1000);
    int ex = static_cast<int>(dc.GetDeviceCaps(plat::kLogPixelsX) * g_boardSettings.fXp);
    const int ey = static_cast<int>(dc.GetDeviceCaps(plat::kLogPixelsY) * g_boardSettings.fYp);
    if (g_boardSettings.PrMirror != 0)
        ex = -ex;
    dc.SetViewportExt(ex, ey);
}

int PrintPageCount()
{
    if (g_boardSettings.PrPaged == 0)
        return 1;
    const int32_t letter = g_board.sizeLetter;
    if (letter == 'D')
        return 2;
    if (letter >= 'E' || letter < 'A')
        return 4;
    return 1;
}

void BeginBoardPrinting()
{
    g_print.printing = true;
    BeginPrintingColors(g_boardSettings.PrColor != 0, g_boardSettings.PrInvert != 0);
}

void EndBoardPrinting()
{
    g_print.printing = false;
    EndPrintingColors(g_boardSettings.PrColor != 0);
}

plat::Size BoardScrollSizes(const plat::Dc& preparedDc)
{
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    plat::Point size = preparedDc.LPtoDP(plat::Point{area.width * 4, area.height * 4});
    const plat::Point zero = preparedDc.LPtoDP(plat::Point{0, 0});
    const int cx = std::min(std::abs(size.x - zero.x), kMaxScrollExtent);
    const int cy = std::min(std::abs(size.y - zero.y), kMaxScrollExtent);
    return {cx, cy};
}

ZoomStepResult ApplyZoomStep(bool in)
{
    ZoomStepResult result;
    result.oldDivisor = g_view.zoomDivisor;
    const int32_t before = ScreenLength(10);
    const int oldIndex = g_board.zoomIndex;
    int index = oldIndex + (in ? 1 : -1);
    bool clamped = false;
    if (index < 0 || index > kMaxZoomIndex) {
        index = std::clamp(index, 0, kMaxZoomIndex);
        clamped = true;
    }
    g_board.zoomIndex = index;
    ClampScaleForSheetSize();
    index = g_board.zoomIndex;
    if (index == kMaxZoomIndex)
        PlaySoundFile("Maximum");
    else if (index == 0)
        PlaySoundFile("Minimum");
    if (clamped)
        return result;

    g_view.zoomDivisor = ZoomDivisorOf(index);
    const int32_t after = ScreenLength(10);
    const int32_t oldX = g_board.viewOriginX;
    const int32_t oldY = g_board.viewOriginY;
    g_board.viewOriginX = static_cast<int32_t>(
        (int64_t{g_view.cursorX} - g_view.clientCentreX + oldX) * after / before);
    g_board.viewOriginY = static_cast<int32_t>(
        (int64_t{g_view.cursorY} - g_view.clientCentreY + oldY) * after / before);
    // The cursor goes to the window centre. Both are pixels times the divisor, so they are
    // restated in the new divisor: left in the old one, the next step would start from a
    // point beside the centre and walk the view away from what was under the cursor.
    const int32_t d0 = result.oldDivisor > 0 ? result.oldDivisor : 1;
    const int32_t centrePixelX = g_view.clientCentreX / d0;
    const int32_t centrePixelY = g_view.clientCentreY / d0;
    g_view.clientCentreX = g_view.cursorX = centrePixelX * g_view.zoomDivisor;
    g_view.clientCentreY = g_view.cursorY = centrePixelY * g_view.zoomDivisor;
    storeViewInDocument();

    if (index >= kFineZoomIndex || oldIndex >= kFineZoomIndex) {
        g_selection.count = 0;
        ClearSelectionModes();
    } else {
        const int32_t grow = g_view.zoomDivisor - d0;
        ShiftRubberBand(centrePixelX * grow - g_board.viewOriginX + oldX,
                        centrePixelY * grow - g_board.viewOriginY + oldY);
    }
    result.changed = true;
    return result;
}

void ApplyScaleCommand(int id)
{
    g_board.zoomIndex = std::clamp(id - kCmdScaleFirst, 0, kMaxZoomIndex);
    g_view.zoomDivisor = ZoomDivisorOf(g_board.zoomIndex);
    g_board.viewOriginX = 0;
    g_board.viewOriginY = 0;
    g_selection.count = 0;
    ClearSelectionModes();
    if (BoardDocumentData* doc = activeData())
        doc->zoomIndex = g_board.zoomIndex;
}

void ApplyWorkAreaCommand(int id)
{
    g_board.sizeLetter = id - kWorkAreaCommandOffset;
    if (BoardDocumentData* doc = activeData()) {
        doc->modified = true;
        doc->sizeLetter = g_board.sizeLetter;
    }
    if (MetricUnits())
        g_board.zoomIndex = kNewBoardZoomIndex;
    g_view.zoomDivisor = ZoomDivisorOf(g_board.zoomIndex);
}

int LayerOfCommand(int id)
{
    if (id == 1024)
        return kLayerOutline;
    if (id == 1025)
        return kLayerAll;
    return id - kCmdLayerFirst;
}

int CommandOfLayer(int layer)
{
    if (layer == kLayerOutline)
        return 1024;
    if (layer == kLayerAll)
        return 1025;
    if (layer < kLayerTop || layer > kLayerPower4 || layer == 24)
        return 0;
    return layer + kCmdLayerFirst;
}

int NextLayer(int layer)
{
    if (layer == kLayerAll)
        return kLayerTop;
    if (layer >= 0 && layer <= 22)
        return layer + 1;
    if (layer == kLayerGround)
        return kLayerPower1;
    if (layer >= kLayerPower1 && layer < kLayerPower4)
        return layer + 1;
    if (layer == kLayerPower4)
        return kLayerAll;
    return layer;
}

int PreviousLayer(int layer)
{
    if (layer == kLayerTop)
        return kLayerAll;
    if (layer == kLayerPower1)
        return kLayerGround;
    if (layer == kLayerAll)
        return kLayerPower4;
    return layer - 1;
}
