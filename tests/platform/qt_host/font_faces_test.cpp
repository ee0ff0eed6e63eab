#include "platform/qt_host/font_faces.h"

#include <gtest/gtest.h>

namespace {

TEST(FontFaces, ChosenFamiliesMapBackToTheProgramsFaces)
{
    EXPECT_EQ(plat::familyForFace("arial"), "Liberation Sans");
    EXPECT_EQ(plat::familyForFace("Fancy Face"), "Fancy Face");

    const struct {
        const char* family;
        const char* initial;
        const char* face;
    } cases[] = {
        {"Liberation Mono", "Courier", "Courier"},       // the face the chooser opened on
        {"Liberation Mono", "Arial", "Courier New"},     // first usual face drawn by that family
        {"Liberation Serif", "", "Times New Roman"},
        {"Liberation Sans", "System", "System"},
        {"Noto Sans", "Arial", "Noto Sans"},             // no face of ours: as chosen
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.family);
        EXPECT_EQ(plat::faceForFamily(c.family, c.initial), c.face);
    }
    EXPECT_EQ(plat::pitchAndFamilyOf("Liberation Mono", true), 0x31);
    EXPECT_EQ(plat::pitchAndFamilyOf("Liberation Serif", false), 0x12);
    EXPECT_EQ(plat::pitchAndFamilyOf("DejaVu Sans", false), 0x22);
    EXPECT_EQ(plat::charSetOf("symbol"), 2);
    EXPECT_EQ(plat::charSetOf("Arial"), 0);
}

}  // namespace
