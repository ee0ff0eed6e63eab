#include "platform/app/menu_bar_cache.h"

#include "platform/app/wnd_state.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace plat {
namespace {

// Whether two item trees differ at most in their items' texts and states: the same kinds and
// command ids in the same places.
bool sameShape(const std::vector<MenuItem>& a, const std::vector<MenuItem>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const MenuItem& x, const MenuItem& y) {
        return x.kind == y.kind && x.id == y.id && sameShape(x.items, y.items);
    });
}

void showText(QAction* action, const MenuItem& item)
{
    const QString text = menuTextToQt(item.text);
    if (action->text() != text)
        action->setText(text);
}

// A popup holds one action per item, separators and submenus included.
void showItems(QMenu* menu, const std::vector<MenuItem>& items)
{
    const QList<QAction*> actions = menu->actions();
    for (size_t i = 0; i < items.size() && i < static_cast<size_t>(actions.size()); ++i) {
        const MenuItem& item = items[i];
        QAction* action = actions[static_cast<qsizetype>(i)];
        if (item.kind == MenuItem::Kind::Popup) {
            showText(action, item);
            if (QMenu* sub = action->menu<QMenu*>())
                showItems(sub, item.items);
        } else if (item.kind == MenuItem::Kind::Command) {
            showText(action, item);
            showMenuItemState(action, item);
        }
    }
}

// The bar holds an action for each top-level popup and command; separators have none.
void showTopItems(const QList<QAction*>& actions, const std::vector<MenuItem>& items)
{
    qsizetype at = 0;
    for (const MenuItem& top : items) {
        if (top.kind == MenuItem::Kind::Separator || at >= actions.size())
            continue;
        QAction* action = actions[at++];
        showText(action, top);
        if (QMenu* menu = top.kind == MenuItem::Kind::Popup ? action->menu<QMenu*>() : nullptr)
            showItems(menu, top.items);
    }
}

}  // namespace

std::optional<QList<QAction*>> MenuBarCache::find(const std::vector<MenuItem>& items)
{
    // Bars are kept only for items no kept bar has the shape of, so at most one matches.
    const auto at = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return sameShape(e.items, items); });
    if (at == entries_.end())
        return std::nullopt;
    QList<QAction*> actions;
    for (const QPointer<QAction>& a : at->actions) {
        if (a.isNull()) {
            entries_.erase(at);
            return std::nullopt;
        }
        actions.push_back(a.data());
    }
    // A bar built for the same commands shows the new texts and states in place: a check mark,
    // a gray, a renamed document in the window list or a recent file.
    if (at->items != items) {
        showTopItems(actions, items);
        at->items = items;
    }
    std::rotate(entries_.begin(), at, at + 1);
    return actions;
}

void MenuBarCache::add(QMenuBar* bar, const std::vector<MenuItem>& items, const QList<QAction*>& actions)
{
    Entry entry{items, {}};
    for (QAction* a : actions)
        entry.actions.emplace_back(a);
    entries_.insert(entries_.begin(), std::move(entry));
    if (entries_.size() <= kKept)
        return;
    for (const QPointer<QAction>& a : entries_.back().actions)
        if (!a.isNull())
            discardBarAction(bar, a.data());
    entries_.pop_back();
}

bool MenuBarCache::holds(const QAction* action) const
{
    return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return std::any_of(e.actions.begin(), e.actions.end(), [&](const QPointer<QAction>& a) { return a.data() == action; });
    });
}

}  // namespace plat
