#include "tracelyn/core/board_settings.h"

#include "common/rounding.h"
#include "platform/system/app_profile.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "platform/core/ui_host.h"
#include "platform/system/profile_file.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/int_list_text.h"
#include "tracelyn/core/open_documents.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/workspace_services.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <optional>

BoardFolders g_boardFolders;
BoardSettings g_boardSettings;
BoardColors g_boardColors;

namespace {

constexpr size_t kValueBuffer = 80;
constexpr size_t kSchemeBuffer = 100;
constexpr int kBuiltInFonts = 16;
constexpr int kLayerListValues = 33;
constexpr int kFirstDisplayLayer = 15;   // layers 15 and 16 also set the display switches

// The leading decimal number of a token ("12abc" 12, "-3" -3, "abc" 0).
int32_t leadingInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<int64_t>(value * 10 + (text[i] - '0'), int64_t{INT32_MAX} + 1);
    value = negative ? -value : std::min<int64_t>(value, INT32_MAX);
    return static_cast<int32_t>(value);
}

// Comma-separated tokens; an empty token is absent (its value stays as it was).
std::vector<std::optional<int32_t>> intList(std::string_view text)
{
    std::vector<std::optional<int32_t>> tokens;
    if (text.empty())
        return tokens;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        std::string_view token = text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        while (!token.empty() && (token.front() == ' ' || token.front() == '\t'))
            token.remove_prefix(1);
        if (token.empty())
            tokens.emplace_back(std::nullopt);
        else
            tokens.emplace_back(leadingInt(token));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return tokens;
}

// Each non-empty item of the list replaces the field it stands for, in order.
void applyToFields(std::string_view text, std::initializer_list<int32_t*> fields)
{
    const auto tokens = intList(text);
    size_t i = 0;
    for (int32_t* field : fields) {
        if (i < tokens.size() && tokens[i])
            *field = *tokens[i];
        ++i;
    }
}

template <size_t N>
void applyList(std::string_view text, std::array<int32_t, N>& values)
{
    const auto tokens = intList(text);
    for (size_t i = 0; i < tokens.size() && i < N; ++i)
        if (tokens[i])
            values[i] = *tokens[i];
}

// Reads one file's settings with the value forms of the table: digits, ints and lists.
class SettingsReader {
public:
    explicit SettingsReader(const std::string& path) : file_(path) {}

    // The value, or nothing when the key is missing; cut to the 80-character buffer.
    std::optional<std::string> value(std::string_view key, std::string_view section = kIniSection,
                                     size_t buffer = kValueBuffer) const
    {
        static constexpr std::string_view kMissing = "\x01";
        std::string text = file_.getString(section, key, kMissing, buffer);
        if (text == kMissing)
            return std::nullopt;
        return text;
    }
    // First character minus '0'; a missing or empty value keeps the current value.
    void digit(std::string_view key, int32_t& target, std::string_view section = kIniSection) const
    {
        const auto text = value(key, section);
        if (text && !text->empty())
            target = (*text)[0] - '0';
    }
    // As digit, but a missing key sets whenMissing.
    void digitOr(std::string_view key, int32_t& target, int32_t whenMissing) const
    {
        const auto text = value(key);
        target = (text && !text->empty()) ? (*text)[0] - '0' : whenMissing;
    }
    void integer(std::string_view key, int32_t& target, std::string_view section = kIniSection) const
    {
        target = file_.getInt(section, key, target);
    }
    // '0' selects ifZero, any other value ifOther.
    void choice(std::string_view key, int32_t& target, int32_t ifZero, int32_t ifOther) const
    {
        const auto text = value(key);
        if (text && !text->empty())
            target = (*text)[0] == '0' ? ifZero : ifOther;
    }

private:
    plat::ProfileFile file_;
};

