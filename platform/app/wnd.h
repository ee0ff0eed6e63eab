#pragma once
// Windows. A Wnd is a plain C++ object first: constructing one creates no widget, so views and
// dialogs can live on the stack only to lend their routines. Create (or LoadFrame, DoModal, the
// document template) makes the window. Every window that the programs paint owns a persistent
// backing image: device contexts from GetDC/ClientDC draw into it, the layer's repaint queue runs
// the paint handlers (OnPaint -> a view's OnDraw) when the event loop is idle or at once for
// UpdateWindow / RDW_UPDATENOW, and Qt only blits the image to the screen.
//
// Input arrives as the handlers below with the platform's conventions: client pixel points,
// kMk* flags, virtual-key codes, a double click as a plain button-down, kSbEndScroll after the
// user lets go of a scroll bar.

#include "platform/app/cmd_target.h"
#include "platform/gdi/gdi_types.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

class Dc;           // platform/gdi: the device context
class Menu;
class Wnd;
class Control;
struct WndState;    // the window's widget, backing image and bookkeeping (internal)

// One message, as PreTranslateMessage and SendMessage/PostMessage see it.
struct Msg {
    unsigned message = 0;      // kWmKeyDown, kWmChar, kWmLButtonDown, kWmCommand, kWmClose, ...
    uintptr_t wParam = 0;      // key: virtual key or character; mouse: kMk* flags; command: id | code << 16
    intptr_t lParam = 0;       // key: repeat count and flags; mouse: x | y << 16 (signed 16-bit halves)
    Wnd* target = nullptr;     // the window the message is for
};
inline intptr_t makePointParam(Point p) { return static_cast<intptr_t>(static_cast<uint16_t>(p.x) | (static_cast<uint32_t>(static_cast<uint16_t>(p.y)) << 16)); }
inline Point pointFromParam(intptr_t l) { return {static_cast<int16_t>(l & 0xFFFF), static_cast<int16_t>((l >> 16) & 0xFFFF)}; }

struct ScrollInfo {
    unsigned mask = kSifAll;
    int min = 0;
    int max = 0;
    unsigned page = 0;
    int pos = 0;
    int trackPos = 0;
};

// Owner-drawn items (combo boxes in toolbars and dialogs, owner-drawn buttons).
struct DrawItem {
    unsigned ctlId = 0;
    int itemId = -1;                // -1: no item (an empty combo's face)
    unsigned itemAction = kOdaDrawEntire;
    unsigned itemState = 0;         // kOds* flags
    Dc* dc = nullptr;               // draws into the item's rectangle of the control's image
    Rect rcItem;
    uintptr_t itemData = 0;
};
struct MeasureItem {
    unsigned ctlId = 0;
    int itemId = -1;
    int itemWidth = 0;
    int itemHeight = 0;
};

// What a window is made with and keeps while it exists: style, title, parent and child id, and
// its window class.
struct WindowDescription {
    unsigned style = 0;
    std::string name;
    Wnd* parent = nullptr;
    unsigned id = 0;
    // The window class: its cursor (a standard kIdc* cursor or a cursor resource id, 0 = none
    // set, the pointer keeps what SetCursor chose) and whether the background is erased with
    // the window colour before painting (false: the paint handler fills everything itself).
    unsigned classCursor = kIdcArrow;
    bool eraseBackground = true;
};

// What PreCreateWindow may change before a window is made.
struct CreateStruct : WindowDescription {
    int x = 0, y = 0, cx = 0, cy = 0;   // 0 sizes: the layer's default
};

using Cursor = unsigned;    // a standard kIdc* id or a cursor resource id; 0 = none
using Icon = unsigned;      // an icon resource id; 0 = none

class Wnd : public CmdTarget, public TimerTarget {
public:
    Wnd();
    ~Wnd() override;

    // ---- existence ----
    // True once the window has been created and until it is destroyed.
    bool IsWindow() const;
    // Makes a child window of parent (style kWsChild | ...). Views and controls use it.
    virtual bool Create(Wnd* parent, unsigned style, unsigned id, const Rect& rect = {});
    virtual bool PreCreateWindow(CreateStruct& cs);
    // Destroys the window (OnDestroy runs, timers stop, capture is released); the object stays.
    virtual bool DestroyWindow();
    Wnd* GetParent() const;
    unsigned GetDlgCtrlID() const;
    unsigned GetStyle() const;
    void ModifyStyle(unsigned remove, unsigned add);

