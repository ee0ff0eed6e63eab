#pragma once
// Reading an extended Gerber (RS-274X) file into a board: its aperture definitions become the
// imported D-code table, its draws traces and its flashes pads on one chosen layer. The file
// comes from outside: every number, aperture and count is checked, and a file that breaks a
// rule adds nothing and says why.

#include "tracelyn/core/board_object.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Type codes of an imported aperture.
enum ImportedDcodeType : int32_t {
    kDcodeRound = 0,
    kDcodeOval = 1,
    kDcodeRectangle = 3,
    kDcodeDraw = 9,
};

// One aperture of the last imported file: name "D<number>", type, sizes in inches.
struct ImportedDcode {
    std::array<char, 8> name{};
    int32_t type = kDcodeRound;
    float x = 0.0f;
    float y = 0.0f;
};
inline constexpr size_t kMaxImportedDcodes = 1000;
// Filled by the Gerber import, kept until the next one; traces point at a record with word 6,
// pads with word 7.
struct ImportedDcodeTable {
    std::vector<ImportedDcode> records;
    // The records the import appended (first..last of the store it went into): only they point
    // into the table, so only they take the corrected sizes.
    const void* store = nullptr;
    int32_t first = 0;
    int32_t last = -1;
};
extern ImportedDcodeTable g_importedDcodes;

// "ROUND", "OVAL", "RECTANGLE", "DRAW" ("ROUND" for an unknown code).
const char* DcodeTypeName(int32_t type);

struct GerberImport {
    bool ok = false;
    std::string error;                  // why nothing was imported
    std::vector<ImportedDcode> dcodes;
    std::vector<BoardObject> objects;   // traces, pads and filled regions, owning their data
    std::vector<std::string> warnings;  // commands read past, at most a few

    GerberImport() = default;
    GerberImport(GerberImport&&) noexcept = default;
    GerberImport& operator=(GerberImport&&) noexcept = default;
    ~GerberImport();
};

// Reads the text of a Gerber file for `layer`; nothing outside the result is changed.
GerberImport ReadGerber(std::string_view text, int layer);

// Reads the file at path and appends its objects to the current board (g_board), replacing
// the imported D-code table. Messages: "Can't open file: %1", the reader's error, a full
// store. Returns the number of objects added (0 when nothing was).
int ImportGerberFile(const std::string& path, int layer);

// Every imported trace takes the X size of its record as width, every imported pad the
// record's sizes and type as its sizes and shape (inches to board units, to the nearest unit).
// Objects drawn on the board otherwise, and records out of the table, are left alone.
void ApplyImportedApertures();
