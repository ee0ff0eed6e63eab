// Context menus at the pointer.
#include "platform/app/frame_wnd.h"
#include "platform/app/menu.h"
#include "platform/app/wnd_state.h"

#include <QMenu>

#include <functional>

namespace plat {
namespace {

unsigned g_nextPopupChoice = 0;

}  // namespace

void fillQtMenu(QMenu* qmenu, const std::vector<MenuItem>& items,
                const std::function<void(QAction*, const MenuItem&)>& addCommand,
                const std::function<void(QMenu*)>& onPopup)
{
    for (const MenuItem& m : items) {
        if (m.kind == MenuItem::Kind::Separator)
            qmenu->addSeparator();
        else if (m.kind == MenuItem::Kind::Popup)
            fillQtMenu(qmenu->addMenu(menuTextToQt(m.text)), m.items, addCommand, onPopup);
        else
            addCommand(qmenu->addAction(menuTextToQt(m.text)), m);
    }
    if (onPopup)
        onPopup(qmenu);
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
