#pragma once
// The installation run: the three opening dialogs, folders, the space check, the ".lib"
// association, copying and unpacking, and the program-menu shortcuts.

#include <string>

class CInstallProgressDlg;

// Runs the whole installation from the media in sourceFolder. Leaving one of the three
// opening dialogs other than by OK ends the process with exit code 1 (through the UI host)
// before anything is written. Returns true when every file was installed.
bool RunInstall(const std::string& sourceFolder);

bool CreateInstallDirs(const std::string& installFolder);
bool CopyAllFiles(const std::string& sourceFolder, const std::string& installFolder, CInstallProgressDlg& progress);
// False (after saying why) when the association could not be written.
bool RegisterLibAssociation();
bool CreateStartMenuShortcuts(const std::string& installFolder);
