#pragma once
// Applying one property of the current settings to every selected object.

inline constexpr int kChangePad = 1;      // pad shape, sizes and hole from the pad settings
inline constexpr int kChangeStyle = 2;    // line style
inline constexpr int kChangeFill = 3;     // fill pattern
inline constexpr int kChangeWidth = 4;    // the current width
inline constexpr int kChangeFont = 392;   // texts: the current font size (Setup > Font)

// Applies `change` to each selected object that takes it, records an undo snapshot first,
// shows "Changed %d object(s)" (or "No objects were changed") and redraws.
void ChangeSelectedObjects(int change);
