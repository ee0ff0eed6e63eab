#pragma once
// Terminals of a library part being drawn: lines that carry a pin text. The pin text lives in
// words 13-15 (10 characters and a terminator), the label in words 18-22 (20 characters, not
// terminated when full), their anchors in words 11-12 and 16-17, the side in word 5 and the
// symbol variant in the layer bits of word 4. Every read is bounded to its words.

#include "schemora/core/draw_object.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

std::string TerminalPinText(const DrawObject& o);
void SetTerminalPinText(DrawObject& o, std::string_view text);
std::string TerminalLabel(const DrawObject& o);
void SetTerminalLabel(DrawObject& o, std::string_view label);
int SymbolVariantOf(const DrawObject& o);
bool IsTerminal(const DrawObject& o);

// The object index (in objects) of the n-th terminal (0-based, in object order) drawn in
// variant; -1 when there are fewer.
int PinObjectOfSymbol(std::span<const DrawObject> objects, int variant, int n);

// The body of a symbol variant as the last measuring layout found it.
struct PartBodyMeasure {
    int centreX = 0, centreY = 0;
    int minX = 0, maxX = 0, minY = 0, maxY = 0;
};

enum class TerminalLayoutMode { TurnTowardCursor = 0, MeasureBody = 1 };
using TextWidthFunction = std::function<int(std::string_view)>;

// Lays out terminal objects[index] and its two texts against the body of its variant. Measuring
// the body leaves a terminal of a variant with no body shape untouched; turning toward the
// cursor (cursorX, cursorY) uses the body of the last measuring run.
void LayoutTerminalLabels(std::span<DrawObject> objects, int index, TerminalLayoutMode mode, PartBodyMeasure& body,
                          int cursorX, int cursorY, const TextWidthFunction& textWidth);
