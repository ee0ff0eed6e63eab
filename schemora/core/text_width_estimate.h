#pragma once
// A text's width estimated without a font, from a small table of character widths: what the
// DXF import and the part tools use to right-align pin names where no device is at hand.

#include <string_view>

// '0'-'9' 35; '.' and '/' 18; 'I' 17; 'L' 38; 'M' 55; 'W' 66; every other character 50.
int GetCharWidthUnits(char c);
// The sum over the first 147 characters of text.
int EstimateTextWidth(std::string_view text);
