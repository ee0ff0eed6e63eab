#pragma once
// The small text tools of the mouse engine: the mark tool (602), which marks or unmarks a
// signal name for display with a trailing '*', and the auto-numbered text tool (240), whose
// texts are a prefix and a number that counts up with every placement.

#include <string>

struct DrawObject;
namespace plat {
class Dc;
}

// The mark tool's press at the cursor point. Returns whether a text was changed.
bool MarkSignalText(plat::Dc& dc);

// Prefix and next number of auto-numbered texts (the Auto Increment Text dialog's fields).
struct AutoTextState {
    std::string prefix;
    std::string number = "1";
};
extern AutoTextState g_autoText;
// Fills a new auto-numbered text and counts the number up.
void FillAutoText(DrawObject& text);
