#pragma once
// The loaded nets follow the parts: once a part has moved, turned or been mirrored, the
// rats-nest lines, the net labels and the pin lookup are rebuilt from its new pad places.

// Whether the nets loaded last belong to the board in the current store (not to the footprint
// editor's store or to another open board).
bool BoardHasNets();

// Whether any of the first `count` entries of the selection is a placed part.
bool SelectionHoldsPart(int count);

// Reloads the board's nets for the active document and redraws it, when it has nets.
void ReloadNetsForMovedParts();
