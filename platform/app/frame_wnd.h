#pragma once
// Frames: the program's main window (an MDI frame with menu bar, toolbars, status bar and the
// area holding the documents' child frames) and the child frames that hold one view each.
//
//   class CMainFrame : public plat::MDIFrameWnd {
//       int OnCreate() override;            // make toolbars and status bar here
//       void OnClose() override;            // save settings, then MDIFrameWnd::OnClose()
//       void OnTimer(unsigned id) override;
//   };
//   auto frame = std::make_unique<CMainFrame>();
//   if (!frame->LoadFrame(128, plat::kWsOverlappedWindow | plat::kFwsAddToTitle)) return false;
//   SetMainWnd(std::move(frame));

#include "platform/app/control_bars.h"
#include "platform/app/menu.h"
#include "platform/app/wnd.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace plat {

class Document;
class DocTemplate;
class View;
class MDIChildWnd;

// What the document template hands to a new child frame.
struct CreateContext {
    std::function<std::unique_ptr<View>()> newView;
    Document* currentDoc = nullptr;
    DocTemplate* newDocTemplate = nullptr;
};

class FrameWnd : public Wnd {
public:
    FrameWnd();
    ~FrameWnd() override;

    // The active view and document of this frame (for the main frame: of its active child).
    virtual View* GetActiveView() const;
    void SetActiveView(View* view, bool notify = true);
    virtual Document* GetActiveDocument() const;
    virtual FrameWnd* GetActiveFrame();

    // Accelerators: the base translates nothing; the main frame translates for the whole window.
    bool PreTranslateMessage(Msg& msg) override;
    bool LoadAccelTable(unsigned id);
    AcceleratorTable& accelerators() { return accel_; }

    // Command routing: active view (pre-hook and handlers, then its document), this frame.
    bool OnCmdMsg(unsigned id, CmdUI* ui) override;

    // Control bars.
    void RecalcLayout(bool notify = true);
    void ShowControlBar(ControlBar* bar, bool show, bool delay = false);
    // Docks the bar at the start of a new row on a side (0 or kCbrsAlignTop: the top). Docking
    // leaves a hidden bar hidden.
    void DockControlBar(ControlBar* bar, unsigned side = 0);
    // Docks the bar in the neighbour's row, right after it (below it on the left and right).
    void DockControlBarNextTo(ControlBar* bar, const ControlBar* neighbour);
    void EnableDocking(unsigned align) { dockAlign_ = align; }
    StatusBar* statusBar() const;
    std::vector<ToolBar*> toolBars() const;
    ControlBar* GetControlBar(unsigned barId) const;
    // Bar layout kept in the profile (visibility and dock place per bar id). Loading ignores
    // entries whose values are out of range.
    void SaveBarState(std::string_view profileSection) const;
    void LoadBarState(std::string_view profileSection);
    bool VerifyBarState(std::string_view profileSection) const;

    // Status prompts: pane 0 shows the command's prompt or the idle message.
    void SetMessageText(std::string_view text);
    void SetMessageText(unsigned stringId);

    // Update-UI for the toolbars (idle time) and the given popup of the menu bar.
    void OnIdleUpdateCmdUI();
    void updateMenuCommandUI(Menu& popup);

    // The frame's title, with the active document's title added under kFwsAddToTitle.
    virtual void OnUpdateFrameTitle(bool addToTitle);
    std::string title() const { return title_; }
    void SetTitle(std::string_view title) { title_ = std::string(title); }

    void OnClose() override;
    void OnDestroy() override;
    void OnSetFocus(Wnd* oldWnd) override;

    // Whether commands reaching the frame are translated from keys (false while the layer holds
    // input back during a long operation).
    bool isMDIFrame() const { return mdi_; }

protected:
    friend class ControlBar;
    friend class ToolBar;
    friend class StatusBar;
    void addBar(ControlBar* bar, unsigned barId);
    void removeBar(ControlBar* bar);
    // Puts the Qt bars of the main window into the rows of their dock places.
    void arrangeToolBarRows();

    AcceleratorTable accel_;
    std::vector<ControlBar*> bars_;
    View* activeView_ = nullptr;
    std::string title_;
    unsigned dockAlign_ = 0;
    bool mdi_ = false;
};

class MDIFrameWnd : public FrameWnd {
public:
    MDIFrameWnd();
    ~MDIFrameWnd() override;

