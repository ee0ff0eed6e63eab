#pragma once
// Values of the analysis directives: read with their scale suffixes, written back in the forms
// the deck uses ("25.00ns", "100.0khz", "5.0v").

#include <string>
#include <string_view>

enum class SpiceForm { Time, Frequency, Voltage };

// Reads the number at the start of text (upper-cased first); the first of the suffix letters
// N, U, M, K, G found anywhere in the text, tested in that order, scales it. M is mega in the
// frequency form and milli otherwise.
double ParseSpiceValue(std::string_view text, SpiceForm form);

std::string FormatSpiceValue(double value, SpiceForm form);

// Rewrites an analysis directive (analysis kAnalysisAc, kAnalysisTransient or
// kAnalysisDcSweep) with computed points or steps. A transient directive stores its step and
// stop time in g_deckLists for the supply pulses.
std::string NormalizeDirective(std::string_view text, int analysis);
