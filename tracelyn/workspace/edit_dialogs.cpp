#include "tracelyn/workspace/edit_dialogs.h"
#include "tracelyn/workspace/package_editor.h"

#include "common/rounding.h"
#include "common/setup_pages.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "resources/tracelyn/edit_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/change_objects.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/package_preview.h"
#include "tracelyn/workspace/edit_part_dialogs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace tly;

namespace {

constexpr int kFieldChars = 20;
constexpr double kMillimetresToMils = 39.37008;
constexpr double kMaxPadMils = 10000;

double fieldNumber(const plat::Dialog& d, unsigned id)
{
    return std::strtod(d.GetDlgItemText(id, kFieldChars).c_str(), nullptr);
}

// A width word (board units) as the width field shows it, and back.
std::string widthField(int32_t width)
{
    return MetricUnits() ? Formatted("%.2f", width * 0.1 / kMillimetresToMils) : Formatted("%.2f", width * 0.1);
}

int32_t widthFromField(double value)
{
    if (MetricUnits())
        value *= kMillimetresToMils;
    return RoundHalfUp(value * 10);
}

// The one selected object, when exactly one is selected.
int singleSelection()
{
    if (g_selection.count != 1 || g_board.objects == nullptr)
        return 0;
    const int index = g_selection.list[1];
    return index >= 1 && index <= g_board.count ? index : 0;
}

}  // namespace

// ---- Variable Grid ----

CVariableGridDlg::CVariableGridDlg() : plat::Dialog(kIddVariableGrid, nullptr) {}

bool CVariableGridDlg::OnInitDialog()
{
    const bool metric = MetricUnits();
    SetDlgItemText(kIdcGridXLabel, metric ? "X Size (mm):" : "X Size (mils):");
    SetDlgItemText(kIdcGridYLabel, metric ? "Y Size (mm):" : "Y Size (mils):");
    const char* pattern = metric ? "%.2f" : "%.1f";
    const double scale = metric ? 0.001 : 0.1;
    SetDlgItemText(kIdcGridX, Formatted(pattern, g_boardSettings.gridX * scale));
    SetDlgItemText(kIdcGridY, Formatted(pattern, g_boardSettings.gridY * scale));
    return true;
}

void CVariableGridDlg::OnOK()
{
    const double scale = MetricUnits() ? 1000 : 10;
    auto step = [&](unsigned id) {
        const int32_t value = static_cast<int32_t>(fieldNumber(*this, id) * scale);
        return value < 1 ? 2 : value;
    };
    g_boardSettings.gridX = step(kIdcGridX);
    g_boardSettings.gridY = step(kIdcGridY);
    g_boardSettings.gridCommand = kGridVariable;
    plat::Dialog::OnOK();
}

// ---- Polar Grid Setup ----

CPolarGridDlg::CPolarGridDlg() : plat::Dialog(kIddPolarGrid, nullptr) {}

bool CPolarGridDlg::OnInitDialog()
{
    SetDlgItemText(kIdcPolarAngle, Formatted("%.1f", g_polarGrid.angleStep * 0.1));
    SetDlgItemInt(kIdcPolarRadius, g_polarGrid.radius);
    SetDlgItemText(kIdcPolarCentreX, Formatted("%.1f", g_polarGrid.centreX * 0.001));
    SetDlgItemText(kIdcPolarCentreY, Formatted("%.1f", g_polarGrid.centreY * 0.001));
    return true;
}

void CPolarGridDlg::OnOK()
{
    // A step of 0 or less snaps nothing on that coordinate (the snapping code checks).
    g_polarGrid.angleStep = static_cast<int32_t>(fieldNumber(*this, kIdcPolarAngle) * 10);
    g_polarGrid.radius = GetDlgItemInt(kIdcPolarRadius);
    g_polarGrid.centreX = static_cast<int32_t>(fieldNumber(*this, kIdcPolarCentreX) * 1000);
    g_polarGrid.centreY = static_cast<int32_t>(fieldNumber(*this, kIdcPolarCentreY) * 1000);
    if (IsDlgButtonChecked(kIdcPolarAtLibraryOrigin) && g_footprintEditor.open) {
        g_polarGrid.centreX = -1000;
        g_polarGrid.centreY = -500;
    }
    g_boardSettings.gridCommand = kGridPolar;
    plat::Dialog::OnOK();
}

