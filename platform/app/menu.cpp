#include "platform/app/menu.h"

#include "platform/app/win_constants.h"

namespace plat {
namespace {

MenuItem* findIn(std::vector<MenuItem>& items, unsigned id, std::vector<MenuItem>** owner, size_t* index)
{
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind == MenuItem::Kind::Popup) {
            if (MenuItem* m = findIn(items[i].items, id, owner, index))
                return m;
        } else if (items[i].kind == MenuItem::Kind::Command && items[i].id == id) {
            if (owner)
                *owner = &items;
            if (index)
                *index = i;
            return &items[i];
        }
    }
    return nullptr;
}

MenuItem makeItem(unsigned flags, unsigned id, std::string_view text)
{
    MenuItem m;
    if (flags & kMfSeparator) {
        m.kind = MenuItem::Kind::Separator;
    } else {
        m.kind = MenuItem::Kind::Command;
        m.id = id;
        m.text = std::string(text);
    }
    m.flags = flags & (kMfChecked | kMfGrayed | kMfDisabled);
    return m;
}

}  // namespace

Menu::~Menu() = default;

std::vector<MenuItem>& Menu::items()
{
    if (root_ == this)
        return own_;
    std::vector<MenuItem>* list = &root_->own_;
    for (size_t p : path_) {
        if (p >= list->size())
            return own_;   // the popup has gone; an empty list
        list = &(*list)[p].items;
    }
    return *list;
}

const std::vector<MenuItem>& Menu::items() const { return const_cast<Menu*>(this)->items(); }

bool Menu::LoadMenu(unsigned id)
{
    const MenuResource* r = findMenu(id);
    if (!r)
        return false;
    items() = r->items;
    loaded_ = true;
    touch();
    return true;
}

bool Menu::CreateMenu()
{
    items().clear();
    loaded_ = true;
    touch();
    return true;
}

bool Menu::CreatePopupMenu() { return CreateMenu(); }

void Menu::DestroyMenu()
{
    items().clear();
    subMenus_.clear();
    loaded_ = false;
    touch();
}

int Menu::GetMenuItemCount() const { return static_cast<int>(items().size()); }

int Menu::GetMenuItemID(int position) const
{
    const auto& list = items();
    if (position < 0 || position >= static_cast<int>(list.size()))
        return -1;
    const MenuItem& m = list[static_cast<size_t>(position)];
    if (m.kind == MenuItem::Kind::Popup)
        return -1;
    return m.kind == MenuItem::Kind::Separator ? 0 : static_cast<int>(m.id);
}

Menu* Menu::GetSubMenu(int position) const
{
    const auto& list = items();
    if (position < 0 || position >= static_cast<int>(list.size()) ||
        list[static_cast<size_t>(position)].kind != MenuItem::Kind::Popup)
        return nullptr;
    std::vector<size_t> path = path_;
    path.push_back(static_cast<size_t>(position));
    for (const auto& sub : subMenus_)
        if (sub->path_ == path)
            return sub.get();
    auto sub = std::make_unique<Menu>();
    sub->root_ = root_;
    sub->path_ = std::move(path);
    sub->loaded_ = true;
    subMenus_.push_back(std::move(sub));
    return subMenus_.back().get();
}

MenuItem* Menu::locate(unsigned idOrPosition, unsigned flags, std::vector<MenuItem>** owner, size_t* index)
{
    auto& list = items();
    if (flags & kMfByPosition) {
        if (idOrPosition >= list.size())
            return nullptr;
        if (owner)
            *owner = &list;
        if (index)
            *index = idOrPosition;
        return &list[idOrPosition];
    }
    return findIn(list, idOrPosition, owner, index);
}

const MenuItem* Menu::locate(unsigned idOrPosition, unsigned flags) const
{
    return const_cast<Menu*>(this)->locate(idOrPosition, flags, nullptr, nullptr);
}

const MenuItem* Menu::findCommand(unsigned id) const { return locate(id, kMfByCommand); }

std::string Menu::GetMenuString(unsigned idOrPosition, unsigned flags) const
{
    const MenuItem* m = locate(idOrPosition, flags);
    return m ? m->text : std::string();
}

unsigned Menu::GetMenuState(unsigned idOrPosition, unsigned flags) const
{
    const MenuItem* m = locate(idOrPosition, flags);
    if (!m)
        return 0xFFFFFFFFu;
    unsigned state = m->flags;
    if (m->kind == MenuItem::Kind::Separator)
        state |= kMfSeparator;
    if (m->kind == MenuItem::Kind::Popup)
        state |= kMfPopup;
    return state;
}

