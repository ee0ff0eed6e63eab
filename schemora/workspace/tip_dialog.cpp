#include "schemora/workspace/tip_dialog.h"

#include "schemora/core/settings.h"

namespace {

constexpr const char* kTips[] = {
    "Press PgUp and PgDn to zoom in and out around the middle of the window.",
    "Parts are placed from the libraries in the LIB folder beside the program.",
    ("Junction dots are placed automatically where three or more wires meet, unless you switch "
     "automatic dots off."),
    "Utilities > Netlist writes the netlist next to the drawing, ready for the board program.",
    "A drawing can have up to 32 sheets; each object belongs to one sheet.",
};

}  // namespace

TipOfTheDay ProgramTips() { return {kTips, &g_settings.CurrentTip, &g_settings.DoTips}; }
