#pragma once
// Resource, dialog and control ids of the installer.

namespace stl {

enum : unsigned {
    kIdrMainFrame = 128,
    kIddSetupDir = 129,
    kIddInstallProgress = 131,
    kIddWelcome = 132,
    kIdbWelcomePicture = 133,
    kIdbSetupPicture = 135,
    kIddAgreement = 136,
    kIddBrowseDir = 137,
    kIdbFolderImages = 139,

    kIdcProgressBar = 1001,
    kIdcInstallFolder = 1002,
    kIdcProgressDescription = 1005,
    kIdcProgressFileName = 1006,
    kIdcAgreementText = 1010,
    kIdcBrowse = 1012,
    kIdcBrowsePath = 1019,
    kIdcFolderTree = 1021,
    kIdcAgree = 1022,
};

// Images of the folder tree's image list.
enum : int { kImageRemovable = 0, kImageCdRom = 1, kImageDrive = 2, kImageFolder = 3 };

}  // namespace stl

void registerSetlanderResources();
