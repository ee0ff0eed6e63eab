// Utilities > Netlist and Compare Nets: the board's copper as a netlist beside the board, and
// its differences from the netlist loaded for the board, shown in the text window.
#include "tracelyn/workspace/main_frame.h"

#include "platform/core/atomic_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/clock.h"
#include "resources/tracelyn/board_search_ids.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/route/artwork_netlist.h"
#include "tracelyn/route/router_dialogs.h"

#include <string>

namespace {

// The active board's path without its extension, its globals loaded; empty (after a message)
// for a board never saved, since both outputs lie beside the board.
std::string savedBoardBase(plat::FrameWnd& frame)
{
    auto* doc = static_cast<CTracelynDoc*>(frame.GetActiveDocument());
    if (doc == nullptr)
        return {};
    LoadBoardGlobals(doc->data());
    if (doc->GetPathName().empty()) {
        plat::MessageBox("Save the board first: the netlist files are written beside it.");
        return {};
    }
    return BoardBaseName(doc->GetPathName());
}

bool writeText(const std::string& path, const std::string& text)
{
    const plat::WriteResult written = plat::writeFileAtomically(path, text);
    if (!written)
        plat::MessageBox(written.message("Can't open file " + path), plat::kMbIconStop);
    return written;
}

}  // namespace

void CMainFrame::registerArtworkNetlistCommands()
{
    onDocumentCommand(tly::kCmdArtworkNetlist, &CMainFrame::OnArtworkNetlist);
    onDocumentCommand(tly::kCmdCompareNets, &CMainFrame::OnCompareNets);
}

void CMainFrame::OnArtworkNetlist()
{
    const std::string base = savedBoardBase(*this);
    if (base.empty())
        return;
    const auto nets = ExtractArtworkNets();
    if (!nets)
        return;
    // A name of its own, so the schematic's netlist beside the board is never overwritten.
    const std::string path = base + "_artwork.net";
    const std::string design = static_cast<CTracelynDoc*>(GetActiveDocument())->GetPathName();
    if (writeText(path, FormatArtworkNetlist(*nets, design, plat::localTimeOf(plat::currentTime()))))
        SetStatusText("Wrote " + std::to_string(nets->size()) + " nets to " + path, kPaneMessage);
}

void CMainFrame::OnCompareNets()
{
    const std::string base = savedBoardBase(*this);
    if (base.empty())
        return;
    if (g_netlist.loadedBoard != g_board.objects || g_netlist.netCount == 0 || ConnectionTable().empty()) {
        plat::MessageBox("No netlist is loaded for this board (Process > Load Netlist).");
        return;
    }
    const auto artwork = ExtractArtworkNets();
    if (!artwork)
        return;
    const std::vector<std::string> differences = CompareNetlists(*artwork, LoadedNetlistNets());
    std::string report = "Nets of " + static_cast<CTracelynDoc*>(GetActiveDocument())->GetPathName() + " compared with " +
                         g_netlist.netlistName + "\n";
    for (const std::string& line : differences)
        report += line + "\n";
    const std::string summary = differences.empty() ? std::string("No differences")
                                                    : std::to_string(differences.size()) + " differences";
    report += summary + "\n";
    const std::string path = base + "_compare.txt";
    if (!writeText(path, report))
        return;
    SetStatusText(summary, kPaneMessage);
    plat::uiHost().showTextFile(path);
}
