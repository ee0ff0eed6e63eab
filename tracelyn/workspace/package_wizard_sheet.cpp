#include "tracelyn/workspace/package_wizard_sheet.h"

#include "common/rounding.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "platform/gdi/dc.h"
#include "resources/tracelyn/package_editor_ids.h"
#include "tracelyn/core/board_settings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

namespace {

using namespace tly;

constexpr double kMillimetresToMils = 39.37008;
constexpr int32_t kUnitsMils = 725;
constexpr int32_t kUnitsMillimetres = 726;

// What choosing a package type does to the first page's fields.
struct TypeFields {
    int type;
    bool spacing, xSeparation, ySeparation, padsX, padsY;
    int32_t spacingMils;    // written into the spacing field; 0 leaves it
    int32_t padsXValue;     // written into pads X; 0 leaves it
    int padType;
};

constexpr std::array<TypeFields, 6> kTypes = {{
    {kPackageDip, true, true, false, false, true, 100, 2, kPadThroughHole},
    {kPackageQuad, true, true, true, true, true, 50, 0, kPadSurfaceMount},
    {kPackageEdgeConnector, true, false, false, true, false, 100, 0, kPadSurfaceMount},
    {kPackageCircular, false, true, false, true, false, 0, 0, kPadThroughHole},
    {kPackageDiscrete, false, true, false, false, false, 0, 2, kPadThroughHole},
    {kPackageGridArray, true, false, false, true, true, 0, 0, kPadThroughHole},
}};

const TypeFields& fieldsOf(int type)
{
    const auto it = std::find_if(kTypes.begin(), kTypes.end(), [&](const TypeFields& f) { return f.type == type; });
    return it == kTypes.end() ? kTypes[0] : *it;
}

int typeIndex(int type)
{
    return static_cast<int>(&fieldsOf(type) - kTypes.data());
}

bool metric()
{
    return g_packageWizardMemory.unitMode == kUnitsMillimetres;
}

std::string formatted(const char* pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// Design units (0.1 mil) shown in the wizard's unit.
std::string shown(int32_t units, const char* millimetres, const char* mils)
{
    return metric() ? formatted(millimetres, units / 10.0 / kMillimetresToMils) : formatted(mils, units / 10.0);
}

// A typed length in design units; false when it is not a number a package can have.
bool typedLength(const std::string& text, int32_t& units)
{
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(value))
        return false;
    if (metric())
        value *= kMillimetresToMils;
    // Far past any limit the checks allow, and still inside 32 bits.
    value = std::clamp(value * 10.0, -1.0e9, 1.0e9);
    units = RoundHalfUp(value);
    return true;
}

// The picture draws the pads the count fields ask for; past what its few pixels can show apart
// it draws this many and the count is written under it.
constexpr int kPicturePadsShown = 12;

int shownPads(int count)
{
    return std::clamp(count, 1, kPicturePadsShown);
}

// The x or y of pad i of n spread evenly from `from` to `to`.
int spread(int from, int to, int i, int n)
{
    return n <= 1 ? (from + to) / 2 : from + (to - from) * i / (n - 1);
}

// What the picture writes under the pads: the counts as the fields mean them.
std::string pictureCaption(int type, int padsX, int padsY)
{
    switch (type) {
    case kPackageDip: return std::to_string(padsY) + " per side";
    case kPackageQuad: return std::to_string(padsX) + " x " + std::to_string(padsY) + " per side";
    case kPackageEdgeConnector:
    case kPackageCircular: return std::to_string(padsX) + " pads";
    case kPackageDiscrete: return "2 pads";
    default: return std::to_string(padsX) + " x " + std::to_string(padsY);
    }
}

// A simple outline of each package type with its pads as the count fields give them: a DIP's
// "Number of Pads (Y)" pads down each side, a quad's X pads along the top and bottom and Y pads
// down each side.
void drawPackagePicture(plat::Dc& dc, const plat::Rect& r, int type, int padsX, int padsY)
{
    dc.FillRect(r, plat::Brush::solid(plat::rgb(255, 255, 255)));
    const plat::Pen pen(plat::kPsSolid, 1, plat::rgb(0, 0, 128));
    const plat::Pen oldPen = dc.SelectObject(pen);
    const plat::Brush oldBrush = dc.SelectObject(plat::Brush::solid(plat::rgb(192, 160, 0)));
    const std::string caption = pictureCaption(type, padsX, padsY);
    const int captionHeight = std::max(dc.GetTextExtent(caption).cy, 1);
    const int w = r.right - r.left;
    const int h = std::max(r.bottom - r.top - captionHeight - 2, 1);   // the caption's line below
    const int cx = r.left + w / 2, cy = r.top + h / 2;
    const int top = r.top + h / 8, bottom = r.top + h - h / 8;
    auto pad = [&](int x, int y) { dc.Ellipse(x - 2, y - 2, x + 3, y + 3); };
    const int nx = shownPads(padsX), ny = shownPads(padsY);
    switch (type) {
    case kPackageDip:
        for (int i = 0; i < ny; ++i) {
            pad(cx - w / 5, spread(top, bottom, i, ny));
            pad(cx + w / 5, spread(top, bottom, i, ny));
        }
        break;
    case kPackageQuad:
        for (int i = 0; i < ny; ++i) {
            pad(r.left + w / 8, spread(top + 6, bottom - 6, i, ny));
            pad(r.right - w / 8, spread(top + 6, bottom - 6, i, ny));
        }
        for (int i = 0; i < nx; ++i) {
            pad(spread(r.left + w / 8 + 7, r.right - w / 8 - 7, i, nx), top);
            pad(spread(r.left + w / 8 + 7, r.right - w / 8 - 7, i, nx), bottom);
        }
        break;
    case kPackageEdgeConnector:
        for (int i = 0; i < nx; ++i) {
            const int x = spread(r.left + w / 8, r.right - w / 8, i, nx);
            dc.Rectangle(x - 2, cy - h / 6, x + 3, cy + h / 6);
        }
        break;
    case kPackageCircular:
        for (int k = 0; k < nx; ++k) {
            const double a = k * 2 * std::numbers::pi / nx;
            pad(cx + static_cast<int>(std::sin(a) * h / 3), cy + static_cast<int>(std::cos(a) * h / 3));
        }
        break;
    case kPackageDiscrete:
        pad(cx - w / 3, cy);
        pad(cx + w / 3, cy);
        dc.MoveTo(cx - w / 3, cy);
        dc.LineTo(cx + w / 3, cy);
        break;
    default:
        for (int row = 0; row < ny; ++row)
            for (int column = 0; column < nx; ++column)
                pad(spread(r.left + w / 8, r.right - w / 8, column, nx), spread(top, bottom, row, ny));
        break;
    }
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
    dc.SetBkMode(plat::kTransparent);
    dc.SetTextColor(plat::rgb(0, 0, 0));
    dc.TextOut(cx - dc.GetTextExtent(caption).cx / 2, r.bottom - captionHeight - 1, caption);
}

}  // namespace

