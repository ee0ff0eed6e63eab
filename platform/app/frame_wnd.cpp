#include "platform/app/frame_wnd.h"

#include "platform/app/doc_template.h"
#include "platform/app/document.h"
#include "platform/app/keys.h"
#include "platform/app/menu_bar_cache.h"
#include "platform/app/message_pump.h"
#include "platform/app/view.h"
#include "platform/app/win_app.h"
#include "platform/app/wnd_state.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>

#include <algorithm>
#include <tuple>

namespace plat {
namespace {

// The main window: closing asks the frame, keys that reach it go through its accelerators,
// dropped files go to the frame.
class FrameWidget : public QMainWindow {
public:
    explicit FrameWidget(FrameWnd* frame) : frame_(frame) { setAcceptDrops(false); }
    void detach() { frame_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        if (frame_)
            guarded([&] { frame_->SendMessage(kWmClose); });
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!frame_)
            return;
        const unsigned vk = vkFromQt(event->key(), event->modifiers(), event->modifiers() & Qt::KeypadModifier);
        if (vk)
            dispatchInput(frame_, Msg{kWmKeyDown, vk, 1, frame_});
        const QString text = event->text();
        if (frame_ && text.size() == 1 && text.at(0).unicode() >= 0x20 && text.at(0).unicode() <= 0xFF)
            dispatchInput(frame_, Msg{kWmChar, text.at(0).unicode(), 1, frame_});
    }
    void dragEnterEvent(QDragEnterEvent* event) override
    {
        if (acceptsDroppedFiles(frame_, event->mimeData()))
            event->acceptProposedAction();
    }
    void dropEvent(QDropEvent* event) override { deliverDroppedFiles(frame_, event->mimeData()); }

private:
    FrameWnd* frame_;
};

// A document's window inside the main window.
class ChildWidget : public QMdiSubWindow {
public:
    explicit ChildWidget(MDIChildWnd* child) : child_(child) { setAttribute(Qt::WA_DeleteOnClose, false); }
    void detach() { child_ = nullptr; }
    MDIChildWnd* child() const { return child_; }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        if (child_)
            guarded([&] { child_->SendMessage(kWmClose); });
    }

private:
    MDIChildWnd* child_;
};

