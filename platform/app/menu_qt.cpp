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
        std::function<void(QMenu*, const std::vector<MenuItem>&)> fill = [&](QMenu* q, const std::vector<MenuItem>& list) {
            for (const MenuItem& m : list) {
                if (m.kind == MenuItem::Kind::Separator) {
                    q->addSeparator();
                } else if (m.kind == MenuItem::Kind::Popup) {
                    fill(q->addMenu(menuTextToQt(m.text)), m.items);
                } else {
                    QAction* a = q->addAction(menuTextToQt(m.text));
                    a->setData(m.id);
                    a->setCheckable((m.flags & kMfChecked) != 0);
                    a->setChecked((m.flags & kMfChecked) != 0);
                    a->setEnabled(!(m.flags & (kMfGrayed | kMfDisabled)));
                }
            }
        };
        fill(&menu, items());
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