// ---- page 1: package type and numbers ----

CPwiz1::CPwiz1(PackageWizardResult& result) : plat::PropertyPage(kIddWizardType), result_(result)
{
    onNotify(kIdcWizardPadsX, plat::kEnChange, &CPwiz1::redrawPicture);
    onNotify(kIdcWizardPadsY, plat::kEnChange, &CPwiz1::redrawPicture);
}

// The picture follows the pad counts as they are typed.
void CPwiz1::redrawPicture()
{
    if (plat::Control* picture = GetDlgItem(kIdcWizardPicture))
        picture->Invalidate();
}

bool CPwiz1::OnInitDialog()
{
    const PackageWizardMemory& memory = g_packageWizardMemory;
    chooseType(memory.request.type);
    CheckRadioButton(kIdcWizardThroughHole, kIdcWizardSurfaceMount, static_cast<unsigned>(memory.request.padType));
    SetDlgItemInt(kIdcWizardPadsX, memory.request.padsX);
    SetDlgItemInt(kIdcWizardPadsY, memory.request.padsY);
    g_boardSettings.units = memory.unitMode;
    CheckDlgButton(kIdcWizardMetric, metric() ? 1 : 0);
    SetDlgItemText(kIdcWizardDimensions, metric() ? "Part Dimensions(mm):" : "Part Dimensions(mils):");
    result_.request = memory.request;
    showLengths("%.2g", "%.1f");
    return true;
}

