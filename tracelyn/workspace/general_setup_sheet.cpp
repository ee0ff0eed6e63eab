#include "tracelyn/workspace/general_setup_sheet.h"

#include "common/general_setup.h"
#include "common/scoped_replace.h"
#include "platform/app/dialog.h"
#include "platform/app/win_constants.h"
#include "platform/gdi/dc.h"
#include "resources/tracelyn/setup_dialog_ids.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_units.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/change_objects.h"
#include "tracelyn/core/tracelyn_app.h"
#include "tracelyn/workspace/router_setup_fields.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>

using namespace tly;

namespace {

// Widths and mask margins are kept in a byte of mils: 255 mils at most.
constexpr int32_t kMaxWidthUnits = 2550;
constexpr int kLongestBackupMinutes = 1000;
constexpr int32_t kFillIsolated = 365;

// A typed width or margin held to what the objects' width byte can carry.
int32_t widthWithin(int32_t units) { return std::clamp(units, 0, kMaxWidthUnits); }

// ---- the three font sizes of the Display page, each with its spinner ----
struct FontSize {
    unsigned edit;
    int32_t BoardSettings::*setting;
    int max;
};
constexpr FontSize kFontSizes[] = {{kIdcGenLibFont, &BoardSettings::lib_font, 5},
                                   {kIdcGenNetFont, &BoardSettings::net_font, 4},
                                   {kIdcGenPinFont, &BoardSettings::pin_font, 4}};

const FontSize* fontSizeOf(unsigned edit)
{
    for (const FontSize& f : kFontSizes)
        if (f.edit == edit)
            return &f;
    return nullptr;
}

// The size typed into an edit, within the painters' size tables.
int fontSizeTyped(const plat::Dialog& page, const FontSize& f)
{
    return std::clamp(page.GetDlgItemInt(f.edit), 0, f.max);
}

}  // namespace

// ---- Drawing ----

CGenDraw::CGenDraw() : FillPatternPage(kIddGenDraw, "Drawing", kIdcGenFillFirst, kIdcGenFillCurrent) {}

static std::span<const CheckSetting> drawingChecks()
{
    static const CheckSetting checks[] = {{kIdcGenFullCursor, &g_boardSettings.cursor},
                                          {kIdcGenLimit90, &g_boardSettings.limit},
                                          {kIdcGenRubberband, &g_boardSettings.rubber},
                                          {kIdcGenPadSnap, &g_boardSettings.padsnap}};
    return checks;
}

bool CGenDraw::OnInitDialog()
{
    working_ = {g_drawDefaults.outlineStyle, g_drawDefaults.fillPattern, g_boardSettings.trace_width};
    CheckDlgButton(kIdcGenSnapToGrid, g_crosshair.on ? 1 : 0);
    FillChecks(*this, drawingChecks());
    CheckRadioValue(*this, kIdcGenStyleFirst, kIdcGenStyleLast, working_.style + static_cast<int>(kIdcGenStyleFirst));
    setFillPattern(working_.fill);
    const bool metric = MetricUnits();
    SetDlgItemText(kIdcGenWidthLabel, metric ? "Width (mm):" : "Width (mils):");
    width_.show(*this, kIdcGenWidth, working_.width, "%.2f");
    FillCountCombo(*this, kIdcGenPolygonEdges, kMinPolygonEdges, kMaxPolygonEdges, g_drawDefaults.polygonEdges);
    return true;
}

plat::ColorRef CGenDraw::preparePatternDc(plat::Dc& dc)
{
    if (g_boardPalette.palette.size() == 0)
        BuildBoardPalette();
    dc.SelectPalette(g_boardPalette.palette);
    dc.RealizePalette();
    return GetLayerColor(kPaletteBlack);
}

void CGenDraw::OnOK()
{
    g_crosshair.on = IsDlgButtonChecked(kIdcGenSnapToGrid) != 0;
    g_pointer.savedCrosshair = g_crosshair.on;
    StoreChecks(*this, drawingChecks());
    StoreRadio(*this, kIdcGenStyleFirst, kIdcGenStyleLast, static_cast<int>(kIdcGenStyleFirst), working_.style);
    working_.fill = fillPattern();
    working_.width = widthWithin(width_.read(*this, kIdcGenWidth));
    if (const std::optional<int> edges = CountChosen(*this, kIdcGenPolygonEdges, kMinPolygonEdges))
        g_drawDefaults.polygonEdges = *edges;
    if (g_selection.count == 0) {
        g_drawDefaults.outlineStyle = working_.style;
        g_drawDefaults.fillPattern = working_.fill;
        g_boardSettings.trace_width = working_.width;
    }
}

// ---- Display ----

CGenDisp::CGenDisp() : plat::PropertyPage(kIddGenDisp, "Display")
{
    for (const FontSize& f : kFontSizes)
        onNotifyRange(f.edit + 1, f.edit + 1, plat::kUdnDeltaPos, &CGenDisp::OnSpin);
}

