#pragma once
// The font chooser for texts: the font table found or grown by face name, the chooser opened
// from a style word and the style rebuilt from what the person chose.

#include <cstdint>
#include <optional>
#include <string_view>

// The text-style font index of a face (0-based, as a style word holds it): the first entry of
// the font table with that face name, or a new entry at the end. A full table (63 names) is
// kept as it is: the face then gets the standard font (0), and the person is told once.
int FindOrAddFont(std::string_view face, uint8_t pitchAndFamily, uint8_t charSet);

// Runs the desktop's font chooser from a style word; the new style word, or nothing when the
// chooser was cancelled.
std::optional<int> ChooseTextStyle(int style);

// Setup > Font and the text tool chosen twice: the chooser starts from the text tool's style.
// OK with texts selected writes the chosen font into them and leaves the tool's style as it
// was; OK without a selection makes it the tool's style. Cancel changes nothing. Either way the
// selection is cleared.
void ChooseTextFont();
