#pragma once
// The texts of the Setup > Grid items 698 to 706, which follow the unit mode: mils in English
// mode (725), millimetres otherwise; the variable and polar grids keep their names and open
// their dialogs.

#include "resources/tracelyn/tracelyn_ids.h"

#include <cstdint>

inline constexpr int kGridMenuFirst = tly::kCmdGridFirst;
inline constexpr int kGridMenuLast = tly::kCmdGridLast;

// The text of grid item `commandId` for `unitMode`; null for an id outside 698-706.
const char* GridMenuText(int32_t unitMode, int commandId);
