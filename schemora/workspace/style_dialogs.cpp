#include "schemora/workspace/style_dialogs.h"

#include "common/general_setup.h"
#include "common/setup_pages.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/setup_dialog_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/draw_object.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/font_choice.h"
#include "schemora/core/mouse_edit.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/settings.h"
#include "schemora/core/style_changes.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <cstdio>

using namespace scm;

namespace {

constexpr int kMetricUnits = 725;
constexpr int kHiddenPinsShown = 518, kHiddenPinsHidden = 517;
constexpr int kFillPatterns = 8;

// The one selected object when exactly one is selected and the dialog edits its kind.
DrawObject* singleTarget(std::initializer_list<int> kinds)
{
    if (g_editState.selectionCount != 1)
        return nullptr;
    const int index = g_editState.SelectionList[1];
    if (index < 1 || index > g_current.count)
        return nullptr;
    DrawObject& o = g_current.objects[static_cast<std::size_t>(index)];
    return std::find(kinds.begin(), kinds.end(), o.type()) != kinds.end() ? &o : nullptr;
}

void setKindOnCurrentLayer(DrawObject& o, int type) { o.w[4] = (CurrentDrawingLayer() << 10) + type; }

// A style dialog that sets the defaults opens where the person last clicked in the drawing,
// `right` pixels to the right of it; one that edits the one selected object opens where the
// desktop puts it.
void placeStyleDialog(plat::Dialog& dialog, int right = 0)
{
    if (g_editState.selectionCount != 1)
        dialog.OpenAtLastClick(right);
}

constexpr int kEditSetupRight = 50;

}  // namespace

// ---- the common part: line style, width, fill ----

CStyleDialogBase::CStyleDialogBase(unsigned templateId, std::initializer_list<int> kinds, plat::Wnd* parent,
                                   WidthForm widthForm)
    : plat::Dialog(templateId, parent), widthForm_(widthForm), target_(singleTarget(kinds))
{
    onCommandRange(kIdcFillFirst, kIdcFillLast, &CStyleDialogBase::OnFillPattern);
}

bool CStyleDialogBase::OnInitDialog()
{
    placeStyleDialog(*this);
    if (target_) {
        style_ = target_->w[5];
        width_ = ObjectWidth(*target_);
        fill_ = HasFill(target_->type()) ? target_->w[7] : g_settings.fillPattern;
    } else {
        style_ = g_settings.CurrentStyle;
        width_ = g_settings.width;
        fill_ = g_settings.fillPattern;
    }
    if (style_ >= 0 && style_ <= 3)
        CheckRadioButton(kIdcStyleFirst, kIdcStyleLast, kIdcStyleFirst + static_cast<unsigned>(style_));
    SetDlgItemText(kIdcWidth, widthShown(width_));
    exchangeExtra(false);
    return true;
}

std::string CStyleDialogBase::widthShown(int width) const
{
    switch (widthForm_) {
    case WidthForm::InUnits: return WidthShown(width, g_settings.units == kMetricUnits);
    case WidthForm::OneDecimal: {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", static_cast<double>(width));
        return text;
    }
    case WidthForm::Plain: break;
    }
    return std::to_string(width);
}

int CStyleDialogBase::widthTyped(const std::string& text) const
{
    return WidthTyped(text, widthForm_ == WidthForm::InUnits && g_settings.units == kMetricUnits);
}

void CStyleDialogBase::OnFillPattern(unsigned id)
{
    fill_ = static_cast<int>(id - kIdcFillFirst);
    if (plat::Control* current = GetDlgItem(kFillCurrentId))
        current->Invalidate();
}

void CStyleDialogBase::OnDrawItem(unsigned ctlId, plat::DrawItem& item)
{
    if (!item.dc)
        return;
    if (ctlId >= kIdcFillFirst && ctlId <= kIdcFillLast)
        PaintFillSwatch(*item.dc, item.rcItem, static_cast<int>(ctlId - kIdcFillFirst));
    else if (ctlId == kFillCurrentId)
        PaintFillSwatch(*item.dc, item.rcItem, fill_);
}

void CStyleDialogBase::OnOK()
{
    if (const unsigned id = GetCheckedRadioButton(kIdcStyleFirst, kIdcStyleLast); id != 0)
        style_ = static_cast<int>(id - kIdcStyleFirst);
    width_ = widthTyped(GetDlgItemText(kIdcWidth, 20));
    fill_ = std::clamp(fill_, 0, kFillPatterns - 1);
    exchangeExtra(true);
    if (target_) {
        PushUndoSnapshot();
        writeObject(*target_);
    } else {
        writeDefaults();
    }
    EndDialog(plat::kIdOk);
}

