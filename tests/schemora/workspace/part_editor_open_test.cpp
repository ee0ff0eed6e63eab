// A stored part opened in the part editor: the view fitted to it, and the pin texts of an older
// part taken over as terminals with their pin types.
#include "part_editor_fixture.h"

#include "platform/core/ui_host.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/part_terminals.h"
#include "schemora/core/sheet_mapping.h"

namespace schemora_test {
namespace {

using namespace scm;

class PartEditorOpen : public PartEditorTest {
protected:
    void SetUp() override
    {
        PartEditorTest::SetUp();
        host.answerMessageBox(plat::kIdYes);
        ASSERT_EQ(NewPartLibrary("MINE"), 1);
    }
};

// Whether every record of the part lies inside the drawing area as it is shown now.
bool wholePartShown(EditorHand& h)
{
    const plat::Rect area = h.area.clientRect();
    for (int i = 1; i <= h.e.objectCount(); ++i) {
        if (h.record(i).type() == kObjDeleted)
            continue;
        const plat::Rect r = GetObjectExtent(i).normalized();
        for (const plat::Point q : {plat::Point{r.left, r.top}, plat::Point{r.right, r.bottom}}) {
            const plat::Point p = h.pixel(q.x, q.y);
            if (p.x < area.left || p.x >= area.right || p.y < area.top || p.y >= area.bottom)
                return false;
        }
    }
    return true;
}

TEST_F(PartEditorOpen, AStoredPartOpensFittedToTheAreaItIsShownIn)
{
    writeLibraryPart("MINE", "WIDE",
                     {{ObjectWords(kObjRectangle, -1500, -200, 3000, 400), ""}, {ObjectWords(kObjText, -1000, -750, 0x0A01), "U?"}});
    modifyPart("MINE", "WIDE", [&](EditorHand& h) {
        EXPECT_TRUE(wholePartShown(h));
        const int opened = g_current.zoomIndex;
        EXPECT_LT(opened, 5) << "wider than the area at the scale a new part takes";
        EXPECT_EQ(h.e.GetDlgItem(kIdcEditorZoom)->GetCurSel(), opened);

        // The window laid out larger: the part is fitted to the larger area.
        const plat::Rect small = h.area.clientRect();
        h.area.MoveWindow(0, 0, small.width() * 3, small.height() * 3);
        h.command(kCmdEditRedraw);
        EXPECT_GT(g_current.zoomIndex, opened);
        EXPECT_TRUE(wholePartShown(h));

        // Once the person has zoomed, a new size keeps the view.
        h.key(plat::kVkNext);
        const int chosen = g_current.zoomIndex;
        h.area.MoveWindow(0, 0, small.width(), small.height());
        h.command(kCmdEditRedraw);
        EXPECT_EQ(g_current.zoomIndex, chosen);
    });
    runEditor([&](EditorHand& h) {
        EXPECT_EQ(g_current.zoomIndex, 5) << "a new part opens at 250%";
        h.command(kCmdEditorClose);
    });
}

// An older part: pin texts beside plain lines, the pin type in the last letter. A text whose
// anchor lies on a line takes it first (a text with a comma anchored as if shifted past it);
// then a text whose box covers a line's end. Other texts stay.
TEST_F(PartEditorOpen, OlderPartsPinTextsBecomeTerminalsWithTheirTypes)
{
    std::vector<StoredRecord> part{{ObjectWords(kObjRectangle, -200, -200, 400, 500), ""}};
    const auto pin = [&](int y, int textX, int textY, std::string text) {
        part.push_back({ObjectWords(kObjLine, -400, y, -200, y), ""});
        part.push_back({ObjectWords(kObjText, textX, textY, 0x0A01), std::move(text)});
    };
    pin(-100, -300, -100, "1i");          // on the line: input
    pin(0, -300 - 2 * 48, 0, "2,CLKo");    // anchored two characters left of the line: output
    pin(100, -420, 120, "3z");             // over the line's outer end: hidden
    pin(200, -430, 215, "4-");             // over the end, no type letter: input
    pin(300, -300, 300, "note");           // lower case first: no pin text, though it covers an end
    writeLibraryPart("MINE", "OLD", part);

    modifyPart("MINE", "OLD", [&](EditorHand& h) {
        std::vector<std::string> terminals, texts;
        for (int i = 3; i <= h.e.objectCount(); ++i) {
            const DrawObject& o = h.record(i);
            if (IsTerminal(o))
                terminals.push_back(TerminalPinText(o) + " type" + std::to_string(h.e.pins().PinTypeOfTerminal(i)));
            else if (o.type() == kObjText && o.text)
                texts.emplace_back(o.text);
        }
        EXPECT_EQ(terminals, (std::vector<std::string>{"1i type0", "2 type1", "3z type6", "4- type0"}));
        EXPECT_EQ(texts, std::vector<std::string>{"note"});
        EXPECT_EQ(h.pinNumbers(), (std::vector<std::string>{"1i", "2", "3z", "4-"}));
    });
}

}  // namespace
}  // namespace schemora_test
