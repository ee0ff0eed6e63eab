#pragma once
// The board program's user settings: "Tracelyn.ini" (sections "Tracelyn" and "Parts Bin") and
// the package library folder, which is also kept in the registry (company "Quillmere", program
// "Tracelyn", section "Settings", value "library_path") for the schematic program to find.
// LoadSettings runs once at start-up, SaveSettings when the main frame closes; every other part
// of the program reads the values here. A key missing from the file keeps the built-in value.

#include "common/package_folder.h"
#include "common/pcb/board_colors.h"
#include "common/pcb/paint_frame.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kIniFileName = "Tracelyn.ini";
inline constexpr std::string_view kIniSection = "Tracelyn";
inline constexpr std::string_view kPartsBinSection = "Parts Bin";
inline constexpr std::string_view kProfileCompany = "Quillmere";
inline constexpr std::string_view kProfileApp = "Tracelyn";
inline constexpr std::string_view kProfileSettingsSection = "Settings";
inline constexpr std::string_view kLibraryPathEntry = "library_path";
// The package library folder's name below the program folder.
inline constexpr std::string_view kPackagesFolderName = quill::kPackagesFolderName;

// Folders and start-up facts that decide where files are looked for. Start-up sets
// commandLineFlag (and the sound folder); LoadSettings sets the library folder, the program
// folder, the INI path and settingsRead. Read by the package library and the file commands.
struct BoardFolders {
    bool commandLineFlag = false;   // started with a non-empty command line
    std::string soundFolder;        // the start-up folder followed by "SOUNDS/"
    std::string libraryFolder;      // package library folder, ending in a separator
    std::string programFolder;      // the library folder in capitals cut at its "PACKAGES"
    std::string iniPath;            // ".../Tracelyn.ini"
    bool settingsRead = false;      // set when LoadSettings has finished
};
extern BoardFolders g_boardFolders;

// A font beyond the 16 built in ("font#%d" = "%s,%d,%d").
struct BoardFontEntry {
    std::string face;
    int32_t first = 0;
    int32_t second = 0;
};

// A named colour scheme: the palette entry of each logical colour 0 to 31.
inline constexpr int kColorSchemes = 10;
using pcb::kLogicalColors;
struct BoardColorScheme {
    bool present = false;           // its "scheme%d" line was read
    std::string name;
    std::array<int32_t, kLogicalColors> colors{};
};

inline constexpr int kPartsBinCells = 20;
// "no_parts" above the bin's 20 cells reads 19 parts.
inline constexpr int kPartsBinOverflowCount = 19;

// The 32 logical colours' palette entries and the 19 colour roles (logical colour of each
// drawing role). Start-up seeds the map; LoadSettings copies the chosen scheme into it; the
// painters read both.
using pcb::kColorRoleCount;
using pcb::BoardColors;
extern BoardColors g_boardColors;

// The "viamode" values: vias left out of the solder mask, or drawn in it as squares.
using pcb::kViaModeHideInMask;
using pcb::kViaModeMaskSquare;

// The manufacturing dialog's "Silk Screen and Mask" boxes: layers 16 to 21 (top and bottom
// silk screen, solder mask and paste mask).
inline constexpr int kGerberSilkMaskFirstLayer = 16;
inline constexpr int kGerberSilkMaskLayers = 6;
using GerberSilkMask = std::array<int32_t, kGerberSilkMaskLayers>;