// ---- Auto Increment Text ----

CAutoIncrementDlg::CAutoIncrementDlg() : plat::Dialog(kIddAutoIncrement, nullptr) {}

bool CAutoIncrementDlg::OnInitDialog()
{
    SetDlgItemText(kIdcAutoText, g_drawDefaults.autoPrefix);
    SetDlgItemText(kIdcAutoIndex, g_drawDefaults.autoNumber);
    return true;
}

void CAutoIncrementDlg::OnOK()
{
    g_drawDefaults.autoPrefix = GetDlgItemText(kIdcAutoText, kFieldChars);
    // The number is advanced as a decimal value: anything else starts at 0.
    const std::string typed = GetDlgItemText(kIdcAutoIndex, kFieldChars);
    const bool digits = !typed.empty() && std::all_of(typed.begin(), typed.end(), [](char c) { return c >= '0' && c <= '9'; });
    g_drawDefaults.autoNumber = digits ? typed : "0";
    plat::Dialog::OnOK();
}

// ---- Style, Drawing/Fill Style, Polygon Setup ----

CStyleDlg::CStyleDlg(unsigned templateId) : plat::Dialog(templateId, nullptr) {}

bool CStyleDlg::edits(int kind) const
{
    return kind == kKindLine || kind == kKindRectangle || kind == 5 || kind == kKindEllipse || kind == kKindArc ||
           kind == 12 || kind == kKindPad;
}

bool CStyleDlg::hasFill() const
{
    return GetDlgItem(kIdcFillFirst) != nullptr;
}

int CStyleDlg::chosenStyle() const
{
    const unsigned id = GetCheckedRadioButton(kIdcStyleFirst, kIdcStyleLast);
    return id == 0 ? 0 : static_cast<int>(id - kIdcStyleFirst);
}

int CStyleDlg::chosenFill() const
{
    const unsigned id = GetCheckedRadioButton(kIdcFillFirst, kIdcFillLast);
    return id == 0 ? 0 : static_cast<int>(id - kIdcFillFirst);
}

int32_t CStyleDlg::typedWidth() const
{
    return widthFromField(fieldNumber(*this, kIdcWidth));
}

bool CStyleDlg::OnInitDialog()
{
    const int index = singleSelection();
    object_ = index != 0 && edits(g_board.objects[index].kind()) ? index : 0;
    int32_t style = g_drawDefaults.outlineStyle, width = g_boardSettings.trace_width, fill = g_drawDefaults.fillPattern;
    if (object_ != 0) {
        const BoardObject& o = g_board.objects[object_];
        style = o.w[5];
        width = o.w[7];
        fill = o.w[6];
    }
    CheckRadioButton(kIdcStyleFirst, kIdcStyleLast, kIdcStyleFirst + static_cast<unsigned>(std::clamp(style, 0, 3)));
    if (hasFill())
        CheckRadioButton(kIdcFillFirst, kIdcFillLast, kIdcFillFirst + static_cast<unsigned>(std::clamp(fill, 0, 7)));
    SetDlgItemText(kIdcWidthLabel, MetricUnits() ? "Width (mm):" : "Width (mils):");
    SetDlgItemText(kIdcWidth, widthField(width));
    return true;
}

void CStyleDlg::OnOK()
{
    const int style = chosenStyle();
    const int32_t width = typedWidth();
    const int fill = chosenFill();
    if (object_ != 0 && object_ <= g_board.count) {
        PushUndoSnapshot();
        BoardObject& o = g_board.objects[object_];
        if (editsFill(o.kind()))
            o.w[6] = fill;
        if (o.kind() != kKindPad || templateId() == kIddStyle) {
            o.w[5] = style;
            o.w[7] = width;
        }
        RedrawActiveFrame();
    } else {
        g_drawDefaults.outlineStyle = style;
        g_boardSettings.trace_width = width;
        if (hasFill())
            g_drawDefaults.fillPattern = fill;
    }
    plat::Dialog::OnOK();
}

CFillStyleDlg::CFillStyleDlg() : CStyleDlg(kIddFillStyle) {}

bool CFillStyleDlg::edits(int kind) const
{
    return kind == kKindLine || kind == 5 || kind == kKindArc || editsFill(kind);
}

