// Logic Gate: a part of the "Symbol" library comes into the part editor as terminals and body.
#include "../core/library_test_support.h"
#include "wizard_test_support.h"

#include "schemora/workspace/gate_symbol.h"
#include "schemora/workspace/part_symbol_generator.h"

#include <gtest/gtest.h>

namespace {

DrawObject element(int type, int x, int y, int w2, int w3, const char* text = nullptr)
{
    return MakeDrawObject(ObjectWords(type, x, y, w2, w3), text);
}

// A NAND as the starter library stores it: pin lines with their numbers on them, a body, the
// reference placeholder and attribute texts.
LibraryPart nand()
{
    LibraryPart p{"NAND", {}};
    p.elements.push_back(element(kObjLine, -1000, -300, -950, -300));
    p.elements.push_back(element(kObjText, -980, -300, 0x0A01, 0, "3"));
    p.elements.push_back(element(kObjLine, -1100, -325, -1050, -325));
    p.elements.push_back(element(kObjText, -1080, -325, 0x0A01, 0, "1"));
    p.elements.push_back(element(kObjLine, -1100, -275, -1050, -275));
    p.elements.push_back(element(kObjText, -1080, -275, 0x0A01, 0, "2"));
    p.elements.push_back(element(kObjRectangle, -1050, -340, 60, 80));
    p.elements.push_back(element(kObjText, -1040, -300, 0x0A01, 0, "&"));
    p.elements.push_back(element(kObjText, -1040, -360, 0x0A01, 0, "U?"));
    p.elements.push_back(element(kObjText, -1040, -380, 0x0A01, 0, ";NAND gate"));
    p.elements.push_back(element(kObjText, -1040, -400, 0x0A01, 0, "%package DIP14"));
    return p;
}

}  // namespace

TEST(GateSymbol, LogicGateComesInAsTerminalsAndBody)
{
    schemora_test::LibraryFixtureState state;
    std::vector<LibraryPart> parts{nand()};
    ASSERT_TRUE(WritePartLibraryFile(state.lib("SYMBOL.CON"), parts));
    for (DrawObject& e : parts.front().elements)
        ReleaseObjectData(e);

    wizard_test::EditorStore editor;
    PartWizardAnswers a;
    a.kind = SymbolKind::LogicGate;
    a.gate = "NAND";
    a.name = "MYNAND";
    a.designator = "u";
    SymbolTarget target{editor.pins, [&](std::string_view part) { return ReadGateSymbol("Symbol", part, editor.pins); }};
    GeneratedFields fields;
    ASSERT_EQ(GenerateSymbol(a, target, fields), 1);
    EXPECT_EQ(editor.terminals(), (std::vector<std::string>{"3:", "1:", "2:"}));
    ASSERT_EQ(editor.pins.count(), 3);
    EXPECT_EQ(editor.pins.pins()[0].number, "1") << "pins sorted by number";
    // Records 1 and 2, three terminals, the body and its "&"; no placeholder or attribute.
    EXPECT_EQ(g_current.count, 7);
    EXPECT_EQ(editor.at(6).type(), kObjRectangle);
    EXPECT_EQ(editor.text(7), "&");
    EXPECT_EQ(editor.text(2), "MYNAND");
    EXPECT_EQ((std::array<int, 3>{editor.at(2).w[0], editor.at(2).w[1], editor.at(1).w[1]}),
              (std::array<int, 3>{-1000, -100, -150}));

    // A gate the library does not hold changes nothing.
    a.gate = "NOR";
    EXPECT_EQ(GenerateSymbol(a, target, fields), 0);
    EXPECT_EQ(g_current.count, 7);
    EXPECT_EQ(editor.pins.count(), 3);
    EXPECT_EQ(state.host.messageBoxes().back(), "Can't load the gate \"NOR\" from the library \"Symbol\"");
}
