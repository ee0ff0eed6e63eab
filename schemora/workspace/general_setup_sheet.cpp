#include "schemora/workspace/general_setup_sheet.h"

#include "common/general_setup.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"
#include "resources/schemora/general_setup_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/settings.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

using namespace scm;

namespace {

constexpr int kMetricUnits = 725;
constexpr double kDegreesPerRadian = 57.295780490442965;
constexpr double kRadiansPerDegree = 0.017453292222222222;
constexpr int kNumberChars = 20;

struct CheckSetting {
    unsigned id;
    int* setting;
};

void fillChecks(plat::Dialog& page, std::span<const CheckSetting> checks)
{
    for (const CheckSetting& c : checks)
        page.CheckDlgButton(c.id, *c.setting != 0 ? 1 : 0);
}

void storeChecks(const plat::Dialog& page, std::span<const CheckSetting> checks)
{
    for (const CheckSetting& c : checks)
        *c.setting = page.IsDlgButtonChecked(c.id) != 0 ? 1 : 0;
}

// A radio group stored as its checked id less a base; nothing checked keeps the setting.
void storeRadio(const plat::Dialog& page, unsigned first, unsigned last, int base, int& setting)
{
    if (const unsigned id = page.GetCheckedRadioButton(first, last); id != 0)
        setting = static_cast<int>(id) - base;
}

void checkRadio(plat::Dialog& page, unsigned first, unsigned last, int value)
{
    if (value >= static_cast<int>(first) && value <= static_cast<int>(last))
        page.CheckRadioButton(first, last, static_cast<unsigned>(value));
}

double numberTyped(const plat::Dialog& page, unsigned id)
{
    const std::string text = page.GetDlgItemText(id, kNumberChars);
    const double value = std::strtod(text.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

std::string formatted(const char* format, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

bool metric() { return g_settings.units == kMetricUnits; }

}  // namespace

// ---- Drawing ----

CGenDraw::CGenDraw() : plat::PropertyPage(kIddGenDraw, "Drawing")
{
    onCommandRange(kIdcFillFirst, kIdcFillLast, &CGenDraw::OnFillPattern);
}

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
    fillChecks(*this, drawingChecks());
    checkRadio(*this, kIdcStyleFirst, kIdcStyleLast, g_settings.CurrentStyle + static_cast<int>(kIdcStyleFirst));
    checkRadio(*this, kIdcHeadStyleFirst, kIdcHeadStyleLast, g_settings.CurrentHeadStyle + static_cast<int>(kIdcHeadStyleFirst));
    checkRadio(*this, kIdcHeadsNone, kIdcHeadsTwo, g_settings.CurrentHeadNo + 300);
    SetDlgItemText(kIdcWidth, WidthShown(g_settings.width, metric()));
    fillPattern_ = g_settings.fillPattern;
    return true;
}

void CGenDraw::OnFillPattern(unsigned id)
{
    fillPattern_ = static_cast<int>(id - kIdcFillFirst);
    if (plat::Control* current = GetDlgItem(kIdcFillCurrent))
        current->Invalidate();
}

void CGenDraw::OnDrawItem(unsigned ctlId, plat::DrawItem& item)
{
    if (!item.dc)
        return;
    if (ctlId >= kIdcFillFirst && ctlId <= kIdcFillLast)
        PaintFillSwatch(*item.dc, item.rcItem, static_cast<int>(ctlId - kIdcFillFirst));
    else if (ctlId == kIdcFillCurrent)
        PaintFillSwatch(*item.dc, item.rcItem, fillPattern_);
}

void CGenDraw::OnOK()
{
    storeChecks(*this, drawingChecks());
    storeRadio(*this, kIdcStyleFirst, kIdcStyleLast, static_cast<int>(kIdcStyleFirst), g_settings.CurrentStyle);
    storeRadio(*this, kIdcHeadStyleFirst, kIdcHeadStyleLast, static_cast<int>(kIdcHeadStyleFirst), g_settings.CurrentHeadStyle);
    storeRadio(*this, kIdcHeadsNone, kIdcHeadsTwo, 300, g_settings.CurrentHeadNo);
    g_settings.width = WidthTyped(GetDlgItemText(kIdcWidth), metric());
    g_settings.fillPattern = fillPattern_;
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
    fillChecks(*this, displayChecks());
    return true;
}

void CGenDisp::OnOK() { storeChecks(*this, displayChecks()); }

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
    fillChecks(*this, miscChecks());
    SetDlgItemText(kIdcRotationAngle, formatted("%.2f", g_settings.rotationAngle * kDegreesPerRadian));
    SetDlgItemText(kIdcEllipseAspect, formatted("%2.1f", g_settings.ellipseAspect));
    checkRadio(*this, kIdcEnglish, kIdcMetric, g_settings.units);
    if (plat::Control* backup = GetDlgItem(kIdcBackup)) {
        for (const char* item : {"None", "10 Min.", "15 Min.", "20 Min.", "30 Min."})
            backup->AddString(item);
        backup->setText(BackupShown(g_settings.BackupTime));
    }
    return true;
}

void CGenMisc::OnOK()
{
    storeChecks(*this, miscChecks());
    g_settings.rotationAngle = numberTyped(*this, kIdcRotationAngle) * kRadiansPerDegree;
    g_settings.ellipseAspect = std::fabs(numberTyped(*this, kIdcEllipseAspect));
    storeRadio(*this, kIdcEnglish, kIdcMetric, 0, g_settings.units);
    g_settings.BackupTime = BackupTyped(GetDlgItemText(kIdcBackup));
    if (g_settings.AutoDots == 0 && plat::MessageBox(plat::LoadString(kStrAutoDotsOff), plat::kMbYesNo) == plat::kIdNo)
        g_settings.AutoDots = 1;
}

// ---- Library Parts ----

CGenLib::CGenLib() : plat::PropertyPage(kIddGenLib, "Library Parts") {}

bool CGenLib::OnInitDialog()
{
    checkRadio(*this, kIdcHidePins, kIdcShowPins, g_settings.hidden);
    CheckDlgButton(kIdcPowerPins, g_settings.showPowerPins != 0 ? 1 : 0);
    checkRadio(*this, kIdcThroughHole, kIdcSurfaceMount, g_settings.defaultPackage);
    return true;
}

void CGenLib::OnOK()
{
    storeRadio(*this, kIdcHidePins, kIdcShowPins, 0, g_settings.hidden);
    g_settings.showPowerPins = IsDlgButtonChecked(kIdcPowerPins) != 0 ? 1 : 0;
    storeRadio(*this, kIdcThroughHole, kIdcSurfaceMount, 0, g_settings.defaultPackage);
}

// ---- the sheet ----

CGeneral::CGeneral(plat::Wnd* parent) : plat::PropertySheet("General Setup", parent, 0)
{
    removeApplyButton();
    AddPage(&draw_);
    AddPage(&display_);
    AddPage(&misc_);
    AddPage(&library_);
}