void CPwiz1::showLengths(const char* millimetres, const char* mils)
{
    SetDlgItemText(kIdcWizardXSeparation, shown(result_.request.xSeparation, millimetres, mils));
    SetDlgItemText(kIdcWizardYSeparation, shown(result_.request.ySeparation, millimetres, mils));
    SetDlgItemText(kIdcWizardSpacing, shown(result_.request.spacing, millimetres, mils));
}

void CPwiz1::chooseType(int type)
{
    const TypeFields& f = fieldsOf(type);
    type_ = f.type;
    CheckRadioButton(kIdcWizardTypeFirst, kIdcWizardTypeLast, static_cast<unsigned>(f.type));
    SetDlgItemText(kIdcWizardDescription, plat::LoadString(kStrPackageDescriptionFirst + static_cast<unsigned>(typeIndex(type))));
    EnableDlgItem(kIdcWizardSpacing, f.spacing);
    EnableDlgItem(kIdcWizardXSeparation, f.xSeparation);
    EnableDlgItem(kIdcWizardYSeparation, f.ySeparation);
    EnableDlgItem(kIdcWizardPadsX, f.padsX);
    EnableDlgItem(kIdcWizardPadsY, f.padsY);
    if (f.spacingMils > 0)
        SetDlgItemText(kIdcWizardSpacing, shown(f.spacingMils * 10, "%.2g", "%.1f"));
    if (f.padsXValue > 0)
        SetDlgItemInt(kIdcWizardPadsX, f.padsXValue);
    CheckRadioButton(kIdcWizardThroughHole, kIdcWizardSurfaceMount, static_cast<unsigned>(f.padType));
    redrawPicture();
}

bool CPwiz1::OnCommand(unsigned id)
{
    if (id >= kIdcWizardTypeFirst && id <= kIdcWizardTypeLast && GetDlgItem(id) != nullptr) {
        chooseType(static_cast<int>(id));
        return true;
    }
    if (id == kIdcWizardMetric) {
        toggleMetric();
        return true;
    }
    return plat::PropertyPage::OnCommand(id);
}

void CPwiz1::toggleMetric()
{
    readLengths();
    g_packageWizardMemory.unitMode = metric() ? kUnitsMils : kUnitsMillimetres;
    g_boardSettings.units = g_packageWizardMemory.unitMode;
    CheckDlgButton(kIdcWizardMetric, metric() ? 1 : 0);
    SetDlgItemText(kIdcWizardDimensions, metric() ? "Part Dimensions(mm):" : "Part Dimensions(mils):");
    showLengths("%.3g", "%.2f");
}

bool CPwiz1::readLengths()
{
    PackageRequest& r = result_.request;
    bool ok = typedLength(GetDlgItemText(kIdcWizardXSeparation, 20), r.xSeparation);
    ok = typedLength(GetDlgItemText(kIdcWizardYSeparation, 20), r.ySeparation) && ok;
    ok = typedLength(GetDlgItemText(kIdcWizardSpacing, 20), r.spacing) && ok;
    return ok;
}

long CPwiz1::OnWizardNext()
{
    PackageRequest& r = result_.request;
    r.type = static_cast<int>(GetCheckedRadioButton(kIdcWizardTypeFirst, kIdcWizardTypeLast));
    if (r.type == 0)
        r.type = type_;
    r.padType = IsDlgButtonChecked(kIdcWizardSurfaceMount) ? kPadSurfaceMount : kPadThroughHole;
    if (!readLengths()) {
        plat::MessageBox(plat::LoadString(kStrSpacingTooSmall));
        return -1;
    }
    r.padsX = GetDlgItemInt(kIdcWizardPadsX);
    r.padsY = GetDlgItemInt(kIdcWizardPadsY);
    PackageWizardMemory& memory = g_packageWizardMemory;
    memory.request.type = r.type;
    memory.request.xSeparation = r.xSeparation;
    memory.request.ySeparation = r.ySeparation;
    memory.request.spacing = r.spacing;
    const PackageCheck check = CheckPackageRequest(r, result_.pads);
    // A warning's adjustment shows when the page is shown again.
    memory.request.xSeparation = r.xSeparation;
    memory.request.ySeparation = r.ySeparation;
    showLengths("%.2g", "%.1f");
    return check == PackageCheck::Go ? 0 : -1;
}

