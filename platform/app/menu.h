#pragma once
// A menu at run time: built from a menu resource, changed by the programs (texts rewritten,
// items checked, inserted, removed), shown as a frame's menu bar or as a context menu at the
// pointer. Changes to a frame's menu show after DrawMenuBar.

#include "platform/app/resources.h"
#include "platform/app/win_constants.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

class Wnd;

class Menu {
public:
    Menu() = default;
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // Replaces the contents with the menu resource id; false when there is no such menu.
    bool LoadMenu(unsigned id);
    bool CreateMenu();                 // an empty menu bar
    bool CreatePopupMenu();            // an empty popup
    void DestroyMenu();
    bool isLoaded() const { return loaded_; }

    int GetMenuItemCount() const;
    // The command id at a position; -1 for a popup, 0 for a separator.
    int GetMenuItemID(int position) const;
    Menu* GetSubMenu(int position) const;
    std::string GetMenuString(unsigned idOrPosition, unsigned flags = kMfByCommand) const;
    unsigned GetMenuState(unsigned idOrPosition, unsigned flags = kMfByCommand) const;  // 0xFFFFFFFF: none

    // flags: kMfByCommand/kMfByPosition | kMfString/kMfSeparator | kMfChecked | kMfGrayed.
    bool ModifyMenu(unsigned idOrPosition, unsigned flags, unsigned newId, std::string_view text);
    bool InsertMenu(unsigned idOrPosition, unsigned flags, unsigned newId, std::string_view text);
    bool AppendMenu(unsigned flags, unsigned newId, std::string_view text);
    bool AppendPopup(std::string_view text, std::unique_ptr<Menu> popup);
    bool DeleteMenu(unsigned idOrPosition, unsigned flags);
    bool RemoveMenu(unsigned idOrPosition, unsigned flags) { return DeleteMenu(idOrPosition, flags); }
    // Returns the previous state (kMfChecked / kMfUnchecked), or 0xFFFFFFFF when not found.
    unsigned CheckMenuItem(unsigned idOrPosition, unsigned flags);
    bool CheckMenuRadioItem(unsigned first, unsigned last, unsigned check, unsigned flags);
    unsigned EnableMenuItem(unsigned idOrPosition, unsigned flags);

    // Shows this popup at screen point (x, y). Without kTpmReturnCmd the chosen command goes to
    // owner's OnCommand and the result is nonzero when something was chosen; with it, the
    // command id is returned (0 = nothing). The UI host's test face never opens a real menu:
    // tests choose with chooseNextPopupCommand.
    int TrackPopupMenu(unsigned flags, int x, int y, Wnd* owner);
    // Test hook: the next TrackPopupMenu returns / sends this command (0 = dismissed).
    static void chooseNextPopupCommand(unsigned id);

    // Finds the item with a command id anywhere in the tree (for the layer and tests).
    const MenuItem* findCommand(unsigned id) const;
    // The item tree (popups included); the layer rebuilds widgets from it.
    const std::vector<MenuItem>& items() const;
    std::vector<MenuItem>& items();
    // Bumped on every change so that a shown menu bar knows to rebuild; touch() after editing
    // items() directly.
    unsigned revision() const { return root_->revision_; }
    void touch() { ++root_->revision_; }

private:
    MenuItem* locate(unsigned idOrPosition, unsigned flags, std::vector<MenuItem>** owner, size_t* index);
    // Sets the item's flags under mask to those in flags; the flags it had under mask, or
    // 0xFFFFFFFF when there is no such item.
    unsigned replaceFlags(unsigned idOrPosition, unsigned flags, unsigned mask);
    const MenuItem* locate(unsigned idOrPosition, unsigned flags) const;

    // A sub-menu is a view onto a popup of its root menu, found by its path of positions.
    Menu* root_ = this;
    std::vector<size_t> path_;
    std::vector<MenuItem> own_;
    mutable std::vector<std::unique_ptr<Menu>> subMenus_;
    bool loaded_ = false;
    unsigned revision_ = 0;
};

// An accelerator table at run time.
class AcceleratorTable {
public:
    AcceleratorTable() = default;
    explicit AcceleratorTable(std::vector<Accelerator> entries) : entries_(std::move(entries)) {}
    bool Load(unsigned id);
    bool empty() const { return entries_.empty(); }
    void clear() { entries_.clear(); }
    const std::vector<Accelerator>& entries() const { return entries_; }

    // The command for a key-down (virtual key with the Ctrl/Shift/Alt state of the moment) or a
    // character message; 0 when none matches. Keypad + and - are their own keys.
    unsigned translate(unsigned message, unsigned keyOrChar, bool ctrl, bool shift, bool alt) const;

private:
    std::vector<Accelerator> entries_;
};

}  // namespace plat