    // Creates the main window from resource id: menu, accelerator table, icon and title string.
    // False when the window cannot be made or OnCreate refuses.
    virtual bool LoadFrame(unsigned resourceId, unsigned style = kWsOverlappedWindow | kFwsAddToTitle,
                           Wnd* parent = nullptr);

    // The active child frame (null when no document is open).
    MDIChildWnd* MDIGetActive(bool* maximized = nullptr) const;
    void MDIActivate(MDIChildWnd* child);
    void MDIMaximize(MDIChildWnd* child);
    void MDINext();
    void MDICascade();
    void MDITile();
    const std::vector<std::unique_ptr<MDIChildWnd>>& children() const { return children_; }

    View* GetActiveView() const override;
    Document* GetActiveDocument() const override;
    FrameWnd* GetActiveFrame() override;

    // Routing: active child frame (view, document, child frame), this frame, the application.
    bool OnCmdMsg(unsigned id, CmdUI* ui) override;
    // Translates keys with the active child's accelerator table, then the frame's own. A
    // program's override that returns false without calling this skips accelerators.
    bool PreTranslateMessage(Msg& msg) override;
    // Destroys the child frames and the window; for the main window the program then ends.
    bool DestroyWindow() override;

    // The menu bar: the resource menu of LoadFrame while no document is open, the template's
    // menu while one is; GetMenu returns the one shown.
    Menu* GetMenu() const;
    Menu* frameMenu() const { return frameMenu_.get(); }
    void setDocumentMenu(Menu* menu);
    // The shown menu bar follows the menu's items again (DrawMenuBar).
    void menuChanged();

    // Closing the main frame: asks to save every modified document (Yes/No/Cancel), closes all
    // documents and destroys the frame; the event loop then ends.
    void OnClose() override;
    // Dropped files open as documents (after DragAcceptFiles).
    void OnDropFiles(const std::vector<std::string>& paths) override;
    // Window menu commands handled here: cascade, tile, arrange, next.
    void OnWindowCascade();
    void OnWindowTile();

    // For the document template: adopts a new child frame.
    MDIChildWnd* adoptChild(std::unique_ptr<MDIChildWnd> child);
    // For child frames: a child frame has been destroyed; a maximised one leaves the window
    // that takes its place maximised too.
    void childDestroyed(MDIChildWnd* child, bool wasMaximized = false);

    // The Window menu's list of open documents ("&1 name", the active one checked) follows the
    // child frames; its commands activate the listed window.
    void updateWindowList();

private:
    bool onWindowListCommand(unsigned id, CmdUI* ui);

    std::vector<std::unique_ptr<MDIChildWnd>> children_;
    MDIChildWnd* active_ = nullptr;
    std::unique_ptr<Menu> frameMenu_;     // from the LoadFrame resource
    Menu* documentMenu_ = nullptr;        // the active template's menu
    std::unique_ptr<class MenuBarCache> builtMenus_;
    unsigned resourceId_ = 0;
};

class MDIChildWnd : public FrameWnd {
public:
    MDIChildWnd();
    ~MDIChildWnd() override;

    // Made by the document template inside the main frame, with one view from context.
    virtual bool LoadFrame(unsigned resourceId, unsigned style, MDIFrameWnd* mdiFrame, CreateContext* context);
    // Shows the frame (maximised, as the programs open their documents) and makes it active.
    virtual void ActivateFrame(int cmdShow = -1);
    // The child's view and document.
    View* GetActiveView() const override;
    Document* GetActiveDocument() const override;
    MDIFrameWnd* GetMDIFrame() const { return mdiFrame_; }
    void MDIActivate();
    void MDIDestroy();
    void MDIMaximize();

    // Routing: the view (pre-hook, handlers, document), then this frame's handlers.
    bool OnCmdMsg(unsigned id, CmdUI* ui) override;

    // Closing a child frame: when it holds the last view of its document, the document's
    // SaveModified runs first (Cancel keeps everything open), then the document closes.
    void OnClose() override;
    void OnDestroy() override;
    // Takes the view out of its document and destroys it, then the frame.
    bool DestroyWindow() override;

    // For the framework: the view the frame owns.
    View* view() const { return view_.get(); }
    void setView(std::unique_ptr<View> view);
    std::unique_ptr<View> takeView();

private:
    MDIFrameWnd* mdiFrame_ = nullptr;
    std::unique_ptr<View> view_;
};

}  // namespace plat
