#include "tracelyn/route/photoplot_files.h"

#include "platform/app/resources.h"
#include "platform/core/atomic_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/paths.h"
#include "resources/tracelyn/manufacturing_ids.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/route/layer_artwork.h"

#include <algorithm>
#include <map>

GerberLayerFlags g_gerberLayers;

namespace {

// Registers every aperture the artwork will select or flash.
class ApertureCollector : public ArtworkSink {
public:
    void line(int, int, int, int, int width) override { round(width); }
    void cornerArc(int, int, int, int, int width) override { round(width); }
    void arc(int, int, int, int, int width) override { round(width); }
    void flash(int, int, const Aperture& a) override { RegisterAperture(a.shape, a.x, a.y); }
    void region(std::span<const int32_t>) override {}

private:
    static void round(int width) { RegisterAperture(kApertureRound, width == 0 ? 1 : width, 0); }
};

// Writes the artwork through the Gerber primitives into the plot stream.
class GerberWriter : public ArtworkSink {
public:
    explicit GerberWriter(int layer) : layer_(layer) {}
    void line(int x1, int y1, int x2, int y2, int width) override { PlotLine(x1, y1, x2, y2, layer_, width); }
    void cornerArc(int x1, int y1, int x2, int y2, int width) override
    {
        PlotCornerArc(x1, y1, x2, y2, layer_, width);
    }
    void arc(int x1, int y1, int x2, int y2, int width) override { PlotArc(x1, y1, x2, y2, layer_, width); }
    void flash(int x, int y, const Aperture& a) override { PlotFlash(x, y, FindAperture(a.shape, a.x, a.y)); }
    void region(std::span<const int32_t> points) override { PlotRegion(points); }

private:
    int layer_;
};

// The plot stream points at text while the object lives.
class StreamInto {
public:
    explicit StreamInto(std::string& text) : saved_(g_plotStream.text) { g_plotStream.text = &text; }
    ~StreamInto() { g_plotStream.text = saved_; }
    StreamInto(const StreamInto&) = delete;
    StreamInto& operator=(const StreamInto&) = delete;

private:
    std::string* saved_;
};

std::string boardBase(std::string_view boardPath)
{
    const std::string name = plat::fileNameOf(boardPath);
    const std::string base = plat::extensionOf(name).empty() ? name : plat::replaceExtension(name, "");
    const std::string folder = plat::folderOf(boardPath);
    return plat::joinPath(folder, base.empty() ? "untitled" : base);
}

}  // namespace

std::string_view LayerFileTag(int layer)
{
    static const char* const kInner[] = {"top", "L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8",
                                         "L9", "L10", "L11", "L12", "L13", "L14", "L15"};
    if (layer >= 0 && layer <= 15)
        return kInner[layer];
    switch (layer) {
    case 16: return "topsilk";
    case 17: return "bottomsilk";
    case 18: return "topmask";
    case 19: return "bottommask";
    case 20: return "toppaste";
    case 21: return "bottompaste";
    case 22: return "vcc";
    case 23: return "gnd";
    case 25: return "outline";
    case 26: return "power1";
    case 27: return "power2";
    case 28: return "power3";
    case 29: return "power4";
    default: return "layer";
    }
}

std::string GerberFileName(std::string_view boardPath, int layer)
{
    return boardBase(boardPath) + "-" + std::string(LayerFileTag(layer)) + ".gbr";
}

std::string DrillFileName(std::string_view boardPath)
{
    return boardBase(boardPath) + ".drl";
}

void BuildApertureTable(const GerberLayerFlags& layers)
{
    g_apertureTable.entries.clear();
    ApertureCollector collector;
    for (int layer = 0; layer < static_cast<int>(layers.on.size()); ++layer) {
        if (layers.on[static_cast<size_t>(layer)] != 0 && IsPlotLayer(layer))
            WalkLayerArtwork(layer, collector);
    }
}

void AppendGerberLayer(std::string& text, int layer)
{
    StreamInto stream(text);
    PlotHeader("Tracelyn " + std::string(LayerFileTag(layer)));
    GerberWriter writer(layer);
    WalkLayerArtwork(layer, writer);
    PlotEnd();
}

std::string GerberLayerText(int layer)
{
    std::string text;
    AppendGerberLayer(text, layer);
    return text;
}

std::string DrillFileText()
{
    std::map<int32_t, std::vector<DrillHit>> byTool;
    WalkDrillHits([&](const DrillHit& hit) { byTool[hit.diameter].push_back(hit); });
    std::string text = "M48\n;Tracelyn drill file\nFMAT,2\nINCH\n";
    int tool = 1;
    for (const auto& [diameter, hits] : byTool) {
        text += 'T';
        AppendInt(text, tool++);
        text += 'C';
        AppendInches(text, diameter);
        text += '\n';
    }
    text += "%\nG90\nG05\n";
    tool = 1;
    for (const auto& [diameter, hits] : byTool) {
        text += 'T';
        AppendInt(text, tool++);
        text += '\n';
        for (const DrillHit& hit : hits) {
            text += 'X';
            AppendInches(text, hit.x);
            text += 'Y';
            AppendInches(text, -static_cast<int64_t>(hit.y));
            text += '\n';
        }
    }
    text += "T0\nM30\n";
    return text;
}

ManufacturingResult WriteManufacturingFiles(std::string_view boardPath, const GerberLayerFlags& layers,
                                            bool drill)
{
    ManufacturingResult result;
    g_progress.abort = 0;
    BuildApertureTable(layers);
    if (g_apertureTable.entries.size() >= kMaxApertures) {
        plat::MessageBox("Too many apertures for one photoplot file set", plat::kMbIconStop);
        return result;
    }
    // Every file is written beside its target first, and the set replaces the files of an
    // earlier run only when each of them was written whole.
    std::vector<plat::AtomicFile> files;
    std::string text;
    text.reserve(static_cast<size_t>(std::max(g_board.count, 1000)) * 48);
    const auto stage = [&](const std::string& path) {
        plat::AtomicFile& file = files.emplace_back(path);
        file.put(text);
        if (const plat::WriteResult finished = file.finish(); !finished) {
            plat::MessageBox(finished.message(plat::FormatString1(tly::kStrCantOpenFile, path)), plat::kMbIconStop);
            return false;
        }
        return true;
    };
    for (int layer = 0; layer < static_cast<int>(layers.on.size()); ++layer) {
        if (layers.on[static_cast<size_t>(layer)] == 0 || !IsPlotLayer(layer))
            continue;
        text.clear();
        AppendGerberLayer(text, layer);
        if (g_progress.abort != 0 || !stage(GerberFileName(boardPath, layer)))
            return result;
    }
    if (drill) {
        text = DrillFileText();
        if (!stage(DrillFileName(boardPath)))
            return result;
    }
    if (const plat::WriteResult written = plat::commitAll(files); !written) {
        plat::MessageBox(written.message(), plat::kMbIconStop);
        return result;
    }
    for (const plat::AtomicFile& file : files)
        result.written.push_back(file.path());
    result.ok = true;
    return result;
}
