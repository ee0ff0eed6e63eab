#pragma once
// Drawings for the netlister tests: a small part library written with the library writer into a
// temporary folder and loaded through the part loader, and a drawing store that the test fills
// with wires, dots, labels and placed parts.

#include "platform/core/archive.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/files.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/design_name.h"
#include "schemora/core/drawing_file.h"
#include "schemora/core/part_library.h"
#include "schemora/core/symbol_elements.h"
#include "schemora/netlist/netlist_builder.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace netlist_test {

using Words = std::array<int32_t, kDrawObjectWords>;

inline Words words(int type, int x, int y, int w2 = 0, int w3 = 0, int sheet = 1)
{
    return ObjectWords(type, x, y, w2, w3, sheet);
}

// Symbol elements, in symbol coordinates (the instance origin is (-1000, -500)).
inline DrawObject line(int x1, int y1, int x2, int y2) { return MakeDrawObject(words(kObjLine, x1, y1, x2, y2), nullptr); }
inline DrawObject text(int x, int y, const char* t) { return MakeDrawObject(words(kObjText, x, y, 0x0A01), t); }
inline DrawObject box(int x, int y, int w, int h) { return MakeDrawObject(words(kObjRectangle, x, y, w, h), nullptr); }

// A two-pin part 400 units long: pin 1 ends at the origin, pin 2 at (origin.x + 400, origin.y).
inline LibraryPart twoPin(const char* name, const char* placeholder, const char* package, const char* pin1 = "1",
                          const char* pin2 = "2")
{
    LibraryPart p{name, {}};
    p.elements.push_back(line(-1000, -500, -900, -500));
    p.elements.push_back(text(-950, -500, pin1));
    p.elements.push_back(line(-600, -500, -700, -500));
    p.elements.push_back(text(-650, -500, pin2));
    p.elements.push_back(box(-900, -530, 200, 60));
    p.elements.push_back(text(-850, -600, placeholder));
    if (package)
        p.elements.push_back(text(-850, -650, package));
    return p;
}

// Quad two-input gate: inputs 1 and 2 end at the origin and 100 below it, output 3 at
// (origin.x + 400, origin.y + 50); hidden supply pins 14 and 7.
inline LibraryPart quadGate()
{
    LibraryPart p{"7400", {}};
    p.elements.push_back(line(-1000, -500, -900, -500));
    p.elements.push_back(text(-950, -500, "1"));
    p.elements.push_back(line(-1000, -400, -900, -400));
    p.elements.push_back(text(-950, -400, "2"));
    p.elements.push_back(line(-600, -450, -700, -450));
    p.elements.push_back(text(-650, -450, "3"));
    p.elements.push_back(box(-900, -530, 200, 160));
    p.elements.push_back(text(-850, -700, "U?"));
    p.elements.push_back(text(-850, -750, "p=4"));
    p.elements.push_back(text(-850, -800, "%pins 4 5 6"));
    p.elements.push_back(text(-850, -850, "%pins 9 10 8"));
    p.elements.push_back(text(-850, -900, "%pins 12 13 11"));
    p.elements.push_back(text(-850, -950, "v=14"));
    p.elements.push_back(text(-850, -1000, "g=7"));
    p.elements.push_back(text(-850, -1050, "%package DIP14,SO14"));
    return p;
}

inline LibraryPart ground()
{
    LibraryPart p{"GND", {}};
    p.elements.push_back(line(-1000, -500, -1000, -450));
    p.elements.push_back(line(-1030, -450, -970, -450));
    p.elements.push_back(text(-900, -600, "%no_des"));
    return p;
}

// Writes the parts to a library file with the library writer and lets go of their elements'
// texts; false when the file could not be written.
inline bool writeLibrary(const std::string& path, std::vector<LibraryPart> parts)
{
    const bool written = WritePartLibraryFile(path, parts);
    for (LibraryPart& part : parts)
        for (DrawObject& e : part.elements)
            ReleaseObjectData(e);
    return written;
}

// The process-wide drawing on a store of its own, the symbols and the library folder of one test.
class DrawingFixture : public ::testing::Test {
protected:
    // An empty drawing named design.pic in this test's folder, its parts read from the
    // libraries in libraryFolder.
    void startDrawing(const std::string& libraryFolder)
    {
        g_current = CurrentDrawing{};
        g_partSymbols = PartSymbolTable{};
        g_symbolElements.truncate(0);
        g_folders.libraryFolder = libraryFolder;
        store.allocate();
        g_current.objects = store.slots();
        g_current.count = 0;
        g_designName.text = folder.file("design.pic");
    }

    void TearDown() override
    {
        g_current = CurrentDrawing{};
        store.release();
        g_symbolElements.truncate(0);
        g_partSymbols = PartSymbolTable{};
    }

    int add(const DrawObject& o)
    {
        store[++g_current.count] = o;
        return g_current.count;
    }

    quill_test::TempFolder folder;
    plat::TestUiHost host;
    DrawObjectStore store;
};

// A drawing whose library folder holds a small DEVICE and TTL library of made-up parts.
class NetlistFixture : public DrawingFixture {
protected:
    void SetUp() override
    {
        startDrawing(folder.path().string() + "/");
        ASSERT_TRUE(writeLibrary(folder.file("DEVICE.CON"),
                                 {twoPin("R", "R?", "%package AXIAL0.4,0805"), twoPin("C", "C?", "%package RADIAL"),
                                  twoPin("VSRC", "V?", nullptr), ground(), twoPin("SPST", "S?", nullptr)}));
        ASSERT_TRUE(writeLibrary(folder.file("TTL.CON"), {quadGate()}));
        resistor = load("DEVICE", "R");
        capacitor = load("DEVICE", "C");
        source = load("DEVICE", "VSRC");
        gnd = load("DEVICE", "GND");
        gate = load("TTL", "7400");
    }

