// The Window menu's list of the open documents, as the platform's MDI frames kept it.
#include "platform/app/frame_wnd.h"

#include "platform/app/command_ids.h"
#include "platform/app/document.h"
#include "platform/app/menu.h"
#include "platform/app/view.h"
#include "platform/app/win_constants.h"

#include <algorithm>
#include <string>

namespace plat {
namespace {

bool isListedWindowId(unsigned id) { return id >= kIdFirstMdiChild && id <= kIdMdiChildListEnd; }

bool isListItem(const MenuItem& m) { return isListedWindowId(m.id) || m.id == kIdMdiChildListSeparator; }

// The Window popup is the one that holds the arrange commands, whatever its text.
MenuItem* windowPopup(Menu& menu)
{
    for (MenuItem& top : menu.items()) {
        if (top.kind != MenuItem::Kind::Popup)
            continue;
        for (const MenuItem& m : top.items)
            if (m.id == kIdWindowCascade || m.id == kIdWindowTileHorz || m.id == kIdWindowArrange)
                return &top;
    }
    return nullptr;
}

std::string listedName(const MDIChildWnd& child)
{
    if (const Document* doc = child.GetActiveDocument())
        return doc->GetTitle();
    return child.title();
}

}  // namespace

void MDIFrameWnd::updateWindowList()
{
    Menu* menu = GetMenu();
    MenuItem* popup = menu != nullptr ? windowPopup(*menu) : nullptr;
    if (popup == nullptr)
        return;
    std::erase_if(popup->items, isListItem);
    const size_t listed = std::min<size_t>(children_.size(), kIdMdiChildListEnd - kIdFirstMdiChild + 1);
    if (listed > 0) {
        MenuItem separator = menuSeparator();
        separator.id = kIdMdiChildListSeparator;
        popup->items.push_back(separator);
    }
    for (size_t i = 0; i < listed; ++i) {
        const MDIChildWnd& child = *children_[i];
        // '&' in a document's name is shown, not taken as a mnemonic.
        std::string name = listedName(child);
        for (size_t at = name.find('&'); at != std::string::npos; at = name.find('&', at + 2))
            name.insert(at, 1, '&');
        popup->items.push_back(menuItem(kIdFirstMdiChild + static_cast<unsigned>(i),
                                        "&" + std::to_string(i + 1) + " " + name,
                                        &child == active_ ? kMfChecked : 0u));
    }
    menu->touch();
    menuChanged();
}

bool MDIFrameWnd::onWindowListCommand(unsigned id, CmdUI* ui)
{
    if (!isListedWindowId(id))
        return false;
    const size_t index = id - kIdFirstMdiChild;
    if (index >= children_.size())
        return false;
    MDIChildWnd* child = children_[index].get();
    if (ui != nullptr) {
        ui->Enable(true);
        ui->SetCheck(child == active_ ? 1 : 0);
        ui->handled = true;
        return true;
    }
    // A person working maximised stays maximised in the window they switch to.
    if (active_ != nullptr && active_ != child && active_->IsZoomed())
        child->ShowWindow(kSwShowMaximized);
    MDIActivate(child);
    return true;
}

}  // namespace plat
