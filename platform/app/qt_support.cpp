// Small pieces the layer's files share: text conversion at the Qt boundary, images and cursors
// from the resources, the pointer, screen metrics.
#include "platform/app/resources.h"
#include "platform/app/wnd_state.h"
#include "platform/core/test_ui_host.h"
#include "platform/gdi/raster_dc.h"
#include "platform/gdi/raster_dc_qt.h"

#include <QApplication>
#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStyle>

namespace plat {
namespace {

Cursor g_cursor = kIdcArrow;
int g_cursorCount = 0;

bool isStandardCursor(unsigned id) { return (id >= kIdcArrow && id <= kIdcUpArrow) || (id >= kIdcSizeNWSE && id <= kIdcHand); }

}  // namespace

QString toQt(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }
std::string fromQt(const QString& text) { return text.toLatin1().toStdString(); }
QString pathToQt(std::string_view path) { return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())); }
std::string pathFromQt(const QString& path) { return path.toUtf8().toStdString(); }
QString menuTextToQt(std::string_view text) { return toQt(text); }

void discardBarContents(QWidget* bar)
{
    const QList<QAction*> actions = bar->actions();
    for (QAction* action : actions)
        discardBarAction(bar, action);
}

void discardBarAction(QWidget* bar, QAction* action)
{
    bar->removeAction(action);
    if (QMenu* menu = action->menu<QMenu*>(); menu && menu->parent() == bar)
        menu->deleteLater();   // its actions and submenus go with it
    else if (action->parent() == bar)
        action->deleteLater();   // a toolbar's placed widget goes with its action
}

bool headlessHost() { return dynamic_cast<TestUiHost*>(installedUiHost()) != nullptr; }

std::unique_ptr<Dc> makeImageDc(QImage& image) { return std::make_unique<RasterDc>(ExternalImage{image}); }

QPixmap imagePixmap(unsigned id, int width, int height)
{
    const ImageResource* r = findImage(id);
    if (r && !r->svg.empty())
        if (QPixmap drawn = renderDrawnImage(r->svg, r->width, r->height, screenPixelRatio()); !drawn.isNull())
            return drawn;
    if (r && !r->argb.empty() && static_cast<int>(r->argb.size()) >= r->width * r->height) {
        QImage image(r->width, r->height, QImage::Format_ARGB32);
        for (int y = 0; y < r->height; ++y)
            for (int x = 0; x < r->width; ++x)
                image.setPixel(x, y, r->argb[static_cast<size_t>(y * r->width + x)]);
        return QPixmap::fromImage(image);
    }
    // A placeholder: a framed square in a colour derived from the id, so images tell apart.
    const int w = r ? r->width : width;
    const int h = r ? r->height : height;
    QPixmap pixmap(std::max(w, 1), std::max(h, 1));
    pixmap.fill(QColor::fromHsv(static_cast<int>((id * 47) % 360), 90, 220));
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return pixmap;
}

QCursor cursorToQt(Cursor c)
{
    switch (c) {
    case kIdcArrow: return QCursor(Qt::ArrowCursor);
    case kIdcIBeam: return QCursor(Qt::IBeamCursor);
    case kIdcWait: return QCursor(Qt::WaitCursor);
    case kIdcCross: return QCursor(Qt::CrossCursor);
    case kIdcUpArrow: return QCursor(Qt::UpArrowCursor);
    case kIdcSizeNWSE: return QCursor(Qt::SizeFDiagCursor);
    case kIdcSizeNESW: return QCursor(Qt::SizeBDiagCursor);
    case kIdcSizeWE: return QCursor(Qt::SizeHorCursor);
    case kIdcSizeNS: return QCursor(Qt::SizeVerCursor);
    case kIdcSizeAll: return QCursor(Qt::SizeAllCursor);
    case kIdcNo: return QCursor(Qt::ForbiddenCursor);
    case kIdcHand: return QCursor(Qt::PointingHandCursor);
    default: break;
    }
    const ImageResource* r = findImage(c, ImageResource::Kind::Cursor);
    if (!r || (r->argb.empty() && r->svg.empty()))
        return QCursor(Qt::CrossCursor);   // resource cursors without pixels: a cross serves
    if (!r->svg.empty())
        return QCursor(renderDrawnImage(r->svg, r->width, r->height, screenPixelRatio()), r->hotX, r->hotY);
    return QCursor(imagePixmap(c, r->width, r->height), r->hotX, r->hotY);
}

QIcon iconToQt(Icon id)
{
    const ImageResource* r = findImage(id);
    if (!r || r->svg.empty())
        return QIcon(imagePixmap(id, 16, 16));
    // Window and taskbar pick the size they show from these.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(renderDrawnImage(r->svg, size, size, 1.0));
    return icon;
}

Cursor LoadCursor(unsigned id)
{
    if (isStandardCursor(id))
        return id;
    const ImageResource* r = findImage(id);
    return r ? id : 0;
}

Cursor LoadStandardCursor(unsigned idc) { return isStandardCursor(idc) ? idc : 0; }

Cursor SetCursor(Cursor cursor)
{
    const Cursor previous = g_cursor;
    g_cursor = cursor;
    // The pointer shape belongs to the window it is over (or the one holding the capture).
    Wnd* target = Wnd::GetCapture();
    if (!target && QApplication::instance()) {
        QWidget* under = QApplication::widgetAt(QCursor::pos());
        for (QWidget* w = under; w && !target; w = w->parentWidget())
            if (auto* s = dynamic_cast<SurfaceWidget*>(w))
                target = s->wnd();
    }
    if (!target)
        target = Wnd::GetFocus();
    if (target && target->state() && target->state()->surface) {
        if (cursor)
            target->state()->surface->viewport()->setCursor(cursorToQt(cursor));
        else
            target->state()->surface->viewport()->setCursor(Qt::BlankCursor);
    }
    return previous;
}

Cursor GetCursor() { return g_cursor; }

Icon LoadIcon(unsigned id) { return findImage(id) ? id : 0; }

bool GetCursorPos(Point* point)
{
    const QPoint p = QCursor::pos();
    *point = {p.x(), p.y()};
    return true;
}

bool SetCursorPos(int x, int y)
{
    if (!headlessHost())
        QCursor::setPos(x, y);
    return true;
}

void ClipCursor(const Rect*) {}

int ShowCursor(bool show)
{
    g_cursorCount += show ? 1 : -1;
    return g_cursorCount;
}

int GetSystemMetrics(int index)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect geometry = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    switch (index) {
    case kSmCxScreen: return geometry.width();
    case kSmCyScreen: return geometry.height();
    case kSmCxVScroll:
    case kSmCyHScroll: return QApplication::instance() ? QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 16;
    case kSmCyCaption: return 23;
    case kSmCyMenu: return 20;
    case kSmCySizeFrame: return 4;
    case kSmCySmCaption: return 17;
    default: return 0;
    }
}

// Fixed base units keep the dialogs' unit arithmetic the same on every desktop.
long GetDialogBaseUnits() { return 8 | (16L << 16); }

}  // namespace plat
