#include "platform/app/wnd.h"

#include "platform/app/dialog.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/message_pump.h"
#include "platform/app/wnd_state.h"
#include "platform/gdi/region.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <set>

namespace plat {
namespace {

// Sets one per-bar flag of the bar named (kSbHorz, kSbVert or kSbBoth) and shows the change.
void setScrollFlag(WndState& s, bool (WndState::*flags)[2], int bar, bool value)
{
    for (int b : {kSbHorz, kSbVert}) {
        if (bar == b || bar == kSbBoth) {
            (s.*flags)[b] = value;
            if (s.surface)
                s.surface->applyScroll(b);
        }
    }
}

Wnd* g_focus = nullptr;
Wnd* g_capture = nullptr;
std::optional<Point> g_lastClick;

void noteClick(const Wnd& w, Point client)
{
    w.ClientToScreen(&client);
    g_lastClick = client;
}

std::set<const Wnd*>& liveWindows()
{
    static std::set<const Wnd*> live;
    return live;
}

Rect unite(const Rect& a, const Rect& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

bool isLive(const Wnd* w) { return w && liveWindows().count(w) > 0; }

}  // namespace

bool isLiveWnd(const Wnd* w) { return isLive(w); }

std::optional<Point> LastClickPoint() { return g_lastClick; }

// ---------------------------------------------------------------------------------------------
// WndState

WndState::~WndState()
{
    if (surface)
        surface->detach();
    if (widget) {
        widget->hide();
        widget->deleteLater();
    }
}

Size WndState::clientSize() const
{
    if (surface)
        return {surface->viewport()->width(), surface->viewport()->height()};
    if (widget)
        return {widget->width(), widget->height()};
    return size;
}

void WndState::ensureBacking()
{
    const Size s = clientSize();
    const int w = std::max(s.cx, 1);
    const int h = std::max(s.cy, 1);
    if (backing.width() == w && backing.height() == h && backing.format() == QImage::Format_RGB32)
        return;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!backing.isNull()) {
        // Keep what still fits, so overlays drawn before a resize are not lost before the repaint.
        const int cw = std::min(w, backing.width());
        const int ch = std::min(h, backing.height());
        const QImage old = backing.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < ch; ++y)
            std::copy_n(reinterpret_cast<const uint32_t*>(old.constScanLine(y)), cw,
                        reinterpret_cast<uint32_t*>(image.scanLine(y)));
    }
    backing = std::move(image);
}

void WndState::blit(const Rect* r)
{
    if (!surface)
        return;
    if (r)
        surface->viewport()->update(QRect(r->left, r->top, r->width(), r->height()));
    else
        surface->viewport()->update();
}

// ---------------------------------------------------------------------------------------------
// Wnd

Wnd::Wnd() { liveWindows().insert(this); }

Wnd::~Wnd()
{
    liveWindows().erase(this);
    if (UiHost* host = installedUiHost())
        host->killTimers(this);
    forgetWindow(this);
    unqueuePaint(this);
}


bool Wnd::IsWindow() const { return state_ && state_->created; }

bool Wnd::PreCreateWindow(CreateStruct&) { return true; }

bool Wnd::Create(Wnd* parent, unsigned style, unsigned id, const Rect& rect)
{
    if (IsWindow())
        return false;
    const std::optional<CreateStruct> made = preCreateWindow(*this, style, parent, id, rect);
    if (!made)
        return false;
    const CreateStruct& cs = *made;
    WndState& s = wndState(*this);
    s.pos = {cs.x, cs.y};
    s.size = {cs.cx > 0 ? cs.cx : 200, cs.cy > 0 ? cs.cy : 150};
    s.scrollShown[kSbHorz] = (cs.style & kWsHScroll) != 0;
    s.scrollShown[kSbVert] = (cs.style & kWsVScroll) != 0;

    QWidget* parentWidget = nullptr;
    if (cs.parent && cs.parent->state())
        parentWidget = cs.parent->state()->widget;
    auto* surface = new SurfaceWidget(this, parentWidget);
    s.surface = surface;
    s.widget = surface;
    surface->setGeometry(s.pos.x, s.pos.y, s.size.cx, s.size.cy);
    surface->applyScroll(kSbHorz);
    surface->applyScroll(kSbVert);
    surface->applyCursor();
    s.created = true;
    s.visible = (cs.style & kWsVisible) != 0;
    if (s.visible)
        surface->show();
    if (OnCreate() == -1) {
        DestroyWindow();
        return false;
    }
    const Size client = s.clientSize();
    OnSize(kSizeRestored, client.cx, client.cy);
    return true;
}

