#pragma once
// Process-wide values that the application's start-up prepares and every part of the
// schematic program reads, one struct per concern.

#include <array>
#include <cstdint>
#include <string>

// The 32-entry logical palette all painting uses (red, green, blue; flags 0). Start-up fills it
// from the built-in table, with entry 15 taken from the desktop's button-face colour.
inline constexpr int kPaletteEntries = 32;
struct PaletteEntry {
    uint8_t red = 0, green = 0, blue = 0, flags = 0;
};
struct SchematicPalette {
    std::array<PaletteEntry, kPaletteEntries> entries{};
    bool created = false;
};
extern SchematicPalette g_palette;

// The colour-role table: palette indexes through which the painters choose colours. Start-up
// seeds a few positions; the active colour scheme of the settings then overwrites all of them.
inline constexpr int kColorRoles = 27;
struct ColorRoles {
    std::array<int32_t, kColorRoles> index{};
};
extern ColorRoles g_colorRoles;

// Folders and the start-up facts that decide where files are looked for. Start-up sets
// commandLineFlag and soundFolder; LoadSettings sets the library folder, the program folder and
// the INI path.
struct AppFolders {
    bool commandLineFlag = false;      // the program was started with a non-empty command line
    std::string soundFolder;           // the start-up folder followed by "SOUNDS/"
    std::string libraryFolder;         // ends with a separator
    std::string programFolder;         // the library folder cut at its "LIB" folder
    std::string iniPath;               // ".../schemora.ini"
};
extern AppFolders g_folders;

// Switches of the selection and editing commands, one per kind of object they may act on.
inline constexpr int kEditFilterSwitches = 11;
struct EditFilter {
    std::array<int32_t, kEditFilterSwitches> on{};
};
extern EditFilter g_editFilter;

// Names of the parts loaded so far by name (cleared at start-up).
inline constexpr int kLoadedPartNames = 600;
struct LoadedPartNames {
    std::array<int32_t, kLoadedPartNames> words{};
};
extern LoadedPartNames g_loadedPartNames;

// Whether the drawing and part-editor windows draw their cursor mark.
struct CursorMarkState {
    bool visible = false;
};
extern CursorMarkState g_cursorMark;

// The current drawing tool (a command id, 0 = none) and the program's one selection: a count
// and a 1-based list of object indexes. Every view of the program and the part editor share them.
inline constexpr int kSelectionSlots = 8000;
struct EditState {
    int CurrentTool = 0;
    int selectionCount = 0;
    std::array<int32_t, kSelectionSlots> SelectionList{};
};
extern EditState g_editState;
// The object index of selection entry i (1-based).
inline int SelectedObject(int i) { return g_editState.SelectionList[static_cast<size_t>(i)]; }
