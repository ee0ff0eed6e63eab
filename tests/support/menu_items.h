#pragma once
// Finds an item of a Qt window's menu bar by its text, so that tests and fuzz harnesses choose
// commands of the layer's own Qt windows as a person would.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace quill_test {

inline QAction* menuBarItem(const QMenuBar& bar, const QString& text)
{
    for (QAction* menu : bar.actions())
        if (QMenu* sub = menu->menu())
            for (QAction* item : sub->actions())
                if (item->text() == text)
                    return item;
    return nullptr;
}

}  // namespace quill_test
