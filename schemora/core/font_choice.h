#pragma once
// The font chooser for a text's style word: the font table found or grown by face name, and
// the style rebuilt from what the person chose.

#include <cstdint>
#include <optional>
#include <string_view>

// The text-style font index of a face (0-based, as a style word holds it): the first entry of
// the font table with that face name, or a new entry at the end; once the table holds 63
// names, each new name replaces the last entry.
int FindOrAddFont(std::string_view face, uint8_t pitchAndFamily, uint8_t charSet);

// Runs the desktop's font chooser from a style word; the new style word, or nothing when the
// chooser was cancelled.
std::optional<int> ChooseTextStyle(int style);
