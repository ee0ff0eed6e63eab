#pragma once
// The schematic program's preferences: "schemora.ini" in the program folder, and the library
// folder in the program's registry key. LoadSettings runs once at start-up, SaveSettings when
// the main frame closes; every other part of the program reads the values here.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "schemora/core/draw_object.h"
#include "schemora/core/workspace_services.h"

inline constexpr int kBuiltInFonts = 16;
// Fonts beyond this many are not read: the INI's "fonts" count is a number anyone can edit.
inline constexpr int kMaxFonts = 256;
inline constexpr int kColorSchemes = 10;
inline constexpr int kSchemeValues = 27;
inline constexpr int kMaxBinParts = 20;
// Search strings beyond this many are not read back.
inline constexpr int kMaxSearchStrings = 100;
// The grid command that marks a user-defined grid.
inline constexpr int kUserGridCommand = 708;
inline constexpr int kClipboardModeBitmap = 347;
inline constexpr int kClipboardModeOther = 348;

// One font of the font table: entries 1 to 16 are built in, further ones come from the INI.
struct FontEntry {
    std::string face;
    uint8_t charSet = 0;
    uint8_t pitchAndFamily = 0;
    int kind = 0;
};

// A named colour scheme: 27 palette indexes for the colour-role table.
struct ColorScheme {
    std::string name;
    std::array<int32_t, 27> values{};
    bool present = false;        // read from the INI (only those are written back)
};

// Every value of section "Schemora" and "Parts Bin", with its built-in default.
struct SchematicSettings {
    int TerminalEnd = 0;
    int AutoTextExit = 1;
    int AutoRefs = 1;
    int AutoDots = 1;
    int BackupTime = 0;          // minutes; 0 = no backup timer
    int CurrentHeadStyle = 0;
    int CurrentHeadNo = -1;
    int CurrentStyle = 0;
    int pinsnap = 0;
    int PinDisplay = 1;
    int PartsBinHelp = 1;
    int visible = 1;
    int view_net = 1;
    int border = 1;
    int breaks = 0;
    int rulers = 1;
    int units = 724;             // 724 English, 725 metric
    int lib_font = 4;
    int net_font = 5;
    int pin_font = 5;
    int cursor = 0;
    int hidden = 517;
    int sound = 0;
    int limit = 0;
    int startup = 0;             // 1: reopen the drawings of the last run
    int PrScale = 100;
    int PrColor = 0;
    int PrOrient = 2;
    int PartShade = 1;
    int files = 0;
    int fonts = 16;
    int CurrentTip = 0;
    int DoTips = 1;
    int clipboard = 347;         // 347 or 348
    int rubber = 0;
    int gridCommand = 703;
    int gridStepA = 50;
    int gridStepB = 50;
    bool userGrid = false;       // grid 708
    int userGridX = 50;
    int userGridY = 100;
    int userGridC = 0;
    int width = 6;
    // Drawing defaults without an INI key, edited by Setup > General.
    int snapToGrid = 1;
    int fillPattern = 0;         // 0 hollow, 1 solid, 2 to 7 hatches
    int roundedRectangles = 0;
    int polygonEdges = 3;        // edges of the polygon tool: 3 a triangle, 4 to 10 a regular polygon
    double rotationAngle = 1.5707963267948966;   // radians
    double ellipseAspect = 1.0;
    int oldLibraries = 0;
    int showPowerPins = 0;
    int defaultPackage = 512;    // 512 through hole, 513 surface mount
    int MapLibraries = 1;        // 1: drawings before version 10 name the old library families
    int colorscheme = 0;         // active scheme, 0-based (the INI holds 1 to 10)
    int schemesFound = 0;
    std::array<ColorScheme, 10> schemes{};
    std::vector<FontEntry> fontTable;   // 1-based: fontTable[0] unused
    // Parts bin
    int binX = 0, binY = 0, binDisplay = 0, binNoParts = 0, binShut = 0;
    // The parts bin's entries by name ("DEVICE\\R"), in cell order; the bin resolves each
    // name to its loaded symbol when it paints or places it.
    std::vector<std::string> binParts;
    // Find
    int SearchNo = 0;
    int SearchIndex = 0;
    std::vector<std::string> searchList;
};
extern SchematicSettings g_settings;

// The 16 built-in fonts, 1-based (entry 0 empty).
std::vector<FontEntry> BuiltInFontTable();

// Reads the library folder, loads the title block and reads every setting.
void LoadSettings();
// Writes the settings back to the INI file.
void SaveSettings();
// Reopens the drawings that were open at the last exit (listed in the INI file at iniPath)
// through open, which is the application's open-document command unless a test passes its own.
void LoadRecentFiles(const std::string& iniPath,
                     const std::function<void(const std::string&)>& open = OpenDrawingFromSettings);
