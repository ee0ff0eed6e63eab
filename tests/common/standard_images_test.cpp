#include "common/standard_images.h"

#include "platform/app/command_ids.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Kind = plat::ImageResource::Kind;

const plat::ImageResource* imageOf(const plat::ResourceSet& set, unsigned id, Kind kind)
{
    const auto it = std::find_if(set.images.begin(), set.images.end(),
                                 [&](const plat::ImageResource& r) { return r.id == id && r.kind == kind; });
    return it == set.images.end() ? nullptr : &*it;
}

// A program's pictures go in under its own ids: the window icon on both frame ids, the status
// pictures on the icons that show them, pointers with the hot spot at the middle, and the
// shared toolbar pictures only for the commands the program has, before its own.
TEST(StandardImages, AProgramsPicturesGoInUnderItsIds)
{
    constexpr unsigned kIcons[] = {40, 41};
    constexpr unsigned kBitmaps[] = {50};
    const IconPicture statusPictures[] = {{41, StatusReadyImage()}};
    constexpr plat::CommandImage kOwn[] = {{900, "<svg/>"}};
    quill::SharedCommandIds commands{.editing = {.select = 10, .undo = 11}, .zoomIn = 12, .find = 13};
    plat::ResourceSet set;
    AddProgramImages(set, {.programIcon = "<svg>program</svg>",
                           .ids = {.frameIcons = {128, 129}, .icons = kIcons, .bitmaps = kBitmaps,
                                   .cursors = {.handle = 60, .drag = 61, .crosshair = 62}},
                           .iconPictures = statusPictures, .commands = commands, .ownCommandImages = kOwn});

    for (unsigned id : {128u, 129u}) {
        SCOPED_TRACE(id);
        const plat::ImageResource* icon = imageOf(set, id, Kind::Icon);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->width, 32);
        EXPECT_EQ(icon->svg, "<svg>program</svg>");
    }
    ASSERT_NE(imageOf(set, 40, Kind::Icon), nullptr);
    EXPECT_TRUE(imageOf(set, 40, Kind::Icon)->svg.empty());
    EXPECT_EQ(imageOf(set, 41, Kind::Icon)->svg, StatusReadyImage());
    EXPECT_NE(imageOf(set, 50, Kind::Bitmap), nullptr);
    for (unsigned id : {60u, 61u, 62u}) {
        SCOPED_TRACE(id);
        const plat::ImageResource* cursor = imageOf(set, id, Kind::Cursor);
        ASSERT_NE(cursor, nullptr);
        EXPECT_EQ(cursor->hotX, 16);
        EXPECT_EQ(cursor->hotY, 16);
        EXPECT_FALSE(cursor->svg.empty());
    }

    std::vector<unsigned> pictured;
    for (const plat::CommandImage& c : set.commandImages)
        pictured.push_back(c.command);
    EXPECT_EQ(pictured, (std::vector<unsigned>{plat::kIdFileNew, plat::kIdFileOpen, plat::kIdFileSave, plat::kIdFilePrint,
                                               plat::kIdAppAbout, plat::kIdContextHelp, 11, 12, 10, 13, 900}));
    EXPECT_EQ(set.commandImages[6].themeName, "edit-undo");
}

}  // namespace