bool Wnd::DestroyWindow()
{
    if (!IsWindow())
        return false;
    OnDestroy();
    if (UiHost* host = installedUiHost())
        host->killTimers(this);
    forgetWindow(this);
    unqueuePaint(this);
    WndState& s = *state_;
    s.created = false;
    s.visible = false;
    s.hasInvalid = false;
    if (s.surface)
        s.surface->detach();
    if (s.widget) {
        s.widget->hide();
        s.widget->deleteLater();
    }
    s.widget = nullptr;
    s.surface = nullptr;
    return true;
}

Wnd* Wnd::GetParent() const { return state_ ? state_->parent : nullptr; }
unsigned Wnd::GetDlgCtrlID() const { return state_ ? state_->id : 0; }
unsigned Wnd::GetStyle() const { return state_ ? state_->style : 0; }

void Wnd::ModifyStyle(unsigned remove, unsigned add)
{
    WndState& s = wndState(*this);
    s.style = (s.style & ~remove) | add;
}

// ---- messages ----

intptr_t Wnd::SendMessage(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    Msg msg{message, wParam, lParam, this};
    return WindowProc(msg);
}

void Wnd::PostMessage(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    Wnd* self = this;
    QTimer::singleShot(0, QCoreApplication::instance(), [self, message, wParam, lParam] {
        if (isLive(self))
            guarded([&] { self->SendMessage(message, wParam, lParam); });
    });
}

bool Wnd::PreTranslateMessage(Msg&) { return false; }

intptr_t Wnd::WindowProc(const Msg& msg)
{
    const auto flags = static_cast<unsigned>(msg.wParam);
    const Point pt = pointFromParam(msg.lParam);
    const auto repeat = static_cast<unsigned>(msg.lParam & 0xFFFF);
    const auto keyFlags = static_cast<unsigned>((msg.lParam >> 16) & 0xFFFF);
    switch (msg.message) {
    case kWmLButtonDown: noteClick(*this, pt); OnLButtonDown(flags, pt); break;
    case kWmLButtonUp: OnLButtonUp(flags, pt); break;
    case kWmRButtonDown: OnRButtonDown(flags, pt); break;
    case kWmRButtonUp: OnRButtonUp(flags, pt); break;
    case kWmMButtonDown: OnMButtonDown(flags, pt); break;
    case kWmMButtonUp: OnMButtonUp(flags, pt); break;
    case kWmMouseMove: OnMouseMove(flags, pt); break;
    case kWmMouseWheel:
        return OnMouseWheel(flags & 0xFFFF, static_cast<short>((msg.wParam >> 16) & 0xFFFF), pt) ? 1 : 0;
    case kWmKeyDown:
    case kWmSysKeyDown: OnKeyDown(flags, repeat, keyFlags); break;
    case kWmKeyUp:
    case kWmSysKeyUp: OnKeyUp(flags, repeat, keyFlags); break;
    case kWmChar:
    case kWmSysChar: OnChar(flags, repeat, keyFlags); break;
    case kWmCommand: {
        const unsigned id = flags & 0xFFFF;
        const unsigned code = (flags >> 16) & 0xFFFF;
        return (code == 0 ? OnCommand(id) : OnNotify(id, code)) ? 1 : 0;
    }
    case kWmClose: OnClose(); break;
    case kWmTimer: OnTimer(flags); break;
    case kWmHScroll: OnHScroll(flags & 0xFFFF, (flags >> 16) & 0xFFFF, reinterpret_cast<Control*>(msg.lParam)); break;
    case kWmVScroll: OnVScroll(flags & 0xFFFF, (flags >> 16) & 0xFFFF, reinterpret_cast<Control*>(msg.lParam)); break;
    case kWmSize: OnSize(flags, static_cast<int>(msg.lParam & 0xFFFF), static_cast<int>((msg.lParam >> 16) & 0xFFFF)); break;
    case kWmSetFocus: OnSetFocus(reinterpret_cast<Wnd*>(msg.wParam)); break;
    case kWmKillFocus: OnKillFocus(reinterpret_cast<Wnd*>(msg.wParam)); break;
    case kWmPaint: UpdateWindow(); break;
    default: break;
    }
    return 0;
}

