// Menus built from menu items, and context menus at the pointer.
#include "platform/app/frame_wnd.h"
#include "platform/app/menu.h"
#include "platform/app/wnd_state.h"

#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <type_traits>

namespace plat {
namespace {

unsigned g_nextPopupChoice = 0;

// Adds items to a menu or a menu bar: popups as menus filled in turn, commands through
// addCommand, separators in menus (a menu bar shows none).
template <typename QtMenu>
void addMenuItems(QtMenu* into, const std::vector<MenuItem>& items,
                  const std::function<void(QAction*, const MenuItem&)>& addCommand,
                  const std::function<void(QMenu*)>& onPopup)
{
    for (const MenuItem& m : items) {
        if (m.kind == MenuItem::Kind::Separator) {
            if constexpr (std::is_same_v<QtMenu, QMenu>)
                into->addSeparator();
        } else if (m.kind == MenuItem::Kind::Popup) {
            fillQtMenu(into->addMenu(menuTextToQt(m.text)), m.items, addCommand, onPopup);
        } else {
            addCommand(into->addAction(menuTextToQt(m.text)), m);
        }
    }
}

}  // namespace

void fillQtMenu(QMenu* qmenu, const std::vector<MenuItem>& items,
                const std::function<void(QAction*, const MenuItem&)>& addCommand,
                const std::function<void(QMenu*)>& onPopup)
{
    addMenuItems(qmenu, items, addCommand, onPopup);
    if (onPopup)
        onPopup(qmenu);
}

void fillMenuBarItems(QMenuBar* bar, const std::vector<MenuItem>& items,
                      const std::function<void(QAction*, const MenuItem&)>& addCommand,
                      const std::function<void(QMenu*)>& onPopup)
{
    addMenuItems(bar, items, addCommand, onPopup);
}

void showMenuItemState(QAction* action, const MenuItem& item)
{
    action->setData(item.id);
    action->setCheckable((item.flags & kMfChecked) != 0);
    action->setChecked((item.flags & kMfChecked) != 0);
    action->setEnabled(!(item.flags & (kMfGrayed | kMfDisabled)));
}

void Menu::chooseNextPopupCommand(unsigned id) { g_nextPopupChoice = id; }

int Menu::TrackPopupMenu(unsigned flags, int x, int y, Wnd* owner)
{
    // The owner's frame brings check marks and enabled states up to date first.
    if (owner)
        if (FrameWnd* frame = owner->GetTopLevelFrame())
            frame->updateMenuCommandUI(*this);
    unsigned chosen = 0;
    if (headlessHost()) {
        chosen = g_nextPopupChoice;
        g_nextPopupChoice = 0;
    } else {
        QMenu menu;
        fillQtMenu(&menu, items(), showMenuItemState);
        if (QAction* a = menu.exec(QPoint(x, y)))
            chosen = a->data().toUInt();
    }
    if (flags & kTpmReturnCmd)
        return static_cast<int>(chosen);
    if (chosen && owner)
        dispatchCommand(owner, chosen);
    return chosen != 0;
}

}  // namespace plat
