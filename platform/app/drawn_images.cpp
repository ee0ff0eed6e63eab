// Our drawn pictures: SVG text from the resources rendered with Qt SVG at the size a bar or a
// window asks for, at the screen's pixel density so they stay sharp on high-density screens.
#include "platform/app/resources.h"
#include "platform/app/wnd_state.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>

namespace plat {
namespace {

// Pictures are made for the density of the densest screen and for plain density, so a window
// moved between screens finds one that fits.
std::vector<double> pixelRatios()
{
    const double screen = screenPixelRatio();
    std::vector<double> ratios{1.0, 2.0};
    if (screen > 0 && std::find(ratios.begin(), ratios.end(), screen) == ratios.end())
        ratios.push_back(screen);
    return ratios;
}

QPixmap renderUncached(std::string_view svg, int width, int height, double pixelRatio)
{
    QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    if (!renderer.isValid())
        return {};
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QPixmap pixmap(static_cast<int>(std::lround(width * pixelRatio)), static_cast<int>(std::lround(height * pixelRatio)));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, pixmap.width(), pixmap.height()));
    }
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

// Every rebuild of a menu bar or toolbar asks for the same pictures again; drawing them from
// SVG each time cost about a quarter of opening a document. The pictures come from the
// resources, so the caches hold a bounded set; one is emptied if it ever outgrows that.
using DrawnKey = std::tuple<std::string, int, int, double>;
constexpr size_t kMaxCachedImages = 2048;

struct DrawnCaches {
    std::map<DrawnKey, QPixmap> pixmaps;
    std::map<DrawnKey, QIcon> icons;
};

void forgetDrawnImages();

DrawnCaches& drawnCaches()
{
    static DrawnCaches caches;
    static const bool registered = [] {
        // Pixmaps must go before the application object that owns the graphics system.
        qAddPostRoutine(forgetDrawnImages);
        return true;
    }();
    (void)registered;
    return caches;
}

void forgetDrawnImages() { drawnCaches() = DrawnCaches{}; }

template <class Value, class Make> Value cached(std::map<DrawnKey, Value>& cache, DrawnKey key, Make make)
{
    if (const auto found = cache.find(key); found != cache.end())
        return found->second;
    Value made = make();
    if (cache.size() >= kMaxCachedImages)
        cache.clear();
    cache.emplace(std::move(key), made);
    return made;
}

}  // namespace

double screenPixelRatio()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap renderDrawnImage(std::string_view svg, int width, int height, double pixelRatio)
{
    if (svg.empty() || width <= 0 || height <= 0 || pixelRatio <= 0)
        return {};
    return cached(drawnCaches().pixmaps, DrawnKey{std::string(svg), width, height, pixelRatio},
                  [&] { return renderUncached(svg, width, height, pixelRatio); });
}

QIcon commandIcon(unsigned command, int width, int height)
{
    const CommandImage* image = findCommandImage(command);
    if (!image)
        return {};
    if (!image->themeName.empty()) {
        const QString name = QString::fromLatin1(image->themeName.data(), static_cast<qsizetype>(image->themeName.size()));
        if (QIcon::hasThemeIcon(name))
            return QIcon::fromTheme(name);
    }
    return cached(drawnCaches().icons, DrawnKey{std::string(image->svg), width, height, screenPixelRatio()}, [&] {
        // Toolbar pictures are drawn on a square grid; a bar one pixel shorter than wide
        // (16 x 15) shows them at full scale without their bottom row rather than blurred.
        const int side = std::max(width, height);
        QIcon icon;
        for (double ratio : pixelRatios())
            if (QPixmap pixmap = renderDrawnImage(image->svg, side, side, ratio); !pixmap.isNull()) {
                QPixmap cropped = pixmap.copy(0, 0, static_cast<int>(std::lround(width * ratio)),
                                              static_cast<int>(std::lround(height * ratio)));
                cropped.setDevicePixelRatio(ratio);
                icon.addPixmap(cropped);
            }
        return icon;
    });
}

}  // namespace plat