// ---- default handlers ----

void Wnd::OnClose() { DestroyWindow(); }
void Wnd::OnSize(unsigned, int, int) {}
void Wnd::OnSetFocus(Wnd*) {}
void Wnd::OnKillFocus(Wnd*) {}
void Wnd::OnLButtonDown(unsigned, Point) {}
void Wnd::OnLButtonUp(unsigned, Point) {}
void Wnd::OnRButtonDown(unsigned, Point) {}
void Wnd::OnRButtonUp(unsigned, Point) {}
void Wnd::OnMButtonDown(unsigned, Point) {}
void Wnd::OnMButtonUp(unsigned, Point) {}
void Wnd::OnMouseMove(unsigned, Point) {}
bool Wnd::OnMouseWheel(unsigned, short, Point) { return false; }
void Wnd::OnKeyDown(unsigned, unsigned, unsigned) {}
void Wnd::OnKeyUp(unsigned, unsigned, unsigned) {}
void Wnd::OnChar(unsigned, unsigned, unsigned) {}
void Wnd::OnTimer(unsigned) {}
void Wnd::OnHScroll(unsigned, unsigned, Control*) {}
void Wnd::OnVScroll(unsigned, unsigned, Control*) {}
void Wnd::OnPaint() {}
void Wnd::OnDropFiles(const std::vector<std::string>&) {}
void Wnd::OnDrawItem(unsigned, DrawItem&) {}
void Wnd::OnMeasureItem(unsigned, MeasureItem&) {}

bool Wnd::OnEraseBkgnd(Dc& dc)
{
    if (!state_ || !state_->eraseBackground)
        return false;
    const Size s = state_->clientSize();
    dc.FillRect(Rect{0, 0, s.cx, s.cy}, Brush::solid(rgb(255, 255, 255)));
    return true;
}

bool Wnd::OnCommand(unsigned id) { return OnCmdMsg(id, nullptr); }
bool Wnd::OnNotify(unsigned id, unsigned code) { return dispatchNotify(id, code); }

// ---- painting ----

void Wnd::Invalidate(bool erase) { InvalidateRect(nullptr, erase); }

void Wnd::InvalidateRect(const Rect* rect, bool erase)
{
    if (!IsWindow())
        return;
    WndState& s = *state_;
    const Size client = s.clientSize();
    Rect r = rect ? *rect : Rect{0, 0, client.cx, client.cy};
    r = r.intersected(Rect{0, 0, client.cx, client.cy});
    if (r.isEmpty())
        return;
    s.invalid = s.hasInvalid ? unite(s.invalid, r) : r;
    s.hasInvalid = true;
    s.invalidErase = s.invalidErase || erase;
    queuePaint(this);
}

void Wnd::ValidateRect(const Rect* rect)
{
    if (!state_ || !state_->hasInvalid)
        return;
    WndState& s = *state_;
    if (!rect || (rect->left <= s.invalid.left && rect->top <= s.invalid.top && rect->right >= s.invalid.right &&
                  rect->bottom >= s.invalid.bottom)) {
        s.hasInvalid = false;
        s.invalidErase = false;
        unqueuePaint(this);
    }
}

bool Wnd::GetUpdateRect(Rect* rect) const
{
    if (!state_ || !state_->hasInvalid)
        return false;
    if (rect)
        *rect = state_->invalid;
    return true;
}

