#pragma once
// The schematic program's application object: start-up in a fixed order (palette, colour
// roles, cursors, template, main frame, command line, settings, timers, welcome sound, tip of
// the day, file type), the About box, and the drawing file association.

#include "common/editor_app.h"

#include <array>

class CSchemoraApp : public quill::EditorApp {
public:
    CSchemoraApp();
    bool InitInstance() override;

    // File, Window and Help commands (file_commands.cpp).
    void OnFileOpenByKind();
    void OnCloseAllWindows();
    void OnHelpContents();
    void OnPrintoutSettings();

protected:
    // A DXF file or a text output named on the command line opens as File > Open opens it.
    bool openCommandLineFile(const std::string& path) override;

private:
    void registerFileCommands();
};

// Registers ".pic" with the shell: the class name under HKEY_CLASSES_ROOT and its load command.
void RegisterPicFileType();

// Cursors, icons and bitmaps loaded once by start-up for the program's lifetime.
struct AppImages {
    unsigned arrowCursor = 0;
    std::array<unsigned, 3> cursors{};     // resources 179, 187, 189
    std::array<unsigned, 14> toolIcons{};
    std::array<unsigned, 5> bitmaps{};
};
extern AppImages g_appImages;
