// A SPICE deck as spicerun screens it before ngspice may see it, and the printed Fourier
// output it rewrites into the listing: the same text serves as both.

#include "fuzz/fuzz_support.h"
#include "spicerun/deck_screen.h"
#include "spicerun/result_listing.h"

#include <cstdlib>
#include <string_view>

void fuzz::startHarness() { setUp(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const spicerun::ScreenedDeck deck = spicerun::ScreenDeck(text);
    if (!deck.accepted && deck.reason.empty())
        std::abort();   // a refusal always says why
    if (deck.analysisCard >= static_cast<int>(deck.cards.size()))
        std::abort();
    for (const spicerun::Card& card : deck.cards) {
        spicerun::CardWords(card.text);
        spicerun::DropGroundReference(card.text);
    }
    spicerun::RelayoutFourier(text);
}
