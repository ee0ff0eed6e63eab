#pragma once
// Runs one deck through ngspice and writes its result listing beside it.

#include <string>

namespace spicerun {

struct RunOptions {
    std::string ngspice = "ngspice";   // the simulator's program (looked up on the PATH)
    int timeLimitSeconds = 60;         // each ngspice run is stopped after this long
};

struct RunResult {
    bool ok = false;
    std::string message;               // why nothing (or only an error listing) was written
    std::string outputPath;            // the listing written
};

// "<folder>/<name>.out" for a deck "<folder>/<name>.<ext>": only the file name's extension is
// replaced, never a dot of a folder.
std::string ListingPathFor(const std::string& deckPath);

// Screens the deck, runs ngspice in a private temporary folder without a shell (once for the
// raw results, once more for the Fourier table when the deck asks for one) and writes the
// listing atomically. A refused or failed run writes a listing that says why, so no older
// results are mistaken for the new ones.
RunResult SimulateDeck(const std::string& deckPath, const RunOptions& options = {});

}  // namespace spicerun
