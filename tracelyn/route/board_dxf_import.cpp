// File > Import > AutoCAD (DXF) and File > Open of a ".dxf": the file's line work becomes
// board objects through the DXF reader both editors share.
#include "tracelyn/route/board_dxf.h"

#include "common/dxf_reader.h"
#include "common/string_helpers.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/manufacturing_ids.h"
#include "tracelyn/core/board_append.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/manufacturing_services.h"

#include <optional>

namespace {

constexpr int kMaxUnknownMessages = 5;
constexpr double kBoardUnitsPerInch = 10000;

BoardObject boardObjectOf(const DxfEntity& e)
{
    BoardObject o;
    o.w[0] = e.x1;
    o.w[1] = e.y1;
    o.w[2] = e.x2;
    o.w[3] = e.y2;
    switch (e.kind) {
    case DxfEntity::Kind::Line:
        o.setKind(kKindLine);
        o.w[7] = 1;
        break;
    case DxfEntity::Kind::Circle:
        o.setKind(kKindEllipse);
        break;
    case DxfEntity::Kind::Arc:
        o.setKind(kKindArc);
        break;
    case DxfEntity::Kind::Text:
        o.setKind(kKindText);
        o.w[2] = 0;
        o.w[3] = 0;
        o.w[7] = 1;
        o.data = StrDupChecked(e.text);
        break;
    }
    o.setLayer(kLayerTop);
    return o;
}

}  // namespace

int CDxfFile::ImportDxf(std::string_view path)
{
    const std::optional<plat::Archive> file = LoadDxfFile(path, plat::FormatString1(tly::kStrCantOpenFile, path));
    if (!file)
        return 0;
    if (g_board.objects == nullptr)
        return 0;
    int unknown = 0;
    DxfReadOptions options;
    options.fitExtents = false;
    // The exporter writes inches; the file's own unit, when it names one, holds instead.
    options.scale = kBoardUnitsPerInch;
    options.headerUnits = true;
    options.ask = [&unknown](std::string_view name) {
        if (unknown++ < kMaxUnknownMessages)
            plat::MessageBox("DXF command \"" + std::string(name) + "\" not implemented.");
        return true;
    };
    const DxfReadResult read = ReadDxfEntities(DxfText(*file), options);
    const int first = g_board.count + 1;
    bool fullShown = false;
    int added = 0;
    for (const DxfEntity& e : read.entities) {
        BoardObject o = boardObjectOf(e);
        if (!AppendBoardObject(o, fullShown))
            break;
        ++added;
    }
    // The imported objects stand in the selection list, as the editing code expects after an
    // import; none is selected yet.
    if (static_cast<int>(g_selection.list.size()) > added) {
        for (int i = 0; i < added; ++i)
            g_selection.list[static_cast<size_t>(i) + 1] = first + i;
    }
    g_selection.count = 0;
    return added;
}

int ImportBoardDxf(std::string_view path) { return CDxfFile().ImportDxf(path); }
