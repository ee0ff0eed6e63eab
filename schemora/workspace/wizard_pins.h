#pragma once
// The pin table of the part wizard: what the person typed or loaded for each pin of a block
// symbol, and the wizard's other answers that the symbol generator draws from.

#include <array>
#include <span>
#include <string>
#include <string_view>

inline constexpr int kWizardPinRecords = 500;
inline constexpr int kWizardLabelChars = 15;
inline constexpr int kWizardPinNumberChars = 7;

enum WizardPinType : int {
    kPinInput = 0,
    kPinOutput = 1,
    kPinUnknown = 10,
    kPinVcc = 11,
    kPinGround = 12,
};
inline constexpr int kWizardPinTypes = 13;
enum WizardPinSide : int { kSideLeft = 0, kSideRight = 1, kSideTop = 2, kSideBottom = 3, kSideNone = 4 };
inline constexpr int kWizardPinSides = 5;

// The letters of the ".LIB" pin lines: types 0 to 10, sides 0 to 4.
inline constexpr std::string_view kPinTypeLetters = "iotuabzcmqx";
inline constexpr std::string_view kPinSideLetters = "LRTBN";

struct WizardPin {
    std::string label;    // at most kWizardLabelChars
    int side = kSideLeft;
    int type = kPinInput;
    std::string number;   // at most kWizardPinNumberChars
};

enum class SymbolKind { Block = 0, LogicGate = 1, Amplifier = 2, Discrete = 3 };

// Everything the wizard asks, kept between its runs (the pin table keeps its pins until the
// pin page fills it again).
struct PartWizardAnswers {
    SymbolKind kind = SymbolKind::Block;
    int pins = 20;
    std::string designator = "u";
    std::string description;
    std::string package;
    std::string name;
    std::string gate;          // the Logic Gate's part in the "Symbol" library
    bool noSort = false;       // "%nosort" of a loaded file, or "Sort Names" unchecked
    bool saveToLibrary = false;
    std::array<WizardPin, kWizardPinRecords> table{};
};

// The pins the page shows first: "SIG1", "SIG2", ... numbered 1, 2, ...; the first half on the
// left as inputs, the rest on the right as outputs.
void FillDefaultWizardPins(std::span<WizardPin> table, int pins);

// The first n characters of text.
std::string FirstChars(std::string_view text, size_t n);