bool CFillStyleDlg::editsFill(int kind) const
{
    return kind == kKindRectangle || kind == kKindEllipse || kind == 12;
}

CPolygonSetupDlg::CPolygonSetupDlg() : CStyleDlg(kIddPolygonSetup) {}

bool CPolygonSetupDlg::edits(int kind) const
{
    return kind == kKindPolygon;
}

bool CPolygonSetupDlg::editsFill(int kind) const
{
    return kind == kKindPolygon;
}

bool CPolygonSetupDlg::OnInitDialog()
{
    CStyleDlg::OnInitDialog();
    const int edges = editedObject() != 0 ? g_board.objects[editedObject()].w[2] : g_drawDefaults.polygonEdges;
    FillCountCombo(*this, kIdcPolygonEdges, kMinPolygonEdges, kMaxPolygonEdges, edges);
    SetDlgItemText(kIdcWidth, Formatted("%.1f", g_boardSettings.trace_width * 0.1));
    if (editedObject() != 0)
        SetDlgItemText(kIdcWidth, Formatted("%.1f", g_board.objects[editedObject()].w[7] * 0.1));
    return true;
}

void CPolygonSetupDlg::OnOK()
{
    const int edges = CountChosen(*this, kIdcPolygonEdges, kMinPolygonEdges).value_or(kMinPolygonEdges);
    const int32_t width = static_cast<int32_t>(fieldNumber(*this, kIdcWidth) * 10);
    const int index = editedObject();
    if (index == 0 || index > g_board.count) {
        g_drawDefaults.outlineStyle = chosenStyle();
        g_drawDefaults.fillPattern = chosenFill();
        g_boardSettings.trace_width = width;
        g_drawDefaults.polygonEdges = edges;
        plat::Dialog::OnOK();
        return;
    }
    PushUndoSnapshot();
    BoardObject& o = g_board.objects[index];
    o.w[5] = chosenStyle();
    o.w[6] = chosenFill();
    o.w[7] = width;
    const int had = o.w[2];
    if (had < 11 && edges != had && o.points() != nullptr) {
        // A new vertex count gets a block of its own size: the old one may be smaller.
        const double r = std::hypot(double(o.points()[0]) - o.w[0], double(o.points()[1]) - o.w[1]);
        int32_t* block = NewPointBlock(static_cast<size_t>(edges) * kVertexWords);
        if (block != nullptr) {
            for (int i = 0; i < edges; ++i) {
                const double a = 1.5707963267948966 - i * 2 * 3.141592653589793 / edges;
                block[i * 2] = o.w[0] + static_cast<int32_t>(r * std::cos(a));
                block[i * 2 + 1] = o.w[1] - static_cast<int32_t>(r * std::sin(a));
            }
            FreeObjectData(o);
            o.data = block;
            o.w[2] = edges;
        }
    }
    RedrawActiveFrame();
    plat::Dialog::OnOK();
}

// ---- Pad Setup ----

CPadSetupDlg::CPadSetupDlg() : plat::Dialog(kIddPadSetup, nullptr) {}

void CPadSetupDlg::enableSizes(int shape)
{
    const bool round = shape == kPadRound || shape == kPadVia || shape == kPadLayerPair || shape == kPadCross;
    EnableDlgItem(kIdcPadY, !round);
    EnableDlgItem(kIdcPadHole, shape != kPadRect);
}

bool CPadSetupDlg::OnInitDialog()
{
    // Setting up the next pads: the dialog comes up where the person last clicked.
    if (g_selection.count == 0)
        OpenAtLastClick();
    const bool metric = MetricUnits();
    int shape = std::clamp(g_boardSettings.padShape, 0, 8);
    if (g_footprintEditor.open) {
        for (unsigned id : {kIdcPadShapeFirst + 5, kIdcPadShapeFirst + 6, kIdcPadShapeFirst + 8})
            EnableDlgItem(id, false);
        if (shape == kPadVia || shape == kPadLayerPair || shape == kPadThermal)
            shape = kPadRound;
    }
    CheckRadioButton(kIdcPadShapeFirst, kIdcPadShapeLast, kIdcPadShapeFirst + static_cast<unsigned>(shape));
    SetDlgItemText(kIdcPadXLabel, metric ? "X (mm):" : "X (mils):");
    auto show = [&](unsigned id, int32_t value) {
        SetDlgItemText(id, metric ? Formatted("%.3f", value * 0.1 / kMillimetresToMils) : Formatted("%.1f", value * 0.1));
    };
    show(kIdcPadX, g_boardSettings.padSizeX);
    show(kIdcPadY, g_boardSettings.padSizeY);
    show(kIdcPadHole, g_boardSettings.padHole);
    enableSizes(shape);
    return true;
}

