#include "wizard_test_support.h"

#include "platform/core/test_ui_host.h"
#include "schemora/workspace/block_pin_order.h"
#include "schemora/workspace/part_symbol_generator.h"

#include <gtest/gtest.h>

using wizard_test::blockOf;
using wizard_test::EditorStore;
using wizard_test::pin;

namespace {

int generate(EditorStore& e, const PartWizardAnswers& a, GeneratedFields& fields)
{
    SymbolTarget target{e.pins, {}};
    return GenerateSymbol(a, target, fields);
}

std::array<int, 4> ends(const DrawObject& o) { return {o.w[0], o.w[1], o.w[2], o.w[3]}; }

}  // namespace

TEST(PartSymbolGenerator, BlockOfSixLeftAndFourRightPins)
{
    plat::TestUiHost host;
    EditorStore e;
    std::vector<WizardPin> pins;
    for (int i = 1; i <= 10; ++i)
        pins.push_back(pin(std::to_string(i), "SIG" + std::to_string(i), i <= 6 ? kPinInput : kPinOutput,
                           i <= 6 ? kSideLeft : kSideRight));
    GeneratedFields fields;
    ASSERT_EQ(generate(e, blockOf(pins), fields), 1);

    // H = 6 x 50; W = (4 + 1 + 5) x 50 for "SIG1".."SIG6" and "SIG7".."SIG10".
    const DrawObject& box = e.at(3);
    EXPECT_EQ(box.type(), kObjRectangle);
    EXPECT_EQ((std::array<int, 4>{-600, -500, 501, 350}), ends(box));
    EXPECT_EQ(box.w[6], 6);
    EXPECT_EQ(g_current.count, 13);
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        const DrawObject& left = e.at(4 + k);
        EXPECT_EQ((std::array<int, 4>{-1000, -450 + 50 * k, -601, -450 + 50 * k}), ends(left));
        EXPECT_EQ(left.w[7], kPinInput);
        EXPECT_EQ(left.w[6], 6);
    }
    // Right pins run from the outline to the next 50 beyond it, numbered 7 to 10 in order.
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const DrawObject& right = e.at(10 + k);
        EXPECT_EQ((std::array<int, 4>{-98, -450 + 50 * k, 300, -450 + 50 * k}), ends(right));
        EXPECT_EQ(right.w[7], kPinOutput);
        EXPECT_EQ(TerminalPinText(right), std::to_string(7 + k));
    }
    EXPECT_EQ(e.pins.count(), 10);
    EXPECT_EQ(e.text(1), "Ref(U)");
    EXPECT_EQ((std::array<int, 2>{e.at(1).w[0], e.at(1).w[1]}), (std::array<int, 2>{-600, -500}));
    EXPECT_EQ(e.text(2), "BLOCK");
    EXPECT_EQ((std::array<int, 2>{e.at(2).w[0], e.at(2).w[1]}), (std::array<int, 2>{-600, -100}));
    EXPECT_EQ(fields.designator, "U");
    EXPECT_EQ(fields.package, "DIP14");
    EXPECT_FALSE(fields.hintVisible);
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST(PartSymbolGenerator, LabelsSortNumericallyWithTheNumberedRunFirst)
{
    plat::TestUiHost host;
    struct Case {
        std::vector<std::string> labels;
        std::vector<std::string> placed;
    };
    const Case cases[] = {
        {{"D1", "D10", "D2"}, {"D1", "D2", "D10"}},
        {{"A", "B", "D1", "D2"}, {"D1", "D2", "A", "B"}},
        {{"B", "Q2", "A", "Q1", "Q3"}, {"Q1", "Q2", "Q3", "A", "B"}},
        // A label whose own digits look like padding comes back as it was.
        {{"X007", "X5"}, {"X5", "X007"}},
        {{"CLK", "RST", "1", "2"}, {"1", "2", "CLK", "RST"}},
        // Full-length labels are padded without losing a character.
        {{"ABCDEFGHIJKLMN5", "ABCDEFGHIJKLMN4"}, {"ABCDEFGHIJKLMN4", "ABCDEFGHIJKLMN5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.labels.front());
        EditorStore e;
        std::vector<WizardPin> pins;
        for (size_t i = 0; i < c.labels.size(); ++i)
            pins.push_back(pin(std::to_string(i + 1), c.labels[i], kPinInput, kSideLeft));
        GeneratedFields fields;
        ASSERT_EQ(generate(e, blockOf(pins), fields), 1);
        std::vector<std::string> placed;
        int y = -1000;
        for (int i = 4; i <= g_current.count; ++i) {
            placed.push_back(TerminalLabel(e.at(i)));
            EXPECT_GT(e.at(i).w[1], y) << "pins go down the left side";
            y = e.at(i).w[1];
        }
        EXPECT_EQ(placed, c.placed);
    }
    EXPECT_EQ(PaddedSortKey("D1"), "D001");
    EXPECT_EQ(PaddedSortKey("D12"), "D012");
    EXPECT_EQ(PaddedSortKey("D123"), "D123");
    EXPECT_EQ(PaddedSortKey("ABCDEFGHIJKLMN5"), "ABCDEFGHIJKLMN005");
}

TEST(PartSymbolGenerator, BlockSidesTopBottomAndUnsortedOrder)
{
    plat::TestUiHost host;
    EditorStore e;
    auto a = blockOf({pin("1", "L1", kPinInput, kSideLeft), pin("2", "L2", kPinInput, kSideLeft),
                      pin("3", "R1", kPinOutput, kSideRight), pin("4", "R2", kPinOutput, kSideRight),
                      pin("5", "T1", kPinInput, kSideTop), pin("6", "T2", kPinInput, kSideTop),
                      pin("7", "B1", kPinInput, kSideBottom), pin("8", "CLOCK", kPinInput, kSideBottom)});
    a.noSort = true;
    GeneratedFields fields;
    ASSERT_EQ(generate(e, a, fields), 1);
    // Left in table order, right and top reversed; bottom in table order (all four sides used).
    EXPECT_EQ(e.terminals(), (std::vector<std::string>{"1:L1", "2:L2", "4:R2", "3:R1", "6:T2", "5:T1", "7:B1",
                                                       "8:CLOCK"}));
    // H = 2 x 50 + (5 + 2) x 50 = 450; W = 2 x 50 + (2 + 1 + 2) x 50 = 350.
    EXPECT_EQ((std::array<int, 4>{-600, -500, 351, 500}), ends(e.at(3)));
    // Left pins start below the top labels: (2 + 1) x 50 - 500.
    EXPECT_EQ(e.at(4).w[1], -350);
    // Top pins stand up from the outline from x = 2 x 50 - 550; bottom pins hang below it.
    EXPECT_EQ((std::array<int, 4>{-450, -950, -450, -500}), ends(e.at(8))) << "laid out top to bottom";
    EXPECT_EQ((std::array<int, 4>{-450, 0, -450, 400}), ends(e.at(10)));
    // Bottom pins move the name to the block's right.
    EXPECT_EQ(e.at(2).w[0], 350 - 600);
    EXPECT_EQ(e.at(2).w[1], 450 - 400);
}

TEST(PartSymbolGenerator, SupplyPinsBecomeHiddenPowerPins)
{
    plat::TestUiHost host;
    EditorStore e;
    GeneratedFields fields;
    ASSERT_EQ(generate(e, blockOf({pin("7", "gnd", kPinGround, kSideNone), pin("1", "A", kPinInput, kSideLeft),
                                   pin("14;5", "vcc", kPinVcc, kSideNone), pin("2", "NC", kPinInput, kSideNone)}),
                       fields),
              1);
    EXPECT_EQ(e.terminals(), std::vector<std::string>{"1:A"}) << "supply and undrawn pins get no line";
    std::vector<std::string> table;
    for (const EditorPin& p : e.pins.pins())
        table.push_back(p.number + "/" + std::to_string(p.type));
    EXPECT_EQ(table, (std::vector<std::string>{"1/0", "14;5/11", "7/12"}));
}

TEST(PartSymbolGenerator, AmplifierAndDiscrete)
{
    plat::TestUiHost host;
    for (const int n : {4, 5}) {
        SCOPED_TRACE(n);
        EditorStore e;
        PartWizardAnswers a;
        a.kind = SymbolKind::Amplifier;
        a.pins = n;
        GeneratedFields fields;
        ASSERT_EQ(generate(e, a, fields), 1);
        const int width = n == 5 ? 400 : 200, height = n == 5 ? 300 : 250;
        EXPECT_EQ(e.at(3).type(), kObjTriangle);
        EXPECT_EQ((std::array<int, 4>{-800, -550, width, height}), ends(e.at(3)));
        EXPECT_EQ(g_current.count, 3 + n);
        for (int i = 0; i < n - 1; ++i) {
            EXPECT_EQ((std::array<int, 4>{-1000, -500 + 50 * i, -800, -500 + 50 * i}), ends(e.at(4 + i)));
            EXPECT_EQ(e.at(4 + i).w[7], 5);
        }
        const int outY = -550 + height / 2;
        EXPECT_EQ((std::array<int, 4>{width - 800, outY, width - 600, outY}), ends(e.at(3 + n)));
        EXPECT_EQ(e.at(3 + n).w[7], 6);
        EXPECT_EQ(TerminalPinText(e.at(3 + n)), std::to_string(n));
        EXPECT_EQ((std::array<int, 2>{e.at(2).w[0], e.at(2).w[1]}), (std::array<int, 2>{-1000, -100}));
        EXPECT_EQ(e.at(1).w[1], -150);
        EXPECT_FALSE(fields.hintVisible);
    }
    EditorStore e;
    PartWizardAnswers a;
    a.kind = SymbolKind::Discrete;
    a.designator = "r";
    GeneratedFields fields;
    ASSERT_EQ(generate(e, a, fields), 1);
    EXPECT_EQ(g_current.count, 4);
    EXPECT_EQ((std::array<int, 4>{-1000, -500, -800, -500}), ends(e.at(3)));
    EXPECT_EQ((std::array<int, 4>{-100, -500, -300, -500}), ends(e.at(4)));
    // Without a body the numbers stay where they were put.
    EXPECT_EQ((std::array<int, 2>{e.at(3).w[11], e.at(4).w[11]}), (std::array<int, 2>{-900, -200}));
    EXPECT_EQ(e.at(3).w[7], 2);
    EXPECT_TRUE(fields.hintVisible);
    EXPECT_EQ(e.text(1), "Ref(R)");
    EXPECT_EQ((std::array<int, 4>{e.at(2).w[0], e.at(2).w[1], e.at(1).w[0], e.at(1).w[1]}),
              (std::array<int, 4>{-1000, -400, -1000, -600}));
}

TEST(PartSymbolGenerator, RefusalsLeaveThePartAsItWas)
{
    plat::TestUiHost host;
    EditorStore e;
    GeneratedFields fields;
    ASSERT_EQ(generate(e, blockOf({pin("1", "A", kPinInput, kSideLeft), pin("2", "B", kPinInput, kSideRight)}), fields), 1);
    const int count = g_current.count;
    const std::vector<std::string> before = e.terminals();

    struct Case {
        const char* what;
        PartWizardAnswers answers;
        const char* message;
    };
    PartWizardAnswers gate;
    gate.kind = SymbolKind::LogicGate;
    gate.gate = "NAND";
    const Case cases[] = {
        {"same number twice", blockOf({pin("1", "A", 0, kSideLeft), pin("1", "B", 0, kSideRight)}),
         "Error: pin already defined for part!\nPin 1"},
        {"supply on a drawn pin", blockOf({pin("1", "A", 0, kSideLeft), pin("1;2", "vcc", kPinVcc, kSideNone)}),
         "Error: pin already defined for part!\nPin 1"},
        {"no number", blockOf({pin("", "A", 0, kSideLeft)}), "Pin 1 (A) has no pin number"},
        {"bad side", blockOf({pin("1", "A", 0, 9)}), "Pin 1 has no known type or side"},
        {"unreadable gate", gate, "Can't load the gate \"NAND\" from the library \"Symbol\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t shown = host.messageBoxes().size();
        EXPECT_EQ(generate(e, c.answers, fields), 0);
        ASSERT_EQ(host.messageBoxes().size(), shown + 1);
        EXPECT_EQ(host.messageBoxes().back(), c.message);
        EXPECT_EQ(g_current.count, count);
        EXPECT_EQ(e.terminals(), before);
        EXPECT_EQ(e.pins.count(), 2);
        EXPECT_EQ(e.text(2), "BLOCK");
    }
}

TEST(PartSymbolGenerator, AFullPinTableRefusesMoreHiddenPowerPins)
{
    plat::TestUiHost host;
    PartPinTable pins;
    for (int i = 1; i <= kMaxEditorPins; ++i)
        ASSERT_EQ(pins.AddHiddenPowerPin(std::to_string(i), kPinVcc), PinAddResult::Added);
    EXPECT_EQ(pins.AddHiddenPowerPin("1000", kPinGround), PinAddResult::TableFull);
    EXPECT_EQ(pins.count(), kMaxEditorPins);
    EXPECT_EQ(pins.pins().back().number, "999") << "the last record stays";
    EXPECT_EQ(pins.AddHiddenPowerPin("5;9", kPinGround), PinAddResult::Duplicate);
    EXPECT_EQ(host.messageBoxes(), (std::vector<std::string>{"Too many pins", "Error: pin already defined for part!"}));
}
