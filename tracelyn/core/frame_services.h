#pragma once
// Services of the board program's frame windows that the core and the routing code call.

// Repaints the active child frame's view at once; nothing while the footprint editor is open.
void RedrawActiveFrame();

// Delivers pending window messages (paints, timers, the progress window's Cancel) during a long
// operation. False once the program is ending.
bool PumpMessage();
