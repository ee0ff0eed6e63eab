#include "common/netlist_layout.h"

#include <algorithm>
#include <cstdio>

std::string NetlistHeaderTime(const std::tm& t)
{
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    char line[96];
    std::snprintf(line, sizeof line, "Time: %u:%02u\nDate: %u/%02u/%02u %s\n", unsigned(t.tm_hour), unsigned(t.tm_min),
                  unsigned(t.tm_mon + 1), unsigned(t.tm_mday), unsigned(t.tm_year % 100), kDays[(t.tm_wday % 7 + 7) % 7]);
    return line;
}

std::string LayOutPinList(std::string_view list, int startColumn, bool plainNetlist)
{
    const char separator = plainNetlist ? ',' : ' ';
    const bool longList = list.size() > static_cast<size_t>(kPinListWidth);
    std::string text;
    size_t pos = 0;
    bool first = true;
    while (pos < list.size()) {
        size_t end = list.size();
        if (list.size() - pos > static_cast<size_t>(kPinListWidth)) {
            const size_t at = list.find(separator, pos + kPinListWidth);
            if (at != std::string_view::npos)
                end = at + 1;
        }
        if (!first)
            text += plainNetlist ? std::string(static_cast<size_t>(std::max(0, startColumn)), ' ') : "+ ";
        text += list.substr(pos, end - pos);
        if (end < list.size() && longList && plainNetlist)
            text += '&';
        text += '\n';
        pos = end;
        first = false;
    }
    if (first)
        text += '\n';
    return text;
}
