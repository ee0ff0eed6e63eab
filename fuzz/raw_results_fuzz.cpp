// A raw file as spicerun reads ngspice's results, turned into the listing the schematic
// program's instruments read, for each kind of analysis a deck can ask for.

#include "fuzz/fuzz_support.h"
#include "spicerun/deck_screen.h"
#include "spicerun/raw_file.h"
#include "spicerun/result_listing.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Small decks whose analysis and print cards make the listing look for every kind of vector.
constexpr std::string_view kDecks[] = {
    "t\nV1 in 0 1\nR1 in out 1k\n.TRAN 1m 10m\n.PRINT TRAN V(OUT) V(IN,OUT) I(V1)\n.END\n",
    "t\nV1 in 0 AC 1\nR1 in out 1k\n.AC DEC 10 1 1MEG\n.PRINT AC VDB(OUT) VP(OUT) VM(OUT) VR(OUT) VI(OUT)\n.END\n",
    "t\nV1 in 0 1\nR1 in out 1k\n.DC V1 0 5 1\n.PRINT DC V(OUT) I(V1)\n.END\n",
    "t\nV1 in 0 1\nR1 in out 1k\n.OP\n.END\n",
};

}  // namespace

void fuzz::startHarness() { setUp(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const spicerun::RawFile raw = spicerun::ParseAsciiRaw(text);
    for (const spicerun::RawPlot& plot : raw.plots) {
        // Only whole points are kept, and no more values than the text could hold.
        if (plot.variables.empty() || plot.real.size() % plot.variables.size() != 0 ||
            (plot.complex && plot.imag.size() != plot.real.size()) || plot.real.size() > size / 2 + 1)
            std::abort();
    }
    for (const std::string_view deckText : kDecks) {
        const spicerun::ScreenedDeck deck = spicerun::ScreenDeck(deckText);
        spicerun::ListingTable table;
        std::string reason;
        if (spicerun::BuildListingTable(deck, raw, table, reason))
            spicerun::FormatListingTables(table);
        spicerun::FormatValueListing(deck, raw);
    }
}
