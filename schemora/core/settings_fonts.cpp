#include "schemora/core/settings.h"

std::vector<FontEntry> BuiltInFontTable()
{
    // {face, character set, pitch and family, kind}
    return {
        {},
        {"Standard", 0, 49, 1},       {"Arial", 0, 34, 2},          {"Courier", 0, 49, 0},
        {"Courier New", 0, 49, 2},    {"Fixedsys", 0, 49, 0},       {"Modern", 255, 50, 1},
        {"MS Sans Serif", 0, 49, 2},  {"MS Serif", 0, 17, 0},       {"Roman", 255, 17, 1},
        {"Script", 255, 66, 1},       {"Small Fonts", 0, 34, 0},    {"Symbol", 2, 34, 2},
        {"System", 0, 34, 0},         {"Terminal", 255, 49, 0},     {"Times New Roman", 0, 18, 2},
        {"Wingdings", 2, 2, 2},
    };
}
