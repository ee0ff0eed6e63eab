#pragma once
// ".LIB" pin-description files: a short header ("%partname", "%type", "%package", "%nosort"),
// "%pinlist", one line per pin ("3) CLK i L", "14) vcc") and "%end". The part wizard saves
// its pin table to them and loads it back; the build utility reads them too.

#include "schemora/workspace/wizard_pins.h"

#include <string>

inline constexpr int kMaxVoltagePins = 20;
inline constexpr int kMaxGroundPins = 20;

// The text of the pin-description file of the answers' first `pins` records ("%nosort" when
// the names keep their order).
std::string PinDescriptionText(const PartWizardAnswers& answers);

// Reads a pin-description file into answers: package, name, description, no-sort flag, pin
// count and the pin records. Any error is shown (file missing, header incomplete, a pin line
// that cannot be read, more pins than the table holds) and leaves answers as they were.
bool ReadPinDescriptions(const std::string& path, PartWizardAnswers& answers);

// Writes the pin-description text to path: the file name's own extension becomes ".LIB" (or
// is added), and a file the person has not already agreed to replace is replaced only after
// asking. False, with a message, when it could not be written or the person said No.
bool WritePinDescriptions(const std::string& chosenPath, const PartWizardAnswers& answers);
