#include "platform/system/clock.h"

#include <array>
#include <chrono>
#include <cstdio>

#include "platform/core/ui_host.h"

namespace plat {

namespace {

constexpr std::array<std::string_view, 7> kDays = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> kMonths = {
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December"};

std::string number(int value, int width, char pad)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, pad == '0' ? "%0*d" : "%*d", width, value);
    return buffer;
}

}  // namespace

std::time_t currentTime()
{
    return std::time(nullptr);
}

std::tm localTimeOf(std::time_t time)
{
    std::tm tm{};
    ::localtime_r(&time, &tm);
    return tm;
}

std::string_view englishDayName(int weekday, bool abbreviated)
{
    if (weekday < 0 || weekday >= static_cast<int>(kDays.size()))
        return "?";
    const std::string_view name = kDays[static_cast<size_t>(weekday)];
    return abbreviated ? name.substr(0, 3) : name;
}

std::string_view englishMonthName(int month, bool abbreviated)
{
    if (month < 0 || month >= static_cast<int>(kMonths.size()))
        return "?";
    const std::string_view name = kMonths[static_cast<size_t>(month)];
    return abbreviated ? name.substr(0, 3) : name;
}

std::string formatTime(std::string_view format, const std::tm& t)
{
    std::string out;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        const char c = format[++i];
        switch (c) {
        case 'a': out += englishDayName(t.tm_wday, true); break;
        case 'A': out += englishDayName(t.tm_wday, false); break;
        case 'b':
        case 'h': out += englishMonthName(t.tm_mon, true); break;
        case 'B': out += englishMonthName(t.tm_mon, false); break;
        case 'd': out += number(t.tm_mday, 2, '0'); break;
        case 'e': out += number(t.tm_mday, 2, ' '); break;
        case 'H': out += number(t.tm_hour, 2, '0'); break;
        case 'I': out += number(t.tm_hour % 12 == 0 ? 12 : t.tm_hour % 12, 2, '0'); break;
        case 'j': out += number(t.tm_yday + 1, 3, '0'); break;
        case 'm': out += number(t.tm_mon + 1, 2, '0'); break;
        case 'M': out += number(t.tm_min, 2, '0'); break;
        case 'p': out += t.tm_hour < 12 ? "AM" : "PM"; break;
        case 'S': out += number(t.tm_sec, 2, '0'); break;
        case 'y': out += number(((t.tm_year % 100) + 100) % 100, 2, '0'); break;
        case 'Y': out += std::to_string(int64_t{t.tm_year} + 1900); break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case '%': out += '%'; break;
        default:
            out += '%';
            out += c;
            break;
        }
    }
    return out;
}

std::string formatTime(std::string_view format, std::time_t time)
{
    return formatTime(format, localTimeOf(time));
}

uint32_t tickCount()
{
    if (UiHost* host = installedUiHost())
        return host->tickCount();
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

}  // namespace plat
