#include "resources/setlander/setlander_ids.h"

#include "resources/setlander/drawn_images.h"

#include "platform/app/resources.h"
#include "platform/core/ui_host.h"

namespace {

using K = plat::ControlKind;
using namespace stl;

plat::ControlTemplate picture(unsigned image, int row)
{
    plat::ControlTemplate c{plat::kIdStaticText, K::Picture, "", row, 0};
    c.image = image;
    return c;
}

std::vector<plat::DialogTemplate> dialogs()
{
    plat::ControlTemplate agreement{kIdcAgreementText, K::MultiLineEdit, "", 1, 0, 3, false, plat::kCsReadOnly, 260, 160};
    plat::ControlTemplate next{plat::kIdOk, K::DefPushButton, "Next", 2, 1, 1, false, plat::kCsDisabled};
    return {
        {kIddWelcome,
         "Setup",
         {picture(kIdbWelcomePicture, 0),
          {plat::kIdStaticText, K::Static, "Welcome. This program installs the suite on this computer.", 0, 1, 2},
          {plat::kIdOk, K::DefPushButton, "Next", 1, 1},
          {plat::kIdCancel, K::PushButton, "Exit Setup", 1, 2}}},
        {kIddAgreement,
         "User Agreement",
         {picture(kIdbSetupPicture, 0), agreement, {kIdcAgree, K::PushButton, "Agree", 2, 0}, next,
          {plat::kIdCancel, K::PushButton, "Disagree", 2, 2}}},
        {kIddSetupDir,
         "Installation Setup",
         {picture(kIdbSetupPicture, 0),
          {plat::kIdStaticText, K::Static, "Install into this folder:", 0, 1, 2},
          {kIdcInstallFolder, K::Edit, "", 1, 0, 2, false, 0, 200},
          {kIdcBrowse, K::PushButton, "Browse...", 1, 2},
          {plat::kIdOk, K::DefPushButton, "Finish", 2, 1},
          {plat::kIdCancel, K::PushButton, "Exit Setup", 2, 2}}},
        {kIddBrowseDir,
         "Select Directory",
         {{kIdcFolderTree, K::Tree, "", 0, 0, 2, false, 0, 220, 160, kIdbFolderImages},
          {kIdcBrowsePath, K::Edit, "", 1, 0, 2, false, 0, 220},
          {plat::kIdOk, K::DefPushButton, "OK", 2, 0},
          {plat::kIdCancel, K::PushButton, "Cancel", 2, 1}}},
        {kIddInstallProgress,
         "Installation Progress",
         {picture(kIdbSetupPicture, 0),
          {kIdcProgressBar, K::Progress, "", 1, 0, 2, false, 0, 220},
          {kIdcProgressDescription, K::Static, "", 2, 0, 2, false, 0, 220},
          {kIdcProgressFileName, K::Static, "", 3, 0, 2, false, 0, 220},
          {plat::kIdCancel, K::PushButton, "Exit Setup", 4, 1}}},
    };
}

std::vector<plat::ImageResource> images()
{
    using Kind = plat::ImageResource::Kind;
    return {{.id = kIdrMainFrame, .kind = Kind::Icon, .width = 32, .height = 32, .svg = drawn::setlander},
            {.id = kIdbWelcomePicture, .kind = Kind::Bitmap, .width = 64, .height = 64, .svg = drawn::welcome_picture},
            {.id = kIdbSetupPicture, .kind = Kind::Bitmap, .width = 64, .height = 64, .svg = drawn::setup_picture},
            {.id = kIdbFolderImages, .kind = Kind::Bitmap, .width = 64, .height = 16, .svg = drawn::folder_tree_images}};
}

}  // namespace

void registerSetlanderResources()
{
    plat::ResourceSet set;
    set.name = "Setlander";
    set.strings = {{kIdrMainFrame, "Setlander"}};
    set.dialogs = dialogs();
    set.images = images();
    plat::registerResources(std::move(set));
}