bool CPadSetupDlg::OnCommand(unsigned id)
{
    if (id >= kIdcPadShapeFirst && id <= kIdcPadShapeLast)
        enableSizes(static_cast<int>(id - kIdcPadShapeFirst));
    return plat::Dialog::OnCommand(id);
}

void CPadSetupDlg::OnOK()
{
    const double toMils = MetricUnits() ? kMillimetresToMils : 1.0;
    const double x = fieldNumber(*this, kIdcPadX) * toMils;
    const double y = fieldNumber(*this, kIdcPadY) * toMils;
    const double hole = fieldNumber(*this, kIdcPadHole) * toMils;
    for (double v : {x, y, hole}) {
        if (v < 0 || v > kMaxPadMils) {
            plat::MessageBox("Pad sizes must lie between 0 and 10000 mils.");
            return;
        }
    }
    const unsigned checked = GetCheckedRadioButton(kIdcPadShapeFirst, kIdcPadShapeLast);
    g_boardSettings.padShape = checked == 0 ? 0 : static_cast<int32_t>(checked - kIdcPadShapeFirst);
    g_boardSettings.padSizeX = RoundHalfUp(x * 10);
    g_boardSettings.padSizeY = RoundHalfUp(y * 10);
    g_boardSettings.padHole = RoundHalfUp(hole * 10);
    plat::Dialog::OnOK();
}

// ---- Edit Setup ----

CEditSetupDlg::CEditSetupDlg() : plat::Dialog(kIddEditSetup, nullptr) {}

bool CEditSetupDlg::OnInitDialog()
{
    CheckDlgButton(kIdcShowGrid, g_boardSettings.visible != 0);
    CheckDlgButton(kIdcShowHiddenPins, g_boardSettings.hidden != 0);
    CheckDlgButton(kIdcShowPageBreaks, g_boardSettings.breaks != 0);
    CheckDlgButton(kIdcRubberBanding, g_boardSettings.rubber != 0);
    CheckDlgButton(kIdcLimit90, g_boardSettings.limit != 0);
    return true;
}

void CEditSetupDlg::OnOK()
{
    g_boardSettings.visible = IsDlgButtonChecked(kIdcShowGrid);
    g_boardSettings.hidden = IsDlgButtonChecked(kIdcShowHiddenPins);
    g_boardSettings.breaks = IsDlgButtonChecked(kIdcShowPageBreaks);
    g_boardSettings.rubber = IsDlgButtonChecked(kIdcRubberBanding);
    g_boardSettings.limit = IsDlgButtonChecked(kIdcLimit90);
    RedrawActiveFrame();
    plat::Dialog::OnOK();
}

// ---- Library Parts ----

quill::LibraryChoiceState g_packageChoice{"Standard", {}};

quill::LibraryFiles PackageLibraryFiles()
{
    return {g_boardFolders.libraryFolder, ".CAT",
            [](const std::string& library) {
                std::vector<std::string> names;
                FillLibraryPartList(library, names);
                return names;
            },
            quill::PartNameDots::KeepWhole, true};
}

namespace {

quill::LibraryBrowserServices packageLibraryServices()
{
    quill::LibraryBrowserServices s;
    s.files = PackageLibraryFiles();
    s.partsCalled = "packages";
    s.search = [](const std::string& library, const std::string& text, std::vector<std::string>& lines, int mode) {
        return ListLibraryPackages(lines, library, text, mode);
    };
    s.details = [](const std::string& library, const std::string& part) -> std::optional<quill::LibraryPartDetails> {
        std::optional<std::string> description = ReadPartDescription(library, part);
        if (!description)
            return std::nullopt;
        return quill::LibraryPartDetails{{}, description->substr(0, description->find('\n'))};
    };
    quill::SetLibraryFileCalls(s, &LoadLibraryPart, &RewriteLibrary, kRewriteDelete, &WriteLibraryPartsList,
                               &DrawPartPreview);
    s.modify = [](const std::string& library, const std::string& part) {
        // The browser's steps belong to the board: the editor starts with an empty ring.
        ClearUndoRing();
        g_packageChoice.library = library;
        g_packageChoice.part = part;
        RunPackageEditor(nullptr, 1, library, part);
        return true;
    };
    return s;
}

}  // namespace

