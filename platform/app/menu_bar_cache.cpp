#include "platform/app/menu_bar_cache.h"

#include "platform/app/wnd_state.h"

#include <QAction>
#include <QMenuBar>

#include <algorithm>

namespace plat {

std::optional<QList<QAction*>> MenuBarCache::find(const std::vector<MenuItem>& items)
{
    const auto at = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.items == items; });
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
