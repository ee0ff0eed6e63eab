#pragma once
// Command targets: everything that can handle a command id (application, documents, windows).
// A target's handlers are registered in its constructor, like a message map:
//
//   CSchemoraView::CSchemoraView() {
//       onCommand(152, &CSchemoraView::OnZoomIn);
//       onCommandRange(700, 703, &CSchemoraView::OnGrid);
//       onUpdateCommandUI(57603, &CSchemoraView::OnUpdateFileSave);
//   }
//
// A command from a menu, an accelerator or a toolbar goes to the main frame's OnCommand, which
// routes it: active view (its OnCommand pre-hook, then its handlers) -> the view's document ->
// the active child frame -> the main frame -> the application. Update-UI requests take the same
// road without the pre-hooks.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

// What an update-UI handler changes: a menu item, a toolbar button or a status pane.
class CmdUI {
public:
    explicit CmdUI(unsigned id) : id_(id) {}
    virtual ~CmdUI() = default;

    unsigned id() const { return id_; }
    virtual void Enable(bool on = true) { enabled_ = on; enableChanged_ = true; }
    virtual void SetCheck(int check = 1) { check_ = check; }
    virtual void SetRadio(bool on = true) { check_ = on ? 1 : 0; }
    virtual void SetText(std::string_view text) { text_ = std::string(text); textChanged_ = true; }

    // What the handlers did (read by the framework after routing).
    bool enabled() const { return enabled_; }
    bool enableChanged() const { return enableChanged_; }
    int check() const { return check_; }
    bool textChanged() const { return textChanged_; }
    const std::string& text() const { return text_; }
    bool handled = false;            // some handler was called

private:
    unsigned id_;
    bool enabled_ = true;
    bool enableChanged_ = false;
    int check_ = -1;                 // -1: untouched
    bool textChanged_ = false;
    std::string text_;
};

class CmdTarget {
public:
    CmdTarget() = default;
    virtual ~CmdTarget() = default;
    CmdTarget(const CmdTarget&) = delete;
    CmdTarget& operator=(const CmdTarget&) = delete;

    // Handles (ui == nullptr) or updates (ui != nullptr) a command at this target and, for
    // windows and documents, along the rest of its route. True when some handler took it.
    virtual bool OnCmdMsg(unsigned id, CmdUI* ui);

    // Whether this target's own map has a command handler for id.
    bool hasCommandHandler(unsigned id) const;

protected:
    template <class T> void onCommand(unsigned id, void (T::*fn)())
    {
        addCommand(id, id, [this, fn](unsigned) { (static_cast<T*>(this)->*fn)(); return true; });
    }
    // A handler that may decline: returning false lets the command go on along the route.
    template <class T> void onCommandEx(unsigned id, bool (T::*fn)(unsigned))
    {
        addCommand(id, id, [this, fn](unsigned i) { return (static_cast<T*>(this)->*fn)(i); });
    }
    template <class T> void onCommandRange(unsigned first, unsigned last, void (T::*fn)(unsigned))
    {
        addCommand(first, last, [this, fn](unsigned i) { (static_cast<T*>(this)->*fn)(i); return true; });
    }
    template <class T> void onUpdateCommandUI(unsigned id, void (T::*fn)(CmdUI&))
    {
        addUpdate(id, id, [this, fn](CmdUI& ui) { (static_cast<T*>(this)->*fn)(ui); });
    }
    template <class T> void onUpdateCommandUIRange(unsigned first, unsigned last, void (T::*fn)(CmdUI&))
    {
        addUpdate(first, last, [this, fn](CmdUI& ui) { (static_cast<T*>(this)->*fn)(ui); });
    }
    // A group of commands of which one is checked, like a menu's radio items: the one whose id
    // checkedId() gives (an id outside the group checks none).
    template <class T, class CheckedId>
    void onCheckedCommandRange(unsigned first, unsigned last, void (T::*fn)(unsigned), CheckedId checkedId)
    {
        onCommandRange(first, last, fn);
        addUpdate(first, last, [checkedId](CmdUI& ui) { ui.SetCheck(static_cast<int>(ui.id()) == checkedId() ? 1 : 0); });
    }
    // Control notifications (dialogs and windows with controls): code is kEnChange, kCbnSelChange, ...
    template <class T> void onNotify(unsigned id, unsigned code, void (T::*fn)())
    {
        addNotify(id, id, code, [this, fn](unsigned) { (static_cast<T*>(this)->*fn)(); });
    }
    template <class T> void onNotifyRange(unsigned first, unsigned last, unsigned code, void (T::*fn)(unsigned))
    {
        addNotify(first, last, code, [this, fn](unsigned i) { (static_cast<T*>(this)->*fn)(i); });
    }

    void addCommand(unsigned first, unsigned last, std::function<bool(unsigned)> handler);
    void addUpdate(unsigned first, unsigned last, std::function<void(CmdUI&)> handler);
    void addNotify(unsigned first, unsigned last, unsigned code, std::function<void(unsigned)> handler);

    // This target's own handlers only (no routing).
    bool dispatchOwn(unsigned id, CmdUI* ui);

public:
    // Runs this target's notification handler for (id, code); false when there is none.
    bool dispatchNotify(unsigned id, unsigned code);

private:
    struct CommandEntry { unsigned first, last; std::function<bool(unsigned)> fn; };
    struct UpdateEntry { unsigned first, last; std::function<void(CmdUI&)> fn; };
    struct NotifyEntry { unsigned first, last, code; std::function<void(unsigned)> fn; };
    std::vector<CommandEntry> commands_;
    std::vector<UpdateEntry> updates_;
    std::vector<NotifyEntry> notifies_;
};

}  // namespace plat
