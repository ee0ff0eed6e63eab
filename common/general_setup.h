#pragma once
// Values of the General Setup sheets of both editors that are typed as text: line widths shown
// in English or metric units, and the backup interval. Everything typed is checked here.

#include <string>
#include <string_view>

// Widths are stored in one byte: anything typed lands in 0 to 255.
inline constexpr int kMaxLineWidth = 255;
// The longest backup interval whose period in milliseconds still fits the timer (about 49 days).
inline constexpr int kMaxBackupMinutes = 71'582;

// The width as the Width box shows it: drawing units, or × 2.54 in metric units.
std::string WidthShown(int width, bool metric);
// The typed width (at most 20 characters) in drawing units, within 0 to 255; no number is 0.
int WidthTyped(std::string_view text, bool metric);

// The backup combo's text for a number of minutes: "None" for 0, else "%d Min.".
std::string BackupShown(int minutes);
// The leading number of the typed text ("15 Min." is 15, "None" is 0); a negative number is 0
// (no backup) and a larger one than the timer can hold is cut to kMaxBackupMinutes.
int BackupTyped(std::string_view text);
// The typed interval when its leading number lies in 0 to maxMinutes; otherwise `kept` (a
// negative or absurdly long interval would set a nonsense timer).
int BackupTypedWithin(std::string_view text, int kept, int maxMinutes);
