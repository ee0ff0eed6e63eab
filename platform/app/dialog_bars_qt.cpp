// The menu bar and toolbar of a dialog that is an editor window: both send their commands to
// the dialog, and both follow its update-UI handlers (menus when a popup opens, toolbar buttons
// on a short timer, as the idle update of a frame would).
#include "platform/app/cmd_target.h"
#include "platform/app/dialog.h"
#include "platform/app/wnd_state.h"

#include <QAction>
#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <functional>

namespace plat {
namespace {

// Asks the dialog's handlers about one action's command.
void updateAction(Dialog& d, QAction* action)
{
    if (action->isSeparator() || action->menu() || !action->data().isValid())
        return;
    const unsigned id = action->data().toUInt();
    CmdUI ui(id);
    d.OnCmdMsg(id, &ui);
    if (!ui.handled) {
        action->setEnabled(d.hasCommandHandler(id));
        return;
    }
    action->setEnabled(ui.enabled());
    if (ui.check() >= 0) {
        action->setCheckable(true);
        action->setChecked(ui.check() > 0);
    }
}

QAction* commandAction(Dialog& d, QWidget* owner, QAction* action, unsigned id)
{
    action->setData(id);
    QObject::connect(action, &QAction::triggered, owner, [&d, id] {
        if (isLiveWnd(&d))
            dispatchCommand(&d, id);
    });
    return action;
}

QMenuBar* makeMenuBar(Dialog& d, QDialog* owner, const MenuResource& menu)
{
    auto* bar = new QMenuBar(owner);
    fillMenuBarItems(
        bar, menu.items, [&d, owner](QAction* a, const MenuItem& m) { commandAction(d, owner, a, m.id); },
        [&d, owner](QMenu* q) {
            QObject::connect(q, &QMenu::aboutToShow, owner, [&d, q] {
                if (isLiveWnd(&d))
                    guarded([&] {
                        for (QAction* a : q->actions())
                            updateAction(d, a);
                    });
            });
        });
    return bar;
}

// Tells the dialog when the pointer leaves its toolbar.
class ToolbarLeave : public QObject {
public:
    ToolbarLeave(Dialog& d, QObject* parent) : QObject(parent), d_(&d) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Leave && isLiveWnd(d_))
            guarded([&] { d_->OnToolbarPointer(0); });
        return QObject::eventFilter(watched, event);
    }

private:
    Dialog* d_;
};

QToolBar* makeToolBar(Dialog& d, QDialog* owner, const ToolbarResource& resource)
{
    auto* bar = new QToolBar(owner);
    bar->installEventFilter(new ToolbarLeave(d, bar));
    bar->setIconSize(QSize(resource.buttonWidth, resource.buttonHeight));
    bar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (const unsigned id : resource.buttons) {
        if (id == 0) {
            bar->addSeparator();
            continue;
        }
        QAction* a = commandAction(d, owner, bar->addAction(commandIcon(id, resource.buttonWidth, resource.buttonHeight), {}), id);
        a->setToolTip(toQt(commandTooltip(id)));
        QObject::connect(a, &QAction::hovered, bar, [&d, id] {
            if (isLiveWnd(&d))
                guarded([&] { d.OnToolbarPointer(id); });
        });
    }
    auto* timer = new QTimer(bar);
    QPointer<QToolBar> guard(bar);
    QObject::connect(timer, &QTimer::timeout, bar, [&d, guard] {
        if (!guard || !isLiveWnd(&d))
            return;
        guarded([&] {
            for (QAction* a : guard->actions())
                updateAction(d, a);
        });
    });
    timer->start(150);
    return bar;
}

}  // namespace

void addDialogBars(Dialog& d, QDialog* widget, const DialogTemplate& t)
{
    const MenuResource* menu = t.menu ? findMenu(t.menu) : nullptr;
    const ToolbarResource* toolbar = t.toolbar ? findToolbar(t.toolbar) : nullptr;
    if ((!menu && !toolbar) || !widget->layout())
        return;
    auto* top = new QWidget(widget);
    auto* column = new QVBoxLayout(top);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    if (menu)
        column->addWidget(makeMenuBar(d, widget, *menu));
    if (toolbar)
        column->addWidget(makeToolBar(d, widget, *toolbar));
    // The dialog's layout sizes its menu-bar widget from the menu bar's height for the width
    // alone, which leaves no room for the toolbar's row: hold the whole column's size.
    top->setMinimumSize(column->sizeHint());
    widget->layout()->setMenuBar(top);
}

}  // namespace plat