static std::span<const CheckSetting> displayChecks()
{
    BoardSettings& s = g_boardSettings;
    static const CheckSetting checks[] = {{kIdcGenBorder, &s.border},         {kIdcGenRulers, &s.rulers},
                                          {kIdcGenVisibleGrid, &s.visible},   {kIdcGenPinNumbers, &s.hidden},
                                          {kIdcGenPageBreaks, &s.breaks},     {kIdcGenPadDisplay, &s.PadDisplay},
                                          {kIdcGenNetNames, &s.view_net},     {kIdcGenPartsBinHelp, &s.PartsBinHelp},
                                          {kIdcGenRoundVias, &s.RoundVias}};
    return checks;
}

bool CGenDisp::OnInitDialog()
{
    FillChecks(*this, displayChecks());
    for (const FontSize& f : kFontSizes)
        SetDlgItemInt(f.edit, g_boardSettings.*f.setting);
    SetDlgItemText(kIdcGenMask, Formatted("%.1f", UnitsToMils(g_boardSettings.mask)));
    return true;
}

// A spinner step changes its size by one at once: up (a delta of -1) raises it.
void CGenDisp::OnSpin(unsigned spinId)
{
    const FontSize* f = fontSizeOf(spinId - 1);
    const plat::Control* spin = GetDlgItem(spinId);
    if (f == nullptr || spin == nullptr)
        return;
    const int step = spin->lastSpinDelta() == -1 ? 1 : -1;
    SetDlgItemInt(f->edit, std::clamp(fontSizeTyped(*this, *f) + step, 0, f->max));
}

void CGenDisp::OnOK()
{
    StoreChecks(*this, displayChecks());
    for (const FontSize& f : kFontSizes)
        g_boardSettings.*f.setting = fontSizeTyped(*this, f);
    g_boardSettings.mask = widthWithin(static_cast<int32_t>(std::clamp(NumberTyped(*this, kIdcGenMask) * 10, -1.0, 1e6)));
}

// ---- Miscellaneous ----

CGenMisc::CGenMisc() : plat::PropertyPage(kIddGenMisc, "Miscellaneous") {}

static std::span<const CheckSetting> miscChecks()
{
    BoardSettings& s = g_boardSettings;
    static const CheckSetting checks[] = {{kIdcGenStartupFile, &s.start},
                                          {kIdcGenSound, &s.sound},
                                          {kIdcGenAutoRefs, &s.AutoRefs},
                                          {kIdcGenAutoTextExit, &s.AutoTextExit}};
    return checks;
}

bool CGenMisc::OnInitDialog()
{
    const BoardSettings& s = g_boardSettings;
    FillChecks(*this, miscChecks());
    CheckRadioValue(*this, kIdcGenEnglish, kIdcGenMetric, s.units);
    // Anything but the isolated fill is the normal one (the file keeps it as 366).
    CheckRadioButton(kIdcGenFillNormal, kIdcGenFillIsolated, s.fillmode == kFillIsolated ? kIdcGenFillIsolated : kIdcGenFillNormal);
    CheckRadioValue(*this, kIdcGenHideVias, kIdcGenShowVias, s.viamode);
    ShowAngleDegrees(*this, kIdcGenRotation, g_drawDefaults.rotationAngle);
    SetDlgItemText(kIdcGenAspect, Formatted("%2.1f", g_drawDefaults.ellipseAspect));
    FillBackupCombo(*this, kIdcGenBackup, s.BackupTime);
    return true;
}

void CGenMisc::OnOK()
{
    BoardSettings& s = g_boardSettings;
    StoreChecks(*this, miscChecks());
    StoreRadio(*this, kIdcGenEnglish, kIdcGenMetric, 0, s.units);
    StoreRadio(*this, kIdcGenFillNormal, kIdcGenFillIsolated, 0, s.fillmode);
    StoreRadio(*this, kIdcGenHideVias, kIdcGenShowVias, 0, s.viamode);
    g_drawDefaults.rotationAngle = AngleTyped(*this, kIdcGenRotation);
    g_drawDefaults.ellipseAspect = std::fabs(NumberTyped(*this, kIdcGenAspect));
    s.BackupTime = BackupTypedWithin(GetDlgItemText(kIdcGenBackup), s.BackupTime, kLongestBackupMinutes);
    BuildGridMenu();
}

// ---- Incremental Router ----

CGenRouter::CGenRouter() : plat::PropertyPage(kIddGenRouter, "Incremental Router") {}

bool CGenRouter::OnInitDialog()
{
    fields_.show(*this);
    return true;
}

void CGenRouter::OnOK()
{
    fields_.store(*this);
    WarnOnInsufficientClearance();
}

// ---- the sheet ----

namespace {

// Gives the selected objects the sheet's width, style and fill; the defaults new objects take
// stay as they were.
void applyToSelection(const DrawingSet& set)
{
    ScopedReplace<int32_t> width(g_boardSettings.trace_width, set.width);
    ScopedReplace<int32_t> style(g_drawDefaults.outlineStyle, set.style);
    ScopedReplace<int32_t> fill(g_drawDefaults.fillPattern, set.fill);
    ChangeSelectedObjects(kChangeWidth);
    ChangeSelectedObjects(kChangeStyle);
    ChangeSelectedObjects(kChangeFill);
}

}  // namespace

bool RunGeneralSetup(plat::Wnd* parent)
{
    CGeneral sheet(parent);
    if (sheet.DoModal() != plat::kIdOk)
        return false;
    if (g_selection.count > 0)
        applyToSelection(sheet.drawingSet());
    return true;
}
