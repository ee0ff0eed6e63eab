// The widget behind every window the programs paint: it shows the backing image and turns Qt's
// input into the window's messages.
#include "platform/app/dialog.h"
#include "platform/app/keys.h"
#include "platform/app/message_pump.h"
#include "platform/app/wnd_state.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QUrl>
#include <QWheelEvent>

#include <cmath>

namespace plat {
namespace {

unsigned buttonMessage(Qt::MouseButton button, bool down)
{
    switch (button) {
    case Qt::LeftButton: return down ? kWmLButtonDown : kWmLButtonUp;
    case Qt::RightButton: return down ? kWmRButtonDown : kWmRButtonUp;
    case Qt::MiddleButton: return down ? kWmMButtonDown : kWmMButtonUp;
    default: return 0;
    }
}

Point clientPoint(const QPointF& p) { return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))}; }

}  // namespace

SurfaceWidget::SurfaceWidget(Wnd* wnd, QWidget* parent) : QAbstractScrollArea(parent), wnd_(wnd)
{
    ensureInputFilter();
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);   // moves without a button arrive too
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int bar : {kSbHorz, kSbVert}) {
        QScrollBar* sb = bar == kSbHorz ? horizontalScrollBar() : verticalScrollBar();
        connect(sb, &QScrollBar::actionTriggered, this, [this, bar](int action) { scrollAction(bar, action); });
        connect(sb, &QScrollBar::sliderReleased, this, [this, bar] { scrollReleased(bar); });
        sb->installEventFilter(this);
    }
}

SurfaceWidget::~SurfaceWidget() = default;

void SurfaceWidget::applyScroll(int bar)
{
    if (!wnd_ || !wnd_->state())
        return;
    const WndState& s = *wnd_->state();
    QScrollBar* sb = bar == kSbHorz ? horizontalScrollBar() : verticalScrollBar();
    const ScrollInfo& m = s.scroll[bar];
    const QSignalBlocker block(sb);   // setting from code notifies nothing
    const int page = static_cast<int>(m.page);
    sb->setRange(m.min, std::max(m.min, m.max - std::max(page - 1, 0)));
    sb->setPageStep(std::max(page, 1));
    sb->setSingleStep(1);
    sb->setValue(m.pos);
    sb->setEnabled(s.scrollEnabled[bar]);
    const auto policy = s.scrollShown[bar] ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (bar == kSbHorz)
        setHorizontalScrollBarPolicy(policy);
    else
        setVerticalScrollBarPolicy(policy);
}

void SurfaceWidget::applyCursor()
{
    if (wnd_ && wnd_->state() && wnd_->state()->classCursor)
        viewport()->setCursor(cursorToQt(wnd_->state()->classCursor));
}

// The program decides where the thumb goes: after each action but thumb tracking, the bar
// shows the position the window's handler set.
void SurfaceWidget::scrollAction(int bar, int action)
{
    if (!wnd_)
        return;
    QScrollBar* sb = bar == kSbHorz ? horizontalScrollBar() : verticalScrollBar();
    const std::optional<unsigned> scrolled = scrollCodeFromQt(action);
    if (!scrolled)
        return;
    const unsigned code = *scrolled;
    const int pos = sb->sliderPosition();
    Wnd* w = wnd_;
    if (code == kSbThumbTrack) {
        tracking_[bar] = true;
        wndState(*w).scroll[bar].trackPos = pos;
    }
    const unsigned message = bar == kSbHorz ? kWmHScroll : kWmVScroll;
    dispatchInput(w, Msg{message, scrollParam(code, pos), 0, w});
    if (code != kSbThumbTrack && wnd_ && wnd_->state())
        sb->setSliderPosition(wnd_->state()->scroll[bar].pos);
}

void SurfaceWidget::scrollReleased(int bar)
{
    if (!wnd_ || !tracking_[bar])
        return;
    tracking_[bar] = false;
    Wnd* w = wnd_;
    const QScrollBar* sb = bar == kSbHorz ? horizontalScrollBar() : verticalScrollBar();
    const unsigned message = bar == kSbHorz ? kWmHScroll : kWmVScroll;
    dispatchInput(w, Msg{message, scrollParam(kSbThumbPosition, sb->sliderPosition()), 0, w});
}

