#include "tracelyn/core/grid_menu_texts.h"

#include "tracelyn/core/board_view_state.h"

namespace {

constexpr const char* kEnglish[] = {".5 mils", "1 mils", "5 mils", "10 mils", "25 mils",
                                    "50 mils", "100 mils", "Variable...", "Polar..."};
constexpr const char* kMetric[] = {".1 mm", ".2 mm", ".5 mm", ".8 mm", "1.0 mm",
                                   "1.5 mm", "2.0 mm", "Variable...", "Polar..."};

}  // namespace

const char* GridMenuText(int32_t unitMode, int commandId)
{
    if (commandId < kGridMenuFirst || commandId > kGridMenuLast)
        return nullptr;
    const int n = commandId - kGridMenuFirst;
    return unitMode == kUnitsEnglish ? kEnglish[n] : kMetric[n];
}
