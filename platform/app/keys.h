#pragma once
// Virtual-key codes and the keyboard state: what key messages carry, what GetKeyState and the
// asynchronous Escape latch answer during pumped long operations, and the conversion of a key
// into the character it types.

#include <array>
#include <cstdint>

namespace plat {

enum : unsigned {
    kVkLButton = 0x01, kVkRButton = 0x02, kVkCancel = 0x03, kVkMButton = 0x04,
    kVkBack = 0x08, kVkTab = 0x09, kVkClear = 0x0C, kVkReturn = 0x0D,
    kVkShift = 0x10, kVkControl = 0x11, kVkMenu = 0x12, kVkPause = 0x13, kVkCapital = 0x14,
    kVkEscape = 0x1B, kVkSpace = 0x20, kVkPrior = 0x21, kVkNext = 0x22, kVkEnd = 0x23,
    kVkHome = 0x24, kVkLeft = 0x25, kVkUp = 0x26, kVkRight = 0x27, kVkDown = 0x28,
    kVkSnapshot = 0x2C, kVkInsert = 0x2D, kVkDelete = 0x2E, kVkHelp = 0x2F,
    // '0'..'9' and 'A'..'Z' are their ASCII codes.
    kVkNumpad0 = 0x60, kVkMultiply = 0x6A, kVkAdd = 0x6B, kVkSeparator = 0x6C,
    kVkSubtract = 0x6D, kVkDecimal = 0x6E, kVkDivide = 0x6F,
    kVkF1 = 0x70, kVkF2, kVkF3, kVkF4, kVkF5, kVkF6, kVkF7, kVkF8, kVkF9, kVkF10, kVkF11, kVkF12,
    kVkNumLock = 0x90, kVkScroll = 0x91,
    kVkOem1 = 0xBA, kVkOemPlus = 0xBB, kVkOemComma = 0xBC, kVkOemMinus = 0xBD, kVkOemPeriod = 0xBE,
    kVkOem2 = 0xBF, kVkOem3 = 0xC0, kVkOem4 = 0xDB, kVkOem5 = 0xDC, kVkOem6 = 0xDD, kVkOem7 = 0xDE,
};

// State of a key as the last dispatched input left it: bit 0x8000 (as a short, negative) when
// down, bit 0x0001 toggled (Caps Lock and the like).
short GetKeyState(unsigned vk);

// The asynchronous state: 0x8000 while the key is down; 0x0001 when it was pressed since the
// previous call for that key (the latch is cleared by reading it). Tracked from the input the
// layer sees, so it is meaningful while events are pumped.
short GetAsyncKeyState(unsigned vk);

// 256 bytes, one per virtual key: 0x80 down, 0x01 toggled.
void GetKeyboardState(std::array<uint8_t, 256>& state);

// The character a key types with the given keyboard state (Shift applied); the character of the
// key event being dispatched when it matches, else a US-layout table. Returns 1 and the character
// in *ch, or 0 for keys that type nothing. Control characters are never produced.
int ToAscii(unsigned vk, unsigned scanCode, const std::array<uint8_t, 256>& state, uint16_t* ch, unsigned flags = 0);

// For the layer and tests: record a key going down or up (feeds the states above).
void noteKeyDown(unsigned vk);
void noteKeyUp(unsigned vk);
void resetKeyboardState();
// Forgets every key held and every press not yet read; toggles stay. Run when a dialog closes
// and when another window takes the focus: the release of the key that closed a dialog goes to
// a window that is gone, and must not leave that key held for the next long operation.
void releaseKeys();

}  // namespace plat