// How a number key of the main section is kept in the file.
enum class KeyForm {
    Integer,          // the number itself
    Digit,            // the first character minus '0'; a missing or empty value keeps the setting
    DigitOrZero,      // as Digit, but a missing key reads 0
    DigitOrOne,       // as Digit, but a missing key reads 1
    Choice,           // '0' reads the first choice, anything else the second; written as 0 or 1
    ChoiceOnceRead,   // as Choice, but unwritten while it is neither choice (the built-in 0)
    Percent,          // a scale factor, kept as a whole percentage
};

// A number key and the value it holds: a member of the settings, or (global) a value kept where
// the code that acts on it reads it.
struct NumberKey {
    std::string_view key;
    KeyForm form;
    int32_t BoardSettings::*number = nullptr;
    double BoardSettings::*factor = nullptr;   // the Percent keys
    int32_t first = 0;                         // the Choice keys' two values
    int32_t second = 0;
    int32_t* global = nullptr;
};

// The number keys both read and written, in the order they are written.
constexpr NumberKey kNumberKeys[] = {
    {"CurrentTip", KeyForm::Integer, &BoardSettings::CurrentTip},
    {"DoTips", KeyForm::Integer, &BoardSettings::DoTips},
    {"PrOrient", KeyForm::Integer, &BoardSettings::PrOrient},
    {"PrInvert", KeyForm::Integer, &BoardSettings::PrInvert},
    {"PrMirror", KeyForm::Integer, &BoardSettings::PrMirror},
    {"PrPaged", KeyForm::Integer, &BoardSettings::PrPaged},
    {"PrSilk", KeyForm::Integer, &BoardSettings::PrSilk},
    {"PrColor", KeyForm::Integer, &BoardSettings::PrColor},
    {.key = "fXp", .form = KeyForm::Percent, .factor = &BoardSettings::fXp},
    {.key = "fYp", .form = KeyForm::Percent, .factor = &BoardSettings::fYp},
    {"AutoTextExit", KeyForm::Integer, &BoardSettings::AutoTextExit},
    {"AutoRefs", KeyForm::Integer, &BoardSettings::AutoRefs},
    {"view_net", KeyForm::DigitOrOne, &BoardSettings::view_net},
    {"lib_font", KeyForm::Integer, &BoardSettings::lib_font},
    {"net_font", KeyForm::Integer, &BoardSettings::net_font},
    {"pin_font", KeyForm::Integer, &BoardSettings::pin_font},
    {"CurrentSize", KeyForm::Integer, &BoardSettings::CurrentSize},
    {"PadDisplay", KeyForm::DigitOrOne, &BoardSettings::PadDisplay},
    {"PartsBinHelp", KeyForm::DigitOrOne, &BoardSettings::PartsBinHelp},
    {"RoundVias", KeyForm::DigitOrZero, &BoardSettings::RoundVias},
    {"breaks", KeyForm::Digit, &BoardSettings::breaks},
    {"fillmode", KeyForm::Choice, &BoardSettings::fillmode, nullptr, 365, 366},
    // A via mode never read must not become kViaModeHideInMask at the next start.
    {"viamode", KeyForm::ChoiceOnceRead, &BoardSettings::viamode, nullptr, kViaModeHideInMask,
     kViaModeMaskSquare},
    {"padsnap", KeyForm::Digit, &BoardSettings::padsnap},
    {"limit", KeyForm::Digit, &BoardSettings::limit},
    {"RouteMode", KeyForm::Integer, &BoardSettings::RouteMode},
    {"BackupTime", KeyForm::Integer, &BoardSettings::BackupTime},
    {"border", KeyForm::Digit, &BoardSettings::border},
    {"rulers", KeyForm::Digit, &BoardSettings::rulers},
    {"units", KeyForm::Integer, &BoardSettings::units},
    {"cursor", KeyForm::Integer, &BoardSettings::cursor},
    {"rubber", KeyForm::Digit, &BoardSettings::rubber},
    {"clipboard", KeyForm::Choice, &BoardSettings::clipboard, nullptr, 749, 750},
    {"hidden", KeyForm::Digit, &BoardSettings::hidden},
    {"sound", KeyForm::Digit, &BoardSettings::sound},
    {"mask", KeyForm::Integer, &BoardSettings::mask},
    {"trace_width", KeyForm::Integer, &BoardSettings::trace_width},
    {.key = "planes", .form = KeyForm::Integer, .global = &g_edit.layerViewMode},
    {"visible", KeyForm::Digit, &BoardSettings::visible},
    {"start", KeyForm::Digit, &BoardSettings::start},
};

