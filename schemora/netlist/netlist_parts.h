#pragma once
// The netlister's view of a placed part: its symbol's name and package field, the pins of the
// instance's gate placed on the sheet, its hidden power pins and its pin count.
//
// A pin is a line element of the symbol with a pin flag (word 7); its text (word 10) is the pin
// number, optionally followed by "," and the surface-mount number, or by ";" and a name. The
// pin's first point is its connection end.

#include "schemora/core/draw_object.h"
#include "schemora/core/part_pins.h"

struct PartSymbol;

#include <string>
#include <string_view>
#include <vector>

struct NetlistPin {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // the lead on the sheet; (x1, y1) is the connection end
    std::string designation;              // through-hole or surface-mount pin designation
    int number = 0;                       // its numeric value (0 when it is not a number)
    char typeLetter = 0;                  // the pin's type letter from the library, or 0
};

// A hidden power pin text of a symbol: name "=" through-hole pin ("," or ";") surface-mount pin.
struct HiddenPin {
    std::string name;
    std::string throughHolePin;
    std::string surfaceMountPin;
};

inline bool IsSurfaceMount(const DrawObject& part) { return (part.w[5] >> 5) & 1; }

// The through-hole or surface-mount designation in a pin text.
std::string PinDesignation(std::string_view pinText, bool surfaceMount);

// The pins of the instance's gate, placed by its origin, orientation and mirror; gates receives
// the number of gates of its symbol. Empty when the symbol has no element block.
std::vector<NetlistPin> PlacedPartPins(const DrawObject& part, int* gates = nullptr);

// The hidden power pin texts of the symbol (texts beginning "v" or "g" with an "="), in order.
std::vector<HiddenPin> HiddenPowerPins(int symbol);

// The package's pin count: the highest pin number of any gate or hidden power pin.
int PartPinCount(int symbol, bool surfaceMount);

// The part text of an instance (word 10), "" when it has none.
inline std::string_view PartText(const DrawObject& part) { return part.text ? std::string_view(part.text) : std::string_view(); }
// The designator prefix: the part text up to its ":" (or "!").
std::string DesignatorPrefix(std::string_view partText);
// A connector (library name with "CONN"): it has no supply pins, and in a SPICE deck it is no
// device (its "J" would read as a junction transistor with no model).
inline bool IsConnectorPart(std::string_view libraryName) { return libraryName.find("CONN") != std::string_view::npos; }
// The net a supply symbol names: a part without a designator whose hidden power text ("v=VCC",
// "g=AGND") gives a supply; it names the net its origin lies on, as a ground symbol names GND,
// so that the hidden supply pins of that name join the wire. Empty for any other part.
std::string SupplySymbolNet(const PartSymbol& symbol);

// An LED's designator ("LED3"): the step replay finds lit LEDs by it, and a SPICE deck takes the
// part as a diode.
inline bool IsLedDesignator(std::string_view designator)
{
    return designator.size() >= 3 && (designator[0] == 'L' || designator[0] == 'l') &&
           (designator[1] == 'E' || designator[1] == 'e') && (designator[2] == 'D' || designator[2] == 'd');
}
