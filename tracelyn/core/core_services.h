#pragma once
// Routines of other board-core topics that the board file code calls: the router strategy
// file kept beside a board and the label anchor of a placed part. Defined in
// router_strategy.cpp and package_geometry.cpp.

#include "tracelyn/core/board_object.h"

#include <string_view>

// Reads the strategy file that belongs to the board file boardName.
void ReadRouterStrategy(std::string_view boardName);

// Sets the label anchor of a placed part from its package's label placeholder; placeholder is
// set to 1 when the package has a "p?" placeholder.
void SetPartLabelAnchor(BoardObject& part, int* placeholder);
