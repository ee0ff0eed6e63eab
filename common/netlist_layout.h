#pragma once
// The layout the ".net" netlist shares between the programs: the time and date header lines
// and pin lists broken into lines of about 60 characters.

#include <ctime>
#include <string>
#include <string_view>

inline constexpr int kPinListWidth = 60;

// "Time: h:mm" and "Date: m/dd/yy Day" lines of a netlist header.
std::string NetlistHeaderTime(const std::tm& time);

// The pin list cut into chunks that end at the first separator at or after the 61st character,
// each on its own line. A plain netlist separates pins with "," and marks every line but the
// last of a long list with "&", indenting the next by startColumn blanks; the simulator formats
// separate with blanks and start each following chunk with "+ ". An empty list is one newline.
std::string LayOutPinList(std::string_view list, int startColumn, bool plainNetlist);
