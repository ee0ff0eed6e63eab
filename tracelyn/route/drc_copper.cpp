#include "tracelyn/route/drc_copper.h"

#include "platform/system/ascii_case.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/net_tracing.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/route/board_netlist.h"
#include "tracelyn/route/drc_artwork.h"
#include "tracelyn/route/router_dialogs.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr int kCopperLayers = 16;

bool isCopperLayer(int layer) { return layer >= 0 && layer < kCopperLayers; }

bool isCopperKind(int kind)
{
    switch (kind) {
    case kKindLine: case kKindRectangle: case kKindText: case kKindEllipse: case kKindArc: case kKindPad:
    case kKindPolygon:
        return true;
    default:
        return false;
    }
}

bool isVia(const BoardObject& pad)
{
    const int shape = pad.w[5] & 15;
    return shape == kPadVia || shape == kPadLayerPair;
}

std::string pinName(const char* name)
{
    return plat::upperCaseAscii(std::string(name, strnlen(name, kPinNameSize)));
}

// Gives each board object and package pad one source, made on its first piece.
class SourceTable {
public:
    explicit SourceTable(BoardCopper& copper) : copper_(copper)
    {
        if (std::optional<std::unordered_map<std::string, int>> nets = BoardPinNets()) {
            pinNets_ = std::move(*nets);
            copper_.netlist = true;
        }
    }

    int tagOf(const ArtworkSource& from)
    {
        const int id = ids_.idOf(from);
        if (id == static_cast<int>(copper_.sources.size()))
            copper_.sources.push_back(describe(from));
        return id;
    }

private:
    CopperSource describe(const ArtworkSource& from) const
    {
        CopperSource s;
        s.object = from.object;
        s.record = from.record;
        const BoardObject& o = g_board.objects[from.object];
        if (!o.isPart()) {
            s.kind = o.kind() == kKindPad ? (isVia(o) ? CopperClass::kVia : CopperClass::kPad) : CopperClass::kTrace;
            s.through = o.layer() == kLayerAll;
            return s;
        }
        const BoardObject& pad = g_packages.objects[static_cast<size_t>(from.record)];
        s.kind = isVia(pad) ? CopperClass::kVia : CopperClass::kPad;
        s.through = pad.layer() == kLayerAll || o.layer() == kLayerAll;
        if (!pinNets_.empty()) {
            const auto found = pinNets_.find(plat::upperCaseAscii(FormatPinName(o, pad.text() ? pad.text() : "")));
            if (found != pinNets_.end())
                s.net = found->second;
        }
        return s;
    }

    BoardCopper& copper_;
    std::unordered_map<std::string, int> pinNets_;
    ArtworkSourceIds ids_;
};

}  // namespace

std::vector<int> UsedCopperLayers()
{
    std::array<bool, kCopperLayers + 1> used{};
    const int last = g_board.objects == nullptr ? 0 : std::min(g_board.count, g_board.capacity - 1);
    for (int i = 1; i <= last; ++i) {
        const BoardObject& o = g_board.objects[i];
        const int layer = o.layer();
        if (!isCopperLayer(layer) || (!o.isPart() && !isCopperKind(o.kind())))
            continue;
        used[static_cast<size_t>(layer)] = true;
        // A layer-pair via reaches the layer above its own.
        if (o.kind() == kKindPad && (o.w[5] & 15) == kPadLayerPair)
            used[static_cast<size_t>(layer + 1)] = true;
    }
    std::vector<int> layers;
    for (int layer = 0; layer < kCopperLayers; ++layer)
        if (used[static_cast<size_t>(layer)])
            layers.push_back(layer);
    if (layers.empty())
        layers.push_back(kLayerTop);
    return layers;
}

BoardCopper CollectBoardCopper()
{
    BoardCopper copper;
    SourceTable table(copper);
    const ArtworkTagger tagger = [&](const ArtworkSource& from) {
        if (from.record == kArtworkPartLabel)
            return kLeaveOut;
        const BoardObject& o = g_board.objects[from.object];
        // A part's own record draws nothing; its pads come with their records.
        if (o.isPart() ? from.record < 1 || from.record >= kPackageStoreSize : from.record != 0)
            return kLeaveOut;
        return table.tagOf(from);
    };
    for (const int layer : UsedCopperLayers()) {
        copper.layers.push_back({layer, {}});
        CollectLayerShapes(layer, copper.layers.back().shapes, tagger);
    }
    return copper;
}

std::optional<std::unordered_map<std::string, int>> BoardPinNets()
{
    if (g_board.objects == nullptr)
        return std::nullopt;
    if (g_netlist.loadedBoard != g_board.objects || g_netlist.netCount <= 0) {
        // The active document is the current board unless a package editor has the globals.
        const BoardDocumentData* doc = g_active.data;
        if (g_active.document == nullptr || doc == nullptr || doc->objects == nullptr
            || doc->objects->data() != g_board.objects)
            return std::nullopt;
        const std::string path = g_active.document->GetPathName();
        if (path.empty())
            return std::nullopt;
        return ReadNetlistPinNets(BoardBaseName(path) + ".net");
    }
    std::unordered_map<std::string, int> nets;
    const std::span<NetConnection> table = ConnectionTable();
    const size_t count = std::min(table.size(), static_cast<size_t>(std::clamp(g_router.ratsNestCount, 0, kMaxConnections)));
    for (size_t c = 0; c < count; ++c) {
        const NetConnection& k = table[c];
        if (k.net < 0 || k.net >= g_netlist.netCount)
            continue;
        nets.try_emplace(pinName(k.name1), k.net);
        nets.try_emplace(pinName(k.name2), k.net);
    }
    return nets;
}