// Letting go of a scroll bar (arrow, page area or thumb) ends the scroll: the programs apply
// nothing until kSbEndScroll arrives. It is sent once the bar has handled the release.
bool SurfaceWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == horizontalScrollBar() || watched == verticalScrollBar())) {
        const int bar = watched == horizontalScrollBar() ? kSbHorz : kSbVert;
        QMetaObject::invokeMethod(this, [this, bar] {
            if (Wnd* w = wnd_)
                dispatchInput(w, Msg{bar == kSbHorz ? kWmHScroll : kWmVScroll, kSbEndScroll, 0, w});
        }, Qt::QueuedConnection);
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

bool SurfaceWidget::viewportEvent(QEvent* event)
{
    Wnd* w = wnd_;
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter p(viewport());
        if (w && w->state() && !w->state()->backing.isNull())
            p.drawImage(0, 0, w->state()->backing);
        else
            p.fillRect(rect(), Qt::white);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:   // a second quick click is a plain press
    case QEvent::MouseButtonRelease: {
        if (!w)
            return true;
        auto* me = static_cast<QMouseEvent*>(event);
        const bool down = event->type() != QEvent::MouseButtonRelease;
        const unsigned message = buttonMessage(me->button(), down);
        if (message == 0)
            return true;
        if (down && me->button() == Qt::LeftButton && Wnd::GetFocus() != w)
            guarded([&] { w->SetFocus(); });
        const unsigned flags = mouseFlagsFromQt(me->buttons(), me->modifiers());
        dispatchInput(w, Msg{message, flags, makePointParam(clientPoint(me->position())), w});
        return true;
    }
    case QEvent::MouseMove: {
        if (!w)
            return true;
        auto* me = static_cast<QMouseEvent*>(event);
        dispatchInput(w, Msg{kWmMouseMove, mouseFlagsFromQt(me->buttons(), me->modifiers()),
                             makePointParam(clientPoint(me->position())), w});
        return true;
    }
    case QEvent::Wheel: {
        if (!w)
            return true;
        auto* we = static_cast<QWheelEvent*>(event);
        const int delta = we->angleDelta().y();
        if (delta == 0)
            return true;
        const QPointF g = we->globalPosition();
        const unsigned flags = mouseFlagsFromQt(we->buttons(), we->modifiers()) |
                               (static_cast<unsigned>(static_cast<uint16_t>(static_cast<int16_t>(delta))) << 16);
        dispatchInput(w, Msg{kWmMouseWheel, flags, makePointParam(clientPoint(g)), w});
        return true;
    }
    case QEvent::ContextMenu:
        return true;   // the right button arrives as button messages only
    case QEvent::ToolTip: {
        // A drawn frame's dialog says what its tooltip at the point is.
        auto* control = dynamic_cast<Control*>(w);
        auto* he = static_cast<QHelpEvent*>(event);
        std::optional<std::string> tip;
        if (control && control->dialog())
            guarded([&] { tip = control->dialog()->OnControlToolTip(*control, clientPoint(he->pos())); });
        if (tip && !tip->empty())
            QToolTip::showText(he->globalPos(), toQt(*tip), viewport());
        else
            QToolTip::hideText();
        return true;
    }
    case QEvent::DragEnter: {
        auto* de = static_cast<QDragEnterEvent*>(event);
        if (acceptsDroppedFiles(w, de->mimeData()))
            de->acceptProposedAction();
        return true;
    }
    case QEvent::Drop:
        deliverDroppedFiles(w, static_cast<QDropEvent*>(event)->mimeData());
        return true;
    default:
        return QAbstractScrollArea::viewportEvent(event);
    }
}

void SurfaceWidget::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    Wnd* w = wnd_;
    if (!w || !w->IsWindow())
        return;
    WndState& s = *w->state();
    s.ensureBacking();
    const Size client = s.clientSize();
    s.size = client;
    // Windows redraw whole on every size change.
    w->Invalidate(true);
    guarded([&] { w->OnSize(s.zoomed ? kSizeMaximized : kSizeRestored, client.cx, client.cy); });
}

void SurfaceWidget::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    if (wnd_)
        noteQtFocus(wnd_, true);
}

void SurfaceWidget::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    // Focus moving to a popup or another application keeps the platform's focus where it was.
    if (wnd_ && event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        noteQtFocus(wnd_, false);
}

void SurfaceWidget::keyPressEvent(QKeyEvent* event)
{
    Wnd* w = wnd_;
    if (!w)
        return;
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    const unsigned vk = vkFromQt(event->key(), event->modifiers(), keypad);
    const bool alt = event->modifiers() & Qt::AltModifier;
    const intptr_t lParam = (event->isAutoRepeat() ? (1 << 30) : 0) | 1;
    if (vk != 0)
        dispatchInput(w, Msg{alt ? kWmSysKeyDown : kWmKeyDown, vk, lParam, w});
    const QString text = event->text();
    if (wnd_ && text.size() == 1) {
        const QChar c = text.at(0);
        // Only printable Latin-1 characters, Enter, Backspace and Escape become characters.
        const ushort u = c.unicode();
        if ((u >= 0x20 && u <= 0xFF && u != 0x7F) || u == 0x0D || u == 0x08 || u == 0x1B)
            dispatchInput(w, Msg{alt ? kWmSysChar : kWmChar, u, lParam, w});
    }
}

void SurfaceWidget::keyReleaseEvent(QKeyEvent* event)
{
    Wnd* w = wnd_;
    if (!w || event->isAutoRepeat())
        return;
    const unsigned vk = vkFromQt(event->key(), event->modifiers(), event->modifiers() & Qt::KeypadModifier);
    if (vk != 0)
        dispatchInput(w, Msg{kWmKeyUp, vk, static_cast<intptr_t>(1) | (intptr_t(3) << 30), w});
}

bool acceptsDroppedFiles(const Wnd* w, const QMimeData* data)
{
    return w && w->state() && w->state()->acceptFiles && data->hasUrls();
}

void deliverDroppedFiles(Wnd* w, const QMimeData* data)
{
    std::vector<std::string> paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths.push_back(pathFromQt(url.toLocalFile()));
    if (w && !paths.empty())
        guarded([&] { w->OnDropFiles(paths); });
}

}  // namespace plat