CLibPartsDlg::CLibPartsDlg()
    : quill::LibraryBrowserDlg(kIddLibraryParts, packageLibraryServices(), g_packageChoice, nullptr)
{
}

// ---- Font ----

CFontDlg::CFontDlg() : plat::Dialog(kIddFont, nullptr) {}

bool CFontDlg::OnInitDialog()
{
    constexpr double kHeights[] = {0.3, 0.4, 0.5, 0.7, 1.0, 2.0, 5.0};
    // The size for new texts is set at the board's fixed place for property dialogs.
    constexpr plat::Point kNewTextCorner{150, 70};
    if (g_selection.count == 0)
        OpenAt(kNewTextCorner);
    m_sizeIndex = std::max(m_sizeIndex, 2);
    if (plat::Control* combo = GetDlgItem(kIdcFontHeight)) {
        combo->ResetContent();
        for (double h : kHeights)
            combo->AddString(Formatted("%.0f", h * 100));
        if (m_sizeIndex <= 8)
            combo->SetCurSel(m_sizeIndex - 2);
    }
    return true;
}

void CFontDlg::OnOK()
{
    const plat::Control* combo = GetDlgItem(kIdcFontHeight);
    const int chosen = combo != nullptr ? combo->GetCurSel() : -1;
    if (chosen >= 0)
        m_sizeIndex = chosen + 2;
    plat::Dialog::OnOK();
}

// ---- services the board core calls ----

namespace {

bool runFontDialog(BoardObject& text)
{
    CFontDlg dialog;
    dialog.m_sizeIndex = (text.w[2] >> 8) & 127;
    if (dialog.DoModal() != plat::kIdOk)
        return false;
    g_selection.count = 1;
    PushUndoSnapshot();
    text.w[2] = dialog.m_sizeIndex * 256 + (text.w[2] & 127);
    return true;
}

bool runPadDialog(const BoardObject& pad)
{
    g_boardSettings.padSizeX = pad.w[2];
    g_boardSettings.padSizeY = pad.w[3];
    g_boardSettings.padHole = pad.w[6];
    g_boardSettings.padShape = pad.w[5] & 0xF;
    CPadSetupDlg dialog;
    if (dialog.DoModal() != plat::kIdOk)
        return false;
    ChangeSelectedObjects(kChangePad);
    return true;
}

}  // namespace

bool RunObjectPropertyDialog(int index)
{
    if (g_board.objects == nullptr || index < 1 || index > g_board.count)
        return false;
    BoardObject& o = g_board.objects[index];
    const int kind = o.kind();
    bool changed = false;
    if (kind == kKindLine || kind == 5 || kind == kKindArc) {
        CStyleDlg dialog;
        changed = dialog.DoModal() == plat::kIdOk;
    } else if (kind == kKindRectangle || kind == kKindEllipse || kind == 12) {
        CFillStyleDlg dialog;
        changed = dialog.DoModal() == plat::kIdOk;
    } else if (kind == kKindText) {
        changed = runFontDialog(o);
    } else if (kind == kKindPad) {
        changed = runPadDialog(o);
    } else if (kind == kKindPolygon) {
        CPolygonSetupDlg dialog;
        changed = dialog.DoModal() == plat::kIdOk;
    } else if (o.isPart()) {
        changed = RunEditPartDialog(index);
    }
    if (changed)
        RedrawActiveFrame();
    return changed;
}

bool RunVariableGridDialog()
{
    CVariableGridDlg dialog;
    return dialog.DoModal() == plat::kIdOk;
}

bool RunPolarGridDialog()
{
    CPolarGridDlg dialog;
    return dialog.DoModal() == plat::kIdOk;
}

bool RunEditSetupDialog()
{
    CEditSetupDlg dialog;
    return dialog.DoModal() == plat::kIdOk;
}
