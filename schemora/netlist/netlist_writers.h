#pragma once
// The writers of the three outputs (internal to the netlister's file code).

#include <ctime>
#include <string>

class CNetlistBuilder;
namespace plat { class AtomicFile; }

// Signal nets plus power nets, as the header and the closing message count them.
int SignalsFound(const CNetlistBuilder& builder);

void WritePlainNetlist(plat::AtomicFile& out, const CNetlistBuilder& builder);
void WriteDigitalCircuit(plat::AtomicFile& out, plat::AtomicFile& dev, const CNetlistBuilder& builder);
void WriteSpiceDeck(plat::AtomicFile& out, plat::AtomicFile& dev, CNetlistBuilder& builder);

// A line of a copied subcircuit with a "POLY" controlled source, as a nonlinear source
// ("B%d ..."); counter numbers the sources of the run.
std::string ConvertPolySource(const std::string& line, int* counter);
