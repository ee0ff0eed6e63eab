#include "schemora/core/settings.h"

#include "platform/system/paths.h"
#include "platform/system/profile_file.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/library_folder.h"
#include "schemora/core/open_documents.h"
#include "schemora/core/part_library.h"
#include "schemora/core/settings_fields.h"
#include "schemora/core/title_block.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <optional>
#include <string>

SchematicSettings g_settings;

namespace {

constexpr std::string_view kMain = "Schemora";
constexpr std::string_view kBin = "Parts Bin";
// Every value is read into an 80-character buffer; scheme lines into a 100-character one and
// parts-bin names into a 200-character one.
constexpr size_t kValueBuffer = 81;
constexpr size_t kSchemeBuffer = 101;
constexpr size_t kBinPartBuffer = 201;

// Reads values of one INI file; a missing or empty value leaves the setting alone.
class SettingsReader {
public:
    explicit SettingsReader(std::string_view path) : file_(path) {}

    std::optional<std::string> text(std::string_view section, std::string_view key,
                                    size_t buffer = kValueBuffer) const
    {
        std::string value = file_.getString(section, key, "", buffer);
        if (value.empty())
            return std::nullopt;
        return value;
    }
    void number(std::string_view key, int& setting, std::string_view section = kMain) const
    {
        if (auto v = text(section, key))
            setting = SettingNumber(*v);
    }
    // The value of the first character only, as a one-digit switch.
    void digit(std::string_view key, int& setting, std::string_view section = kMain) const
    {
        if (auto v = text(section, key))
            setting = (*v)[0] - '0';
    }

private:
    plat::ProfileFile file_;
};

void readFonts(const SettingsReader& ini, SchematicSettings& s)
{
    ini.number("fonts", s.fonts);
    s.fonts = std::clamp(s.fonts, kBuiltInFonts, kMaxFonts);
    s.fontTable = BuiltInFontTable();
    s.fontTable.resize(s.fonts + 1);
    for (int n = kBuiltInFonts + 1; n <= s.fonts; ++n) {
        FontEntry& font = s.fontTable[n];
        font = FontEntry{};
        const auto value = ini.text(kMain, NumberedKey("font#", n));
        if (!value)
            continue;
        const auto fields = SplitSettingFields(*value, ",\n");
        font.face = fields[0];
        if (fields.size() > 1)
            font.pitchAndFamily = static_cast<uint8_t>(SettingNumber(fields[1]));
        if (fields.size() > 2)
            font.charSet = static_cast<uint8_t>(SettingNumber(fields[2]));
    }
}

void readGrid(const SettingsReader& ini, SchematicSettings& s)
{
    const auto value = ini.text(kMain, "grid");
    if (!value)
        return;
    const auto f = SplitSettingFields(*value, ",");
    s.gridCommand = SettingNumber(f[0]);
    if (f.size() > 1) s.gridStepA = SettingNumber(f[1]);
    if (f.size() > 2) s.gridStepB = SettingNumber(f[2]);
    if (s.gridCommand != kUserGridCommand)
        return;
    // A user-defined grid keeps its two steps and its further value in the user-grid values.
    s.userGrid = true;
    if (f.size() > 1) s.userGridX = s.gridStepA;
    if (f.size() > 2) s.userGridY = s.gridStepB;
    if (f.size() > 3) s.userGridC = SettingNumber(f[3]);
}

void readSchemes(const SettingsReader& ini, SchematicSettings& s)
{
    int active = s.colorscheme + 1;
    ini.number("colorscheme", active);
    // A scheme number outside 1 to 10 would name no slot; the default scheme stays.
    if (active >= 1 && active <= kColorSchemes)
        s.colorscheme = active - 1;
    for (int i = 1; i <= kColorSchemes; ++i) {
        const auto value = ini.text(kMain, NumberedKey("scheme", i), kSchemeBuffer);
        if (!value)
            continue;
        ++s.schemesFound;
        ColorScheme& scheme = s.schemes[i - 1];
        scheme.present = true;
        const auto f = SplitSettingFields(*value, ",");
        scheme.name = f[0];
        const int values = std::min<int>(kSchemeValues, static_cast<int>(f.size()) - 1);
        for (int v = 0; v < values; ++v) {
            // A colour outside the palette would index past it in every painter.
            const int32_t color = SettingNumber(f[v + 1]);
            scheme.values[v] = color >= 0 && color < kPaletteEntries ? color : 0;
            if (i - 1 == s.colorscheme)
                g_colorRoles.index[v] = scheme.values[v];
        }
    }
}

// "shut" has always been written to the main section though the parts bin's was read: the
// written one counts, the parts bin's is read when it is missing.
void readShut(const SettingsReader& ini, SchematicSettings& s)
{
    if (ini.text(kMain, "shut"))
        ini.digit("shut", s.binShut, kMain);
    else
        ini.digit("shut", s.binShut, kBin);
}

void readPartsBin(const SettingsReader& ini, SchematicSettings& s)
{
    ini.number("x", s.binX, kBin);
    ini.number("y", s.binY, kBin);
    ini.number("display", s.binDisplay, kBin);
    ini.number("no_parts", s.binNoParts, kBin);
    if (s.binNoParts > kMaxBinParts)
        s.binNoParts = kMaxBinParts - 1;
    readShut(ini, s);
    s.binParts.clear();
    for (int k = 1; k <= s.binNoParts; ++k) {
        const auto part = ini.text(kBin, NumberedKey("part#", k), kBinPartBuffer);
        if (part && LoadLibraryPartByPath(*part) == 1)
            s.binParts.push_back(*part);
    }
    s.binNoParts = static_cast<int>(s.binParts.size());
    readShut(ini, s);
}

void readSearchList(const SettingsReader& ini, SchematicSettings& s)
{
    ini.number("SearchNo", s.SearchNo);
    ini.number("SearchIndex", s.SearchIndex);
    s.SearchNo = std::clamp(s.SearchNo, 0, kMaxSearchStrings);
    s.searchList.clear();
    for (int n = 1; n <= s.SearchNo; ++n)
        s.searchList.push_back(ini.text(kMain, NumberedKey("search#", n)).value_or(""));
}

void readSwitches(const SettingsReader& ini, SchematicSettings& s)
{
    ini.number("TerminalEnd", s.TerminalEnd);
    ini.number("AutoTextExit", s.AutoTextExit);
    ini.number("AutoRefs", s.AutoRefs);
    ini.number("AutoDots", s.AutoDots);
    ini.number("BackupTime", s.BackupTime);
    ini.digit("CurrentHeadStyle", s.CurrentHeadStyle);
    // Read as a number, not a digit: its default -1 is written as "-1", whose first character
    // alone would read back as -3.
    ini.number("CurrentHeadNo", s.CurrentHeadNo);
    ini.digit("CurrentStyle", s.CurrentStyle);
    ini.digit("pinsnap", s.pinsnap);
    ini.digit("PinDisplay", s.PinDisplay);
    ini.digit("PartsBinHelp", s.PartsBinHelp);
    ini.digit("visible", s.visible);
    ini.digit("view_net", s.view_net);
    ini.digit("border", s.border);
    ini.digit("breaks", s.breaks);
    ini.digit("rulers", s.rulers);
    ini.number("units", s.units);
    ini.number("lib_font", s.lib_font);
    ini.number("net_font", s.net_font);
    ini.number("pin_font", s.pin_font);
    ini.number("cursor", s.cursor);
    ini.number("hidden", s.hidden);
    ini.digit("sound", s.sound);
    ini.digit("limit", s.limit);
    ini.digit("startup", s.startup);
    ini.number("PrScale", s.PrScale);
    ini.number("PrColor", s.PrColor);
    ini.number("PrOrient", s.PrOrient);
    ini.number("PartShade", s.PartShade);
    ini.number("files", s.files);
}

}  // namespace

