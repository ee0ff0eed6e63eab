// The layer's own event plumbing: the repaint queue, idle work, deferred deletion, message
// pumping for long operations and the application-wide input filter.
#include "platform/app/message_pump.h"

#include "platform/app/document.h"
#include "platform/app/doc_template.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/keys.h"
#include "platform/app/win_app.h"
#include "platform/app/wnd_state.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <new>

namespace plat {
namespace {

struct PumpState {
    std::vector<Wnd*> dirty;                          // windows waiting for their paint
    bool paintScheduled = false;
    bool idleScheduled = false;
    std::vector<std::unique_ptr<CmdTarget>> graveyard;
    int dispatchDepth = 0;                            // handlers of the programs running
    int pumpDepth = 0;
    int holdDepth = 0;
    std::vector<Wnd*> allowed;                        // with holdDepth > 0
};

// Windows that are the programs' globals end after this file's statics, and each takes itself
// off the repaint queue as it goes: the state is therefore never destroyed.
PumpState& ps()
{
    alignas(PumpState) static unsigned char storage[sizeof(PumpState)];
    static PumpState* const state = ::new (storage) PumpState;
    return *state;
}

bool isUserInput(QEvent::Type t)
{
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Drop:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

QWidget* topOf(const Wnd* w)
{
    if (!w || !w->state() || !w->state()->widget)
        return nullptr;
    return w->state()->widget->window();
}

// Whether input to a top-level widget is held back at the moment.
bool heldForTop(const QWidget* top)
{
    const PumpState& s = ps();
    if (s.holdDepth == 0 && s.pumpDepth == 0)
        return false;
    if (top && top == QApplication::activeModalWidget())
        return false;   // a message box asked inside the operation takes its answer
    if (s.holdDepth > 0) {
        for (const Wnd* a : s.allowed)
            if (top && topOf(a) == top)
                return false;
        return true;
    }
    // Pumping without an explicit scope: the main window and its documents wait.
    FrameWnd* main = GetMainWnd();
    return top && main && topOf(main) == top;
}

class InputFilter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type t = event->type();
        if (t == QEvent::KeyPress || t == QEvent::KeyRelease) {
            auto* ke = static_cast<QKeyEvent*>(event);
            noteModifiers(ke->modifiers());
            const unsigned vk = vkFromQt(ke->key(), ke->modifiers(), ke->modifiers() & Qt::KeypadModifier);
            if (t == QEvent::KeyPress) {
                noteKeyDown(vk);
                const QString text = ke->text();
                noteKeyText(vk, text.size() == 1 ? text.at(0).unicode() : 0);
            } else if (!ke->isAutoRepeat()) {
                noteKeyUp(vk);
            }
        } else if (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease || t == QEvent::MouseMove) {
            noteModifiers(static_cast<QMouseEvent*>(event)->modifiers());
        } else if (t == QEvent::WindowActivate || t == QEvent::WindowDeactivate) {
            releaseKeys();
        }
        if (!watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (isUserInput(t) && heldForTop(widget->window())) {
            event->ignore();
            return true;
        }
        if (t == QEvent::Close && widget->isWindow() && heldForTop(widget)) {
            event->ignore();
            return true;
        }
        return false;
    }
};

void scheduleIdle()
{
    if (ps().idleScheduled || !QCoreApplication::instance())
        return;
    ps().idleScheduled = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        ps().idleScheduled = false;
        guarded([] { runIdle(); });
    });
}

struct DispatchDepth {
    DispatchDepth() { ++ps().dispatchDepth; }
    ~DispatchDepth() { --ps().dispatchDepth; }
};

}  // namespace

namespace {
std::optional<int> g_pendingExit;
}

void noteProcessExit(int code)
{
    if (!g_pendingExit)
        g_pendingExit = code;
}

std::optional<int> pendingProcessExit() { return g_pendingExit; }
void clearPendingProcessExit() { g_pendingExit.reset(); }

void rethrowPendingExit()
{
    if (g_pendingExit)
        throw ProcessExit{*g_pendingExit};
}