void readNumber(const SettingsReader& in, const NumberKey& k, BoardSettings& s)
{
    if (k.form == KeyForm::Percent) {
        // A missing key still rounds the factor to a whole percentage.
        double& factor = s.*k.factor;
        int32_t percent = RoundHalfUp(factor * 100.0);
        in.integer(k.key, percent);
        factor = percent * 0.01;
        return;
    }
    int32_t& value = k.global != nullptr ? *k.global : s.*k.number;
    switch (k.form) {
    case KeyForm::Integer: in.integer(k.key, value); break;
    case KeyForm::Digit: in.digit(k.key, value); break;
    case KeyForm::DigitOrZero: in.digitOr(k.key, value, 0); break;
    case KeyForm::DigitOrOne: in.digitOr(k.key, value, 1); break;
    case KeyForm::Choice:
    case KeyForm::ChoiceOnceRead: in.choice(k.key, value, k.first, k.second); break;
    case KeyForm::Percent: break;
    }
}

// The number a key is written as; nothing when it stays unwritten.
std::optional<int32_t> storedNumber(const NumberKey& k, const BoardSettings& s)
{
    if (k.form == KeyForm::Percent)
        return RoundHalfUp(s.*k.factor * 100.0);
    const int32_t value = k.global != nullptr ? *k.global : s.*k.number;
    if (k.form == KeyForm::ChoiceOnceRead && value != k.first && value != k.second)
        return std::nullopt;
    if (k.form == KeyForm::Choice || k.form == KeyForm::ChoiceOnceRead)
        return value == k.first ? 0 : 1;
    return value;
}

void readFonts(const SettingsReader& in, BoardSettings& s)
{
    in.integer("fonts", s.fonts);
    s.fonts = std::max(s.fonts, kBuiltInFonts);
    // A damaged count must not make the program read or write millions of keys.
    s.fonts = std::min(s.fonts, 255);
    s.extraFonts.assign(static_cast<size_t>(s.fonts - kBuiltInFonts), BoardFontEntry{});
    for (int n = kBuiltInFonts + 1; n <= s.fonts; ++n) {
        const auto text = in.value("font#" + std::to_string(n));
        if (!text)
            continue;
        BoardFontEntry& font = s.extraFonts[static_cast<size_t>(n - kBuiltInFonts - 1)];
        const size_t comma = text->find(',');
        font.face = text->substr(0, comma);
        if (comma == std::string::npos)
            continue;
        applyToFields(std::string_view(*text).substr(comma + 1), {&font.first, &font.second});
    }
}

void readGrid(const SettingsReader& in, BoardSettings& s)
{
    const auto text = in.value("grid");
    if (!text)
        return;
    std::array<int32_t, 4> grid{s.gridCommand, s.gridX, s.gridY, s.polarOption};
    applyList(*text, grid);
    s.gridCommand = grid[0];
    s.gridX = grid[1];
    s.gridY = grid[2];
    if (s.gridCommand == kGridPolar) {
        s.polarA = grid[1];
        s.polarB = grid[2];
        s.polarOption = grid[3];
    }
}

void readPads(const SettingsReader& in, BoardSettings& s)
{
    if (const auto text = in.value("pads"))
        applyToFields(*text, {&s.padShape, &s.padSizeX, &s.padSizeY, &s.padHole});
}

