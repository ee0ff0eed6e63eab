// A part the wizard generated is saved like any drawn part, placed, and netlisted.
#include "../netlist/netlist_test_support.h"
#include "wizard_test_support.h"

#include "schemora/core/part_library_form.h"
#include "schemora/workspace/part_symbol_generator.h"

#include <gtest/gtest.h>

using wizard_test::blockOf;
using wizard_test::pin;

namespace {

class GeneratedPartNetlist : public netlist_test::NewLibraryFixture {};

}  // namespace

TEST_F(GeneratedPartNetlist, GeneratedBlockPlacesAndNetlists)
{
    const CurrentDrawing drawing = g_current;
    {
        wizard_test::EditorStore editor;
        GeneratedFields fields;
        SymbolTarget target{editor.pins, {}};
        auto answers = blockOf({pin("1", "A", kPinInput, kSideLeft), pin("2", "Y", kPinOutput, kSideRight),
                                pin("14", "vcc", kPinVcc, kSideNone)});
        answers.package = "SO8";
        ASSERT_EQ(GenerateSymbol(answers, target, fields), 1);
        const std::span<const DrawObject> records(&editor.at(1), static_cast<size_t>(g_current.count));
        PartAttributeFields attributes;
        attributes.reference = fields.designator;
        attributes.package = fields.package;
        ASSERT_EQ(SaveEditorPartToLibrary(records, attributes, "MINE", "GENBLOCK"), 1);
    }
    g_current = drawing;
    const int symbol = load("MINE", "GENBLOCK");
    EXPECT_EQ(g_partSymbols.entries[symbol].package, "SO8");
    // The block's left pin ends at the part's origin, its right pin 950 to the right.
    part(symbol, "U", 1, 0, 0);
    wire(950, 50, 1400, 50);
    part(resistor, "R:1k", 1, 1400, 50);
    wire(-400, 50, 0, 50);
    part(resistor, "R:1k", 2, -800, 50);

    ASSERT_EQ(writePlainNetlist(), 1);
    const std::string nets = readNetlistBody(".net");
    EXPECT_NE(nets.find("u1-2,r1-1"), std::string::npos) << nets;
    EXPECT_NE(nets.find("u1-1,r2-2"), std::string::npos) << nets;
}
