#pragma once
// Screening of a SPICE deck before it is handed to ngspice. A drawing can carry any text into
// its deck, and ngspice runs shell commands from ".control" blocks, so only the cards a
// simulation needs pass; anything else refuses the whole deck.

#include <string>
#include <string_view>
#include <vector>

namespace spicerun {

// One logical card: its first line and the "+" lines that continue it.
struct Card {
    int lineNumber = 0;          // 1-based line of the card's first line in the deck
    std::string text;            // the lines as given, joined with "\n"
    std::string keyword;         // ".TRAN", ".PRINT", ... upper-cased; empty for elements and comments
};

struct ScreenedDeck {
    bool accepted = false;
    std::string reason;          // why the deck was refused
    std::vector<Card> cards;     // every card after the title line, up to ".END" (exclusive)
    int analysisCard = -1;       // index into cards of the first analysis card, -1 for none
};

// The decks our netlister writes are small; anything far larger is not a deck of ours.
inline constexpr size_t kMaxDeckBytes = 4 * 1024 * 1024;
inline constexpr size_t kMaxLineChars = 8192;

// Splits the deck into cards and checks every one against the allow-list. The first line is
// the deck's title and never reaches ngspice.
ScreenedDeck ScreenDeck(std::string_view deck);

// The upper-cased first word of a card ("" for an empty text).
std::string CardKeyword(std::string_view line);

// ".FOUR 1K V(OUT,0)" prints no table in ngspice: a reference of ground is dropped, giving
// ".FOUR 1K V(OUT)".
std::string DropGroundReference(std::string_view card);

// The words of a card's text, split at blanks, tabs, commas of no parenthesis, "=" and line
// ends; continuation marks "+" are dropped.
std::vector<std::string> CardWords(std::string_view card);

}  // namespace spicerun
