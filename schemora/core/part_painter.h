#pragma once
// Placed parts: a part instance names a symbol of the PartSymbol table; its elements are drawn
// through the instance's origin, orientation, mirror, gate and body variant, followed by the
// reference and value labels.

#include "schemora/core/draw_object.h"

#include "platform/gdi/dc.h"

#include <optional>
#include <string>
#include <string_view>

struct PartSymbol;

// Fields of a part instance's words.
inline constexpr int kLabelsUprightBit = 0x4000;      // word 4
inline constexpr int kReferenceHiddenBit = 0x8000;    // word 5
inline constexpr int kMirrorBit = 0x1000;             // word 7 (and angle words)
inline constexpr int kToolPartEditorDrag = 4044;
inline constexpr int kHiddenSettingHide = 517;

// Draws one instance in a colour role. An unresolved instance (kind kObjPart) is first looked
// up by name: found, it takes its symbol's kind and label anchor; not found, it is reported
// ("Something wrong with part:%s") and deleted (kind 0).
void DrawPartInstance(plat::Dc& dc, DrawObject& instance, int role);
// Draws the symbol elements first..last about g_partOrigin in two passes (bodies, then lines,
// texts and the rest).
void DrawSymbolElements(plat::Dc& dc, int role, int first, int last, int orientation, bool mirror,
                        bool upright, int elementFlag);
// One symbol text: cut at its first ',' or ';' (mode 32 keeps the part after it), turned by
// angle unless upright, ending at the anchor when mirrored.
void DrawSymbolText(plat::Dc& dc, std::string_view text, int x, int y, int angle, int mode,
                    bool mirror, bool upright, int attribute = 0);
// One pad of a package drawing, by shape number (see the package previews).
void DrawPadShape(plat::Dc& dc, int x, int y, int role, int shape, int width, int height, int hole,
                  int angle, bool mirror);

// The two label texts of an instance: the reference ("R12", "U3c", "R5 10k") and the second
// text (a value drawn below it, or a 'U' part's type). invertedLabel tells that a final 'o'
// was cut from the value of an unturned part.
struct PartLabels {
    std::string reference;
    std::string second;
    bool invertedLabel = false;
};
PartLabels MakePartLabels(std::string_view text, int number, int gateSlot, int gates,
                          bool referenceHidden, bool labelsUpright, int orientation);

// The loaded symbol a placed instance names; null while unresolved or out of the table.
const PartSymbol* SymbolOfInstance(const DrawObject& instance);
// The symbol's part name: its library name after the last '\\'.
std::string PartNameOf(const PartSymbol& symbol);

// The symbol elements one instance shows: its gate's section of its body variant.
struct PartGateRange {
    int first = 0;
    int last = 0;
    int slot = 0;       // the gate drawn, 0-based
    int gates = 1;
    bool empty = true;  // the section holds no elements
};
// False when the instance's symbol is not loaded or has no element block.
bool PartElementRange(const DrawObject& instance, PartGateRange* range);
// The label texts of an instance; nothing when it has no reference text.
std::optional<PartLabels> InstanceLabels(const DrawObject& instance, const PartGateRange& range);
// Which labels of an instance have a place: the reference (with the value below it) where the
// symbol has a reference placeholder ("R?") or the instance a label point of its own, a 'U'
// part's name where the symbol has "p?" or a name point. A supply symbol has neither.
struct PartLabelPlaces {
    bool reference = false;
    bool partName = false;
};
PartLabelPlaces LabelPlacesOf(const DrawObject& instance, const PartSymbol& symbol);
// The instance's reference is hidden, by itself or by its symbol ("%no_des").
bool InstanceReferenceHidden(const DrawObject& instance);