    // ---- messages ----
    // Runs a message through this window's handlers now / after the current handler returns.
    intptr_t SendMessage(unsigned message, uintptr_t wParam = 0, intptr_t lParam = 0);
    void PostMessage(unsigned message, uintptr_t wParam = 0, intptr_t lParam = 0);
    // Called for key and mouse input before it is dispatched (frames translate accelerators
    // here); true = the message was handled and goes no further.
    virtual bool PreTranslateMessage(Msg& msg);
    // Dispatches a message to the handler for it.
    virtual intptr_t WindowProc(const Msg& msg);

    // ---- handlers the programs override ----
    virtual int OnCreate() { return 0; }             // -1 refuses the creation
    virtual void OnDestroy() {}
    virtual void OnClose();                          // base: DestroyWindow
    virtual void OnSize(unsigned type, int cx, int cy);
    virtual void OnSetFocus(Wnd* oldWnd);
    virtual void OnKillFocus(Wnd* newWnd);
    virtual void OnLButtonDown(unsigned flags, Point point);
    virtual void OnLButtonUp(unsigned flags, Point point);
    virtual void OnRButtonDown(unsigned flags, Point point);
    virtual void OnRButtonUp(unsigned flags, Point point);
    virtual void OnMButtonDown(unsigned flags, Point point);
    virtual void OnMButtonUp(unsigned flags, Point point);
    virtual void OnMouseMove(unsigned flags, Point point);
    // delta in multiples of kWheelDelta, positive away from the user; point in screen pixels.
    virtual bool OnMouseWheel(unsigned flags, short delta, Point point);
    virtual void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags);
    virtual void OnKeyUp(unsigned vk, unsigned repeat, unsigned flags);
    virtual void OnChar(unsigned ch, unsigned repeat, unsigned flags);
    void OnTimer(unsigned id) override;
    // code: kSb*; pos: the thumb position for kSbThumbTrack/kSbThumbPosition; bar: the scroll-bar
    // control that sent it, null for the window's own scroll bar.
    virtual void OnHScroll(unsigned code, unsigned pos, Control* bar);
    virtual void OnVScroll(unsigned code, unsigned pos, Control* bar);
    // Paint handler: runs from the repaint queue with the invalid region gathered; use PaintDC.
    // The base paints nothing (the backing image keeps what was there).
    virtual void OnPaint();
    // Before OnPaint when the invalidation asked for erasing; the base fills with the window colour
    // when the window class erases its background. Return true when erased.
    virtual bool OnEraseBkgnd(Dc& dc);
    virtual void OnDropFiles(const std::vector<std::string>& paths);
    virtual void OnDrawItem(unsigned ctlId, DrawItem& item);
    virtual void OnMeasureItem(unsigned ctlId, MeasureItem& item);
    // A command arriving at this window (menu, accelerator, toolbar, child button): the base
    // routes it through OnCmdMsg. Overrides can swallow (return true) or drop (return false).
    virtual bool OnCommand(unsigned id);
    // A control notification other than a click (kEnChange, kCbnSelChange, ...): the base runs
    // the handler registered with onNotify.
    virtual bool OnNotify(unsigned id, unsigned code);

    // ---- painting ----
    void Invalidate(bool erase = true);
    void InvalidateRect(const Rect* rect, bool erase = true);   // null: the whole client area
    void ValidateRect(const Rect* rect);
    // Paints the gathered invalid region now (nothing when there is none).
    void UpdateWindow();
    bool RedrawWindow(const Rect* rect = nullptr, unsigned flags = kRdwInvalidate | kRdwUpdateNow | kRdwErase);
    // Whether some part of the window waits to be painted.
    bool GetUpdateRect(Rect* rect) const;
    // A device context on the window's backing image (MM_TEXT, origin at the client's top left).
    // Each GetDC needs a ReleaseDC, which shows what was drawn; ClientDC does this by scope.
    Dc* GetDC();
    int ReleaseDC(Dc* dc);
    // Colour of a pixel of the backing image (0x00RRGGBB), for tests and picture copies.
    uint32_t backingPixel(int x, int y) const;

    // ---- geometry ----
    void GetClientRect(Rect* rect) const;
    Rect clientRect() const;
    void GetWindowRect(Rect* rect) const;             // screen coordinates
    void ClientToScreen(Point* point) const;
    void ClientToScreen(Rect* rect) const;
    void ScreenToClient(Point* point) const;
    void ScreenToClient(Rect* rect) const;
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    void MoveWindow(const Rect& rect, bool repaint = true);
    // Moves (unless kSwpNoMove) and sizes (unless kSwpNoSize) the window; the stacking order is
    // the desktop's. A dialog that places itself in OnInitDialog opens there, kept on the screen.
    void SetWindowPos(int x, int y, int width, int height, unsigned flags);

    // ---- state ----
    bool ShowWindow(int cmd);                         // returns whether it was visible before
    bool IsWindowVisible() const;
    bool EnableWindow(bool enable = true);            // returns whether it was disabled before
    bool IsWindowEnabled() const;
    void SetWindowText(std::string_view text);
    std::string GetWindowText() const;
    bool IsIconic() const;
    bool IsZoomed() const;
    void BringWindowToTop();
    // Restores the window when minimised, raises it and asks the desktop for its activation.
    void SetForegroundWindow();
    void SetIcon(Icon icon, bool big);

    // ---- focus, capture, cursor ----
    Wnd* SetFocus();                                  // returns the window that had it
    static Wnd* GetFocus();
    Wnd* SetCapture();                                // returns the window that had it
    static Wnd* GetCapture();
    static bool ReleaseCapture();

    // ---- timers (through the UI host; ticks arrive in OnTimer) ----
    unsigned SetTimer(unsigned id, unsigned periodMs);
    bool KillTimer(unsigned id);

    // ---- scroll bars (kSbHorz / kSbVert) ----
    bool SetScrollInfo(int bar, const ScrollInfo& info, bool redraw = true);
    bool GetScrollInfo(int bar, ScrollInfo* info, unsigned mask = kSifAll) const;
    int SetScrollPos(int bar, int pos, bool redraw = true);
    int GetScrollPos(int bar) const;
    void SetScrollRange(int bar, int minPos, int maxPos, bool redraw = true);
    void GetScrollRange(int bar, int* minPos, int* maxPos) const;
    void ShowScrollBar(int bar, bool show = true);
    bool EnableScrollBarCtrl(int bar, bool enable = true);

    // ---- menus and files ----
    Menu* GetMenu() const;                            // the frame's menu bar; null for others
    void DrawMenuBar();
    void DragAcceptFiles(bool accept = true);

    // ---- owner ----
    // The frame window that holds this one (null for top-level windows).
    class FrameWnd* GetParentFrame() const;
    class FrameWnd* GetTopLevelFrame() const;

    // For the layer: the window's state (null before Create).
    WndState* state() const { return state_.get(); }

