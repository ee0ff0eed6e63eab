#pragma once
// The writers of the three outputs (internal to the netlister's file code).

#include <ctime>
#include <string>

class CNetlistBuilder;
class TextFile;

// Signal nets plus power nets, as the header and the closing message count them.
int SignalsFound(const CNetlistBuilder& builder);

void WritePlainNetlist(TextFile& out, const CNetlistBuilder& builder);
void WriteDigitalCircuit(TextFile& out, TextFile& dev, const CNetlistBuilder& builder);
void WriteSpiceDeck(TextFile& out, TextFile& dev, CNetlistBuilder& builder);

// A line of a copied subcircuit with a "POLY" controlled source, as a nonlinear source
// ("B%d ..."); counter numbers the sources of the run.
std::string ConvertPolySource(const std::string& line, int* counter);
