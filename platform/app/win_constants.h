#pragma once
// The numeric vocabulary of windows: styles, show commands, redraw flags, mouse-key flags,
// scroll codes, message numbers, control notification codes, menu flags and standard cursors.
// The values are the ones the programs' code compares against and stores.

namespace plat {

// ---- window styles ----
enum : unsigned {
    kWsOverlapped = 0x00000000u,
    kWsMaximizeBox = 0x00010000u,
    kWsMinimizeBox = 0x00020000u,
    kWsThickFrame = 0x00040000u,
    kWsSysMenu = 0x00080000u,
    kWsHScroll = 0x00100000u,
    kWsVScroll = 0x00200000u,
    kWsCaption = 0x00C00000u,
    kWsBorder = 0x00800000u,
    kWsMaximize = 0x01000000u,
    kWsVisible = 0x10000000u,
    kWsChild = 0x40000000u,
    kWsPopup = 0x80000000u,
    kWsOverlappedWindow = kWsOverlapped | kWsCaption | kWsSysMenu | kWsThickFrame | kWsMinimizeBox | kWsMaximizeBox,
    kFwsAddToTitle = 0x00008000u,   // the frame's title shows the active document's title
};

// ---- ShowWindow commands ----
enum : int {
    kSwHide = 0, kSwShowNormal = 1, kSwShowMinimized = 2, kSwShowMaximized = 3,
    kSwShowNoActivate = 4, kSwShow = 5, kSwMinimize = 6, kSwRestore = 9,
};

// ---- RedrawWindow flags ----
enum : unsigned {
    kRdwInvalidate = 0x0001, kRdwInternalPaint = 0x0002, kRdwErase = 0x0004, kRdwValidate = 0x0008,
    kRdwNoErase = 0x0020, kRdwAllChildren = 0x0080, kRdwUpdateNow = 0x0100, kRdwEraseNow = 0x0200,
    kRdwFrame = 0x0400,
};

// ---- mouse-key flags of mouse messages ----
enum : unsigned {
    kMkLButton = 0x0001, kMkRButton = 0x0002, kMkShift = 0x0004, kMkControl = 0x0008,
    kMkMButton = 0x0010,
};
constexpr int kWheelDelta = 120;

// ---- scroll bars ----
enum : int { kSbHorz = 0, kSbVert = 1, kSbCtl = 2, kSbBoth = 3 };
enum : unsigned {
    kSbLineUp = 0, kSbLineLeft = 0, kSbLineDown = 1, kSbLineRight = 1,
    kSbPageUp = 2, kSbPageLeft = 2, kSbPageDown = 3, kSbPageRight = 3,
    kSbThumbPosition = 4, kSbThumbTrack = 5, kSbTop = 6, kSbLeft = 6, kSbBottom = 7, kSbRight = 7,
    kSbEndScroll = 8,
};
enum : unsigned {
    kSifRange = 0x1, kSifPage = 0x2, kSifPos = 0x4, kSifDisableNoScroll = 0x8, kSifTrackPos = 0x10,
    kSifAll = kSifRange | kSifPage | kSifPos | kSifTrackPos,
};

// ---- WM_SIZE types ----
enum : unsigned { kSizeRestored = 0, kSizeMinimized = 1, kSizeMaximized = 2 };

// ---- message numbers (for Msg, PreTranslateMessage, SendMessage/PostMessage) ----
enum : unsigned {
    kWmCreate = 0x0001, kWmDestroy = 0x0002, kWmSize = 0x0005, kWmSetFocus = 0x0007,
    kWmKillFocus = 0x0008, kWmPaint = 0x000F, kWmClose = 0x0010, kWmEraseBkgnd = 0x0014,
    kWmDrawItem = 0x002B, kWmKeyDown = 0x0100, kWmKeyUp = 0x0101, kWmChar = 0x0102,
    kWmSysKeyDown = 0x0104, kWmSysKeyUp = 0x0105, kWmSysChar = 0x0106, kWmCommand = 0x0111,
    kWmTimer = 0x0113, kWmHScroll = 0x0114, kWmVScroll = 0x0115, kWmInitMenuPopup = 0x0117,
    kWmMouseMove = 0x0200, kWmLButtonDown = 0x0201, kWmLButtonUp = 0x0202,
    kWmRButtonDown = 0x0204, kWmRButtonUp = 0x0205, kWmMButtonDown = 0x0207, kWmMButtonUp = 0x0208,
    kWmMouseWheel = 0x020A, kWmDropFiles = 0x0233, kWmUser = 0x0400,
};

// ---- control notification codes (second half of a control's command) ----
enum : unsigned {
    kBnClicked = 0, kStnClicked = 0,
    kEnSetFocus = 0x0100, kEnKillFocus = 0x0200, kEnChange = 0x0300,
    kLbnSelChange = 1, kLbnDblClk = 2,
    kCbnSelChange = 1, kCbnDblClk = 2, kCbnSetFocus = 3, kCbnKillFocus = 4, kCbnEditChange = 5,
    kUdnDeltaPos = 0xFD2E,             // a spin button was pressed; the control holds the delta
    kTcnSelChange = 0xFDD9,            // a tab was chosen
    kTvnSelChanged = 0xFE6E, kTvnItemExpanding = 0xFE6F,
};
// List and combo box answers.
constexpr int kLbErr = -1;
constexpr int kCbErr = -1;

// ---- menu flags ----
enum : unsigned {
    kMfString = 0x0000, kMfEnabled = 0x0000, kMfUnchecked = 0x0000, kMfByCommand = 0x0000,
    kMfGrayed = 0x0001, kMfDisabled = 0x0002, kMfChecked = 0x0008, kMfPopup = 0x0010,
    kMfByPosition = 0x0400, kMfSeparator = 0x0800,
};
enum : unsigned { kTpmLeftAlign = 0x0000, kTpmLeftButton = 0x0000, kTpmRightButton = 0x0002, kTpmReturnCmd = 0x0100 };

// ---- owner-draw ----
enum : unsigned { kOdaDrawEntire = 0x1, kOdaSelect = 0x2, kOdaFocus = 0x4 };
enum : unsigned { kOdsSelected = 0x1, kOdsGrayed = 0x2, kOdsDisabled = 0x4, kOdsChecked = 0x8, kOdsFocus = 0x10 };

// ---- standard cursors (resource cursors use their own resource ids) ----
enum : unsigned {
    kIdcArrow = 32512, kIdcIBeam = 32513, kIdcWait = 32514, kIdcCross = 32515, kIdcUpArrow = 32516,
    kIdcSizeNWSE = 32642, kIdcSizeNESW = 32643, kIdcSizeWE = 32644, kIdcSizeNS = 32645,
    kIdcSizeAll = 32646, kIdcNo = 32648, kIdcHand = 32649,
};

// ---- SetWindowPos ----
enum : unsigned { kSwpNoSize = 0x1, kSwpNoMove = 0x2, kSwpNoZOrder = 0x4 };

// ---- button check states ----
enum : int { kBstUnchecked = 0, kBstChecked = 1, kBstIndeterminate = 2 };

}  // namespace plat
