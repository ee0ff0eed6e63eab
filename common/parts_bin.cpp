#include "common/parts_bin.h"

#include "platform/app/cmd_target.h"
#include "platform/app/menu.h"
#include "platform/app/wnd.h"
#include "platform/core/ui_host.h"

#include <algorithm>
#include <utility>

namespace quill {
namespace {

constexpr int kScrollRange = 200;
// The tooltip buffer's size: a longer description is shown cut there.
constexpr size_t kTooltipBuffer = 255;

}  // namespace

std::string PartsBinTooltip(std::string_view description, size_t length)
{
    std::string tip(description.substr(0, kTooltipBuffer));
    if (tip.size() <= length)
        return tip;
    const size_t blank = tip.find(' ', length);
    if (blank == std::string::npos)
        return tip;
    tip.resize(blank > 0 && tip[blank - 1] == ',' ? blank - 1 : blank);
    return tip;
}

PartsBinDlg::PartsBinDlg(unsigned templateId, PartsBinServices services)
    : plat::Dialog(templateId), services_(std::move(services))
{
}

void PartsBinDlg::Close()
{
    if (IsWindow())
        OnClose();
}

void PartsBinDlg::Open(plat::Wnd* parent)
{
    initialised_ = false;
    if (!IsWindow())
        Create(templateId(), parent);
}

bool PartsBinDlg::OnInitDialog()
{
    plat::Dialog::OnInitDialog();
    tooltip_.clear();
    selected_ = -1;
    dragging_ = false;
    SetFocus();
    if (services_.program.clearTool)
        services_.program.clearTool();
    if (plat::Control* bar = GetDlgItem(kIdcPartsBinScroll)) {
        bar->SetRange(0, kScrollRange);
        bar->SetPos(scroll_);
    }
    plat::Rect r;
    GetWindowRect(&r);
    openHeight_ = r.height();
    MoveWindow(*services_.settings.x, *services_.settings.y, r.width(), r.height());
    // Toggling the inverted flag brings the window back as it was when it was last closed.
    int& shut = *services_.settings.shut;
    shut = shut == 1 ? 0 : 1;
    OnCommand(kCmdPartsBinShut);
    if (plat::Control* area = cells())
        area->Invalidate();
    initialised_ = true;
    return true;
}

bool PartsBinDlg::OnCommand(unsigned id)
{
    if (id == kCmdPartsBinShut)
        toggleShut();
    else if (id == services_.ids.addCommand)
        addPart();
    else if (id == services_.ids.deleteCommand)
        deletePart();
    else if (id == plat::kIdCancel)
        PostMessage(plat::kWmClose);
    else
        return plat::Dialog::OnCommand(id);
    return true;
}

void PartsBinDlg::OnClose()
{
    plat::Rect r;
    GetWindowRect(&r);
    DestroyWindow();
    *services_.settings.x = r.left;
    *services_.settings.y = r.top;
    initialised_ = false;
    dragging_ = false;
    selected_ = -1;
}

void PartsBinDlg::OnMove(plat::Point)
{
    if (!initialised_)
        return;
    plat::Rect r;
    GetWindowRect(&r);
    *services_.settings.x = r.left;
    *services_.settings.y = r.top;
}

void PartsBinDlg::toggleShut()
{
    plat::Rect r;
    GetWindowRect(&r);
    int& shut = *services_.settings.shut;
    const bool opening = shut == 1;
    if (opening) {
        MoveWindow(r.left, r.top, r.width(), openHeight_);
    } else {
        if (soundsOn())
            plat::MessageBeep();
        const int height = plat::GetSystemMetrics(plat::kSmCySmCaption) + plat::GetSystemMetrics(plat::kSmCyMenu) +
                           plat::GetSystemMetrics(plat::kSmCySizeFrame);
        MoveWindow(r.left, r.top, r.width(), height);
    }
    shut = opening ? 0 : 1;
    if (plat::Menu* menu = GetMenu())
        menu->ModifyMenu(kCmdPartsBinShut, plat::kMfByCommand | plat::kMfString, kCmdPartsBinShut,
                         opening ? "Shut" : "Open");
    DrawMenuBar();
    if (services_.program.playSound)
        services_.program.playSound(opening ? "extend.wav" : "retract.wav");
}

void PartsBinDlg::refuse(unsigned messageId)
{
    if (soundsOn())
        plat::MessageBeep();
    plat::MessageBoxId(messageId, plat::kMbIconStop);
}

void PartsBinDlg::addPart()
{
    if (static_cast<int>(entries().size()) >= kPartsBinMaxEntries) {
        refuse(services_.ids.fullMessage);
        return;
    }
    const std::optional<std::string> name = services_.library.choosePart ? services_.library.choosePart() : std::nullopt;
    if (!name || name->empty())
        return;
    entries().push_back(*name);
    if (plat::Control* area = cells())
        area->Invalidate();
}

// The last entry fills the freed slot; no cell stays selected, so a second Delete asks again.
void PartsBinDlg::deletePart()
{
    auto& list = entries();
    if (selected_ < 0 || selected_ >= static_cast<int>(list.size())) {
        selected_ = -1;
        refuse(services_.ids.selectMessage);
        return;
    }
    list[static_cast<size_t>(selected_)] = std::move(list.back());
    list.pop_back();
    selected_ = -1;
    if (plat::Control* area = cells())
        area->Invalidate();
}

void PartsBinDlg::OnDrawItem(unsigned ctlId, plat::DrawItem& item)
{
    if (ctlId != kIdcPartsBinCells || !item.dc || !services_.painter.paintCells)
        return;
    const int needed = services_.painter.paintCells(*item.dc, item.rcItem, scroll_);
    if (plat::Control* bar = GetDlgItem(kIdcPartsBinScroll)) {
        plat::ScrollInfo info;
        info.min = 0;
        info.max = std::max(needed, kScrollRange);
        info.page = static_cast<unsigned>(std::max(0, item.rcItem.height()));
        info.pos = scroll_;
        bar->SetScrollInfo(info);
    }
    if (selected_ >= 0 && !dragging_ && services_.painter.drawOutline)
        drawCellOutline(*item.dc, selected_, 0, 0, true);
}

void PartsBinDlg::OnVScroll(unsigned code, unsigned pos, plat::Control* bar)
{
    if (!bar)
        return;
    plat::ScrollInfo info;
    bar->GetScrollInfo(&info);
    int position = info.pos;
    switch (code) {
    case plat::kSbLineUp: position -= info.max / 40; break;
    case plat::kSbLineDown: position += info.max / 40; break;
    case plat::kSbPageUp: position -= info.max / 20; break;
    case plat::kSbPageDown: position += info.max / 20; break;
    case plat::kSbThumbPosition:
    case plat::kSbThumbTrack: position = static_cast<int>(pos); break;
    case plat::kSbEndScroll: break;
    default: return;
    }
    position = std::clamp(position, info.min, std::max(info.min, info.max - static_cast<int>(info.page)));
    bar->SetPos(position);
    if (position != scroll_) {
        scroll_ = position;
        if (plat::Control* area = cells())
            area->Invalidate(false);
    }
}

void PartsBinDlg::drawOnCells(const std::function<void(plat::Dc&)>& draw)
{
    plat::Control* area = cells();
    if (!area || !services_.painter.drawOutline)
        return;
    plat::ClientDC dc(area);
    draw(*dc);
}

void PartsBinDlg::drawCellOutline(plat::Dc& dc, int cell, int x, int y, bool inPlace) const
{
    const PartsBinPainter& painter = services_.painter;
    if (!painter.cells || !painter.drawOutline)
        return;
    if (const std::optional<plat::Rect> outline = painter.cells->outline(cell, x, y, inPlace))
        painter.drawOutline(dc, *outline);
}

void PartsBinDlg::takeDragImage(plat::Dc& dc, int cell)
{
    const std::optional<plat::Rect> place =
        services_.painter.cells ? services_.painter.cells->outline(cell, 0, 0, true) : std::nullopt;
    if (!place || place->width() <= 0 || place->height() <= 0) {
        dragImage_ = plat::Bitmap();
        return;
    }
    const plat::ColorRef background = dc.GetPixel(place->left + 1, place->top + 1);
    dragImage_ = plat::Bitmap(place->width(), place->height());
    plat::RasterDc image(dragImage_);
    image.FillRect({0, 0, place->width(), place->height()},
                   plat::Brush::solid(background == plat::kClrInvalid ? plat::rgb(255, 255, 255) : background));
    image.BitBlt(0, 0, place->width(), place->height(), dc, place->left, place->top, plat::kSrcInvert);
}

void PartsBinDlg::drawDragImage(plat::Dc& dc, plat::Point at) const
{
    if (dragImage_.isNull())
        return;
    const plat::RasterDc image(dragImage_);
    const int width = dragImage_.width();
    const int height = dragImage_.height();
    dc.BitBlt(at.x - width / 2, at.y - height / 2, width, height, image, 0, 0, plat::kSrcInvert);
}

void PartsBinDlg::showStatus(std::string_view text) const
{
    if (services_.program.statusText)
        services_.program.statusText(text, 0);
}

bool PartsBinDlg::soundsOn() const { return services_.settings.sound && *services_.settings.sound != 0; }

void PartsBinDlg::OnControlMouse(plat::Control& control, unsigned message, unsigned flags, plat::Point point)
{
    if (control.id() != kIdcPartsBinCells)
        return;
    switch (message) {
    case plat::kWmLButtonDown: buttonDown(point); break;
    case plat::kWmMouseMove: mouseMove(flags, point); break;
    case plat::kWmLButtonUp: buttonUp(); break;
    default: break;
    }
}

void PartsBinDlg::buttonDown(plat::Point point)
{
    const int old = selected_;
    if (old >= 0)
        drawOnCells([&](plat::Dc& dc) { drawCellOutline(dc, old, 0, 0, true); });
    last_ = point;
    dragging_ = false;
    placed_ = false;
    selected_ = services_.painter.hitTest ? services_.painter.hitTest(point.x, point.y) : -1;
    if (selected_ >= static_cast<int>(entries().size()))
        selected_ = -1;
    if (selected_ >= 0)
        drawOnCells([&](plat::Dc& dc) { drawCellOutline(dc, selected_, 0, 0, true); });
}

void PartsBinDlg::showDescription(int cell)
{
    if (cell < 0 || cell >= static_cast<int>(entries().size())) {
        showStatus("");
        return;
    }
    const std::string& name = entries()[static_cast<size_t>(cell)];
    std::string text = services_.library.description ? services_.library.description(name) : name;
    if (text.empty())
        text = name;
    showStatus(text);
    tooltip_ = PartsBinTooltip(text, services_.ids.tooltipLength);
}

void PartsBinDlg::mouseMove(unsigned flags, plat::Point point)
{
    if (services_.program.openDocuments && *services_.program.openDocuments <= 0)
        return;
    const int under = services_.painter.hitTest ? services_.painter.hitTest(point.x, point.y) : -1;
    if (!(flags & plat::kMkLButton)) {
        if (under < 0)
            tooltip_.clear();
        else
            showDescription(under);
        return;
    }
    if (selected_ >= 0) {
        if (!dragging_) {
            if (under == selected_) {
                dragging_ = true;
                if (services_.program.clearTool)
                    services_.program.clearTool();
                last_ = point;
                drawOnCells([&](plat::Dc& dc) {
                    // The picture is taken without the selection's outline over it.
                    drawCellOutline(dc, selected_, 0, 0, true);
                    takeDragImage(dc, selected_);
                    drawCellOutline(dc, selected_, 0, 0, true);
                    drawDragImage(dc, point);
                });
            }
        } else {
            dragTo(point);
        }
    }
    showDescription(under);
}

void PartsBinDlg::dragTo(plat::Point point)
{
    const plat::Control* area = cells();
    const plat::Rect client = area ? area->clientRect() : plat::Rect{};
    const bool inside = point.x >= kPartsBinEdge + 1 && point.y >= kPartsBinEdge + 1 &&
                        point.x < client.right - kPartsBinEdge && point.y < client.bottom - kPartsBinEdge;
    if (!inside) {
        leaveBin(point);
        return;
    }
    drawOnCells([&](plat::Dc& dc) {
        drawDragImage(dc, last_);
        drawDragImage(dc, point);
    });
    last_ = point;
}

// The part leaves the bin near an edge: one part is placed however far the mouse goes on.
void PartsBinDlg::leaveBin(plat::Point point)
{
    const int cell = selected_;
    drawOnCells([&](plat::Dc& dc) {
        drawDragImage(dc, last_);
        drawCellOutline(dc, cell, 0, 0, true);
    });
    dragImage_ = plat::Bitmap();
    if (!placed_ && cell < static_cast<int>(entries().size()) && services_.library.place) {
        plat::Point screen = point;
        if (plat::Control* area = cells())
            area->ClientToScreen(&screen);
        services_.library.place(entries()[static_cast<size_t>(cell)], screen);
        placed_ = true;
    }
    dragging_ = false;
    selected_ = -1;
}

void PartsBinDlg::buttonUp()
{
    if (dragging_) {
        // Let go inside the bin: the drag ends without a part.
        drawOnCells([&](plat::Dc& dc) { drawDragImage(dc, last_); });
        dragImage_ = plat::Bitmap();
        dragging_ = false;
    }
    if (placed_ && services_.program.redrawActiveFrame)
        services_.program.redrawActiveFrame();
    placed_ = false;
}

std::optional<std::string> PartsBinDlg::OnControlToolTip(plat::Control& control, plat::Point)
{
    if (control.id() != kIdcPartsBinCells)
        return std::nullopt;
    if (services_.settings.help && *services_.settings.help == 0)
        return std::nullopt;
    return tooltip_;
}

void UpdatePartsBinCommand(plat::CmdUI& ui, const PartsBinDlg& bin)
{
    ui.Enable(true);
    ui.SetCheck(bin.isOpen());
}

plat::DialogTemplate PartsBinTemplate(unsigned templateId, unsigned menuId)
{
    using K = plat::ControlKind;
    plat::DialogTemplate t;
    t.id = templateId;
    t.title = "Parts Bin";
    t.menu = menuId;
    t.width = 120;
    t.height = 170;
    t.controls = {{.id = kIdcPartsBinCells, .kind = K::StaticFrame, .row = 0, .width = 110, .height = 150},
                  {.id = kIdcPartsBinScroll, .kind = K::ScrollBarV, .row = 0, .column = 1}};
    return t;
}

plat::MenuResource PartsBinMenu(unsigned menuId, unsigned addCommand, unsigned deleteCommand)
{
    return {menuId,
            {plat::menuPopup("Edit", {plat::menuItem(addCommand, "&Add Part"), plat::menuItem(deleteCommand, "&Delete Part")}),
             plat::menuItem(kCmdPartsBinShut, "Shut")}};
}

}  // namespace quill