void readRouter(const SettingsReader& in)
{
    if (const auto text = in.value("router"))
        applyList(*text, g_router.values);
    g_router.gridPitch = RouterGridPitch(g_router.values[kRouterGridValue]);
    in.integer("passes", g_router.passes);
}

void readSchemes(const SettingsReader& in, BoardSettings& s)
{
    in.integer("colorscheme", s.colorscheme);
    s.schemesFound = 0;
    for (int n = 1; n <= kColorSchemes; ++n) {
        const auto text = in.value("scheme" + std::to_string(n), kIniSection, kSchemeBuffer);
        if (!text)
            continue;
        ++s.schemesFound;
        BoardColorScheme& scheme = s.schemes[static_cast<size_t>(n - 1)];
        scheme.present = true;
        const size_t comma = text->find(',');
        scheme.name = text->substr(0, comma);
        if (comma != std::string::npos)
            applyList(std::string_view(*text).substr(comma + 1), scheme.colors);
    }
    if (s.colorscheme >= 1 && s.colorscheme <= kColorSchemes &&
        s.schemes[static_cast<size_t>(s.colorscheme - 1)].present)
        g_boardColors.colorMap = s.schemes[static_cast<size_t>(s.colorscheme - 1)].colors;
}

// Each part goes into the next free cell and is loaded; a cell whose part does not load is
// used for the next part.
void readPartsBin(const SettingsReader& in, BoardSettings& s)
{
    in.integer("x", s.binX, kPartsBinSection);
    in.integer("y", s.binY, kPartsBinSection);
    in.integer("display", s.binDisplay, kPartsBinSection);
    in.integer("no_parts", s.binNoParts, kPartsBinSection);
    if (s.binNoParts > kPartsBinCells)
        s.binNoParts = kPartsBinOverflowCount;
    in.digitOr("shut", s.shut, 0);
    s.binParts.clear();
    for (int n = 1; n <= s.binNoParts; ++n) {
        const auto name = in.value("part#" + std::to_string(n), kPartsBinSection);
        if (name && LoadLibraryPartByPath(*name) != 0)
            s.binParts.push_back(*name);
    }
}

void readLayers(const SettingsReader& in, BoardSettings& s)
{
    const auto text = in.value("layers");
    if (!text)
        return;
    std::array<int32_t, kLayerListValues> list{};
    list[0] = s.layerValue;
    std::copy(s.layerSwitches.begin(), s.layerSwitches.end(), list.begin() + 1);
    applyList(*text, list);
    s.layerValue = list[0];
    std::copy(list.begin() + 1, list.end(), s.layerSwitches.begin());
    s.layerDisplay[0] = s.layerSwitches[kFirstDisplayLayer];
    s.layerDisplay[1] = s.layerSwitches[kFirstDisplayLayer + 1];
}

void readGerberSilkMask(const SettingsReader& in, BoardSettings& s)
{
    const auto text = in.value("GerberSilkMask");
    if (!text)
        return;
    GerberSilkMask boxes{};
    applyList(*text, boxes);
    for (int32_t& box : boxes)
        box = box != 0 ? 1 : 0;
    s.gerberSilkMask = boxes;
}

void readSearchList(const SettingsReader& in, BoardSettings& s)
{
    in.integer("SearchNo", s.SearchNo);
    in.integer("SearchIndex", s.SearchIndex);
    s.searchList.clear();
    for (int n = 1; n <= std::min(s.SearchNo, 1000); ++n)
        if (const auto text = in.value("search#" + std::to_string(n)))
            s.searchList.push_back(*text);
}