void Wnd::UpdateWindow()
{
    if (!IsWindow() || !state_->hasInvalid || state_->inPaint)
        return;
    WndState& s = *state_;
    const Rect r = s.invalid;
    const bool erase = s.invalidErase;
    s.hasInvalid = false;
    s.invalidErase = false;
    unqueuePaint(this);
    s.ensureBacking();

    struct PaintScope {
        WndState& s;
        PaintScope(WndState& st, const Rect& rect, bool erase) : s(st)
        {
            s.inPaint = true;
            s.paintRect = rect;
            s.paintErase = erase;
        }
        ~PaintScope()
        {
            s.inPaint = false;
            s.paintRect.reset();
        }
    } scope(s, r, erase);

    if (erase && s.eraseBackground) {
        auto dc = makeImageDc(s.backing);
        dc->setSystemClip(Region(r));
        OnEraseBkgnd(*dc);
    }
    OnPaint();
    if (state_)
        state_->blit(&r);
}

bool Wnd::RedrawWindow(const Rect* rect, unsigned flags)
{
    if (!IsWindow())
        return false;
    if (flags & kRdwInvalidate)
        InvalidateRect(rect, (flags & kRdwErase) != 0);
    if (flags & kRdwValidate)
        ValidateRect(rect);
    if (flags & kRdwUpdateNow)
        UpdateWindow();
    if (state_->widget && !state_->surface)
        state_->widget->update();
    return true;
}

Dc* Wnd::GetDC()
{
    WndState& s = wndState(*this);
    s.ensureBacking();
    s.dcs.push_back(makeImageDc(s.backing));
    return s.dcs.back().get();
}

int Wnd::ReleaseDC(Dc* dc)
{
    if (!state_ || !dc)
        return 0;
    auto& dcs = state_->dcs;
    const auto it = std::find_if(dcs.begin(), dcs.end(), [dc](const auto& p) { return p.get() == dc; });
    if (it == dcs.end())
        return 0;
    dcs.erase(it);
    state_->blit();
    return 1;
}

uint32_t Wnd::backingPixel(int x, int y) const
{
    if (!state_ || x < 0 || y < 0 || x >= state_->backing.width() || y >= state_->backing.height())
        return 0xFFFFFFFFu;
    return state_->backing.pixel(x, y) & 0xFFFFFFu;
}

// ---- geometry ----

void Wnd::GetClientRect(Rect* rect) const { *rect = clientRect(); }

Rect Wnd::clientRect() const
{
    if (!state_)
        return {};
    const Size s = state_->clientSize();
    return {0, 0, s.cx, s.cy};
}

void Wnd::GetWindowRect(Rect* rect) const
{
    if (state_ && state_->widget) {
        const QWidget* w = state_->widget;
        const QPoint p = w->isWindow() ? w->pos() : w->mapToGlobal(QPoint(0, 0));
        *rect = {p.x(), p.y(), p.x() + w->width(), p.y() + w->height()};
        return;
    }
    // Without a widget the client area starts at the window's corner, which ClientToScreen
    // already places.
    Point p{};
    ClientToScreen(&p);
    const Size s = state_ ? state_->size : Size{};
    *rect = {p.x, p.y, p.x + s.cx, p.y + s.cy};
}

void Wnd::ClientToScreen(Point* point) const
{
    if (state_ && state_->surface) {
        const QPoint g = state_->surface->viewport()->mapToGlobal(QPoint(point->x, point->y));
        *point = {g.x(), g.y()};
    } else if (state_ && state_->widget) {
        const QPoint g = state_->widget->mapToGlobal(QPoint(point->x, point->y));
        *point = {g.x(), g.y()};
    } else {
        for (const Wnd* w = this; w && w->state_; w = w->GetParent()) {
            point->x += w->state_->pos.x;
            point->y += w->state_->pos.y;
        }
    }
}

void Wnd::ClientToScreen(Rect* rect) const
{
    Point a{rect->left, rect->top};
    Point b{rect->right, rect->bottom};
    ClientToScreen(&a);
    ClientToScreen(&b);
    *rect = {a.x, a.y, b.x, b.y};
}

