#pragma once
// The result listing ("<base>.out") that the schematic program's instruments read: for each
// table the analysis card, a column header ("TIME", "FREQ" or "SWEEP" first), two filler lines,
// the rows and a blank line; at most five value columns a table and 79 characters a line. A
// Fourier block, when there is one, comes last: its "Harmonic Frequency" line would otherwise
// pass for a column header.

#include "spicerun/deck_screen.h"
#include "spicerun/raw_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace spicerun {

inline constexpr size_t kMaxListingLine = 79;
inline constexpr int kMaxTableColumns = 5;
inline constexpr int kMaxTableRows = 3999;

// A SPICE number with its scale suffix (T, G, MEG, K, MIL, M, U, N, P, F; case ignored, any
// letters after the suffix ignored). False when the text does not start with a number.
bool ParseSpiceNumber(std::string_view text, double& value);

struct Column {
    std::string title;               // upper case, no blanks: "V(OUT)", "VDB(OUT)", "PH(V(OUT))"
    std::vector<double> values;      // one per row
};

struct ListingTable {
    std::string card;                // the analysis card as the readers parse it
    std::string scaleTitle;          // "TIME", "FREQ" or "SWEEP"
    std::vector<double> scale;
    std::vector<Column> columns;
    std::vector<std::string> notes;  // outputs that could not be made ("* no vector ...")
};

// Builds the table of the deck's analysis from ngspice's raw results; the outputs are the
// deck's ".PRINT" cards, or every vector of the plot when there is none. Transient results
// are resampled onto the print step (linear interpolation), so the rows are evenly spaced.
// False with a reason when the results do not hold the analysis.
bool BuildListingTable(const ScreenedDeck& deck, const RawFile& raw, ListingTable& table, std::string& reason);

// The text of the tables of a listing (split into tables of at most five columns).
std::string FormatListingTables(const ListingTable& table);

// The operating point, transfer function and pole-zero results: one "name = value" line per
// vector of every plot (the instruments read no table from them).
std::string FormatValueListing(const ScreenedDeck& deck, const RawFile& raw);

// Rewrites the Fourier tables of ngspice's printed output ("Fourier analysis for v(out):" and
// its "Harmonic Frequency" table) into the listing's Fourier block: harmonics 1 to 10, the
// harmonic number and frequency in the first 22 characters, then normalized magnitude, phase
// in degrees, magnitude and normalized phase. Empty when the output has no table.
std::string RelayoutFourier(std::string_view printed);

}  // namespace spicerun
