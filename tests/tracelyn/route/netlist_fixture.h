#pragma once
// A board with packages placed from a test catalogue, the router memory locked, and a netlist
// file written in the temporary folder as the schematic program lays it out.

#include "support/default_stores.h"
#include "tracelyn/core/board_fixture.h"
#include "tracelyn/core/package_fixture.h"
#include "support/temp_folder.h"

#include "platform/app/dialog.h"
#include "platform/app/resources.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/tracelyn/route_dialogs.h"
#include "resources/tracelyn/route_ids.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_memory.h"
#include "tracelyn/core/router_progress.h"

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace netlist_test {

using namespace board_test;
using namespace package_test;

// Two pads 1,000 units apart about the package origin: pin 1 left, pin 2 right.
inline TestPackage twoPin()
{
    TestPackage p("TWO");
    p.text(-10000, -5000, ";Two pins");
    p.pad(1, -10500, -5000);
    p.pad(2, -9500, -5000);
    p.text(-10500, -5500, "p?");
    return p;
}

// `pins` pads in a row, 100 units apart.
inline TestPackage row(int pins)
{
    TestPackage p("ROW" + std::to_string(pins));
    p.text(-10000, -5000, ";A row of pads");
    for (int i = 1; i <= pins; ++i)
        p.pad(i, -10000 + 100 * i, -5000);
    p.text(-10000, -5500, "p?");
    return p;
}

// The header lines the schematic program writes before the nets.
inline std::string netlistHeader(int nets)
{
    return "Netlist for design: test.pic\nTime: 9:05\nDate: 3/14/25 Fri\nProcessing time:  0\n"
           "Number of signals found=" + std::to_string(nets) + "\n";
}

class NetlistTest : public BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        plat::ResourceSet resources;
        resources.name = "Tracelyn";
        resources.dialogs = RouteDialogTemplates();
        plat::registerResources(std::move(resources));
        ASSERT_EQ(RouterMemory(kRouterMemoryAllocate), 1);
        resetNetlist();
        g_boardFolders.libraryFolder = folder.path().string() + "/";
        g_netlist.netlistName = folder.file("test.net");
    }
    void TearDown() override
    {
        resetNetlist();
        RouterMemory(kRouterMemoryFree);
        g_boardFolders = BoardFolders{};
        g_boardSettings = BoardSettings{};
        BoardTest::TearDown();
    }
    static void resetNetlist()
    {
        ForgetNets();
        quill_test::resetToDefaults(g_netlist, g_router, g_progress);
    }

    template <typename... Packages>
    void writeLibrary(Packages&&... packages)
    {
        writeCatalog(folder.file("STD.CAT"), std::move(packages)...);
    }
    static int package(const std::string& name)
    {
        EXPECT_EQ(LoadLibraryPart("STD", name), 1) << name;
        return g_packages.current;
    }
    // A part placed from package n: label, reference number, rotation word, position.
    int place(int n, std::string_view label, int number, int32_t x, int32_t y, int32_t rotation = 0)
    {
        BoardObject o = makeObject(kKindPart + n, 0, {x, y, 0, 0, 0, 0, rotation, number});
        o.data = StrDupChecked(label);
        return add(o);
    }
    void writeNetlist(std::string_view text) const { folder.write("test.net", text); }

    // Answers the next `times` "Router" questions with `button`, noting each question's text.
    void answerRouter(int button, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            host.answerDialog([this, button](plat::Dialog& d) {
                questions.push_back(d.GetDlgItemText(tly::kIdcRouterMessage));
                return d.PressButton(button);
            });
    }

    std::vector<const BoardObject*> ratsNestLines() const
    {
        std::vector<const BoardObject*> lines;
        for (int i = 1; i <= g_board.count; ++i)
            if (g_board.objects[i].kind() == kKindNoRoute)
                lines.push_back(&g_board.objects[i]);
        return lines;
    }

    // A file of the full build's examples folder ("rc_filter.tlz", "rc_filter.net").
    static std::string shippedExample(const char* name)
    {
        return plat::joinPath(plat::joinPath(plat::programFolder(), "examples"), name);
    }
    // The bytes of the example board the full build writes, its packages made the library
    // folder; empty when the build has not written it.
    static Bytes shippedExampleBoard()
    {
        const std::string board = shippedExample("rc_filter.tlz");
        if (!plat::fileExists(board))
            return {};
        g_boardFolders.libraryFolder = plat::appendFolder(plat::programFolder(), "PACKAGES");
        std::ifstream in(board, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    quill_test::TempFolder folder;
    std::vector<std::string> questions;
};

}  // namespace netlist_test
