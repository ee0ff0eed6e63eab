#include "schemora/core/settings.h"

#include "platform/system/paths.h"
#include "platform/core/ui_host.h"
#include "platform/system/profile_file.h"
#include "schemora/core/app_state.h"
#include "schemora/core/open_documents.h"
#include "schemora/core/settings_fields.h"

#include <string>

namespace {

constexpr std::string_view kMain = "Schemora";
constexpr std::string_view kBin = "Parts Bin";

std::string gridValue(const SchematicSettings& s)
{
    if (s.userGrid)
        return std::to_string(kUserGridCommand) + "," + std::to_string(s.userGridX) + ","
               + std::to_string(s.userGridY) + "," + std::to_string(s.userGridC);
    return std::to_string(s.gridCommand) + "," + std::to_string(s.gridStepA) + ","
           + std::to_string(s.gridStepB);
}

void writeSwitches(plat::ProfileFile& ini, const SchematicSettings& s)
{
    ini.writeInt(kMain, "CurrentTip", s.CurrentTip);
    ini.writeInt(kMain, "DoTips", s.DoTips);
    ini.writeInt(kMain, "TerminalEnd", s.TerminalEnd);
    ini.writeInt(kMain, "AutoTextExit", s.AutoTextExit);
    ini.writeInt(kMain, "AutoRefs", s.AutoRefs);
    ini.writeInt(kMain, "AutoDots", s.AutoDots);
    ini.writeInt(kMain, "limit", s.limit);
    // "shut" goes to this section although it is read from the parts bin's.
    ini.writeInt(kMain, "shut", s.binShut);
    ini.writeInt(kMain, "BackupTime", s.BackupTime);
    ini.writeInt(kMain, "pinsnap", s.pinsnap);
    ini.writeInt(kMain, "border", s.border);
    ini.writeInt(kMain, "breaks", s.breaks);
    ini.writeInt(kMain, "rulers", s.rulers);
    ini.writeInt(kMain, "units", s.units);
    ini.writeInt(kMain, "cursor", s.cursor);
    ini.writeInt(kMain, "rubber", s.rubber);
    ini.writeInt(kMain, "clipboard", s.clipboard == kClipboardModeOther ? 1 : 0);
    ini.writeInt(kMain, "hidden", s.hidden);
    ini.writeInt(kMain, "sound", s.sound);
    ini.writeInt(kMain, "trace_width", s.width);
    ini.writeInt(kMain, "MapLibraries", s.MapLibraries);
    ini.writeInt(kMain, "visible", s.visible);
    ini.writeInt(kMain, "PartsBinHelp", s.PartsBinHelp);
    ini.writeInt(kMain, "startup", s.startup);
    ini.writeInt(kMain, "PrScale", s.PrScale);
    ini.writeInt(kMain, "PrColor", s.PrColor);
    ini.writeInt(kMain, "PrOrient", s.PrOrient);
    ini.writeInt(kMain, "PartShade", s.PartShade);
    ini.writeInt(kMain, "CurrentHeadStyle", s.CurrentHeadStyle);
    ini.writeInt(kMain, "CurrentHeadNo", s.CurrentHeadNo);
    ini.writeInt(kMain, "CurrentStyle", s.CurrentStyle);
}

void writeLooks(plat::ProfileFile& ini, const SchematicSettings& s)
{
    ini.writeString(kMain, "grid", gridValue(s));
    ini.writeInt(kMain, "colorscheme", s.colorscheme + 1);
    for (int i = 0; i < kColorSchemes; ++i) {
        const ColorScheme& scheme = s.schemes[i];
        if (!scheme.present)
            continue;
        std::string value = scheme.name;
        for (const int32_t v : scheme.values)
            value += "," + std::to_string(v);
        ini.writeString(kMain, NumberedKey("scheme", i + 1), value);
    }
    ini.writeInt(kMain, "fonts", s.fonts);
    for (int n = kBuiltInFonts + 1; n <= s.fonts && n < static_cast<int>(s.fontTable.size()); ++n) {
        const FontEntry& f = s.fontTable[n];
        ini.writeString(kMain, NumberedKey("font#", n),
                        f.face + "," + std::to_string(f.pitchAndFamily) + "," + std::to_string(f.charSet));
    }
}

void writePartsBinAndSearch(plat::ProfileFile& ini, const SchematicSettings& s)
{
    ini.writeInt(kBin, "x", s.binX);
    ini.writeInt(kBin, "y", s.binY);
    ini.writeInt(kBin, "display", s.binDisplay);
    ini.writeInt(kBin, "no_parts", static_cast<int>(s.binParts.size()));
    for (int k = 1; k <= static_cast<int>(s.binParts.size()); ++k)
        ini.writeString(kBin, NumberedKey("part#", k), s.binParts[k - 1]);
    ini.writeInt(kMain, "SearchIndex", s.SearchIndex);
    ini.writeInt(kMain, "SearchNo", s.SearchNo);
    for (int n = 1; n <= s.SearchNo && n <= static_cast<int>(s.searchList.size()); ++n)
        ini.writeString(kMain, NumberedKey("search#", n), s.searchList[n - 1]);
}

void writeOpenDocuments(plat::ProfileFile& ini)
{
    for (int i = 0; i < kOpenDocSlots; ++i) {
        const OpenDocSlot& slot = g_openDocs.slots[i];
        if (!slot.used || slot.name.empty())
            continue;
        std::string name = slot.name;
        if (plat::fileNameOf(name).find('.') == std::string::npos)
            name += ".PIC";
        ini.writeString(kMain, NumberedKey("file#", i), name);
    }
    ini.writeInt(kMain, "files", g_openDocs.count);
}

}  // namespace

void SaveSettings()
{
    const SchematicSettings& s = g_settings;
    plat::ProfileFile ini(g_folders.iniPath);
    writeSwitches(ini, s);
    writeLooks(ini, s);
    writePartsBinAndSearch(ini, s);
    writeOpenDocuments(ini);
    if (const plat::WriteResult written = ini.flush(); !written)
        plat::MessageBox("Settings not saved.\n" + written.message());
}
