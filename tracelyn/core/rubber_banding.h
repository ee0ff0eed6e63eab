#pragma once
// Rubber-banding: the traces whose ends touch the pads of a selected part follow the part
// when it is moved, rotated, mirrored or flipped. The connections are collected at the start of
// the edit into a table of their own; no word of the trace records is used to mark them.

#include <cstdint>

inline constexpr int kMaxConnections = 499;

// With rubber-banding on, collects the trace and rats-nest ends on the pads of every selected
// part (once each, at most 499). Without it, or without a selected part, the table is emptied.
void CollectSelectedPartConnections();
// Writes each collected end onto its pad's current position.
void ReattachTraceEnds();
// Forgets the collected connections.
void ClearConnections();
// Whether object `index` is a trace held by a collected connection.
bool IsConnectedTrace(int index);
// Appends the connected traces to the selection (each once, never past the list) and returns
// how many were added.
int AddConnectedTracesToSelection();
// How many connections are collected.
int ConnectionCount();