void ensureInputFilter()
{
    static InputFilter* filter = nullptr;
    if (filter || !QCoreApplication::instance())
        return;
    filter = new InputFilter;
    filter->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

void dispatchInput(Wnd* target, Msg msg)
{
    {
        DispatchDepth depth;
        guarded([&] {
            msg.target = target;
            for (Wnd* w = target; w; w = w->GetParent())
                if (w->PreTranslateMessage(msg))
                    return;
            if (isLiveWnd(target))
                target->WindowProc(msg);
        });
    }
    scheduleIdle();
}

void dispatchCommand(Wnd* target, unsigned id)
{
    {
        DispatchDepth depth;
        guarded([&] { target->SendMessage(kWmCommand, id, 0); });
    }
    scheduleIdle();
}

void scheduleIdleWork() { scheduleIdle(); }

// ---- repaint queue ----

void queuePaint(Wnd* w)
{
    auto& s = ps();
    if (std::find(s.dirty.begin(), s.dirty.end(), w) == s.dirty.end())
        s.dirty.push_back(w);
    if (!s.paintScheduled && QCoreApplication::instance()) {
        s.paintScheduled = true;
        QTimer::singleShot(0, QCoreApplication::instance(), [] {
            ps().paintScheduled = false;
            DispatchPendingPaints();
        });
    }
}

void unqueuePaint(Wnd* w) { std::erase(ps().dirty, w); }

bool paintsPending() { return !ps().dirty.empty(); }

void DispatchPendingPaints()
{
    // A paint may invalidate other windows; each window paints at most once per pass.
    std::vector<Wnd*> pass = ps().dirty;
    for (Wnd* w : pass) {
        if (std::find(ps().dirty.begin(), ps().dirty.end(), w) == ps().dirty.end())
            continue;
        DispatchDepth depth;
        guarded([&] { w->UpdateWindow(); });
        unqueuePaint(w);
    }
}

// ---- deferred deletion ----

void deferDelete(std::unique_ptr<CmdTarget> object)
{
    if (object)
        ps().graveyard.push_back(std::move(object));
    scheduleIdle();
}

void collectGarbage()
{
    if (ps().dispatchDepth > 0)
        return;
    // Destructors may defer more deletions.
    while (!ps().graveyard.empty()) {
        auto batch = std::move(ps().graveyard);
        ps().graveyard.clear();
        batch.clear();
    }
}

// ---- idle ----

void runIdle()
{
    DispatchPendingPaints();
    if (WinApp* app = GetApp()) {
        {
            DispatchDepth depth;
            guarded([&] {
                for (const auto& t : app->docTemplates())
                    for (const auto& d : t->documents())
                        d->OnIdle();
                app->OnIdle(0);
                if (FrameWnd* main = app->GetMainWnd())
                    main->OnIdleUpdateCmdUI();
            });
        }
    }
    collectGarbage();
    DispatchPendingPaints();
}

// ---- pumping and holding input ----

bool PumpMessages()
{
    auto& s = ps();
    ++s.pumpDepth;
    struct Leave {
        ~Leave() { --ps().pumpDepth; }
    } leave;
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    DispatchPendingPaints();
    rethrowPendingExit();   // the program is ending: the long operation stops here
    WinApp* app = GetApp();
    return !app || app->GetMainWnd() != nullptr;
}

InputHoldScope::InputHoldScope(std::vector<Wnd*> allowed) : previous_(ps().allowed), wasHolding_(ps().holdDepth > 0)
{
    ps().allowed = std::move(allowed);
    ++ps().holdDepth;
    ensureInputFilter();
}

InputHoldScope::~InputHoldScope()
{
    --ps().holdDepth;
    ps().allowed = std::move(previous_);
}

bool longOperationRunning() { return ps().pumpDepth > 0 || ps().holdDepth > 0; }

bool inputHeldFor(const Wnd* w)
{
    const PumpState& s = ps();
    if (s.holdDepth == 0 && s.pumpDepth == 0)
        return false;
    if (s.holdDepth > 0) {
        for (const Wnd* a = w; a; a = a->GetParent())
            if (std::find(s.allowed.begin(), s.allowed.end(), a) != s.allowed.end())
                return false;
        return true;
    }
    const FrameWnd* main = GetMainWnd();
    for (const Wnd* a = w; a; a = a->GetParent())
        if (a == main)
            return true;
    return false;
}

}  // namespace plat
