#include "schemora/workspace/general_setup_sheet.h"

#include "common/general_setup.h"
#include "common/setup_pages.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"
#include "resources/schemora/general_setup_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/settings.h"
#include "schemora/core/style_changes.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

using namespace scm;

namespace {

constexpr int kMetricUnits = 725;
constexpr int kBlackIndex = 0;

bool metric() { return g_settings.units == kMetricUnits; }

}  // namespace

// ---- Drawing ----

CGenDraw::CGenDraw() : FillPatternPage(kIddGenDraw, "Drawing", kIdcFillFirst, kIdcFillCurrent) {}

static std::span<const CheckSetting> drawingChecks()
{
    static const CheckSetting checks[] = {{kIdcSnapToGrid, &g_settings.snapToGrid},
                                          {kIdcLimit90, &g_settings.limit},
                                          {kIdcRubberband, &g_settings.rubber},
                                          {kIdcSnapToPin, &g_settings.pinsnap},
                                          {kIdcRoundedRectangles, &g_settings.roundedRectangles}};
    return checks;
}

bool CGenDraw::OnInitDialog()
{
    FillChecks(*this, drawingChecks());
    CheckRadioValue(*this, kIdcStyleFirst, kIdcStyleLast, g_settings.CurrentStyle + static_cast<int>(kIdcStyleFirst));
    CheckRadioValue(*this, kIdcHeadStyleFirst, kIdcHeadStyleLast, g_settings.CurrentHeadStyle + static_cast<int>(kIdcHeadStyleFirst));
    CheckRadioValue(*this, kIdcHeadsNone, kIdcHeadsTwo, g_settings.CurrentHeadNo + 300);
    SetDlgItemText(kIdcWidth, WidthShown(g_settings.width, metric()));
    setFillPattern(g_settings.fillPattern);
    return true;
}

plat::ColorRef CGenDraw::preparePatternDc(plat::Dc& dc)
{
    SelectProgramPalette(dc);
    return GetColorRef(kBlackIndex);
}

void CGenDraw::OnOK()
{
    StoreChecks(*this, drawingChecks());
    StoreRadio(*this, kIdcStyleFirst, kIdcStyleLast, static_cast<int>(kIdcStyleFirst), g_settings.CurrentStyle);
    StoreRadio(*this, kIdcHeadStyleFirst, kIdcHeadStyleLast, static_cast<int>(kIdcHeadStyleFirst), g_settings.CurrentHeadStyle);
    StoreRadio(*this, kIdcHeadsNone, kIdcHeadsTwo, 300, g_settings.CurrentHeadNo);
    g_settings.width = WidthTyped(GetDlgItemText(kIdcWidth), metric());
    g_settings.fillPattern = fillPattern();
    if (g_editState.selectionCount == 0)
        g_editState.CurrentTool = 0;
}

// ---- Display ----

CGenDisp::CGenDisp() : plat::PropertyPage(kIddGenDisp, "Display") {}

static std::span<const CheckSetting> displayChecks()
{
    static const CheckSetting checks[] = {
        {kIdcBorder, &g_settings.border},         {kIdcPinDisplay, &g_settings.PinDisplay},
        {kIdcVisibleGrid, &g_settings.visible},   {kIdcRulers, &g_settings.rulers},
        {kIdcPartShading, &g_settings.PartShade}, {kIdcPageBreaks, &g_settings.breaks},
        {kIdcPartsBinHelp, &g_settings.PartsBinHelp}, {kIdcTerminalEnds, &g_settings.TerminalEnd}};
    return checks;
}

bool CGenDisp::OnInitDialog()
{
    FillChecks(*this, displayChecks());
    return true;
}

void CGenDisp::OnOK() { StoreChecks(*this, displayChecks()); }

// ---- Miscellaneous ----

CGenMisc::CGenMisc() : plat::PropertyPage(kIddGenMisc, "Miscellaneous") {}

static std::span<const CheckSetting> miscChecks()
{
    static const CheckSetting checks[] = {
        {kIdcStartupFile, &g_settings.startup}, {kIdcSound, &g_settings.sound},
        {kIdcOldLibraries, &g_settings.oldLibraries}, {kIdcAutoRefs, &g_settings.AutoRefs},
        {kIdcAutoTextExit, &g_settings.AutoTextExit}, {kIdcAutoDots, &g_settings.AutoDots}};
    return checks;
}

bool CGenMisc::OnInitDialog()
{
    FillChecks(*this, miscChecks());
    ShowAngleDegrees(*this, kIdcRotationAngle, g_settings.rotationAngle);
    SetDlgItemText(kIdcEllipseAspect, Formatted("%2.1f", g_settings.ellipseAspect));
    CheckRadioValue(*this, kIdcEnglish, kIdcMetric, g_settings.units);
    FillBackupCombo(*this, kIdcBackup, g_settings.BackupTime);
    return true;
}

void CGenMisc::OnOK()
{
    StoreChecks(*this, miscChecks());
    g_settings.rotationAngle = AngleTyped(*this, kIdcRotationAngle);
    g_settings.ellipseAspect = std::fabs(NumberTyped(*this, kIdcEllipseAspect));
    StoreRadio(*this, kIdcEnglish, kIdcMetric, 0, g_settings.units);
    g_settings.BackupTime = BackupTyped(GetDlgItemText(kIdcBackup));
    if (g_settings.AutoDots == 0 && plat::MessageBox(plat::LoadString(kStrAutoDotsOff), plat::kMbYesNo) == plat::kIdNo)
        g_settings.AutoDots = 1;
}

// ---- Library Parts ----

CGenLib::CGenLib() : plat::PropertyPage(kIddGenLib, "Library Parts") {}

bool CGenLib::OnInitDialog()
{
    CheckRadioValue(*this, kIdcHidePins, kIdcShowPins, g_settings.hidden);
    CheckDlgButton(kIdcPowerPins, g_settings.showPowerPins != 0 ? 1 : 0);
    CheckRadioValue(*this, kIdcThroughHole, kIdcSurfaceMount, g_settings.defaultPackage);
    return true;
}

void CGenLib::OnOK()
{
    StoreRadio(*this, kIdcHidePins, kIdcShowPins, 0, g_settings.hidden);
    g_settings.showPowerPins = IsDlgButtonChecked(kIdcPowerPins) != 0 ? 1 : 0;
    StoreRadio(*this, kIdcThroughHole, kIdcSurfaceMount, 0, g_settings.defaultPackage);
}

// ---- the sheet ----

bool RunGeneralSetup(plat::Wnd* parent)
{
    CGeneral sheet(parent);
    if (sheet.DoModal() != plat::kIdOk)
        return false;
    if (g_editState.selectionCount > 0) {
        static constexpr int kWidthStyleFill[] = {kApplyWidth, kApplyLineStyle, kApplyFill};
        ApplyStyleToSelection(kWidthStyleFill);
    }
    return true;
}
