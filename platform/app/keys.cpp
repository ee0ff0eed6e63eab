#include "platform/app/keys.h"

#include "platform/app/win_constants.h"
#include "platform/app/wnd_state.h"

#include <QAbstractSlider>

#include <cctype>
#include <cstring>

namespace plat {
namespace {

struct KeyboardState {
    std::array<uint8_t, 256> keys{};      // 0x80 down, 0x01 toggled
    std::array<bool, 256> pressedSince{}; // the asynchronous latch
    unsigned lastVk = 0;                  // the key being dispatched and the character it typed
    uint16_t lastChar = 0;
};

KeyboardState& kb()
{
    static KeyboardState state;
    return state;
}

// The US layout, for keys whose event carried no usable text.
uint16_t usLayoutChar(unsigned vk, bool shift, bool caps)
{
    if (vk >= 'A' && vk <= 'Z') {
        const bool upper = shift != caps;
        return static_cast<uint16_t>(upper ? vk : vk - 'A' + 'a');
    }
    if (vk >= '0' && vk <= '9') {
        static const char shifted[] = ")!@#$%^&*(";
        return static_cast<uint16_t>(shift ? shifted[vk - '0'] : static_cast<char>(vk));
    }
    if (vk >= kVkNumpad0 && vk <= kVkNumpad0 + 9)
        return static_cast<uint16_t>('0' + (vk - kVkNumpad0));
    switch (vk) {
    case kVkSpace: return ' ';
    case kVkReturn: return '\r';
    case kVkAdd: return '+';
    case kVkSubtract: return '-';
    case kVkMultiply: return '*';
    case kVkDivide: return '/';
    case kVkDecimal: return '.';
    case kVkOem1: return shift ? ':' : ';';
    case kVkOemPlus: return shift ? '+' : '=';
    case kVkOemComma: return shift ? '<' : ',';
    case kVkOemMinus: return shift ? '_' : '-';
    case kVkOemPeriod: return shift ? '>' : '.';
    case kVkOem2: return shift ? '?' : '/';
    case kVkOem3: return shift ? '~' : '`';
    case kVkOem4: return shift ? '{' : '[';
    case kVkOem5: return shift ? '|' : '\\';
    case kVkOem6: return shift ? '}' : ']';
    case kVkOem7: return shift ? '"' : '\'';
    default: return 0;
    }
}

}  // namespace

short GetKeyState(unsigned vk)
{
    if (vk > 255)
        return 0;
    const uint8_t k = kb().keys[vk];
    return static_cast<short>(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

short GetAsyncKeyState(unsigned vk)
{
    if (vk > 255)
        return 0;
    auto& s = kb();
    const short result = static_cast<short>(((s.keys[vk] & 0x80) ? 0x8000 : 0) | (s.pressedSince[vk] ? 1 : 0));
    s.pressedSince[vk] = false;
    return result;
}

void GetKeyboardState(std::array<uint8_t, 256>& state) { state = kb().keys; }

int ToAscii(unsigned vk, unsigned, const std::array<uint8_t, 256>& state, uint16_t* ch, unsigned)
{
    if (!ch || vk > 255)
        return 0;
    const bool ctrl = state[kVkControl] & 0x80;
    const bool alt = state[kVkMenu] & 0x80;
    // Ctrl with a letter would type a control character; those are never inserted.
    if (ctrl && !alt)
        return 0;
    uint16_t c = 0;
    const auto& s = kb();
    if (vk == s.lastVk && s.lastChar >= 0x20 && s.lastChar != 0x7F && s.lastChar <= 0xFF)
        c = s.lastChar;
    else
        c = usLayoutChar(vk, state[kVkShift] & 0x80, state[kVkCapital] & 0x01);
    if (c < 0x20 && c != '\r')
        return 0;
    *ch = c;
    return 1;
}

void noteKeyDown(unsigned vk)
{
    if (vk > 255)
        return;
    auto& s = kb();
    if (!(s.keys[vk] & 0x80))
        s.keys[vk] ^= 0x01;   // toggled on each press
    s.keys[vk] |= 0x80;
    s.pressedSince[vk] = true;
}

void noteKeyUp(unsigned vk)
{
    if (vk > 255)
        return;
    kb().keys[vk] &= static_cast<uint8_t>(~0x80);
}

void resetKeyboardState() { kb() = KeyboardState{}; }

void releaseKeys()
{
    auto& s = kb();
    for (uint8_t& k : s.keys)
        k &= 0x01;
    s.pressedSince.fill(false);
}

// ---- Qt side ----

void noteKeyText(unsigned vk, uint16_t ch)
{
    kb().lastVk = vk;
    kb().lastChar = ch;
}

void noteModifiers(Qt::KeyboardModifiers mods)
{
    auto set = [](unsigned vk, bool down) {
        if (down)
            kb().keys[vk] |= 0x80;
        else
            kb().keys[vk] &= static_cast<uint8_t>(~0x80);
    };
    set(kVkShift, mods & Qt::ShiftModifier);
    set(kVkControl, mods & Qt::ControlModifier);
    set(kVkMenu, mods & Qt::AltModifier);
}

unsigned vkFromQt(int key, Qt::KeyboardModifiers, bool keypad)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<unsigned>('A' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? kVkNumpad0 + static_cast<unsigned>(key - Qt::Key_0) : static_cast<unsigned>('0' + (key - Qt::Key_0));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return kVkF1 + static_cast<unsigned>(key - Qt::Key_F1);
    if (keypad) {
        switch (key) {
        case Qt::Key_Plus: return kVkAdd;
        case Qt::Key_Minus: return kVkSubtract;
        case Qt::Key_Asterisk: return kVkMultiply;
        case Qt::Key_Slash: return kVkDivide;
        case Qt::Key_Period:
        case Qt::Key_Comma: return kVkDecimal;
        default: break;
        }
    }
    switch (key) {
    case Qt::Key_Escape: return kVkEscape;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kVkReturn;
    case Qt::Key_Backspace: return kVkBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return kVkTab;
    case Qt::Key_Space: return kVkSpace;
    case Qt::Key_PageUp: return kVkPrior;
    case Qt::Key_PageDown: return kVkNext;
    case Qt::Key_End: return kVkEnd;
    case Qt::Key_Home: return kVkHome;
    case Qt::Key_Left: return kVkLeft;
    case Qt::Key_Up: return kVkUp;
    case Qt::Key_Right: return kVkRight;
    case Qt::Key_Down: return kVkDown;
    case Qt::Key_Insert: return kVkInsert;
    case Qt::Key_Delete: return kVkDelete;
    case Qt::Key_Shift: return kVkShift;
    case Qt::Key_Control: return kVkControl;
    case Qt::Key_Alt: return kVkMenu;
    case Qt::Key_CapsLock: return kVkCapital;
    case Qt::Key_Pause: return kVkPause;
    case Qt::Key_Print: return kVkSnapshot;
    case Qt::Key_NumLock: return kVkNumLock;
    case Qt::Key_ScrollLock: return kVkScroll;
    case Qt::Key_Help: return kVkHelp;
    // Shifted symbols of the US layout name the key they are on.
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_Asterisk: return '8';
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_ParenRight: return '0';
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return kVkOem1;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return kVkOemPlus;
    case Qt::Key_Comma:
    case Qt::Key_Less: return kVkOemComma;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return kVkOemMinus;
    case Qt::Key_Period:
    case Qt::Key_Greater: return kVkOemPeriod;
    case Qt::Key_Slash:
    case Qt::Key_Question: return kVkOem2;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return kVkOem3;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return kVkOem4;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return kVkOem5;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return kVkOem6;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return kVkOem7;
    default: return 0;
    }
}

unsigned mouseFlagsFromQt(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods)
{
    unsigned flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= kMkLButton;
    if (buttons & Qt::RightButton)
        flags |= kMkRButton;
    if (buttons & Qt::MiddleButton)
        flags |= kMkMButton;
    if (mods & Qt::ShiftModifier)
        flags |= kMkShift;
    if (mods & Qt::ControlModifier)
        flags |= kMkControl;
    return flags;
}

std::optional<unsigned> scrollCodeFromQt(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return kSbLineUp;
    case QAbstractSlider::SliderSingleStepAdd: return kSbLineDown;
    case QAbstractSlider::SliderPageStepSub: return kSbPageUp;
    case QAbstractSlider::SliderPageStepAdd: return kSbPageDown;
    case QAbstractSlider::SliderToMinimum: return kSbTop;
    case QAbstractSlider::SliderToMaximum: return kSbBottom;
    case QAbstractSlider::SliderMove: return kSbThumbTrack;
    default: return std::nullopt;
    }
}

}  // namespace plat
