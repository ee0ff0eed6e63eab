#pragma once
// Renumbering the reference designators of the placed parts (R1, R2, ... C1, ...). The automatic
// run after a part placement ("AutoRefs") renumbers every letter on every sheet from the start
// number, in sheet order and store order, without an undo step or a report.

// Returns false when a run stopped on an error (its message shown).
bool RenumberAllReferences(int start, int sheetCount);