void Wnd::ScreenToClient(Point* point) const
{
    Point origin{0, 0};
    ClientToScreen(&origin);
    point->x -= origin.x;
    point->y -= origin.y;
}

void Wnd::ScreenToClient(Rect* rect) const
{
    Point origin{0, 0};
    ClientToScreen(&origin);
    *rect = {rect->left - origin.x, rect->top - origin.y, rect->right - origin.x, rect->bottom - origin.y};
}

void Wnd::MoveWindow(int x, int y, int width, int height, bool repaint)
{
    WndState& s = wndState(*this);
    s.pos = {x, y};
    s.size = {std::max(width, 0), std::max(height, 0)};
    s.placed = s.placed || !s.widget;
    if (s.widget && s.widget->isWindow()) {
        // A window's corner is its frame's, as GetWindowRect reports it.
        s.widget->move(x, y);
        s.widget->resize(s.size.cx, s.size.cy);
    } else if (s.widget) {
        s.widget->setGeometry(x, y, s.size.cx, s.size.cy);
    } else if (IsWindow()) {
        OnSize(kSizeRestored, s.size.cx, s.size.cy);
    }
    if (repaint)
        Invalidate();
}

void Wnd::MoveWindow(const Rect& rect, bool repaint) { MoveWindow(rect.left, rect.top, rect.width(), rect.height(), repaint); }

void Wnd::SetWindowPos(int x, int y, int width, int height, unsigned flags)
{
    WndState& s = wndState(*this);
    if (flags & kSwpNoMove) {
        x = s.pos.x;
        y = s.pos.y;
    }
    if (!(flags & kSwpNoSize)) {
        MoveWindow(x, y, width, height, false);
        return;
    }
    s.pos = {x, y};
    s.placed = s.placed || !s.widget;
    if (s.widget)
        s.widget->move(x, y);
}

// ---- state ----

bool Wnd::ShowWindow(int cmd)
{
    WndState& s = wndState(*this);
    const bool was = s.visible;
    s.visible = cmd != kSwHide;
    s.zoomed = cmd == kSwShowMaximized ? true : (cmd == kSwRestore || cmd == kSwShowNormal ? false : s.zoomed);
    s.iconic = cmd == kSwShowMinimized || cmd == kSwMinimize;
    if (QWidget* w = s.widget) {
        switch (cmd) {
        case kSwHide: w->hide(); break;
        case kSwShowMaximized: w->showMaximized(); break;
        case kSwShowMinimized:
        case kSwMinimize: w->showMinimized(); break;
        case kSwRestore:
        case kSwShowNormal: w->showNormal(); break;
        default: w->show(); break;
        }
    }
    return was;
}

bool Wnd::IsWindowVisible() const { return state_ && state_->created && state_->visible; }

bool Wnd::EnableWindow(bool enable)
{
    WndState& s = wndState(*this);
    const bool wasDisabled = !s.enabled;
    s.enabled = enable;
    if (s.widget)
        s.widget->setEnabled(enable);
    return wasDisabled;
}

bool Wnd::IsWindowEnabled() const { return !state_ || state_->enabled; }

void Wnd::SetWindowText(std::string_view text)
{
    if (auto* c = dynamic_cast<Control*>(this)) {
        c->setText(text);
        return;
    }
    WndState& s = wndState(*this);
    s.name = std::string(text);
    if (s.widget)
        s.widget->setWindowTitle(toQt(text));
}

std::string Wnd::GetWindowText() const
{
    if (const auto* c = dynamic_cast<const Control*>(this))
        return c->text();
    if (const auto* d = dynamic_cast<const Dialog*>(this))
        return d->title();
    return state_ ? state_->name : std::string();
}

bool Wnd::IsIconic() const { return state_ && state_->iconic; }
bool Wnd::IsZoomed() const { return state_ && state_->zoomed; }

void Wnd::BringWindowToTop()
{
    if (state_ && state_->widget)
        state_->widget->raise();
}

void Wnd::SetForegroundWindow()
{
    if (!state_ || !state_->widget)
        return;
    QWidget* w = state_->widget;
    if (w->isMinimized())
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->raise();
    w->activateWindow();
}