// A menu item's update-UI applied to the Qt action that shows it.
void applyCmdUI(QAction* action, const CmdUI& ui, bool hasHandler)
{
    if (ui.handled) {
        action->setEnabled(ui.enabled());
        if (ui.check() >= 0) {
            action->setCheckable(true);
            action->setChecked(ui.check() > 0);
        }
        if (ui.textChanged())
            action->setText(menuTextToQt(ui.text()));
    } else {
        action->setEnabled(hasHandler);
    }
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// FrameWnd

FrameWnd::FrameWnd() = default;
FrameWnd::~FrameWnd() = default;

View* FrameWnd::GetActiveView() const { return activeView_; }

void FrameWnd::SetActiveView(View* view, bool notify)
{
    View* previous = activeView_;
    activeView_ = view;
    if (notify && previous != view) {
        if (previous)
            previous->OnActivateView(false, view, previous);
        if (view)
            view->OnActivateView(true, view, previous);
    }
}

Document* FrameWnd::GetActiveDocument() const
{
    const View* v = GetActiveView();
    return v ? v->GetDocument() : nullptr;
}

FrameWnd* FrameWnd::GetActiveFrame() { return this; }

bool FrameWnd::PreTranslateMessage(Msg&) { return false; }

bool FrameWnd::LoadAccelTable(unsigned id) { return accel_.Load(id); }

bool FrameWnd::OnCmdMsg(unsigned id, CmdUI* ui)
{
    if (View* v = GetActiveView()) {
        if (ui ? v->OnCmdMsg(id, ui) : v->OnCommand(id))
            return true;
    }
    return dispatchOwn(id, ui);
}

void FrameWnd::addBar(ControlBar* bar, unsigned barId)
{
    bar->frame_ = this;
    bar->barId_ = barId;
    bars_.push_back(bar);
}

void FrameWnd::removeBar(ControlBar* bar) { std::erase(bars_, bar); }

void FrameWnd::RecalcLayout(bool)
{
    for (ControlBar* bar : bars_)
        if (bar->state() && bar->state()->widget)
            bar->state()->widget->setVisible(bar->shown_);
}

void FrameWnd::ShowControlBar(ControlBar* bar, bool show, bool)
{
    if (!bar)
        return;
    bar->shown_ = show;
    RecalcLayout();
}

namespace {

unsigned dockSide(unsigned side)
{
    for (unsigned s : {kCbrsAlignTop, kCbrsAlignBottom, kCbrsAlignLeft, kCbrsAlignRight})
        if (side & s)
            return s;
    return kCbrsAlignTop;
}

Qt::ToolBarArea toolBarArea(unsigned side)
{
    switch (side) {
    case kCbrsAlignBottom: return Qt::BottomToolBarArea;
    case kCbrsAlignLeft: return Qt::LeftToolBarArea;
    case kCbrsAlignRight: return Qt::RightToolBarArea;
    default: return Qt::TopToolBarArea;
    }
}

}  // namespace

void FrameWnd::DockControlBar(ControlBar* bar, unsigned side)
{
    if (!bar)
        return;
    side = dockSide(side);
    int row = 0;
    for (const ControlBar* other : bars_)
        if (other != bar && other->dock_.side == side && dynamic_cast<const ToolBar*>(other))
            row = std::max(row, other->dock_.row + 1);
    bar->dock_ = {side, row, 0};
    arrangeToolBarRows();
    RecalcLayout();
}

void FrameWnd::DockControlBarNextTo(ControlBar* bar, const ControlBar* neighbour)
{
    if (!bar || !neighbour || bar == neighbour)
        return;
    const DockPlace place{neighbour->dock_.side, neighbour->dock_.row, neighbour->dock_.index + 1};
    bar->dock_ = {place.side, -1, 0};   // out of every row while the others make room
    for (ControlBar* other : bars_)
        if (other->dock_.side == place.side && other->dock_.row == place.row && other->dock_.index >= place.index)
            ++other->dock_.index;
    bar->dock_ = place;
    arrangeToolBarRows();
    RecalcLayout();
}

void FrameWnd::arrangeToolBarRows()
{
    auto* window = state() ? qobject_cast<QMainWindow*>(state()->widget.data()) : nullptr;
    if (!window)
        return;
    std::vector<ControlBar*> docked;
    for (ControlBar* bar : bars_)
        if (dynamic_cast<ToolBar*>(bar) && bar->state() && bar->state()->widget)
            docked.push_back(bar);
    std::stable_sort(docked.begin(), docked.end(), [](const ControlBar* a, const ControlBar* b) {
        return std::tie(a->dock_.side, a->dock_.row, a->dock_.index) < std::tie(b->dock_.side, b->dock_.row, b->dock_.index);
    });
    for (ControlBar* bar : docked)
        window->removeToolBar(static_cast<QToolBar*>(bar->state()->widget.data()));
    const ControlBar* previous = nullptr;
    for (ControlBar* bar : docked) {
        const Qt::ToolBarArea area = toolBarArea(bar->dock_.side);
        if (previous && previous->dock_.side == bar->dock_.side && previous->dock_.row != bar->dock_.row)
            window->addToolBarBreak(area);
        auto* widget = static_cast<QToolBar*>(bar->state()->widget.data());
        window->addToolBar(area, widget);
        widget->setVisible(bar->shown_);
        previous = bar;
    }
}

StatusBar* FrameWnd::statusBar() const
{
    for (ControlBar* bar : bars_)
        if (auto* s = dynamic_cast<StatusBar*>(bar))
            return s;
    return nullptr;
}

std::vector<ToolBar*> FrameWnd::toolBars() const
{
    std::vector<ToolBar*> list;
    for (ControlBar* bar : bars_)
        if (auto* t = dynamic_cast<ToolBar*>(bar))
            list.push_back(t);
    return list;
}

ControlBar* FrameWnd::GetControlBar(unsigned barId) const
{
    for (ControlBar* bar : bars_)
        if (bar->barId_ == barId)
            return bar;
    return nullptr;
}

// The bar layout is kept as one section per bar: "<section>-Bar<n>" with "BarID", "Visible"
// and the dock place ("Side", "Row", "Index").
void FrameWnd::SaveBarState(std::string_view section) const
{
    WinApp* app = GetApp();
    if (!app)
        return;
    int n = 0;
    for (ControlBar* bar : bars_) {
        const std::string s = std::string(section) + "-Bar" + std::to_string(n++);
        app->WriteProfileInt(s, "BarID", static_cast<int>(bar->barId_));
        app->WriteProfileInt(s, "Visible", bar->shown_ ? 1 : 0);
        app->WriteProfileInt(s, "Side", static_cast<int>(bar->dock_.side));
        app->WriteProfileInt(s, "Row", bar->dock_.row);
        app->WriteProfileInt(s, "Index", bar->dock_.index);
    }
    app->WriteProfileInt(std::string(section) + "-Summary", "Bars", n);
}

void FrameWnd::LoadBarState(std::string_view section)
{
    WinApp* app = GetApp();
    if (!app)
        return;
    // The profile is outside data: a count or place beyond reason leaves that bar as it is.
    constexpr int kMaxEntries = 256, kMaxRow = 64;
    const int n = std::clamp(app->GetProfileInt(std::string(section) + "-Summary", "Bars", 0), 0, kMaxEntries);
    for (int i = 0; i < n; ++i) {
        const std::string s = std::string(section) + "-Bar" + std::to_string(i);
        ControlBar* bar = GetControlBar(static_cast<unsigned>(app->GetProfileInt(s, "BarID", 0)));
        if (!bar)
            continue;
        bar->shown_ = app->GetProfileInt(s, "Visible", 1) != 0;
        const int side = app->GetProfileInt(s, "Side", static_cast<int>(bar->dock_.side));
        const int row = app->GetProfileInt(s, "Row", bar->dock_.row);
        const int index = app->GetProfileInt(s, "Index", bar->dock_.index);
        const bool oneSide = side == static_cast<int>(dockSide(static_cast<unsigned>(side))) && side > 0;
        if (oneSide && row >= 0 && row <= kMaxRow && index >= 0 && index <= kMaxEntries)
            bar->dock_ = {static_cast<unsigned>(side), row, index};
    }
    arrangeToolBarRows();
    RecalcLayout();
}

bool FrameWnd::VerifyBarState(std::string_view section) const
{
    WinApp* app = GetApp();
    if (!app)
        return false;
    const int n = app->GetProfileInt(std::string(section) + "-Summary", "Bars", 0);
    if (n < 0 || n > 256)
        return false;
    for (int i = 0; i < n; ++i) {
        const std::string s = std::string(section) + "-Bar" + std::to_string(i);
        const unsigned id = static_cast<unsigned>(app->GetProfileInt(s, "BarID", 0)) & 0xFFFF;
        const bool known = std::any_of(bars_.begin(), bars_.end(), [id](ControlBar* b) { return (b->barId_ & 0xFFFF) == id; });
        if (!known)
            return false;
    }
    return true;
}

void FrameWnd::SetMessageText(std::string_view text)
{
    if (StatusBar* bar = statusBar())
        bar->SetPaneText(0, text);
}

void FrameWnd::SetMessageText(unsigned stringId) { SetMessageText(commandPrompt(stringId)); }

void FrameWnd::OnIdleUpdateCmdUI()
{
    for (ToolBar* bar : toolBars())
        bar->updateCommandUI();
}

void FrameWnd::updateMenuCommandUI(Menu& popup)
{
    std::function<void(std::vector<MenuItem>&)> visit = [&](std::vector<MenuItem>& items) {
        for (MenuItem& m : items) {
            if (m.kind == MenuItem::Kind::Popup) {
                visit(m.items);
            } else if (m.kind == MenuItem::Kind::Command) {
                CmdUI ui(m.id);
                OnCmdMsg(m.id, &ui);
                if (ui.handled) {
                    m.flags = (m.flags & ~(kMfGrayed | kMfChecked)) | (ui.enabled() ? 0u : unsigned(kMfGrayed)) |
                              (ui.check() > 0 ? unsigned(kMfChecked) : 0u);
                    if (ui.textChanged())
                        m.text = ui.text();
                }
            }
        }
    };
    visit(popup.items());
    popup.touch();
}

void FrameWnd::OnUpdateFrameTitle(bool addToTitle)
{
    std::string text = title_;
    // A maximised document window names its document in brackets after the program
    // ("Schemora - [t9b.pic]"), as the MDI area itself would: a title that already holds the
    // brackets is one the area leaves alone, so the document is named once.
    bool maximizedChild = false;
    if (const auto* mdi = dynamic_cast<const MDIFrameWnd*>(this)) {
        const MDIChildWnd* child = mdi->MDIGetActive(&maximizedChild);
        if (child && child->state() && child->state()->widget)
            maximizedChild = maximizedChild || child->state()->widget->isMaximized();
    }
    if (addToTitle && (GetStyle() & kFwsAddToTitle)) {
        if (Document* doc = GetActiveDocument()) {
            const std::string name = maximizedChild ? "[" + doc->GetTitle() + "]" : doc->GetTitle();
            text = title_.empty() ? name : title_ + " - " + name;
        }
    }
    WndState& s = wndState(*this);
    s.name = text;
    if (s.widget)
        s.widget->setWindowTitle(toQt(text));
}

void FrameWnd::OnClose() { DestroyWindow(); }
void FrameWnd::OnDestroy() {}

void FrameWnd::OnSetFocus(Wnd*)
{
    if (View* v = GetActiveView())
        v->SetFocus();
}

// ---------------------------------------------------------------------------------------------
// MDIFrameWnd

namespace {

// A shown menu bar measures every item's text again for each action added or taken away;
// swapping a whole menu while hidden lays it out once, when shown again.
class MenuBarSwap {
public:
    explicit MenuBarSwap(QMenuBar* bar) : bar_(bar), shown_(bar->isVisible())
    {
        if (shown_)
            bar_->setVisible(false);
    }
    ~MenuBarSwap()
    {
        if (shown_)
            bar_->setVisible(true);
    }
    MenuBarSwap(const MenuBarSwap&) = delete;
    MenuBarSwap& operator=(const MenuBarSwap&) = delete;

private:
    QMenuBar* bar_;
    bool shown_;
};

}  // namespace

MDIFrameWnd::MDIFrameWnd() : builtMenus_(std::make_unique<MenuBarCache>())
{
    mdi_ = true;
    onCommand(kIdWindowCascade, &MDIFrameWnd::OnWindowCascade);
    onCommand(kIdWindowTileHorz, &MDIFrameWnd::OnWindowTile);
    onCommand(kIdWindowTileVert, &MDIFrameWnd::OnWindowTile);
    onCommand(kIdWindowArrange, &MDIFrameWnd::OnWindowCascade);
}

MDIFrameWnd::~MDIFrameWnd()
{
    // Children go first: their views still refer to this frame while they are destroyed.
    for (auto& child : children_)
        if (child->IsWindow())
            child->DestroyWindow();
    children_.clear();
    if (state() && state()->widget)
        static_cast<FrameWidget*>(state()->widget.data())->detach();
}

bool MDIFrameWnd::LoadFrame(unsigned resourceId, unsigned style, Wnd* parent)
{
    if (IsWindow())
        return false;
    const std::optional<CreateStruct> cs = preCreateWindow(*this, style, parent, 0);
    if (!cs)
        return false;
    resourceId_ = resourceId;
    WndState& s = wndState(*this);
    auto* window = new FrameWidget(this);
    auto* area = new QMdiArea(window);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    window->setCentralWidget(area);
    window->resize(cs->cx > 0 ? cs->cx : 1024, cs->cy > 0 ? cs->cy : 768);
    s.widget = window;
    s.clientArea = area;
    QObject::connect(area, &QMdiArea::subWindowActivated, window, [this](QMdiSubWindow* sub) {
        if (!sub)
            return;   // the main window lost the activation; the active document stays
        for (auto& child : children_)
            if (child->state() && child->state()->widget == sub && child.get() != active_)
                guarded([&] { MDIActivate(child.get()); });
    });

    auto menu = std::make_unique<Menu>();
    if (menu->LoadMenu(resourceId))
        frameMenu_ = std::move(menu);
    accel_.Load(resourceId);
    std::string title;
    if (LoadString(resourceId, title))
        title_ = title.substr(0, title.find('\n'));
    else if (WinApp* app = GetApp())
        title_ = app->appName();
    if (LoadIcon(resourceId))
        window->setWindowIcon(iconToQt(resourceId));
    s.created = true;
    if (OnCreate() == -1) {
        DestroyWindow();
        return false;
    }
    if (WinApp* app = GetApp())
        if (RecentFileList* mru = app->recentFileList(); mru && frameMenu_)
            mru->UpdateMenu(*frameMenu_);
    menuChanged();
    OnUpdateFrameTitle(true);
    return true;
}

MDIChildWnd* MDIFrameWnd::MDIGetActive(bool* maximized) const
{
    if (maximized)
        *maximized = active_ && active_->IsZoomed();
    return active_;
}

void MDIFrameWnd::MDIActivate(MDIChildWnd* child)
{
    MDIChildWnd* previous = active_;
    View* oldView = previous ? previous->view() : nullptr;
    active_ = child;
    View* newView = child ? child->view() : nullptr;
    if (child && child->state() && state() && state()->clientArea) {
        auto* area = static_cast<QMdiArea*>(state()->clientArea.data());
        if (auto* sub = qobject_cast<QMdiSubWindow*>(child->state()->widget.data()); sub && area->activeSubWindow() != sub)
            area->setActiveSubWindow(sub);
    }
    activeView_ = newView;
    if (previous != child) {
        if (oldView && isLiveWnd(oldView))
            oldView->OnActivateView(false, newView, oldView);
        if (newView)
            newView->OnActivateView(true, newView, oldView);
    }
    Document* doc = newView ? newView->GetDocument() : nullptr;
    setDocumentMenu(doc && doc->GetDocTemplate() ? doc->GetDocTemplate()->menu() : nullptr);
    updateWindowList();
    OnUpdateFrameTitle(true);
    if (newView && newView->IsWindow())
        newView->SetFocus();
}

void MDIFrameWnd::MDIMaximize(MDIChildWnd* child)
{
    if (child)
        child->ShowWindow(kSwShowMaximized);
}

void MDIFrameWnd::MDINext()
{
    if (children_.empty())
        return;
    auto it = std::find_if(children_.begin(), children_.end(), [this](const auto& c) { return c.get() == active_; });
    if (it == children_.end() || ++it == children_.end())
        it = children_.begin();
    MDIActivate(it->get());
}

void MDIFrameWnd::MDICascade()
{
    if (state() && state()->clientArea)
        static_cast<QMdiArea*>(state()->clientArea.data())->cascadeSubWindows();
}

void MDIFrameWnd::MDITile()
{
    if (state() && state()->clientArea)
        static_cast<QMdiArea*>(state()->clientArea.data())->tileSubWindows();
}

void MDIFrameWnd::OnWindowCascade() { MDICascade(); }
void MDIFrameWnd::OnWindowTile() { MDITile(); }

View* MDIFrameWnd::GetActiveView() const { return active_ ? active_->view() : nullptr; }

Document* MDIFrameWnd::GetActiveDocument() const
{
    const View* v = GetActiveView();
    return v ? v->GetDocument() : nullptr;
}

FrameWnd* MDIFrameWnd::GetActiveFrame() { return active_ ? static_cast<FrameWnd*>(active_) : this; }

bool MDIFrameWnd::OnCmdMsg(unsigned id, CmdUI* ui)
{
    if (onWindowListCommand(id, ui))
        return true;
    if (active_ && active_->OnCmdMsg(id, ui))
        return true;
    if (dispatchOwn(id, ui))
        return true;
    WinApp* app = GetApp();
    return app && app->OnCmdMsg(id, ui);
}

bool MDIFrameWnd::PreTranslateMessage(Msg& msg)
{
    if (msg.message != kWmKeyDown && msg.message != kWmSysKeyDown && msg.message != kWmChar && msg.message != kWmSysChar)
        return false;
    const bool ctrl = GetKeyState(kVkControl) < 0;
    const bool shift = GetKeyState(kVkShift) < 0;
    const bool alt = GetKeyState(kVkMenu) < 0;
    const auto key = static_cast<unsigned>(msg.wParam);
    // The MDI system key: Ctrl+F6 activates the next child window.
    if (msg.message == kWmKeyDown && key == kVkF6 && ctrl && !alt && !shift) {
        guarded([&] { MDINext(); });
        return true;
    }
    unsigned command = 0;
    if (active_)
        command = active_->accelerators().translate(msg.message, key, ctrl, shift, alt);
    if (!command)
        command = accel_.translate(msg.message, key, ctrl, shift, alt);
    if (!command)
        return false;
    dispatchCommand(this, command);
    return true;
}

Menu* MDIFrameWnd::GetMenu() const { return documentMenu_ ? documentMenu_ : frameMenu_.get(); }

void MDIFrameWnd::setDocumentMenu(Menu* menu)
{
    if (menu == documentMenu_)
        return;
    documentMenu_ = menu;
    menuChanged();
}

void MDIFrameWnd::menuChanged()
{
    if (!state() || !state()->widget)
        return;
    auto* window = static_cast<QMainWindow*>(state()->widget.data());
    QMenuBar* bar = window->menuBar();
    Menu* menu = GetMenu();
    const std::optional<QList<QAction*>> kept = menu ? builtMenus_->find(menu->items()) : std::nullopt;
    if (kept && *kept == bar->actions())
        return;
    const MenuBarSwap swap(bar);
    for (QAction* shown : bar->actions()) {
        if (builtMenus_->holds(shown))
            bar->removeAction(shown);
        else
            discardBarAction(bar, shown);
    }
    if (!menu)
        return;
    if (kept) {
        bar->addActions(*kept);
        return;
    }
    const auto addCommand = [this, window](QAction* action, const MenuItem& item) {
        showMenuItemState(action, item);
        const unsigned id = item.id;
        QObject::connect(action, &QAction::triggered, window, [this, id] { dispatchCommand(this, id); });
        QObject::connect(action, &QAction::hovered, window, [this, id] { SetMessageText(commandPrompt(id)); });
    };
    const auto onPopup = [this, window](QMenu* qmenu) {
        // Update-UI when the popup opens.
        QObject::connect(qmenu, &QMenu::aboutToShow, window, [this, qmenu] {
            guarded([&] {
                for (QAction* a : qmenu->actions()) {
                    if (a->isSeparator() || a->menu() || !a->data().isValid())
                        continue;
                    const unsigned id = a->data().toUInt();
                    CmdUI ui(id);
                    OnCmdMsg(id, &ui);
                    bool hasHandler = true;
                    if (!ui.handled) {
                        // Without handlers anywhere on the route, the item is disabled.
                        hasHandler = hasCommandHandler(id) || (GetApp() && GetApp()->hasCommandHandler(id));
                        if (View* v = GetActiveView())
                            hasHandler = hasHandler || v->hasCommandHandler(id) ||
                                         (v->GetDocument() && v->GetDocument()->hasCommandHandler(id));
                        if (active_)
                            hasHandler = hasHandler || active_->hasCommandHandler(id);
                    }
                    applyCmdUI(a, ui, hasHandler);
                }
            });
        });
        QObject::connect(qmenu, &QMenu::aboutToHide, window, [this] {
            if (StatusBar* s = statusBar())
                s->showIdleMessage();
        });
    };
    for (const MenuItem& top : menu->items()) {
        if (top.kind == MenuItem::Kind::Popup) {
            fillQtMenu(bar->addMenu(menuTextToQt(top.text)), top.items, addCommand, onPopup);
        } else if (top.kind == MenuItem::Kind::Command) {
            QAction* action = bar->addAction(menuTextToQt(top.text));
            const unsigned id = top.id;
            action->setData(id);
            QObject::connect(action, &QAction::triggered, window, [this, id] { dispatchCommand(this, id); });
        }
    }
    builtMenus_->add(bar, menu->items(), bar->actions());
}

void MDIFrameWnd::OnClose()
{
    WinApp* app = GetApp();
    if (app && app->GetMainWnd() == this) {
        if (!app->SaveAllModified())
            return;
        app->CloseAllDocuments(false);
    }
    DestroyWindow();
}

bool MDIFrameWnd::DestroyWindow()
{
    if (!IsWindow())
        return false;
    for (auto& child : children_)
        if (child->IsWindow())
            child->DestroyWindow();
    QWidget* window = state()->widget;
    const bool result = Wnd::DestroyWindow();
    if (window)
        static_cast<FrameWidget*>(window)->detach();
    if (WinApp* app = GetApp(); app && app->GetMainWnd() == this)
        app->mainWindowDestroyed();
    return result;
}

void MDIFrameWnd::OnDropFiles(const std::vector<std::string>& paths)
{
    WinApp* app = GetApp();
    if (!app)
        return;
    for (const std::string& path : paths)
        app->OpenDocumentFile(path);
}

MDIChildWnd* MDIFrameWnd::adoptChild(std::unique_ptr<MDIChildWnd> child)
{
    children_.push_back(std::move(child));
    return children_.back().get();
}

void MDIFrameWnd::childDestroyed(MDIChildWnd* child, bool wasMaximized)
{
    const auto it = std::find_if(children_.begin(), children_.end(), [child](const auto& c) { return c.get() == child; });
    if (it == children_.end())
        return;
    std::unique_ptr<MDIChildWnd> gone = std::move(*it);
    children_.erase(it);
    if (active_ == child) {
        active_ = nullptr;
        activeView_ = nullptr;
        MDIActivate(children_.empty() ? nullptr : children_.back().get());
    } else {
        updateWindowList();
    }
    // Taking the window out may already have activated another (and restored it); whichever
    // is active now takes over the maximised state.
    if (wasMaximized && active_ != nullptr)
        active_->ShowWindow(kSwShowMaximized);
    deferDelete(std::move(gone));
}

// ---------------------------------------------------------------------------------------------
// MDIChildWnd

MDIChildWnd::MDIChildWnd() = default;

MDIChildWnd::~MDIChildWnd()
{
    if (state() && state()->widget)
        if (auto* w = dynamic_cast<ChildWidget*>(state()->widget.data()))
            w->detach();
}

bool MDIChildWnd::LoadFrame(unsigned resourceId, unsigned style, MDIFrameWnd* mdiFrame, CreateContext* context)
{
    if (IsWindow() || !mdiFrame || !mdiFrame->IsWindow())
        return false;
    if (!preCreateWindow(*this, style, mdiFrame, resourceId))
        return false;
    mdiFrame_ = mdiFrame;
    WndState& s = wndState(*this);
    accel_.Load(resourceId);
    auto* sub = new ChildWidget(this);
    if (LoadIcon(resourceId))
        sub->setWindowIcon(iconToQt(resourceId));
    if (auto* area = qobject_cast<QMdiArea*>(mdiFrame->state()->clientArea.data()))
        area->addSubWindow(sub);
    s.widget = sub;
    s.created = true;
    if (OnCreate() == -1) {
        DestroyWindow();
        return false;
    }
    if (context && context->newView) {
        std::unique_ptr<View> v = context->newView();
        if (!v)
            return false;
        if (context->currentDoc)
            context->currentDoc->AddView(v.get());
        View* raw = v.get();
        setView(std::move(v));
        if (!raw->Create(this, kWsChild | kWsVisible, kIdwPaneFirst)) {
            if (raw->GetDocument())
                raw->GetDocument()->RemoveView(raw);
            view_.reset();
            return false;
        }
        sub->setWidget(raw->state()->widget);
        activeView_ = raw;
    }
    return true;
}

void MDIChildWnd::ActivateFrame(int cmdShow)
{
    if (!IsWindow())
        return;
    const bool maximize = cmdShow == kSwShowMaximized || (GetStyle() & kWsMaximize) ||
                          (mdiFrame_ && mdiFrame_->MDIGetActive() && mdiFrame_->MDIGetActive()->IsZoomed());
    ShowWindow(maximize ? kSwShowMaximized : (cmdShow < 0 ? kSwShow : cmdShow));
    if (mdiFrame_)
        mdiFrame_->MDIActivate(this);
}

View* MDIChildWnd::GetActiveView() const { return view_.get(); }

Document* MDIChildWnd::GetActiveDocument() const { return view_ ? view_->GetDocument() : nullptr; }

void MDIChildWnd::MDIActivate()
{
    if (mdiFrame_)
        mdiFrame_->MDIActivate(this);
}

void MDIChildWnd::MDIDestroy() { DestroyWindow(); }
void MDIChildWnd::MDIMaximize() { ShowWindow(kSwShowMaximized); }

bool MDIChildWnd::OnCmdMsg(unsigned id, CmdUI* ui)
{
    if (View* v = view_.get()) {
        if (ui ? v->OnCmdMsg(id, ui) : v->OnCommand(id))
            return true;
    }
    return dispatchOwn(id, ui);
}

void MDIChildWnd::OnClose()
{
    Document* doc = GetActiveDocument();
    if (doc && doc->views().size() <= 1) {
        // Closing the last view of a document closes the document.
        if (!doc->SaveModified())
            return;
        doc->OnCloseDocument();
        return;
    }
    DestroyWindow();
}

void MDIChildWnd::OnDestroy() {}

bool MDIChildWnd::DestroyWindow()
{
    if (!IsWindow())
        return false;
    const bool wasMaximized = IsZoomed() && mdiFrame_ && mdiFrame_->MDIGetActive() == this;
    if (View* v = view_.get()) {
        if (Document* d = v->GetDocument())
            d->RemoveView(v);
        v->DestroyWindow();
    }
    if (auto* w = dynamic_cast<ChildWidget*>(state()->widget.data())) {
        w->detach();
        if (auto* area = w->mdiArea())
            area->removeSubWindow(w);
    }
    const bool result = Wnd::DestroyWindow();
    if (mdiFrame_)
        mdiFrame_->childDestroyed(this, wasMaximized);
    return result;
}

void MDIChildWnd::setView(std::unique_ptr<View> view) { view_ = std::move(view); }
std::unique_ptr<View> MDIChildWnd::takeView() { return std::move(view_); }

}  // namespace plat