bool Menu::ModifyMenu(unsigned idOrPosition, unsigned flags, unsigned newId, std::string_view text)
{
    MenuItem* m = locate(idOrPosition, flags, nullptr, nullptr);
    if (!m)
        return false;
    if (m->kind == MenuItem::Kind::Popup && !(flags & kMfSeparator)) {
        m->text = std::string(text);   // a popup keeps its items
        m->flags = flags & (kMfGrayed | kMfDisabled);
    } else {
        *m = makeItem(flags, newId, text);
    }
    touch();
    return true;
}

bool Menu::InsertMenu(unsigned idOrPosition, unsigned flags, unsigned newId, std::string_view text)
{
    std::vector<MenuItem>* owner = nullptr;
    size_t index = 0;
    auto& list = items();
    if ((flags & kMfByPosition) && idOrPosition >= list.size()) {
        owner = &list;   // past the end (or 0xFFFFFFFF): append
        index = list.size();
    } else if (!locate(idOrPosition, flags, &owner, &index)) {
        return false;
    }
    owner->insert(owner->begin() + static_cast<long>(index), makeItem(flags, newId, text));
    touch();
    return true;
}

bool Menu::AppendMenu(unsigned flags, unsigned newId, std::string_view text)
{
    items().push_back(makeItem(flags, newId, text));
    touch();
    return true;
}

bool Menu::AppendPopup(std::string_view text, std::unique_ptr<Menu> popup)
{
    MenuItem m = menuPopup(std::string(text), popup ? popup->items() : std::vector<MenuItem>{});
    items().push_back(std::move(m));
    touch();
    return true;
}

bool Menu::DeleteMenu(unsigned idOrPosition, unsigned flags)
{
    std::vector<MenuItem>* owner = nullptr;
    size_t index = 0;
    if (!locate(idOrPosition, flags, &owner, &index))
        return false;
    // Sub-menus handed out stay valid objects (callers keep them); they find their popup by
    // position again on every use.
    owner->erase(owner->begin() + static_cast<long>(index));
    touch();
    return true;
}

unsigned Menu::replaceFlags(unsigned idOrPosition, unsigned flags, unsigned mask)
{
    MenuItem* m = locate(idOrPosition, flags, nullptr, nullptr);
    if (!m)
        return 0xFFFFFFFFu;
    const unsigned previous = m->flags & mask;
    m->flags = (m->flags & ~mask) | (flags & mask);
    touch();
    return previous;
}

unsigned Menu::CheckMenuItem(unsigned idOrPosition, unsigned flags)
{
    return replaceFlags(idOrPosition, flags, kMfChecked);
}

bool Menu::CheckMenuRadioItem(unsigned first, unsigned last, unsigned check, unsigned flags)
{
    bool found = false;
    if (flags & kMfByPosition) {
        auto& list = items();
        for (unsigned p = first; p <= last && p < list.size(); ++p) {
            if (list[p].kind != MenuItem::Kind::Command)
                continue;
            list[p].flags = (list[p].flags & ~kMfChecked) | (p == check ? unsigned(kMfChecked) : 0u);
            found = found || p == check;
        }
    } else {
        for (unsigned id = first; id <= last; ++id) {
            if (MenuItem* m = locate(id, kMfByCommand, nullptr, nullptr)) {
                m->flags = (m->flags & ~kMfChecked) | (id == check ? unsigned(kMfChecked) : 0u);
                found = found || id == check;
            }
        }
    }
    touch();
    return found;
}

unsigned Menu::EnableMenuItem(unsigned idOrPosition, unsigned flags)
{
    return replaceFlags(idOrPosition, flags, kMfGrayed | kMfDisabled);
}

bool AcceleratorTable::Load(unsigned id)
{
    const AcceleratorResource* r = findAccelerators(id);
    if (!r)
        return false;
    entries_ = r->entries;
    return true;
}

unsigned AcceleratorTable::translate(unsigned message, unsigned keyOrChar, bool ctrl, bool shift, bool alt) const
{
    const bool keyDown = message == kWmKeyDown || message == kWmSysKeyDown;
    const bool charMsg = message == kWmChar || message == kWmSysChar;
    for (const Accelerator& a : entries_) {
        if (keyDown && (a.flags & kFVirtKey)) {
            if (a.key == keyOrChar && ((a.flags & kFControl) != 0) == ctrl && ((a.flags & kFShift) != 0) == shift &&
                ((a.flags & kFAlt) != 0) == alt)
                return a.command;
        } else if (charMsg && !(a.flags & kFVirtKey)) {
            // Character entries match the typed character exactly (case included).
            if (a.key == keyOrChar && ((a.flags & kFAlt) != 0) == alt)
                return a.command;
        }
    }
    return 0;
}

}  // namespace plat
