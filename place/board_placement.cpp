#include "place/board_placement.h"

#include "place/net_groups.h"
#include "place/part_layout.h"
#include "place/reference_list.h"
#include "platform/core/archive.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_file.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_memory.h"
#include "tracelyn/route/board_netlist.h"
#include "tracelyn/route/router_message_dialog.h"

#include <algorithm>
#include <optional>
#include <set>

namespace {

// The reader's questions are answered without a person: a missing pin is reported and reading
// goes on, so every problem of the netlist is listed at once.
class NetlistReaderHost : public plat::TestUiHost {
public:
    int runModal(plat::Dialog& dialog) override
    {
        if (const auto* box = dynamic_cast<const CRouterMessageDlg*>(&dialog))
            said_.push_back(box->message());
        return plat::kIdOk;
    }
    // What the reader said, without its notes on one-pin nets: a pin drawn unconnected is no
    // placement problem, and the board program says it again when the netlist is loaded there.
    std::vector<std::string> said() const
    {
        std::vector<std::string> all = said_;
        for (const std::string& text : messageBoxes())
            if (text.rfind("Warning: net ", 0) != 0)
                all.push_back(text);
        return all;
    }

private:
    std::vector<std::string> said_;
};

std::optional<std::string> readBounded(const std::string& path, size_t limit, std::string& refusal)
{
    const std::string resolved = plat::resolvePath(path);
    if (!plat::pathExists(resolved)) {   // a folder or pipe is refused below by its kind
        refusal = "File " + path + " not found";
        return std::nullopt;
    }
    plat::LoadFailure failure = plat::LoadFailure::CannotOpen;
    std::optional<plat::Archive> file = plat::Archive::loadFile(resolved, limit, &failure);
    if (!file) {
        refusal = plat::readFailureText(path, failure, limit, "Can't read " + path);
        return std::nullopt;
    }
    const std::vector<uint8_t>& bytes = file->bytes();
    return std::string(bytes.begin(), bytes.end());
}

// The references the board's parts carry, as the netlist reader builds them.
std::set<std::string> referencesOnBoard()
{
    std::set<std::string> refs;
    for (int i = 1; i <= g_board.count; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (!o.isPart())
            continue;
        std::string prefix = o.text() ? o.text() : "";
        prefix = prefix.substr(0, prefix.find(':'));
        refs.insert(plat::upperCaseAscii(prefix) + std::to_string(o.w[7]));
    }
    return refs;
}

// The catalogues of the package folder, the starter library first.
std::vector<std::string> packageLibraries()
{
    std::vector<std::string> libraries;
    for (const std::string& file : plat::listFiles(plat::joinPath(g_boardFolders.libraryFolder, "*.CAT"))) {
        std::string name = plat::upperCaseAscii(file.substr(0, file.size() - 4));
        if (name == "STANDARD")
            libraries.insert(libraries.begin(), name);
        else
            libraries.push_back(name);
    }
    return libraries;
}

// The loaded package of that name, loading it from the first catalogue that has it; 0 when
// none has it.
int loadPackage(const std::string& name, const std::vector<std::string>& libraries)
{
    for (const std::string& library : libraries) {
        if (LoadLibraryPart(library, name) == 1) {
            ComputePartExtent(g_packages.current);
            return g_packages.current;
        }
    }
    return 0;
}

bool openBoard(BoardDocumentData& doc, const PlacementRequest& request, bool& existing, std::string& refusal)
{
    existing = !request.freshBoard && plat::pathExists(request.boardPath);
    if (!existing) {
        g_board.sizeLetter = 'A';
        if (InitNewBoard(doc))
            return true;
        refusal = "Not enough memory for a board";
        return false;
    }
    plat::LoadFailure failure = plat::LoadFailure::CannotOpen;
    std::optional<plat::Archive> file =
        plat::Archive::loadFile(plat::resolvePath(request.boardPath), kMaxBoardFileBytes, &failure);
    if (!file || !PrepareBoardForOpen(doc)) {
        const std::string cannotRead = "Can't read " + request.boardPath;
        refusal = file ? cannotRead : plat::readFailureText(request.boardPath, failure, kMaxBoardFileBytes, cannotRead);
        return false;
    }
    int32_t count = 0;
    ReadBoard(0, &count, *file, BoardFileMode(request.boardPath));
    doc.objectCount = count;
    if (count < 1) {
        refusal = request.boardPath + " is not a board";
        return false;
    }
    return true;
}

plat::WriteResult writeBoard(const std::string& path)
{
    plat::Archive archive(plat::Archive::Mode::Store);
    WriteBoard(archive, BoardFileMode(path));
    return plat::writeFileAtomically(path, archive.bytes());
}

struct Inputs {
    std::vector<ReferencePart> parts;
    std::vector<std::vector<size_t>> nets;
};

std::optional<Inputs> readInputs(const PlacementRequest& request, std::string& refusal)
{
    const auto refText = readBounded(request.referencePath, kMaxReferenceFileBytes, refusal);
    if (!refText)
        return std::nullopt;
    const auto netText = readBounded(request.netlistPath, kMaxNetlistFileBytes, refusal);
    if (!netText)
        return std::nullopt;
    ReferenceListResult list = ParseReferenceList(*refText);
    if (const auto* error = std::get_if<ReferenceListError>(&list)) {
        refusal = DescribeReferenceError(*error);
        return std::nullopt;
    }
    Inputs inputs;
    inputs.parts = std::move(std::get<std::vector<ReferencePart>>(list));
    NetReadResult nets = ReadNetParts(*netText, inputs.parts);
    if (!nets.refusal.empty()) {
        refusal = nets.refusal;
        return std::nullopt;
    }
    inputs.nets = std::move(nets.nets);
    return inputs;
}

// Loads the packages of the parts the board lacks, in layout order; what cannot be placed is
// listed in the report.
std::vector<PartToPlace> partsToPlace(const Inputs& inputs, PlacementReport& report)
{
    const std::set<std::string> onBoard = referencesOnBoard();
    const std::vector<std::string> libraries = packageLibraries();
    std::vector<PartToPlace> toPlace;
    std::vector<std::pair<size_t, std::string>> unplaced;   // listed in the reference list's order
    for (size_t index : GroupByConnectivity(inputs.parts.size(), inputs.nets)) {
        const ReferencePart& part = inputs.parts[index];
        if (onBoard.count(part.designator) != 0) {
            ++report.alreadyOnBoard;
            continue;
        }
        if (part.package.empty()) {
            unplaced.emplace_back(index, part.designator + ": no package");
            continue;
        }
        const int package = loadPackage(part.package, libraries);
        if (package == 0) {
            unplaced.emplace_back(index, part.designator + ": package " + part.package + " not found");
            continue;
        }
        if (package > kMaxPartPackage) {
            unplaced.emplace_back(index, part.designator + ": more kinds of package than a board holds");
            continue;
        }
        toPlace.push_back({&part, package});
    }
    std::sort(unplaced.begin(), unplaced.end());
    for (auto& [index, line] : unplaced)
        report.unplaced.push_back(std::move(line));
    return toPlace;
}

// A list under its heading; a long one is cut so that the box stays on the screen.
void appendList(std::string& text, std::string_view heading, const std::vector<std::string>& lines)
{
    constexpr size_t kShownLines = 30;
    if (lines.empty())
        return;
    text += "\n" + std::string(heading) + "\n";
    for (size_t i = 0; i < lines.size() && i < kShownLines; ++i)
        text += lines[i] + "\n";
    if (lines.size() > kShownLines)
        text += "... and " + std::to_string(lines.size() - kShownLines) + " more\n";
}

}  // namespace

