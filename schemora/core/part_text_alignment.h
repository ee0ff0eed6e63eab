#pragma once
// The texts of a stored part opened in the part editor, aligned to its body when the body is a
// single rectangle: each text learns the body's right edge (word 9, the anchor a right-aligned
// pin name ends at) and, unless it has a style of its own (word 5), whether it is a pin number
// by the body's left edge or a pin name to be right-aligned.

#include "schemora/core/draw_object.h"

#include <span>

inline constexpr int kTextStylePinNumber = 5;
inline constexpr int kTextStylePinName = 6;

// objects are the store's slots; records 1..count are looked at. Nothing changes unless they
// hold exactly one rectangle. Returns whether they did.
bool AlignTextsToBody(std::span<DrawObject> objects, int count);