void Wnd::SetIcon(Icon icon, bool)
{
    WndState& s = wndState(*this);
    s.icon = icon;
    if (s.widget && icon)
        s.widget->setWindowIcon(iconToQt(icon));
}

// ---- focus and capture ----

Wnd* Wnd::SetFocus()
{
    Wnd* previous = g_focus;
    if (previous == this)
        return previous;
    g_focus = this;
    if (state_ && state_->surface)
        state_->surface->setFocus(Qt::OtherFocusReason);
    if (isLive(previous))
        guarded([&] { previous->OnKillFocus(this); });
    if (g_focus == this)
        OnSetFocus(isLive(previous) ? previous : nullptr);
    return previous;
}

Wnd* Wnd::GetFocus() { return g_focus; }

Wnd* Wnd::SetCapture()
{
    Wnd* previous = g_capture;
    g_capture = this;
    if (state_ && state_->surface && state_->surface->isVisible() && !headlessHost())
        state_->surface->viewport()->grabMouse();
    return previous;
}

Wnd* Wnd::GetCapture() { return g_capture; }

bool Wnd::ReleaseCapture()
{
    Wnd* held = g_capture;
    g_capture = nullptr;
    if (isLive(held) && held->state_ && held->state_->surface)
        held->state_->surface->viewport()->releaseMouse();
    return true;
}

// Called when a window goes: it no longer holds the focus or the capture.
void forgetWindow(Wnd* w)
{
    if (g_focus == w)
        g_focus = nullptr;
    if (g_capture == w)
        g_capture = nullptr;
}

// Focus changes Qt reports (a click into another view) update the same bookkeeping.
void noteQtFocus(Wnd* w, bool gained)
{
    if (gained) {
        if (g_focus != w)
            w->SetFocus();
    } else if (g_focus == w) {
        g_focus = nullptr;
        guarded([&] { w->OnKillFocus(nullptr); });
    }
}

// ---- timers ----

unsigned Wnd::SetTimer(unsigned id, unsigned periodMs)
{
    uiHost().setTimer(this, id, periodMs);
    return id;
}

bool Wnd::KillTimer(unsigned id)
{
    uiHost().killTimer(this, id);
    return true;
}

// ---- scroll bars ----

bool Wnd::SetScrollInfo(int bar, const ScrollInfo& info, bool)
{
    if (bar != kSbHorz && bar != kSbVert)
        return false;
    WndState& s = wndState(*this);
    ScrollInfo& m = s.scroll[bar];
    if (info.mask & kSifRange) {
        m.min = info.min;
        m.max = info.max;
    }
    if (info.mask & kSifPage)
        m.page = info.page;
    if (info.mask & kSifPos)
        m.pos = info.pos;
    const int span = m.max - m.min;
    const bool scrollable = span > 0 && (m.page == 0 || static_cast<int>(m.page) <= span);
    const int maxPos = m.max - std::max(static_cast<int>(m.page) - 1, 0);
    m.pos = std::clamp(m.pos, m.min, std::max(m.min, maxPos));
    if (scrollable) {
        s.scrollShown[bar] = true;
        s.scrollEnabled[bar] = true;
    } else if (info.mask & kSifDisableNoScroll) {
        s.scrollShown[bar] = true;
        s.scrollEnabled[bar] = false;
    } else if (info.mask & kSifRange) {
        s.scrollShown[bar] = false;
    }
    if (s.surface)
        s.surface->applyScroll(bar);
    return true;
}

bool Wnd::GetScrollInfo(int bar, ScrollInfo* info, unsigned mask) const
{
    if ((bar != kSbHorz && bar != kSbVert) || !info)
        return false;
    const ScrollInfo m = state_ ? state_->scroll[bar] : ScrollInfo{};
    info->mask = mask;
    if (mask & kSifRange) {
        info->min = m.min;
        info->max = m.max;
    }
    if (mask & kSifPage)
        info->page = m.page;
    if (mask & kSifPos)
        info->pos = m.pos;
    if (mask & kSifTrackPos)
        info->trackPos = m.trackPos;
    return true;
}

