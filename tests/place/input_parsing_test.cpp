// The placement program's readers of outside data: the reference list and the netlist's
// part groups, with hostile lines refused as a whole and connected parts kept together.
#include "place/net_groups.h"
#include "place/reference_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

TEST(ReferenceList, ReadsTheNetlisterLinesAndRefusesHostileOnes)
{
    const ReferenceListResult good = ParseReferenceList("R1 DEVICE\\R 1 RES400\r\nU12 TTL\\7400 4 DIP14\nV1 DEVICE\\VSRC 1 none\n\n");
    ASSERT_TRUE(std::holds_alternative<std::vector<ReferencePart>>(good));
    const auto& parts = std::get<std::vector<ReferencePart>>(good);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[1].designator, "U12");
    EXPECT_EQ(parts[1].prefix, "U");
    EXPECT_EQ(parts[1].number, 12);
    EXPECT_EQ(parts[1].libraryPart, "TTL\\7400 4");
    EXPECT_EQ(parts[1].package, "DIP14");
    EXPECT_EQ(parts[2].package, "");

    std::string many;
    for (int i = 1; i <= 501; ++i)
        many += "R" + std::to_string(i) + " DEVICE\\R 1 RES400\n";
    const struct {
        const char* what;
        std::string text;
        size_t line;
    } hostile[] = {
        {"a package up the folders", "R1 DEVICE\\R 1 ../../etc/passwd\n", 1},
        {"a package with a library path", "R1 DEVICE\\R 1 RES400\nR2 DEVICE\\R 1 LIB\\RES400\n", 2},
        {"a designator with a separator", "R1/2 DEVICE\\R 1 RES400\n", 1},
        {"a designator without a number", "R DEVICE\\R 1 RES400\n", 1},
        {"a number beyond the counters", "R123456 DEVICE\\R 1 RES400\n", 1},
        {"a designator listed twice", "R1 DEVICE\\R 1 RES400\nr1 DEVICE\\R 1 RES400\n", 2},
        {"a long line", "R1 DEVICE\\R 1 " + std::string(300, 'A') + "\n", 1},
        {"a zero byte", std::string("R1 DEVICE\\R 1 RES") + '\0' + "400\n", 1},
        {"too few words", "R1 RES400\n", 1},
        {"more parts than a board takes", many, 0},
        {"nothing at all", "\n\n", 0},
    };
    for (const auto& c : hostile) {
        SCOPED_TRACE(c.what);
        const ReferenceListResult result = ParseReferenceList(c.text);
        ASSERT_TRUE(std::holds_alternative<ReferenceListError>(result));
        EXPECT_EQ(std::get<ReferenceListError>(result).line, c.line);
        EXPECT_FALSE(DescribeReferenceError(std::get<ReferenceListError>(result)).empty());
    }
}

std::vector<ReferencePart> partsNamed(std::initializer_list<const char*> designators)
{
    std::vector<ReferencePart> parts;
    for (const char* d : designators) {
        ReferencePart p;
        p.designator = d;
        parts.push_back(p);
    }
    return parts;
}

TEST(NetParts, JoinsContinuedLinesAndRefusesWhatTheBoardProgramWouldNot)
{
    const auto parts = partsNamed({"R1", "R2", "C1", "U1"});
    const NetReadResult read = ReadNetParts("Netlist for design: x\nNumber of signals found=2\n"
                                            "A----r1-1,r2-1,&\n      c1-2,x9-1\n"
                                            "B----u1-3,u1-4\n",
                                            parts);
    ASSERT_TRUE(read.refusal.empty());
    ASSERT_EQ(read.nets.size(), 2u);
    EXPECT_EQ(read.nets[0], (std::vector<size_t>{0, 1, 2}));   // x9 is not in the list
    EXPECT_EQ(read.nets[1], (std::vector<size_t>{3}));

    std::string endless = "A----r1-1,&\n";
    for (int i = 0; i < 400; ++i)
        endless += "r2-1,&\n";
    endless += "c1-1\n";
    EXPECT_FALSE(ReadNetParts(endless, parts).refusal.empty());
    std::string crowded;
    for (size_t i = 0; i <= kMaxNetLines; ++i)
        crowded += "N" + std::to_string(i) + "----r1-1,r2-2\n";
    EXPECT_FALSE(ReadNetParts(crowded, parts).refusal.empty());
}

TEST(NetParts, ConnectedPartsStayTogetherAndSuppliesDoNotJoinGroups)
{
    // Two chains (0-3-5 and 1-4), part 2 alone, and a supply net touching all of them.
    std::vector<std::vector<size_t>> nets = {{0, 3}, {3, 5}, {1, 4}, {0, 1, 2, 3, 4, 5, 6, 7, 8}};
    const std::vector<size_t> order = GroupByConnectivity(9, nets);
    ASSERT_EQ(order.size(), 9u);
    EXPECT_EQ(std::set<size_t>(order.begin(), order.end()).size(), 9u);
    auto at = [&](size_t part) { return std::find(order.begin(), order.end(), part) - order.begin(); };
    // The larger group first, each group in one run.
    EXPECT_EQ(std::set<size_t>(order.begin(), order.begin() + 3), (std::set<size_t>{0, 3, 5}));
    EXPECT_EQ(std::abs(at(1) - at(4)), 1);
    // Parts on no small net come last, in list order.
    EXPECT_EQ((std::vector<size_t>(order.end() - 4, order.end())), (std::vector<size_t>{2, 6, 7, 8}));
}

}  // namespace
