#pragma once
// Hit tests of the board view: which object lies under the cursor (CursorBoardPoint), under
// the Selective Editing switches and the layer rules, and the tests of rotated texts and
// placed parts.

// Tests objects first..last (ascending index) against the cursor. On a hit the selection holds
// that one object and the selection extents hold its box; on a miss it is empty.
void HitTestObject(int first, int last);

// 1 when the cursor lies on text object `index`, honouring its rotation.
int HitTestRotatedObject(int index);
// 1 when the cursor lies on part `index` or on its label point.
int HitTestPart(int index);
// Whether the cursor lies within reach of the label point of part `index` (a labelled part at
// a right-angle rotation).
bool CursorOnPartLabel(int index);

// Whether object `index` may be edited on the current layer (layer rules of the hit test).
bool IsObjectOnEditableLayer(int index);
// Whether the Selective Editing switches let object `index` be selected.
bool IsKindSelectable(int index);
