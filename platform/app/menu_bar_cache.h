#pragma once
// The menu bars a main frame has built, kept for reuse. Opening, closing and switching
// documents swap between a few menus (the frame's own, a document's with its window list);
// building a bar's hundred-odd Qt menus and actions anew for each swap took longer than
// reading and painting a drawing.

#include "platform/app/resources.h"

#include <QList>
#include <QPointer>

#include <optional>
#include <vector>

class QAction;
class QMenuBar;

namespace plat {

class MenuBarCache {
public:
    // The top-level actions built for these items, while they all still exist; a bar built for
    // items that differ only in texts and states (the same commands in the same places) is
    // brought up to date in place and kept for these items.
    std::optional<QList<QAction*>> find(const std::vector<MenuItem>& items);
    // Keeps a bar built for items find found none for; the least recently used bar beyond a few
    // is freed.
    void add(QMenuBar* bar, const std::vector<MenuItem>& items, const QList<QAction*>& actions);
    // Whether the action is the top of a kept bar (taken off the bar, not freed, on a swap).
    bool holds(const QAction* action) const;

private:
    struct Entry {
        std::vector<MenuItem> items;
        std::vector<QPointer<QAction>> actions;
    };
    static constexpr size_t kKept = 4;
    std::vector<Entry> entries_;   // most recently used first
};

}  // namespace plat