void readSettings(const std::string& path)
{
    const SettingsReader in(path);
    BoardSettings& s = g_boardSettings;
    in.digit("plotter", s.plotter);   // read, never written back
    in.integer("files", s.files);     // written with the open boards
    for (const NumberKey& k : kNumberKeys)
        readNumber(in, k, s);
    s.lib_font = std::min(s.lib_font, 5);
    s.net_font = std::min(s.net_font, 4);
    s.pin_font = std::min(s.pin_font, 4);
    readFonts(in, s);
    readGrid(in, s);
    readPads(in, s);
    readRouter(in);
    in.integer("clearance", s.clearance);
    readSchemes(in, s);
    readPartsBin(in, s);
    readLayers(in, s);
    readGerberSilkMask(in, s);
    readSearchList(in, s);
}

// Only the file name is looked at: folders may have dots in their names.
std::string withTlzExtension(std::string name)
{
    if (plat::fileNameOf(name).find('.') == std::string::npos)
        name += ".TLZ";
    return name;
}

std::string fallbackLibraryFolder() { return quill::PackageFolderBesidePrograms(); }

void findFolders()
{
    BoardFolders& f = g_boardFolders;
    const std::string current = plat::currentFolder();
    // Started with a file, the program takes the folder the last plain start stored; with none
    // stored yet (a first start from a file), it finds the folder as a plain start does.
    std::string stored;
    if (f.commandLineFlag)
        stored = plat::GetProfileString(kProfileCompany, kProfileApp, kProfileSettingsSection, kLibraryPathEntry);
    // A stored folder that is gone (the program was moved) is treated as none stored.
    if (!stored.empty() && !plat::folderExists(LibraryFolderFromRegistry(stored, current)))
        stored.clear();
    if (!stored.empty()) {
        f.libraryFolder = LibraryFolderFromRegistry(stored, current);
    } else {
        f.libraryFolder = current.empty() ? fallbackLibraryFolder()
                                          : plat::appendFolder(current, kPackagesFolderName);
        plat::WriteProfileString(kProfileCompany, kProfileApp, kProfileSettingsSection,
                                 kLibraryPathEntry, f.libraryFolder);
    }
    const std::string upper = plat::upperCasePath(f.libraryFolder);
    f.programFolder = plat::cutAtFolder(upper, kPackagesFolderName)
                          .value_or(plat::withoutTrailingSeparator(upper));
    std::string iniFolder = current;
    if (f.commandLineFlag && !f.libraryFolder.empty())
        iniFolder = plat::cutAtFolder(f.libraryFolder, kPackagesFolderName)
                        .value_or(plat::withoutTrailingSeparator(f.libraryFolder));
    f.iniPath = plat::joinPath(iniFolder, kIniFileName);
}

void writeSettings(plat::ProfileFile& out)
{
    const BoardSettings& s = g_boardSettings;
    auto put = [&](std::string_view key, int32_t value) { out.writeInt(kIniSection, key, value); };
    auto putText = [&](std::string_view key, const std::string& value) {
        out.writeString(kIniSection, key, value);
    };
    for (const NumberKey& k : kNumberKeys)
        if (const auto number = storedNumber(k, s))
            put(k.key, *number);
    const int32_t pads[4] = {s.padShape, s.padSizeX, s.padSizeY, s.padHole};
    putText("pads", JoinInts(pads));
    const int32_t grid[4] = {s.gridCommand, s.gridX, s.gridY, s.polarOption};
    putText("grid", JoinInts(std::span(grid).first(s.gridCommand == kGridPolar ? 4 : 3)));
    put("colorscheme", s.colorscheme);
    for (int n = 1; n <= kColorSchemes; ++n) {
        const BoardColorScheme& scheme = s.schemes[static_cast<size_t>(n - 1)];
        if (!scheme.present)
            continue;
        putText("scheme" + std::to_string(n), scheme.name + "," + JoinInts(scheme.colors));
    }
    putText("router", JoinInts(g_router.values));
    put("passes", g_router.passes);
    put("clearance", s.clearance);
    put("fonts", s.fonts);
    for (size_t i = 0; i < s.extraFonts.size(); ++i) {
        const BoardFontEntry& font = s.extraFonts[i];
        putText("font#" + std::to_string(kBuiltInFonts + 1 + i),
                font.face + "," + std::to_string(font.first) + "," + std::to_string(font.second));
    }
    out.writeInt(kPartsBinSection, "x", s.binX);
    out.writeInt(kPartsBinSection, "y", s.binY);
    out.writeInt(kPartsBinSection, "display", s.binDisplay);
    const int binCount = std::min(static_cast<int>(s.binParts.size()), kPartsBinCells);
    out.writeInt(kPartsBinSection, "no_parts", binCount);
    for (int n = 1; n <= binCount; ++n)
        out.writeString(kPartsBinSection, "part#" + std::to_string(n), s.binParts[static_cast<size_t>(n - 1)]);
    // "shut" is read but never written: the file keeps whatever the user set there.
    std::array<int32_t, kLayerListValues> layers{};
    layers[0] = s.layerValue;
    std::copy(s.layerSwitches.begin(), s.layerSwitches.end(), layers.begin() + 1);
    putText("layers", JoinInts(layers));
    if (s.gerberSilkMask)
        putText("GerberSilkMask", JoinInts(*s.gerberSilkMask));
    put("SearchNo", static_cast<int32_t>(s.searchList.size()));
    put("SearchIndex", s.SearchIndex);
    for (size_t i = 0; i < s.searchList.size(); ++i)
        putText("search#" + std::to_string(i + 1), s.searchList[i]);
}

