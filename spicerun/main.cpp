// spicerun DECK: simulates a SPICE deck with ngspice and writes its result listing beside it
// ("<deck without extension>.out"). The schematic program starts it after writing the deck.
//   --ngspice PROGRAM   the simulator to run (default: ngspice on the PATH)
//   --time-limit SECONDS  each ngspice run is stopped after this long (default 60)
#include "spicerun/deck_runner.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    spicerun::RunOptions options;
    std::string deck;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--ngspice" && i + 1 < argc) {
            options.ngspice = argv[++i];
        } else if (argument == "--time-limit" && i + 1 < argc) {
            options.timeLimitSeconds = std::max(1, std::atoi(argv[++i]));
        } else if (deck.empty() && !argument.empty()) {
            deck = argument;
        } else {
            deck.clear();
            break;
        }
    }
    if (deck.empty()) {
        std::fputs("usage: spicerun [--ngspice PROGRAM] [--time-limit SECONDS] DECK\n", stderr);
        return 2;
    }
    const spicerun::RunResult result = spicerun::SimulateDeck(deck, options);
    if (!result.ok) {
        std::fprintf(stderr, "spicerun: %s\n", result.message.c_str());
        return 1;
    }
    return 0;
}
