#pragma once
// The board's Set Colors dialog (140): the shared colour dialog with the board's 32 slots and
// no colour-mode choice.

#include "common/set_colors_dialog.h"
#include "platform/app/resources.h"

namespace tly {

SetColorsIds BoardSetColorsIds();
plat::DialogTemplate BoardSetColorsTemplate();

}  // namespace tly
