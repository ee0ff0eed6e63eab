#pragma once
// Renumbering the reference designators of the placed parts (R1, R2, ... C1, ...), per
// designator letter in sheet order and store order; consecutive placements of a multi-section
// type share one number, one section each. Aux > Ref No renumbers with a chosen letter, start
// and sheet range, as one undo step, and writes the changes to "out.ano"; the automatic run
// after a part placement ("AutoRefs") renumbers every letter on every sheet from the drawing's
// reference start number, without an undo step or a report.

#include <string>
#include <string_view>

inline constexpr int kRefNumberMax = 9999;
// The sheet ranges of the Ref No dialog.
inline constexpr int kRefRangeThisSheet = 1095;
inline constexpr int kRefRangeAllSheets = 1096;

struct RenumberRequest {
    int start = 1;                 // 1 to kRefNumberMax
    std::string_view type = "ALL"; // "ALL" or a text whose first letter picks the parts
    bool withReport = false;       // undo step and "out.ano"
    int range = kRefRangeAllSheets;
    int currentSheet = 1;
    int sheetCount = 1;
};
// Returns false when a run stopped on an error (its message shown).
bool RenumberReferences(const RenumberRequest& request);
bool RenumberAllReferences(int start, int sheetCount);

// One line of "out.ano": the old and the new designator ("R5----R1").
std::string AnnotationLine(std::string_view from, std::string_view to);