void CStyleDialogBase::writeObject(DrawObject& o)
{
    o.w[5] = style_;
    SetObjectWidth(o, width_);
    if (hasFill() && HasFill(o.type()))
        o.w[7] = fill_;
    writeExtra(&o);
}

void CStyleDialogBase::writeDefaults()
{
    g_settings.CurrentStyle = style_;
    g_settings.width = width_;
    if (hasFill())
        g_settings.fillPattern = fill_;
    writeExtra(nullptr);
}

// ---- the dialogs ----

CFillStyleDlg::CFillStyleDlg(plat::Wnd* parent)
    : CStyleDialogBase(kIddFillStyle, {kObjLine, kObjArrow, kObjArc, kObjRectangle, kObjEllipse, kObjRoundRect, kObjTriangle}, parent)
{
}

CStyleDlg::CStyleDlg(plat::Wnd* parent)
    : CStyleDialogBase(kIddStyle, {kObjLine, kObjRectangle, kObjArrow, kObjEllipse, kObjArc, kObjRoundRect, kObjTriangle}, parent)
{
}

CLineStyleDlg::CLineStyleDlg(plat::Wnd* parent)
    : CStyleDialogBase(kIddLineStyle, {kObjLine, kObjArrow}, parent, WidthForm::InUnits)
{
}

void CLineStyleDlg::exchangeExtra(bool store)
{
    if (store) {
        if (const unsigned id = GetCheckedRadioButton(kIdcHeadStyleFirst, kIdcHeadStyleLast); id != 0)
            shape_ = static_cast<int>(id - kIdcHeadStyleFirst);
        if (const unsigned id = GetCheckedRadioButton(kIdcHeadsNone, kIdcHeadsTwo); id != 0)
            heads_ = static_cast<int>(id) - 300;
        return;
    }
    if (DrawObject* o = target()) {
        heads_ = o->type() == kObjArrow ? std::clamp(o->w[7] >> 8, 0, 1) : -1;
        shape_ = o->type() == kObjArrow ? std::clamp(o->w[7] & 0xFF, 0, 2) : g_settings.CurrentHeadStyle;
    } else {
        heads_ = std::clamp(g_settings.CurrentHeadNo, -1, 1);
        shape_ = std::clamp(g_settings.CurrentHeadStyle, 0, 2);
    }
    CheckRadioButton(kIdcHeadStyleFirst, kIdcHeadStyleLast, kIdcHeadStyleFirst + static_cast<unsigned>(shape_));
    CheckRadioButton(kIdcHeadsNone, kIdcHeadsTwo, static_cast<unsigned>(300 + heads_));
}

void CLineStyleDlg::writeExtra(DrawObject* o)
{
    if (o) {
        setKindOnCurrentLayer(*o, heads_ < 0 ? kObjLine : kObjArrow);
        o->w[7] = heads_ < 0 ? 0 : heads_ * 256 + shape_;
    } else {
        g_settings.CurrentHeadNo = heads_;
        g_settings.CurrentHeadStyle = shape_;
    }
}

CRectStyleDlg::CRectStyleDlg(plat::Wnd* parent) : CStyleDialogBase(kIddRectangleStyle, {kObjRectangle, kObjRoundRect}, parent) {}

void CRectStyleDlg::exchangeExtra(bool store)
{
    if (store) {
        rounded_ = IsDlgButtonChecked(kIdcRoundedRectangles) != 0;
        return;
    }
    rounded_ = target() ? target()->type() == kObjRoundRect : g_settings.roundedRectangles != 0;
    CheckDlgButton(kIdcRoundedRectangles, rounded_ ? 1 : 0);
}

void CRectStyleDlg::writeExtra(DrawObject* o)
{
    if (o)
        setKindOnCurrentLayer(*o, rounded_ ? kObjRoundRect : kObjRectangle);
    else
        g_settings.roundedRectangles = rounded_ ? 1 : 0;
}

CPolygonSetupDlg::CPolygonSetupDlg(plat::Wnd* parent)
    : CStyleDialogBase(kIddPolygonSetup, {kObjTriangle, kObjPolygon}, parent, WidthForm::OneDecimal)
{
}

void CPolygonSetupDlg::exchangeExtra(bool store)
{
    if (store) {
        if (const std::optional<int> edges = CountChosen(*this, kIdcPolygonEdges, kMinPolygonEdges))
            edges_ = *edges;
        return;
    }
    if (DrawObject* o = target())
        edges_ = o->type() == kObjTriangle ? 3 : o->w[2];
    else
        edges_ = g_settings.polygonEdges;
    edges_ = std::clamp(edges_, kMinPolygonEdges, kPolygonPoints);
    FillCountCombo(*this, kIdcPolygonEdges, kMinPolygonEdges, kPolygonPoints, edges_);
}

