#include "library_test_support.h"
#include "../netlist/netlist_test_support.h"

#include "schemora/netlist/netlist_builder.h"

#include "schemora/core/part_library_form.h"
#include "schemora/core/part_pin_table.h"
#include "schemora/core/part_terminals.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using schemora_test::LibraryFixtureState;

namespace {

DrawObject editorText(int x, int y, const char* text) { return MakeDrawObject(ObjectWords(kObjText, x, y, 0x0A01), text); }

// The editor's records of a two-pin part: reference and name texts, a body and two terminals
// numbered and laid out as the terminal tool does.
struct DrawnPart {
    std::vector<DrawObject> records;
    PartPinTable pins;

    DrawnPart()
    {
        records.push_back(editorText(-1000, -700, "Ref(U)"));
        records.push_back(editorText(-1000, -650, "Name"));
        records.push_back(MakeDrawObject(ObjectWords(kObjRectangle, -900, -530, 200, 60), nullptr));
        addTerminal(-1000, -500, -900, -500, "DATA");
        addTerminal(-600, -500, -700, -500, "");
    }
    ~DrawnPart()
    {
        for (DrawObject& o : records)
            ReleaseObjectData(o);
    }
    DrawnPart(const DrawnPart&) = delete;
    DrawnPart& operator=(const DrawnPart&) = delete;

    void addTerminal(int x1, int y1, int x2, int y2, const char* label)
    {
        DrawObject t = MakeDrawObject(ObjectWords(kObjLine, x1, y1, x2, y2), nullptr);
        const std::string number = std::to_string(pins.GetNextPinNumber());
        SetTerminalPinText(t, number);
        SetTerminalLabel(t, label);
        records.push_back(t);
        pins.AddPartPin(number, 0, label, static_cast<int>(records.size()), 0, 0);
        PartBodyMeasure body;
        LayoutTerminalLabels(records, static_cast<int>(records.size()) - 1, TerminalLayoutMode::MeasureBody, body, 0, 0,
                             [](std::string_view s) { return 30 * static_cast<int>(s.size()); });
    }
};

}  // namespace

TEST(PartLibraryForm, SavedPartLoadsWithItsPinsDesignatorPackageAndComment)
{
    LibraryFixtureState state;
    state.host.answerMessageBox(plat::kIdYes);
    ASSERT_EQ(NewPartLibrary("MINE"), 1);

    DrawnPart part;
    const PartAttributeFields fields{"Q", "TO92", "small transistor", {}, 1, true, {}, 1};
    DrawObjectStore drawing;
    drawing.allocate();
    g_current.objects = drawing.slots();
    g_current.count = 5;
    g_current.viewCentreX = 1234;
    ASSERT_EQ(SaveEditorPartToLibrary(part.records, fields, "MINE", "NEWPART"), 1);
    EXPECT_EQ(g_current.count, 5) << "the drawing's count is not the saved part's";
    EXPECT_EQ(g_current.objects.data(), drawing.data());
    EXPECT_EQ(g_current.viewCentreX, 1234);
    g_current = CurrentDrawing{};

    ASSERT_EQ(LoadLibraryPart("MINE", "NEWPART"), 1);
    const PartSymbol& s = g_partSymbols.entries[g_partSymbols.current];
    EXPECT_EQ(s.package, "TO92");
    EXPECT_EQ(s.description, "small transistor");
    std::vector<std::string> pinNames, placeholders;
    for (int i = s.w[1] + 1; i < s.w[1] + s.w[2]; ++i) {
        const DrawObject& e = g_symbolElements[i];
        if (e.type() == kObjLine && e.text)
            pinNames.emplace_back(e.text);
        if (e.type() == kObjText && e.text && std::string_view(e.text).ends_with('?'))
            placeholders.emplace_back(e.text);
    }
    EXPECT_EQ(pinNames, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(placeholders, (std::vector<std::string>{"Q?", "p?"}));

    // A library that cannot be read is refused and the drawing stays.
    g_current.objects = drawing.slots();
    g_current.count = 5;
    EXPECT_EQ(SaveEditorPartToLibrary(part.records, fields, "ABSENT", "NEWPART"), 0);
    EXPECT_EQ(g_current.count, 5);
    g_current = CurrentDrawing{};
}

namespace {

class EditorPartNetlist : public netlist_test::NewLibraryFixture {};

}  // namespace

TEST_F(EditorPartNetlist, SavedPartPlacesAndNetlistsLikeAStarterPart)
{
    {
        DrawnPart drawn;
        const CurrentDrawing drawing = g_current;
        ASSERT_EQ(SaveEditorPartToLibrary(drawn.records, PartAttributeFields{"Q", "TO92", "", {}, 1, true, {}, 1}, "MINE", "NEWPART"), 1);
        EXPECT_EQ(g_current.count, drawing.count);
    }
    const int symbol = load("MINE", "NEWPART");
    part(symbol, "Q", 1, 0, 0);
    wire(400, 0, 1000, 0);
    part(resistor, "R:1k", 1, 1000, 0);

    ASSERT_EQ(writePlainNetlist(), 1);
    const std::string nets = readNetlistBody(".net");
    EXPECT_NE(nets.find("q1-2,r1-1"), std::string::npos) << nets;
    EXPECT_NE(nets.find("q1-1"), std::string::npos) << nets;
    EXPECT_NE(read(".ref").find("Q1 MINE\\NEWPART 1 TO92"), std::string::npos) << read(".ref");
}