void LoadSettings()
{
    SchematicSettings& s = g_settings;
    LocateLibraryFolder();
    // The first document construction reads the title block beside the libraries.
    LoadTitleBlockOnce();
    g_folders.iniPath = plat::joinPath(SettingsIniFolder(), kIniFileName);

    const SettingsReader ini(g_folders.iniPath);
    readSwitches(ini, s);
    readFonts(ini, s);
    ini.number("CurrentTip", s.CurrentTip);
    ini.number("DoTips", s.DoTips);
    int clipboard = s.clipboard == kClipboardModeOther ? 1 : 0;
    ini.digit("clipboard", clipboard);
    s.clipboard = clipboard != 0 ? kClipboardModeOther : kClipboardModeBitmap;
    ini.digit("rubber", s.rubber);
    readGrid(ini, s);
    // The line width is written as "trace_width"; older files have "width".
    if (ini.text(kMain, "trace_width"))
        ini.number("trace_width", s.width);
    else
        ini.number("width", s.width);
    ini.digit("MapLibraries", s.MapLibraries);
    readSchemes(ini, s);
    readPartsBin(ini, s);
    readSearchList(ini, s);
}

void LoadRecentFiles(const std::string& iniPath, const std::function<void(const std::string&)>& open)
{
    const SettingsReader ini(iniPath);
    // No more drawings than the open-document table holds can have been saved.
    const int files = std::min(g_settings.files, kOpenDocSlots);
    for (int n = 0; n < files; ++n) {
        auto name = ini.text(kMain, NumberedKey("file#", n));
        if (!name)
            continue;
        if (plat::fileNameOf(*name).find('.') == std::string::npos)
            *name += ".PIC";
        const std::string path = plat::upperCasePath(*name);
        if (path.find("UNTITLED") == std::string::npos)
            open(path);
    }
}