    int load(const char* library, const char* part)
    {
        EXPECT_EQ(LoadLibraryPart(library, part), 1) << part;
        return g_partSymbols.current;
    }

    int wire(int x1, int y1, int x2, int y2, int sheet = 1) { return add(MakeDrawObject(words(kObjLine, x1, y1, x2, y2, sheet), nullptr)); }
    int label(int x, int y, const char* t, int sheet = 1) { return add(MakeDrawObject(words(kObjText, x, y, 0, 0, sheet), t)); }
    int dot(int x, int y, int sheet = 1) { return add(MakeDrawObject(words(kObjDot, x, y, 0, 0, sheet), nullptr)); }
    int part(int symbol, const char* t, int number, int x, int y, int section = 0, int sheet = 1, int word7 = 0,
             bool smd = false)
    {
        Words w = words(kObjPart + symbol, x, y, 0, 0, sheet);
        w[5] = section | (smd ? 32 : 0);
        w[6] = number;
        w[7] = word7;
        return add(MakeDrawObject(w, t));
    }

    // A source from IN to ground, R1 from IN to OUT (probed), and `second` from OUT to ground.
    void divider(const char* sourceText, int secondSymbol, const char* secondText)
    {
        part(source, sourceText, 1, 0, 0);
        part(gnd, "", 0, 400, 0);
        wire(0, 0, 0, 500);
        label(0, 250, "IN");
        part(resistor, "R:1k", 1, 0, 500);
        wire(400, 500, 800, 500);
        label(600, 500, "OUT*");
        part(secondSymbol, secondText, 2, 800, 500);
        part(gnd, "", 0, 1200, 500);
    }

    // Writes the ".net" netlist of every sheet in the basic format; 1 when written.
    int writePlainNetlist()
    {
        CNetlistBuilder builder;
        builder.m_kind = kNetlistPlain;
        builder.m_basicFormat = 1;
        builder.m_range = kRangeAllSheets;
        builder.m_sheetCount = 1;
        return builder.GenerateNetlist();
    }

    std::string read(const std::string& ext) const
    {
        std::ifstream in(folder.file("design" + ext), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // The netlist without its time and date lines.
    std::string readNetlistBody(const std::string& ext) const
    {
        std::string all = read(ext);
        std::string out;
        std::istringstream lines(all);
        std::string l;
        while (std::getline(lines, l))
            if (l.rfind("Time: ", 0) != 0 && l.rfind("Date: ", 0) != 0)
                out += l + "\n";
        return out;
    }

    int resistor = 0, capacitor = 0, source = 0, gnd = 0, gate = 0;
};

// The example drawing shipped in the program folder, read with the starter library beside it
// into the current drawing, as design "rc_filter" netlisted in a temporary current folder;
// everything is put back when it goes. ready() is false when the program folder has not been
// laid out.
class ShippedExample {
public:
    ShippedExample()
    {
        const char* dir = std::getenv("QUILL_PROGRAM_DIR");
        program_ = dir ? dir : "";
        if (!std::filesystem::exists(program_ / "examples" / "rc_filter.pic") || !std::filesystem::exists(program_ / "LIB"))
            return;
        previousFolder_ = plat::currentFolder();
        plat::setCurrentFolder(folder.path().string());
        g_partSymbols = PartSymbolTable{};
        g_symbolElements.truncate(0);
        g_folders.libraryFolder = (program_ / "LIB").string() + "/";
        doc_.objects.allocate();
        auto file = plat::Archive::loadFile((program_ / "examples" / "rc_filter.pic").string());
        if (!file)
            return;
        int count = 0;
        ReadDrawing(doc_, 0, &count, *file, doc_.objects.slots());
        g_current.objects = doc_.objects.slots();
        g_current.count = count;
        g_designName.text = "rc_filter";
        ready_ = count > 0;
    }
    ~ShippedExample()
    {
        g_current = CurrentDrawing{};
        g_partSymbols = PartSymbolTable{};
        g_symbolElements.truncate(0);
        if (!previousFolder_.empty())
            plat::setCurrentFolder(previousFolder_);
    }
    ShippedExample(const ShippedExample&) = delete;
    ShippedExample& operator=(const ShippedExample&) = delete;

    bool ready() const { return ready_; }
    // Utilities > Netlist of the drawing in the basic format, of the given kind.
    int netlist(int kind) const
    {
        CNetlistBuilder builder;
        builder.m_kind = kind;
        builder.m_basicFormat = 1;
        return builder.GenerateNetlist();
    }
    std::filesystem::path programFile(const std::string& name) const { return program_ / name; }

    quill_test::TempFolder folder;

private:
    std::filesystem::path program_;
    std::string previousFolder_;
    DrawingDocData doc_;
    bool ready_ = false;
};

// The netlister fixture with a new, empty library "MINE" in its library folder.
class NewLibraryFixture : public NetlistFixture {
protected:
    void SetUp() override
    {
        NetlistFixture::SetUp();
        host.answerMessageBox(plat::kIdYes);   // "Start new library: ...?"
        ASSERT_EQ(NewPartLibrary("MINE"), 1);
    }
};

// A test on the shipped example drawing; it skips where the program folder has not been laid
// out.
class ShippedExampleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!example.ready())
            GTEST_SKIP() << "the program folder has not been laid out";
    }

    plat::TestUiHost host;
    ShippedExample example;
};

}  // namespace netlist_test
