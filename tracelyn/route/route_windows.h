#pragma once
// The routing subsystem's windows as the routing code drives them: the progress window
// (CProgressDlg, dialog 162) and the "Router" question box (dialog 166).

#include <string_view>

// Creates the modeless progress window (no parent, at the screen's top left corner). While it
// is shown, user input reaches it alone, so that a long operation pumping messages can be
// cancelled but its board cannot be closed under it.
void CreateProgressWindow();
void DestroyProgressWindow();
// Paints the bar for percent (0 to 99.9) and sets the percentage and message statics.
void UpdateProgressWindow(double percent, std::string_view percentText, std::string_view message);

// Shows text in the "Router" box (OK, Cancel, Help); returns plat::kIdCancel for Cancel, else
// plat::kIdOk.
int AskRouterQuestion(std::string_view text);
