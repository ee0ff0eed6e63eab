#include "spicerun/deck_screen.h"

#include "support/function_table.h"

#include <gtest/gtest.h>

namespace spicerun {
namespace {

TEST(DeckScreen, OnlyTheCardsOfASimulationPass)
{
    struct Case {
        const char* card;
        bool accepted;
    };
    const Case cases[] = {
        {"R1 in out 1k", true},
        {"* a comment", true},
        {"", true},
        {"R1 in out\n+ 1k", true},
        {".TRAN 1u 5m", true},
        {".ac dec 10 1 1k", true},
        {".options reltol=1e-4", true},
        {".OPTION gmin=1e-12", true},
        {".MODEL 1N4148 D(IS=2.52N)", true},
        {".subckt amp 1 2 3", true},
        {".ends", true},
        {".print tran v(out)", true},
        {".four 1k v(out)", true},
        {".param r=1k", true},
        {".func f(x) {x*2}", true},
        {".ic v(out)=0", true},
        {".nodeset v(out)=0", true},
        {".temp 27", true},
        {".global vcc", true},
        {".width out=80", true},
        {".noise v(out) v1 dec 10 1 1k", true},
        {".tf v(out) v1", true},
        {".pz in 0 out 0 vol pz", true},
        {".disto dec 10 1 1k", true},
        {".op", true},
        {".dc v1 0 10 1", true},
        {".control", false},
        {"  .control", false},
        {".endc", false},
        {".include /etc/passwd", false},
        {".lib models.lib", false},
        {".csparam x=1", false},
        {"!rm -rf /", false},
        {"@x", false},
        {"R1 in out 1k\x1b", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.card);
        const ScreenedDeck deck = ScreenDeck(std::string("*SPICE NET\n") + c.card + "\n.END\n");
        EXPECT_EQ(deck.accepted, c.accepted) << deck.reason;
        if (!c.accepted) {
            EXPECT_NE(deck.reason.find("line 2"), std::string::npos) << deck.reason;
        }
    }
}

TEST(DeckScreen, TheTitleNeverReachesTheCardsAndEndStops)
{
    const ScreenedDeck deck = ScreenDeck(".control\r\nR1 a 0 1k\r\n+ tc=0\r\n.TRAN 1u 1m\r\n.END\r\n.control\r\nshell ls\r\n");
    ASSERT_TRUE(deck.accepted) << deck.reason;
    ASSERT_EQ(deck.cards.size(), 2u);
    EXPECT_EQ(deck.cards[0].text, "R1 a 0 1k\n+ tc=0");
    EXPECT_EQ(deck.cards[0].lineNumber, 2);
    EXPECT_EQ(deck.cards[1].keyword, ".TRAN");
    EXPECT_EQ(deck.analysisCard, 1);
}

TEST(DeckScreen, ContinuationWithoutACardAndHugeDecksAreRefused)
{
    EXPECT_FALSE(ScreenDeck("title\n+ 1\n").accepted);
    EXPECT_FALSE(ScreenDeck(std::string(kMaxDeckBytes + 1, '*')).accepted);
    EXPECT_FALSE(ScreenDeck("title\n* " + std::string(kMaxLineChars + 1, 'x') + "\n").accepted);
}

TEST(DeckScreen, FourierOutputLosesItsGroundReference)
{
    quill_test::expectEachGives<const char*, std::string>(DropGroundReference, {
        {".FOUR 1K V(OUT,0)", ".FOUR 1K V(OUT)"},
        {".four 1k v(out,gnd) V(A,0)", ".four 1k v(out) V(A)"},
        {".FOUR 1K V(OUT,IN)", ".FOUR 1K V(OUT,IN)"},
        {".FOUR 1K V(OUT,10)", ".FOUR 1K V(OUT,10)"},
    });
}

TEST(DeckScreen, CardWordsKeepParenthesesWhole)
{
    const std::vector<std::string> words = CardWords(".PRINT TRAN V(OUT, 0) I(V2)\n+ VDB(A)");
    const std::vector<std::string> expected = {".PRINT", "TRAN", "V(OUT,0)", "I(V2)", "VDB(A)"};
    EXPECT_EQ(words, expected);
}

}  // namespace
}  // namespace spicerun