void CPwiz1::OnDrawItem(unsigned ctlId, plat::DrawItem& item)
{
    if (ctlId != kIdcWizardPicture || item.dc == nullptr)
        return plat::PropertyPage::OnDrawItem(ctlId, item);
    drawPackagePicture(*item.dc, item.rcItem, type_, GetDlgItemInt(kIdcWizardPadsX), GetDlgItemInt(kIdcWizardPadsY));
}

// ---- page 2: labels ----

CPwiz2::CPwiz2(PackageWizardResult& result, const CPwiz1& typePage)
    : plat::PropertyPage(kIddWizardLabels), result_(result), typePage_(typePage)
{
}

bool CPwiz2::OnInitDialog()
{
    plat::Control* combo = GetDlgItem(kIdcWizardDesignator);
    for (char c = 'A'; c <= 'Z'; ++c)
        if (c != 'P' && combo != nullptr)
            combo->AddString(std::string(1, c));
    if (combo != nullptr) {
        combo->SetCurSel(19);
        combo->setText("U");
    }
    SetDlgItemText(kIdcWizardPartDescription, "Enter part description here");
    SetDlgItemText(kIdcWizardPartName, "untitled");
    return true;
}

bool CPwiz2::OnSetActive()
{
    EnableDlgItem(kIdcWizardDoubleSided, typePage_.packageType() == kPackageEdgeConnector);
    SetWizardButtons(plat::kPswizbBack | plat::kPswizbNext);
    return true;
}

long CPwiz2::OnWizardNext()
{
    SetWizardButtons(plat::kPswizbBack | plat::kPswizbFinish);
    result_.request.padType = typePage_.IsDlgButtonChecked(kIdcWizardSurfaceMount) ? kPadSurfaceMount : kPadThroughHole;
    g_packageWizardMemory.request.padType = result_.request.padType;
    result_.doubleSided = typePage_.packageType() == kPackageEdgeConnector && IsDlgButtonChecked(kIdcWizardDoubleSided);
    plat::Control* combo = GetDlgItem(kIdcWizardDesignator);
    std::string designator = combo != nullptr ? combo->text() : "";
    if (combo != nullptr && designator.empty() && combo->GetCurSel() >= 0)
        designator = combo->GetItemText(combo->GetCurSel());
    result_.designator = designator.substr(0, 20);
    result_.description = GetDlgItemText(kIdcWizardPartDescription);
    result_.name = GetDlgItemText(kIdcWizardPartName, 20);
    return 0;
}

// ---- page 3: output ----

CPwiz3::CPwiz3(PackageWizardResult& result)
    : quill::WizardOutputPage(kIddWizardOutput, kIdcWizardSaveDirectly, kIdcWizardEditFirst), result_(result)
{
}

bool CPwiz3::OnWizardFinish()
{
    result_.editFirst = IsDlgButtonChecked(kIdcWizardEditFirst) != 0;
    g_packageWizardMemory.request.padsX = result_.request.padsX;
    g_packageWizardMemory.request.padsY = result_.request.padsY;
    return true;
}

// ---- the sheet ----

CPartWizard::CPartWizard(plat::Wnd* parent)
    : plat::PropertySheet("Package Design Wizard", parent),
      boardUnits_(g_boardSettings.units),
      typePage_(result_),
      labelsPage_(result_, typePage_),
      outputPage_(result_)
{
    AddPage(&typePage_);
    AddPage(&labelsPage_);
    AddPage(&outputPage_);
    SetWizardMode();
    removeApplyButton();
}

CPartWizard::~CPartWizard()
{
    // The pages are members and go before the sheet's own destructor runs: it must not reach them.
    while (GetPageCount() > 0)
        RemovePage(0);
    g_boardSettings.units = boardUnits_;
}