private:
    std::unique_ptr<WndState> state_;
    friend struct WndState;
    friend WndState& wndState(Wnd& w);   // the layer: the state, made on first use
};

// A device context on a window's backing image for the length of a scope (the platform's
// client DC). Converts to Dc& so it can be passed to OnPrepareDC and the painters.
class ClientDC {
public:
    explicit ClientDC(Wnd* wnd);
    ~ClientDC();
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;
    Dc* operator->() const { return dc_; }
    Dc& operator*() const { return *dc_; }
    operator Dc&() const { return *dc_; }
    Dc* get() const { return dc_; }
    Wnd* window() const { return wnd_; }

private:
    Wnd* wnd_;
    Dc* dc_;
};

// The device context of a paint handler: clipped to the region being painted. Only valid
// inside OnPaint; elsewhere it behaves as a ClientDC.
class PaintDC : public ClientDC {
public:
    explicit PaintDC(Wnd* wnd);
    const Rect& paintRect() const { return paintRect_; }
    bool erase() const { return erase_; }

private:
    Rect paintRect_;
    bool erase_ = false;
};

// ---- cursors, icons, pointer ----
Cursor LoadCursor(unsigned id);          // the id itself when such a cursor exists, else 0
Cursor LoadStandardCursor(unsigned idc); // kIdc* ids
Cursor SetCursor(Cursor cursor);         // returns the previous one
Cursor GetCursor();
Icon LoadIcon(unsigned id);              // the id when the icon exists in the resources, else 0
bool GetCursorPos(Point* point);         // screen pixels
// Where the last left-button press that a window of the program received was, in screen
// pixels (none before the first): the editors' property dialogs open there.
std::optional<Point> LastClickPoint();
bool SetCursorPos(int x, int y);         // no effect where the desktop does not allow it
void ClipCursor(const Rect* rect);       // accepted, no effect
int ShowCursor(bool show);               // display count, as the platform keeps it

// Screen metrics the programs lay windows out with.
enum : int { kSmCxScreen = 0, kSmCyScreen = 1, kSmCxVScroll = 2, kSmCyHScroll = 3, kSmCyCaption = 4,
             kSmCyMenu = 15, kSmCySizeFrame = 33, kSmCySmCaption = 51 };
int GetSystemMetrics(int index);
// Dialog base units: 8 horizontally, 16 vertically (as one int: low word x, high word y).
long GetDialogBaseUnits();

}  // namespace plat
