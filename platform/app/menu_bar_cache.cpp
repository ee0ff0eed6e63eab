#include "platform/app/menu_bar_cache.h"

#include "platform/app/wnd_state.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace plat {
namespace {

// Whether two item trees differ at most in their items' states.
bool sameShape(const std::vector<MenuItem>& a, const std::vector<MenuItem>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const MenuItem& x, const MenuItem& y) {
        return x.kind == y.kind && x.id == y.id && x.text == y.text && sameShape(x.items, y.items);
    });
}

// A popup holds one action per item, separators and submenus included.
void showStates(QMenu* menu, const std::vector<MenuItem>& items)
{
    const QList<QAction*> actions = menu->actions();
    for (size_t i = 0; i < items.size() && i < static_cast<size_t>(actions.size()); ++i) {
        const MenuItem& item = items[i];
        if (item.kind == MenuItem::Kind::Popup) {
            if (QMenu* sub = actions[static_cast<qsizetype>(i)]->menu<QMenu*>())
                showStates(sub, item.items);
        } else if (item.kind == MenuItem::Kind::Command) {
            showMenuItemState(actions[static_cast<qsizetype>(i)], item);
        }
    }
}

}  // namespace

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

bool MenuBarCache::updateStates(const QList<QAction*>& shown, const std::vector<MenuItem>& items)
{
    const auto at = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return std::equal(e.actions.begin(), e.actions.end(), shown.begin(), shown.end(),
                          [](const QPointer<QAction>& kept, const QAction* on) { return kept.data() == on; });
    });
    if (at == entries_.end() || !sameShape(at->items, items))
        return false;
    // The bar holds an action for each top-level popup and command; separators have none.
    auto action = at->actions.begin();
    for (const MenuItem& top : items) {
        if (top.kind == MenuItem::Kind::Separator)
            continue;
        if (action == at->actions.end())
            return false;
        if (QMenu* menu = top.kind == MenuItem::Kind::Popup ? (*action)->menu<QMenu*>() : nullptr)
            showStates(menu, top.items);
        ++action;
    }
    at->items = items;
    std::rotate(entries_.begin(), at, at + 1);
    return true;
}

bool MenuBarCache::holds(const QAction* action) const
{
    return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return std::any_of(e.actions.begin(), e.actions.end(), [&](const QPointer<QAction>& a) { return a.data() == action; });
    });
}

}  // namespace plat
