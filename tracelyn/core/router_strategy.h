#pragma once
// Router strategy files: a board's autorouter values kept beside it in "<board>.str", a
// profile file with one section, "Autorouter". Reading one after every board load makes the
// board bring its routing strategy along; a board without one keeps the values it found.

#include "platform/core/atomic_file.h"

#include <string>
#include <string_view>

inline constexpr std::string_view kStrategySection = "Autorouter";
// Router layer switches a strategy file writes (layers 0 to 15); the reader takes one more.
inline constexpr int kStrategyLayersWritten = 16;
inline constexpr int kStrategyLayersRead = 17;
inline constexpr size_t kStrategyNetlistBuffer = 81;   // up to 80 characters

// The strategy file of a board: the file name cut at its first '.', with ".str" appended.
std::string StrategyFileName(std::string_view boardName);

// Writes g_router's values to the board's strategy file; what went wrong when it could not.
plat::WriteResult WriteRouterStrategy(std::string_view boardName);
// Reads the board's strategy file into g_router; missing keys keep their values, except the
// netlist name, which becomes empty.
void ReadRouterStrategy(std::string_view boardName);
