#pragma once
// Internal to platform/app (includes Qt): what a window keeps besides its C++ object — its
// widget, its backing image, the gathered invalid region and its scroll bars — and the helpers
// the layer's files share.

#include "platform/app/wnd.h"
#include "platform/gdi/dc.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QMimeData;

namespace plat {

class SurfaceWidget;

// The window's description (style, title in `name`, parent, id, class) is kept as it was made
// and as the window changes it since.
struct WndState : WindowDescription {
    explicit WndState(Wnd* o) : owner(o) {}
    ~WndState();

    Wnd* owner;
    bool created = false;
    bool visible = false;
    bool enabled = true;
    bool iconic = false;
    bool zoomed = false;
    Size size{};                 // client size (kept for windows without a widget)
    Point pos{};                 // position in the parent's client area
    bool placed = false;         // the program moved the window before it was shown
    Icon icon = 0;
    bool acceptFiles = false;

    QImage backing;              // RGB32, the client area's pixels
    bool hasInvalid = false;
    Rect invalid{};
    bool invalidErase = false;
    bool inPaint = false;
    std::optional<Rect> paintRect;   // while OnPaint runs
    bool paintErase = false;
    std::vector<std::unique_ptr<Dc>> dcs;

    ScrollInfo scroll[2];
    bool scrollShown[2] = {false, false};
    bool scrollEnabled[2] = {true, true};

    QPointer<QWidget> widget;          // the widget that is this window (moved, shown, titled)
    QPointer<QWidget> clientArea;      // frames: where child windows go (the MDI area)
    QPointer<SurfaceWidget> surface;   // where the backing image is shown and input arrives

    // Resizes the backing image to the client size, keeping the pixels that still fit.
    void ensureBacking();
    Size clientSize() const;
    // The surface shows the given client rectangle again (after a paint or a ReleaseDC).
    void blit(const Rect* r = nullptr);
};

// Lets the window's class adjust how it is made (PreCreateWindow), then keeps what it is made
// with: parent, child id, style, title and window class. Returns the adjusted values, or
// nullopt when the class refuses the window.
std::optional<CreateStruct> preCreateWindow(Wnd& w, unsigned style, Wnd* parent, unsigned id,
                                            const Rect& rect = {});

// A window's drawing surface: blits the backing image, turns Qt input into the window's
// messages, and carries the window's own scroll bars (which never scroll anything by
// themselves).
class SurfaceWidget : public QAbstractScrollArea {
public:
    SurfaceWidget(Wnd* wnd, QWidget* parent);
    ~SurfaceWidget() override;
    Wnd* wnd() const { return wnd_; }
    void detach() { wnd_ = nullptr; }
    void applyScroll(int bar);          // the model's scroll info to the Qt scroll bar
    void applyCursor();

protected:
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int, int) override {}
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }   // Tab is a key like the others
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scrollAction(int bar, int action);
    void scrollReleased(int bar);
    Wnd* wnd_;
    bool tracking_[2] = {false, false};
};

// The window's state, made on first use.
WndState& wndState(Wnd& w);
// Whether the object is a window that still exists.
bool isLiveWnd(const Wnd* w);
// Focus changes that Qt reports.
void noteQtFocus(Wnd* w, bool gained);

// ---- shared helpers of the layer ----
QString toQt(std::string_view text);         // 8-bit texts (Latin-1)
std::string fromQt(const QString& text);
QString pathToQt(std::string_view path);     // file names (UTF-8)
std::string pathFromQt(const QString& path);
// A menu text with '&' mnemonics and a "\t" key label, as Qt shows it.
QString menuTextToQt(std::string_view text);
// Empties a menu bar or toolbar before a rebuild and frees the menus and actions it made, which
// would otherwise live as long as the bar. Freed at the next turn of the event loop: a rebuild
// can run inside the handler of one of them.
void discardBarContents(class QWidget* bar);
// Takes one action off a bar and frees it (with its menu) when the bar made it.
void discardBarAction(class QWidget* bar, class QAction* action);

// Files dragged from the desktop: whether w takes the drag (it accepts dropped files and the
// drag carries some), and handing the local files of a drop to w's OnDropFiles.
bool acceptsDroppedFiles(const Wnd* w, const QMimeData* data);
void deliverDroppedFiles(Wnd* w, const QMimeData* data);

