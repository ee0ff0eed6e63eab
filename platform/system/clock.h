#pragma once
// The current time and its formatting. Dates the programs print (title blocks, netlist and
// report headers) use English day and month names whatever the user's locale, so a file reads
// the same on every machine.

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace plat {

std::time_t currentTime();
// The local broken-down time (thread-safe).
std::tm localTimeOf(std::time_t time);

// strftime-like with fixed English names. Understands %a %A %b %h %B %d %e %H %I %j %m %M %p
// %S %y %Y %n %t %%; any other conversion is copied as written.
std::string formatTime(std::string_view format, const std::tm& time);
std::string formatTime(std::string_view format, std::time_t time);

// weekday 0 is Sunday; month 0 is January. Out-of-range numbers give "?".
std::string_view englishDayName(int weekday, bool abbreviated);
std::string_view englishMonthName(int month, bool abbreviated);

// Milliseconds since an arbitrary start, wrapping at 2^32: the UI host's clock when one is
// installed (so tests advance it by hand), else a monotonic clock.
uint32_t tickCount();

}  // namespace plat
