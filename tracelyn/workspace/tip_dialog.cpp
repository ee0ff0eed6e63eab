#include "tracelyn/workspace/tip_dialog.h"

#include "tracelyn/core/board_settings.h"

namespace {

constexpr const char* kTips[] = {
    "Press PgUp and PgDn to zoom in and out around the cursor.",
    "Single/2-Layer on the toolbar switches between the current layer alone and the layer pair.",
    "Packages are placed from the libraries in the PACKAGES folder beside the program.",
    "A board opened from the command line can be batch routed as soon as it is loaded.",
    "The grid menu shows millimetres when the units are set to metric in General Setup.",
};

}  // namespace

TipOfTheDay ProgramTips() { return {kTips, &g_boardSettings.CurrentTip, &g_boardSettings.DoTips}; }