// Whether the test face of the UI host is installed (no real menus or dialogs then).
bool headlessHost();
// A device context on a window's backing image.
std::unique_ptr<Dc> makeImageDc(QImage& image);

// Input from Qt: runs the message through the pre-translate walk (the window and its parents)
// and then the window's handler. ProcessExit ends the dispatch quietly (the loop is ending).
void dispatchInput(Wnd* target, Msg msg);
// An exit asked for while the program's code ran inside an event dispatch: the dispatch stops
// there, and the nested loops, the long operations and the program start end with the code.
void noteProcessExit(int code);
std::optional<int> pendingProcessExit();
void clearPendingProcessExit();
// Throws ProcessExit when an exit is pending (after a nested loop or a pump returns).
void rethrowPendingExit();
// Runs f, stopping a ProcessExit there and noting its code.
template <class F> void guarded(F&& f)
{
    try {
        f();
    } catch (const ProcessExit& e) {
        noteProcessExit(e.code);
    }
}
// Qt key event -> virtual key (0 when none) and the flags of the key messages.
unsigned vkFromQt(int qtKey, Qt::KeyboardModifiers mods, bool keypad);
unsigned mouseFlagsFromQt(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods);
// The scroll code (kSbLineUp ... kSbThumbTrack) of a Qt scroll bar action; nullopt for none.
std::optional<unsigned> scrollCodeFromQt(int action);
// A scroll message's wParam: the code, with the thumb position in the high word.
inline uintptr_t scrollParam(unsigned code, int pos) { return code | (static_cast<unsigned>(pos & 0xFFFF) << 16); }
// Keyboard state fed by the input filter.
void noteKeyText(unsigned vk, uint16_t ch);
void noteModifiers(Qt::KeyboardModifiers mods);
// A command from a menu, a toolbar or an accelerator, sent to a frame's OnCommand.
void dispatchCommand(Wnd* target, unsigned id);
// Asks for the idle work (update-UI, paints, deferred deletions) to run soon.
void scheduleIdleWork();
// Installs the application-wide input filter (key state, input held back) once.
void ensureInputFilter();
// Sets the programs' widget style (the platform's, keeping its standard icons) once.
void ensureProgramStyle();
// The repaint queue.
void queuePaint(Wnd* w);
void unqueuePaint(Wnd* w);
// Deferred deletion of closed documents and destroyed windows.
void deferDelete(std::unique_ptr<CmdTarget> object);
// Forgets a destroyed window in the layer's global state (capture, focus, hold lists).
void forgetWindow(Wnd* w);
struct MenuItem;
// Fills a menu with menu items: popups (and their popups), separators, and each command through
// addCommand; onPopup, when given, is told of every menu filled, once its items are in.
void fillQtMenu(QMenu* qmenu, const std::vector<MenuItem>& items,
                const std::function<void(QAction*, const MenuItem&)>& addCommand,
                const std::function<void(QMenu*)>& onPopup = {});
// Gives a command's action its item's id as data, its check mark and its enabled state.
void showMenuItemState(QAction* action, const MenuItem& item);
// Fills a dialog's menu bar with menu items: popups (and their popups), separators, and each
// command through addCommand; onPopup, when given, is told of every popup made.
void fillMenuBarItems(QMenuBar* bar, const std::vector<MenuItem>& items,
                      const std::function<void(QAction*, const MenuItem&)>& addCommand,
                      const std::function<void(QMenu*)>& onPopup = {});
// The menu bar and toolbar that a dialog's template names, above its controls.
class Dialog;
struct DialogTemplate;
void addDialogBars(Dialog& d, class QDialog* widget, const DialogTemplate& t);
// The standard and resource cursors as Qt cursors.
class QCursor cursorToQt(Cursor c);
class QIcon iconToQt(Icon id);
class QPixmap imagePixmap(unsigned id, int width, int height);
// The pixel density of the densest screen (1 without a GUI application).
double screenPixelRatio();
// Drawn pictures (SVG text) rendered at a logical size for the screen's device pixel ratio; a
// null pixmap when the text is no picture.
class QPixmap renderDrawnImage(std::string_view svg, int width, int height, double pixelRatio);
// A command's toolbar picture at a logical size: the icon theme's image for the standard
// actions when the theme has one, else our drawing; a null icon when the command has none.
class QIcon commandIcon(unsigned command, int width, int height);

}  // namespace plat