// Every value of "Tracelyn.ini", with its built-in value. Names follow the INI keys. The layer
// viewing mode ("planes") lives in g_edit.layerViewMode and the router values ("router",
// "passes") in g_router, where the code that acts on them reads them.
struct BoardSettings {
    int32_t plotter = 0;            // pads drawn as plotter outlines when printing (not saved)
    int32_t breaks = 0;
    int32_t fillmode = 365;         // 365 or 366
    int32_t AutoTextExit = 1;
    int32_t AutoRefs = 1;
    int32_t viamode = 0;            // a kViaMode value once read
    int32_t RouteMode = 360;
    int32_t padsnap = 1;
    int32_t PadDisplay = 1;
    int32_t PartsBinHelp = 1;
    int32_t RoundVias = 0;
    int32_t view_net = 1;
    int32_t border = 1;
    int32_t BackupTime = 0;         // minutes between backups; 0 = none
    int32_t rulers = 1;
    int32_t units = 725;            // 725 English, 726 metric
    int32_t lib_font = 4;           // at most 5
    int32_t net_font = 4;           // at most 4
    int32_t pin_font = 3;           // at most 4
    int32_t CurrentSize = 6;
    int32_t cursor = 0;
    int32_t hidden = 0;
    int32_t sound = 0;
    int32_t limit = 0;
    int32_t start = 0;              // 1: reopen the boards open at the last exit
    int32_t files = 0;              // "file#%d" entries
    int32_t PrOrient = 2;
    int32_t PrInvert = 0;
    int32_t PrMirror = 0;
    int32_t PrPaged = 0;
    int32_t PrSilk = 1;
    int32_t PrColor = 0;
    double fXp = 1.0;               // print scale factors (percent / 100 in the file)
    double fYp = 1.0;
    int32_t CurrentTip = 0;
    int32_t DoTips = 1;
    int32_t fonts = 16;             // at least 16
    std::vector<BoardFontEntry> extraFonts;   // fonts 17..fonts
    int32_t clipboard = 749;        // 749 or 750
    int32_t visible = 1;
    int32_t rubber = 0;
    // "grid": grid command id and spacings; with the polar grid (706) the polar values too.
    int32_t gridCommand = 703;
    int32_t gridX = 500;
    int32_t gridY = 500;
    int32_t polarA = 0;             // the polar grid's two values and its option
    int32_t polarB = 0;
    int32_t polarOption = 0;
    int32_t mask = 0;
    // The current trace width, in board units. Like the pad below, it starts at a size a board
    // maker makes: 12 mil.
    int32_t trace_width = 120;
    // "pads": the current pad's shape and its x size, y size and hole: 60 mil with a 32 mil
    // hole to start with.
    int32_t padShape = 0;
    int32_t padSizeX = 600;
    int32_t padSizeY = 600;
    int32_t padHole = 320;
    int32_t clearance = 10;
    int32_t colorscheme = 0;        // 1-based as in the file; 0 = none chosen
    int32_t schemesFound = 0;
    std::array<BoardColorScheme, kColorSchemes> schemes{};
    // Parts bin.
    int32_t binX = 0;
    int32_t binY = 0;
    int32_t binDisplay = 0;
    int32_t binNoParts = 0;
    int32_t shut = 0;               // parts bin slid shut
    // The bin's packages by name ("STD\\DIP8"), in cell order; the bin resolves each name to
    // its loaded package when it paints or places it.
    std::vector<std::string> binParts;
    // "layers": a leading layer value and one switch per layer 0 to 31; the switches of
    // layers 15 and 16 also set the two further display switches.
    int32_t layerValue = 0;
    std::array<int32_t, 32> layerSwitches{};
    std::array<int32_t, 2> layerDisplay{};
    // "GerberSilkMask": the silk-screen and mask boxes (1 checked) as the manufacturing files
    // were last generated; none until then, and the boxes follow what the board holds.
    std::optional<GerberSilkMask> gerberSilkMask;
    // The main frame's search list.
    int32_t SearchNo = 0;
    int32_t SearchIndex = 0;
    std::vector<std::string> searchList;
};
extern BoardSettings g_boardSettings;

// Finds the library folder (registry or current folder), the program folder and the INI file,
// and reads every setting; loads the parts-bin packages. Sets g_boardFolders.settingsRead.
void LoadSettings();
// Writes the settings and the names of the open boards back to the INI file.
void SaveSettings();
// Reopens the boards listed in the INI file at iniPath (OpenBoardDocument for each).
void LoadRecentFiles(const std::string& iniPath);

// The names LoadRecentFiles opens, in order: "file#1" to "file#<files>" of section "Tracelyn",
// ".TLZ" added when a name has no '.', in capitals, untitled boards left out.
std::vector<std::string> RecentBoardNames(const std::string& iniPath);

// The library folder LoadSettings derives from a registry value: cut at its first line feed,
// trailing blanks removed, in capitals; a relative value is taken against currentFolder (one
// with a '-' in it is replaced by that folder); ends in a separator.
std::string LibraryFolderFromRegistry(std::string_view value, std::string_view currentFolder);