PlacementReport PlaceDesign(const PlacementRequest& request)
{
    PlacementReport report;
    const std::optional<Inputs> inputs = readInputs(request, report.refusal);
    if (!inputs)
        return report;
    BoardDocumentData doc;
    bool existing = false;
    bool ok = openBoard(doc, request, existing, report.refusal);
    if (ok && RouterMemory(kRouterMemoryAllocate) != 1) {
        report.refusal = "Not enough memory for the netlist tables";
        ok = false;
    }
    if (ok) {
        const std::vector<PartToPlace> toPlace = partsToPlace(*inputs, report);
        const LayoutResult layout = LayOutParts(toPlace, existing);
        if (!layout.refusal.empty()) {
            report.refusal = layout.refusal;
            ok = false;
        } else {
            report.placed = layout.placed;
            for (size_t i : layout.belowOutline)
                report.belowOutline.push_back(toPlace[i].part->designator);
        }
    }
    if (ok) {
        NetlistReaderHost readerHost;
        g_netlist.netlistName = request.netlistPath;
        BuildRatsNest(1);
        report.netlistMessages = readerHost.said();
    }
    if (ok)
        if (const plat::WriteResult written = writeBoard(request.boardPath); !written) {
            report.refusal = written.message();
            ok = false;
        }
    report.written = ok;
    ForgetNets();
    RouterMemory(kRouterMemoryFree);
    CloseBoardDocument(doc, nullptr);
    ClearPackageTables();
    return report;
}

std::string DescribePlacement(const PlacementRequest& request, const PlacementReport& report)
{
    if (!report.written)
        return "Nothing was placed.\n" + report.refusal;
    if (report.unplaced.empty() && report.netlistMessages.empty() && report.belowOutline.empty())
        return {};
    std::string text = "Placed " + std::to_string(report.placed) + " parts on " + request.boardPath + ".\n";
    appendList(text, "Not placed:", report.unplaced);
    appendList(text, "No room inside the board outline; placed below it:", report.belowOutline);
    appendList(text, "Reading the netlist:", report.netlistMessages);
    return text;
}
