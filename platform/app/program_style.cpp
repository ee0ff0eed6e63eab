// The widget style the programs draw their frames and bars with: the platform's own, with the
// standard icons (a document window's system menu, its title-bar buttons) drawn once and kept.
// Each document window asked for them anew, and drawing them from their image files took longer
// than laying out the window.

#include "platform/app/wnd_state.h"

#include <QApplication>
#include <QIcon>
#include <QPointer>
#include <QProxyStyle>
#include <QWidget>

#include <map>
#include <utility>

namespace plat {
namespace {

class ProgramStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        // An option may carry a state or palette that changes the picture: those are not kept.
        if (option)
            return QProxyStyle::standardIcon(icon, option, widget);
        const Qt::LayoutDirection direction = widget ? widget->layoutDirection() : QGuiApplication::layoutDirection();
        const auto key = std::make_pair(static_cast<int>(icon), direction);
        const auto kept = icons_.find(key);
        if (kept != icons_.end())
            return kept->second;
        QIcon made = QProxyStyle::standardIcon(icon, option, widget);
        icons_.emplace(key, made);
        return made;
    }

private:
    mutable std::map<std::pair<int, Qt::LayoutDirection>, QIcon> icons_;   // one per kind and direction
};

}  // namespace

void ensureProgramStyle()
{
    static QPointer<QStyle> installed;
    if (!qApp || (installed && QApplication::style() == installed.data()))
        return;
    // The application owns the style from here on.
    auto* style = new ProgramStyle(QApplication::style()->name());
    QApplication::setStyle(style);
    installed = style;
}

}  // namespace plat
