#pragma once
// The order in which a block symbol's pins go down (or across) one side of the block.

#include <string>
#include <vector>

// A label padded so that byte order is numeric order of its trailing number: one trailing digit
// gets "00" before it, two get "0" ("D1" gives "D001", "D12" gives "D012"); three or more stay.
std::string PaddedSortKey(const std::string& label);

// The labels' positions in placement order: sorted by their padded keys, and the first run of
// consecutively numbered labels with one prefix (with the labels of that prefix after it) moved
// to the front, so "A, B, D1, D2" go "D1, D2, A, B".
std::vector<int> SortedLabelOrder(const std::vector<std::string>& labels);