void CPolygonSetupDlg::writeExtra(DrawObject* o)
{
    if (o) {
        // A polygon keeps its fill even though the shared fill rule leaves polygons out.
        o->w[7] = fill_;
        SetPolygonEdges(*o, edges_, CurrentDrawingLayer());
    } else {
        g_settings.polygonEdges = edges_;
    }
}

// ---- Edit Setup ----

CEditSetupDlg::CEditSetupDlg(plat::Wnd* parent) : plat::Dialog(kIddEditSetup, parent) {}

bool CEditSetupDlg::OnInitDialog()
{
    placeStyleDialog(*this, kEditSetupRight);
    CheckDlgButton(kIdcEditShowGrid, g_settings.visible != 0 ? 1 : 0);
    CheckDlgButton(kIdcEditHiddenPins, g_settings.hidden == kHiddenPinsShown ? 1 : 0);
    CheckDlgButton(kIdcEditPageBreaks, g_settings.breaks != 0 ? 1 : 0);
    CheckDlgButton(kIdcEditRubberband, g_settings.rubber != 0 ? 1 : 0);
    CheckDlgButton(kIdcEditLimit90, g_settings.limit != 0 ? 1 : 0);
    return true;
}

void CEditSetupDlg::OnOK()
{
    g_settings.visible = IsDlgButtonChecked(kIdcEditShowGrid) != 0 ? 1 : 0;
    g_settings.hidden = IsDlgButtonChecked(kIdcEditHiddenPins) != 0 ? kHiddenPinsShown : kHiddenPinsHidden;
    g_settings.breaks = IsDlgButtonChecked(kIdcEditPageBreaks) != 0 ? 1 : 0;
    g_settings.rubber = IsDlgButtonChecked(kIdcEditRubberband) != 0 ? 1 : 0;
    g_settings.limit = IsDlgButtonChecked(kIdcEditLimit90) != 0 ? 1 : 0;
    EndDialog(plat::kIdOk);
    RedrawActiveFrame();
}

bool RunStyleDialogForKind(int type)
{
    switch (type) {
    case kObjLine: case kObjArrow: return CLineStyleDlg().DoModal(), true;
    case kObjRectangle: case kObjRoundRect: return CRectStyleDlg().DoModal(), true;
    case kObjEllipse: return CFillStyleDlg().DoModal(), true;
    case kObjArc: return CStyleDlg().DoModal(), true;
    case kObjTriangle: case kObjPolygon: return CPolygonSetupDlg().DoModal(), true;
    default: return false;
    }
}

namespace {

bool currentToolIs(std::initializer_list<int> tools)
{
    return std::find(tools.begin(), tools.end(), g_editState.CurrentTool) != tools.end();
}

}  // namespace

int ChooseToolWithStyle(int tool)
{
    switch (tool) {
    case scm::kCmdToolText:
        if (currentToolIs({tool}))
            ChooseTextFont();
        return tool;
    case scm::kCmdToolArrow:
        if (currentToolIs({tool}))
            CLineStyleDlg().DoModal();
        return tool;
    case scm::kCmdToolLine:
        if (currentToolIs({tool, scm::kCmdToolArrow}))
            CLineStyleDlg().DoModal();
        return g_settings.CurrentHeadNo < 0 ? scm::kCmdToolLine : scm::kCmdToolArrow;
    case scm::kCmdToolRectangle:
        if (currentToolIs({tool, scm::kCmdToolRoundRect}))
            CRectStyleDlg().DoModal();
        return g_settings.roundedRectangles == 1 ? scm::kCmdToolRoundRect : scm::kCmdToolRectangle;
    case scm::kCmdToolRoundRect:
        if (currentToolIs({tool}))
            CFillStyleDlg().DoModal();
        return tool;
    case scm::kCmdToolPolygon:
        if (currentToolIs({tool, kToolRegularPolygon}))
            CPolygonSetupDlg().DoModal();
        return g_settings.polygonEdges == 3 ? static_cast<int>(scm::kCmdToolPolygon) : static_cast<int>(kToolRegularPolygon);
    case scm::kCmdToolEllipse:
        if (currentToolIs({tool}) && g_editState.selectionCount == 0)
            CFillStyleDlg().DoModal();
        return tool;
    case scm::kCmdToolArc:
        if (currentToolIs({tool}))
            CStyleDlg().DoModal();
        return tool;
    default: return tool;
    }
}

bool ToolButtonChecked(int button, int current)
{
    return current == button || (button == scm::kCmdToolLine && current == scm::kCmdToolArrow) ||
           (button == scm::kCmdToolRectangle && current == scm::kCmdToolRoundRect) ||
           (button == scm::kCmdToolPolygon && current == kToolRegularPolygon);
}
