#pragma once
// ".LIB" pin-description files: a short header ("%partname", "%type", "%package", "%nosort"),
// "%pinlist", one line per pin ("3) CLK i L", "14) vcc") and "%end". The part wizard saves
// its pin table to them and loads it back; the build utility reads them with the same reader.

#include "schemora/workspace/wizard_pins.h"

#include <string>
#include <string_view>
#include <vector>

inline constexpr int kMaxVoltagePins = 20;
inline constexpr int kMaxGroundPins = 20;
// The pin numbers a part's pin table can hold; a number of digits outside them names no pin.
inline constexpr int kFirstPinNumber = 1;
inline constexpr int kLastPinNumber = 999;

// One thing reading a pin-description file has to say, and the line it concerns (counted from
// 1; 0 when it concerns the file as a whole).
struct PinFileMessage {
    int line = 0;
    std::string text;
};

// What reading a pin-description file found: whether the answers took it, and the messages in
// the order they arose (a warning alone does not stop the reading).
struct PinFileReading {
    bool read = false;
    std::vector<PinFileMessage> messages;
};

// The text of the pin-description file of the answers' first `pins` records ("%nosort" when
// the names keep their order).
std::string PinDescriptionText(const PartWizardAnswers& answers);

// Reads the text of a pin-description file into answers: package, name (when the file gives
// one), description, no-sort flag, pin count and the pin records. A file that cannot be taken
// whole (header incomplete, a pin line that cannot be read, a pin number given twice, more pins
// than the table holds, anything that is not text) leaves answers as they were.
PinFileReading ParsePinDescriptions(std::string_view text, PartWizardAnswers& answers);
// The same for the file at path; "Can't open file:<path>" when it cannot be read.
PinFileReading ReadPinDescriptionFile(const std::string& path, PartWizardAnswers& answers);

// The wizard's Load Pin Descriptions: reads the file and shows each message in turn. Whether
// the answers took it.
bool ReadPinDescriptions(const std::string& path, PartWizardAnswers& answers);

// Writes the pin-description text to path: the file name's own extension becomes ".LIB" (or
// is added), and a file the person has not already agreed to replace is replaced only after
// asking. False, with a message, when it could not be written or the person said No.
bool WritePinDescriptions(const std::string& chosenPath, const PartWizardAnswers& answers);
