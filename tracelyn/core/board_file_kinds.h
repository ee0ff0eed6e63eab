#pragma once
// What File > Open and Save As do with a chosen file, by the extension of its file name
// (a dot in a folder name says nothing).

#include <string_view>

enum class BoardOpenKind {
    TextFile,   // netlists and reports: shown in the text viewer
    Dxf,        // imported into the open board
    Board,      // opened as a board (".tlz", ".xpc", anything else)
};

// ".NET", ".NTO", ".UNC", ".CKT", ".PRT" and ".REF" are text files, ".DXF" a drawing exchange
// file, in any case of letters.
BoardOpenKind BoardOpenKindOf(std::string_view path);
