#pragma once
// Process-wide values of the routines both editors share, one struct per concern.

namespace quill {

// Heap strings for texts and names. StrDupChecked sets warningShown the first time an
// allocation fails so that the "out of string space" box appears once per run, not once per
// object of a large file. simulatedFailures lets tests make the next allocations fail as if
// memory had run out (each failing allocation counts it down).
struct StringSpace {
    const char* failureMessage = "Out of string space---push any key";   // each program's own text
    bool warningShown = false;
    int simulatedFailures = 0;
};
extern StringSpace g_stringSpace;

// Set by CountObjectSlot when the symbol element store is full; the library loader reads it to
// stop loading and tell the user.
struct ElementOverflow {
    bool overflow = false;
};
extern ElementOverflow g_elementOverflow;

}  // namespace quill