void writeOpenBoards(plat::ProfileFile& out)
{
    int n = 0;
    for (const OpenDocumentEntry& entry : g_openDocuments.entries) {
        if (entry.name.empty())
            continue;
        out.writeString(kIniSection, "file#" + std::to_string(++n), withTlzExtension(entry.name));
    }
    out.writeInt(kIniSection, "files", n);
}

}  // namespace

std::string LibraryFolderFromRegistry(std::string_view value, std::string_view currentFolder)
{
    std::string folder(value.substr(0, value.find('\n')));
    while (!folder.empty() && (folder.back() == ' ' || folder.back() == '\t' || folder.back() == '\r'))
        folder.pop_back();
    folder = plat::upperCasePath(folder);
    if (!plat::isAbsolutePath(folder)) {
        // A value with a '-' in it stands for the current folder as a whole.
        const std::string current(currentFolder);
        folder = folder.find('-') != std::string::npos ? current : plat::joinPath(current, folder);
    }
    return plat::withTrailingSeparator(folder);
}

void LoadSettings()
{
    findFolders();
    readSettings(g_boardFolders.iniPath);
    g_boardFolders.settingsRead = true;
}

void SaveSettings()
{
    if (g_boardFolders.iniPath.empty())
        g_boardFolders.iniPath = plat::joinPath(plat::currentFolder(), kIniFileName);
    plat::ProfileFile out(g_boardFolders.iniPath);
    writeSettings(out);
    writeOpenBoards(out);
    if (const plat::WriteResult written = out.flush(); !written)
        plat::MessageBox("Settings not saved.\n" + written.message());
}

std::vector<std::string> RecentBoardNames(const std::string& iniPath)
{
    std::vector<std::string> names;
    const plat::ProfileFile in(iniPath);
    const int files = std::min(in.getInt(kIniSection, "files", 0), 1000);
    for (int n = 1; n <= files; ++n) {
        // Paths are not cut to the value buffer: a cut path would open nothing or another file.
        std::string name = in.getString(kIniSection, "file#" + std::to_string(n), "");
        if (name.empty())
            continue;
        name = plat::upperCaseAscii(withTlzExtension(name));
        if (name.find("UNTITLED") == std::string::npos)
            names.push_back(std::move(name));
    }
    return names;
}

void LoadRecentFiles(const std::string& iniPath)
{
    for (const std::string& name : RecentBoardNames(iniPath))
        OpenBoardDocument(name);
}