int Wnd::SetScrollPos(int bar, int pos, bool redraw)
{
    const int previous = GetScrollPos(bar);
    ScrollInfo info;
    info.mask = kSifPos;
    info.pos = pos;
    SetScrollInfo(bar, info, redraw);
    return previous;
}

int Wnd::GetScrollPos(int bar) const
{
    if (!state_ || (bar != kSbHorz && bar != kSbVert))
        return 0;
    return state_->scroll[bar].pos;
}

void Wnd::SetScrollRange(int bar, int minPos, int maxPos, bool redraw)
{
    ScrollInfo info;
    info.mask = kSifRange;
    info.min = minPos;
    info.max = maxPos;
    SetScrollInfo(bar, info, redraw);
}

void Wnd::GetScrollRange(int bar, int* minPos, int* maxPos) const
{
    ScrollInfo info;
    GetScrollInfo(bar, &info, kSifRange);
    if (minPos)
        *minPos = info.min;
    if (maxPos)
        *maxPos = info.max;
}

void Wnd::ShowScrollBar(int bar, bool show) { setScrollFlag(wndState(*this), &WndState::scrollShown, bar, show); }

bool Wnd::EnableScrollBarCtrl(int bar, bool enable)
{
    setScrollFlag(wndState(*this), &WndState::scrollEnabled, bar, enable);
    return true;
}

// ---- menus, files, frames ----

Menu* Wnd::GetMenu() const
{
    if (const auto* f = dynamic_cast<const MDIFrameWnd*>(this))
        return f->GetMenu();
    if (const auto* d = dynamic_cast<const Dialog*>(this))
        return d->dialogMenu();
    return nullptr;
}

void Wnd::DrawMenuBar()
{
    if (auto* f = dynamic_cast<MDIFrameWnd*>(this))
        f->menuChanged();
    else if (auto* d = dynamic_cast<Dialog*>(this); d && d->menuChangedHook)
        d->menuChangedHook();
}

void Wnd::DragAcceptFiles(bool accept)
{
    WndState& s = wndState(*this);
    s.acceptFiles = accept;
    if (s.widget)
        s.widget->setAcceptDrops(accept);
}

FrameWnd* Wnd::GetParentFrame() const
{
    for (Wnd* w = GetParent(); w; w = w->GetParent())
        if (auto* f = dynamic_cast<FrameWnd*>(w))
            return f;
    return nullptr;
}

FrameWnd* Wnd::GetTopLevelFrame() const
{
    FrameWnd* top = dynamic_cast<FrameWnd*>(const_cast<Wnd*>(this));
    for (Wnd* w = GetParent(); w; w = w->GetParent())
        if (auto* f = dynamic_cast<FrameWnd*>(w))
            top = f;
    return top;
}

std::optional<CreateStruct> preCreateWindow(Wnd& w, unsigned style, Wnd* parent, unsigned id, const Rect& rect)
{
    CreateStruct cs;
    cs.style = style;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.width();
    cs.cy = rect.height();
    cs.parent = parent;
    cs.id = id;
    if (!w.PreCreateWindow(cs))
        return std::nullopt;
    static_cast<WindowDescription&>(wndState(w)) = cs;
    return cs;
}

WndState& wndState(Wnd& w)
{
    if (!w.state_)
        w.state_ = std::make_unique<WndState>(&w);
    return *w.state_;
}

// ---------------------------------------------------------------------------------------------
// Device contexts by scope

ClientDC::ClientDC(Wnd* wnd) : wnd_(wnd), dc_(wnd->GetDC()) {}
ClientDC::~ClientDC() { wnd_->ReleaseDC(dc_); }

PaintDC::PaintDC(Wnd* wnd) : ClientDC(wnd)
{
    const WndState* s = wnd->state();
    if (s && s->paintRect) {
        paintRect_ = *s->paintRect;
        erase_ = s->paintErase;
        get()->setSystemClip(Region(paintRect_));
    } else {
        paintRect_ = wnd->clientRect();
    }
}

}  // namespace plat
