#include "schemora/core/drawing_parts.h"

#include "common/string_helpers.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"
#include "schemora/core/current_document.h"
#include "schemora/core/file_records.h"
#include "schemora/core/object_records.h"
#include "schemora/core/part_library.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

constexpr int kMarkersPerDefinition = 4;

// A part that cannot be placed stays visible as a text saying why.
void becomeText(DrawObject& o, std::string_view text)
{
    ReleaseObjectData(o);
    o.setType(kObjText);
    o.w[2] = o.w[3] = o.w[5] = 0;
    o.text = StrDupChecked(text);
}

int findSymbolFrom(int after, std::string_view name)
{
    const std::string wanted = plat::upperCaseAscii(name);
    for (int i = after + 1; i <= g_partSymbols.count; ++i)
        if (plat::upperCaseAscii(g_partSymbols.entries[i].name) == wanted)
            return i;
    return 0;
}

bool skipToDefinition(plat::Archive& archive, PartResolution& state)
{
    FileRecord record;
    for (int n = 0; state.markersSeen < kMarkersPerDefinition && n < kMaxRecordsToDefinition; ++n) {
        if (!readRecord(archive, record))
            break;
        if (isPartMarker(record))
            ++state.markersSeen;
    }
    const bool found = state.markersSeen >= kMarkersPerDefinition;
    state.markersSeen = 0;
    return found;
}

// Loads the definition of name that follows in an encapsulated file; its symbol index or 0.
int loadEncapsulatedSymbol(plat::Archive& archive, PartResolution& state, std::string_view name)
{
    if (g_partSymbols.count >= kMaxPlaceableSymbol || !skipToDefinition(archive, state))
        return 0;
    const int index = ++g_partSymbols.count;
    g_partSymbols.entries[index] = PartSymbol{};
    g_partSymbols.entries[index].name = plat::upperCaseAscii(name);
    if (!ReadPartSymbol(archive, index)) {
        g_partSymbols.entries[index] = PartSymbol{};
        --g_partSymbols.count;
        return 0;
    }
    BindPinTexts(index);
    return index;
}

// The part name a label's value gives: without the "value below" mark and the user's package.
std::string_view partNameOf(std::string_view label, bool hasPrefix)
{
    if (hasPrefix && !label.empty() && label.front() == '\\')
        label.remove_prefix(1);
    return label.substr(0, label.find('!'));
}

void resolveEncapsulated(DrawObject& o, plat::Archive& archive, PartResolution& state, std::string_view rest)
{
    int index = findSymbolFrom(state.symbolsBefore, rest);
    if (!index)
        index = loadEncapsulatedSymbol(archive, state, rest);
    if (!index) {
        plat::MessageBox("Can't get part");
        becomeText(o, "Missing part! [" + std::string(rest) + "]");
        return;
    }
    o.setType(kObjPart + index);
}

void resolveFromLibrary(DrawObject& o, const PartResolution& state, std::string_view prefix, bool hasPrefix,
                        std::string_view label)
{
    // The label's value may be shown below the reference ("\\" first) and may carry the user's
    // package ("!" and its name): both stay, the value between them names the part.
    const bool below = hasPrefix && !label.empty() && label.front() == '\\';
    const std::string_view rest = partNameOf(label, hasPrefix);
    const size_t bang = label.find('!');
    const std::string package = bang == std::string_view::npos ? std::string() : std::string(label.substr(bang));
    const size_t slash = rest.rfind('\\');
    std::string library = slash == std::string_view::npos ? "DEVICE" : std::string(rest.substr(0, slash));
    const std::string part(slash == std::string_view::npos ? rest : rest.substr(slash + 1));
    if (state.version < 10) {
        // A drawing made before the families were renamed names the old family; where only
        // the old library is installed, its name still finds the part.
        std::string renamed = library;
        MapLibraryName(renamed);
        if (plat::fileExists(LibraryFilePath(renamed, false)))
            library = renamed;
    }
    const bool loaded = LoadLibraryPart(library, part) == 1;
    const int index = g_partSymbols.current;
    if (!loaded || index < 1 || index > kMaxPlaceableSymbol) {
        becomeText(o, "Missing part! [" + part + "]");
        return;
    }
    const std::string name = library + "\\" + part;
    ReplaceObjectText(o, hasPrefix ? std::string(prefix) + ":" + (below ? "\\" : "") + name + package : name + package);
    o.setType(kObjPart + index);
    SetPartLabelAnchor(o);
}

}  // namespace

void ResolveDrawingParts(std::span<DrawObject> objects, plat::Archive& archive, PartResolution& state)
{
    for (DrawObject& o : objects) {
        if (o.type() != kObjPart)
            continue;
        const std::string name = o.text ? o.text : "";
        // Resolution goes on past a nameless part: stopping here would leave the parts after it
        // unresolved in the store, naming symbol 0.
        if (name.empty()) {
            becomeText(o, "Bad part!");
            continue;
        }
        const size_t colon = name.find(':');
        const bool hasPrefix = colon != std::string::npos;
        const std::string_view whole(name);
        const std::string_view prefix = hasPrefix ? whole.substr(0, colon) : std::string_view();
        std::string_view rest = hasPrefix ? whole.substr(colon + 1) : whole;
        // The part's own text (a source's waveform) follows its name; drawings written before
        // kept the name alone.
        const size_t mark = hasPrefix ? rest.find(kPartTextMark) : std::string_view::npos;
        const std::string ownText = mark == std::string_view::npos ? std::string() : std::string(rest.substr(mark + 1));
        rest = rest.substr(0, mark);
        if (state.encapsulated)
            resolveEncapsulated(o, archive, state, partNameOf(rest, hasPrefix));
        else
            resolveFromLibrary(o, state, prefix, hasPrefix, rest);
        if (o.isPart() && !ownText.empty())
            ReplaceObjectText(o, std::string(prefix) + ":" + ownText);
    }
}
