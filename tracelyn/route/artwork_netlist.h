#pragma once
// The board's own connectivity as a netlist: every group of copper that joins part pins (as
// net tracing follows it) becomes a net, written in the ".net" layout the netlist reader takes,
// and compared with the netlist loaded for the board.

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One net: its name and its pins ("u1-3"), lower case, sorted, each once.
struct ArtworkNet {
    std::string name;
    std::vector<std::string> pins;
};

// The nets of the current board's copper that reach at least two pins, ordered by their
// first pin and named "N1", "N2", ...; nothing when tracing stopped (its message was shown).
std::optional<std::vector<ArtworkNet>> ExtractArtworkNets();

// The netlist file text: the header lines, then "NAME----pin,pin,..." per net.
std::string FormatArtworkNetlist(const std::vector<ArtworkNet>& nets, std::string_view design, const std::tm& time);

// The nets of the loaded netlist as its connections join their pins (nets of one pin have no
// connection and do not appear).
std::vector<ArtworkNet> LoadedNetlistNets();

// The differences of the artwork from the netlist, one line each: pins of a netlist net that
// the copper leaves apart ("Missing connection") and copper that joins pins of different nets
// or of none ("Extra connection"). Empty when the nets agree.
std::vector<std::string> CompareNetlists(const std::vector<ArtworkNet>& artwork, const std::vector<ArtworkNet>& netlist);
