#include "tracelyn/core/board_edit.h"

DrawDefaults g_drawDefaults;
EditGesture g_gesture;
PointerState g_pointer;
