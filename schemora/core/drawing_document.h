#pragma once
// The members of one schematic document (CSchemoraDoc holds one of these): the drawing header
// and its object store. Plain data, independent of the document framework, so that the file
// code, temporary documents and tests use it alone.

#include "schemora/core/object_store.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <string_view>

inline constexpr int kDefaultZoomLevel = 3;
inline constexpr int kDefaultGridCommand = 703;
inline constexpr int kMaxSheets = 32;
inline constexpr int kTitleChars = 15;

struct DrawingDocData {
    int32_t objectCount = 0;
    int32_t headerFlag = 0;                 // 1 on every new or loaded drawing
    int32_t viewCentreX = 0;                // the sheet point shown at the window centre
    int32_t viewCentreY = 0;
    int32_t zoomLevel = kDefaultZoomLevel;  // index into the view's zoom table
    int32_t grid = kDefaultGridCommand;     // grid command id (700 to 703)
    int32_t numberOfSheets = 1;             // 1 to 32
    std::array<char, kTitleChars + 1> title{};   // NUL-terminated
    int32_t sheetSize = 'A';                // 'A' to 'E'
    std::time_t date = 0;                   // modification time
    std::time_t creationTime = 0;
    int32_t revision = 'A';                 // 'A' to 'Z'
    int32_t documentNumber = 1;             // 1 to 9999
    int32_t referenceStart = 1;             // first number of a renumbering (1 to 9999)
    DrawObjectStore objects;
    bool modified = false;                  // changed since read or saved

    std::string_view titleText() const { return {title.data()}; }
    // Keeps the first kTitleChars characters.
    void setTitle(std::string_view text);
};
