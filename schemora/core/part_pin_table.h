#pragma once
// The pin table of the library part editor: one record per pin number of the part being drawn,
// kept in numeric order of its number, with the drawn terminal that carries the pin in each
// symbol variant. Failures are told in a message box and leave the table as it was.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct DrawObject;

inline constexpr int kMaxEditorPins = 999;
inline constexpr int kSymbolVariants = 4;
inline constexpr int kEditorPinChars = 10;
inline constexpr int kFirstHiddenPowerPinType = 11;
inline constexpr int kPinLabelChars = 20;

struct EditorPin {
    std::string label;                            // at most kPinLabelChars
    int type = 0;                                 // 0 "Input" ... 11-14 hidden power pins
    std::string number;                           // at most kEditorPinChars
    std::string name;                             // at most kEditorPinChars
    int sortIndex = 0;                            // position before the last sort
    int partLetter = 0;                           // 0 = part A of the package
    std::array<int, kSymbolVariants> terminal{};  // object index per symbol variant, 0 = none
};

// Field 0 (the number: up to the first "," or ";") or field 1 (the name: after the ";" when
// there is one, else after the ",") of the first 10 characters of a pin text, cut to 10
// characters; any other field is empty.
std::string SplitPinText(std::string_view text, int field);
// The value of a pin number's leading decimal digits, 0 when there are none.
int PinNumberValue(std::string_view number);

enum class PinAddResult { Added, Linked, Duplicate, TableFull };

class PartPinTable {
public:
    std::span<const EditorPin> pins() const { return pins_; }
    int count() const { return static_cast<int>(pins_.size()); }
    void clear() { pins_.clear(); }

    // One more than the largest numeric pin number; 1 for an empty table.
    int GetNextPinNumber() const;
    // Adds the pin of terminal objectIndex drawn in symbol variant (0-based). An existing number
    // is an error in variant 0 and links the terminal into that variant's slot in later ones.
    // A full table refuses with "Too many pins".
    PinAddResult AddPartPin(std::string_view pinText, int type, std::string_view label, int objectIndex,
                            int variant, int partLetter);
    // Adds a supply pin that has no drawn terminal (types 11 to 14), keeping its whole text (at
    // most 10 characters) as the number: "3;7" is one supply on two pins. A number already in
    // the table and a full table refuse with the table's messages.
    PinAddResult AddHiddenPowerPin(std::string_view numberText, int type);
    // Stable ascending order by numeric value; sortIndex keeps each record's old position.
    void SortPinsByNumber();
    // Removes every record that terminal objectIndex carries in variant. Returns the terminals
    // of the later variants those records linked, which the caller erases along with it when
    // the part has several symbols.
    std::vector<int> RemovePartPinOfTerminal(int objectIndex, int variant);
    // Removes the first record with the number of pinText; "No replacement!" when none.
    bool RemovePartPin(std::string_view pinText);
    // Gives the pin of part partLetter that terminal objectIndex carries in variant 0 the number
    // and name of pinText: its record moves to the new number (no record stays behind under the
    // old one). A number another pin has already is refused with "Warning: this pin is already
    // defined". False when nothing changed.
    bool RenumberTerminalPin(int objectIndex, std::string_view pinText, int partLetter = 0);
    // The record of part partLetter that terminal objectIndex carries in variant; null when that
    // part has no pin there.
    const EditorPin* PinOfPart(int objectIndex, int variant, int partLetter) const;
    // Removes the pins of the parts from firstLetter on (the package has fewer parts now).
    void RemovePinsOfPartsFrom(int firstLetter);
    // Sets label and type of the pin terminal objectIndex carries in variant 0.
    void SetPinLabelAndType(int objectIndex, std::string_view label, int type);
    // Symbol `variant` (1 to 3) draws on terminal objectIndex the pin that the number of
    // pinText names in part partLetter ("?": no pin): every part's record on that pin's
    // symbol-1 terminal links objectIndex, and the records that linked it before let it go. A
    // number that no terminal of symbol 1 carries is refused with "Error: pin %s is not drawn
    // in Symbol 1", a pin this symbol draws on another terminal already with "Warning: this
    // pin is already defined". Returns the symbol-1 terminal of the pin now drawn (0 for "?"),
    // or -1 when refused.
    int LinkTerminalPin(int objectIndex, int variant, std::string_view pinText, int partLetter);
    // Sets the type of every part's pin on symbol-1 terminal `terminal`.
    void SetTypeOfTerminal(int terminal, int type);
    // The type of the pin terminal objectIndex carries in variant 0, 0 when none.
    int PinTypeOfTerminal(int objectIndex) const;
    // Removes the hidden power pin with the number of pinText, never a drawn terminal's pin of
    // the same number; "No replacement!" when there is none.
    bool RemoveHiddenPowerPin(std::string_view pinText);
    // Makes the table what the drawn terminals of slots 1..count say (after an undo, which
    // brings back or takes away terminals): one record per number drawn in variant 0, linked
    // to the terminals of later variants with the same number; hidden power pins and the type
    // and part letter of numbers already known are kept. Slots 1..objectCount are read.
    void RebuildPinTable(std::span<const DrawObject> slots, int objectCount);

private:
    // The record of terminal objectIndex in variant 0 (part A's first); null when none.
    const EditorPin* recordOfTerminal(int objectIndex) const;

    std::vector<EditorPin> pins_;
};
