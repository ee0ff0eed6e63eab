#pragma once
// The pictures both editors share: the framework's standard commands, the editing commands
// both have (each program names them by its own ids), the pointer shapes and the status
// pane's pictures; and the one routine that puts a program's pictures into its resources.

#include "common/editing_command_ids.h"
#include "platform/app/resources.h"

#include <span>
#include <string_view>
#include <vector>

// The picture of one of the program's icons.
struct IconPicture {
    unsigned id = 0;
    std::string_view svg;
};

// What an editor shows: its window icon on the frame icons, the icons, bitmaps and pointers
// (32 x 32, hot spot at the middle) start-up loads, and its toolbar pictures: New, Open, Save,
// Print, About and context help, the shared commands by its ids (the standard actions name the
// desktop icon theme's image that takes their place when present), then its own.
struct ProgramPictures {
    std::string_view programIcon;                // window, taskbar and document windows
    quill::ProgramImageIds ids;
    std::span<const IconPicture> iconPictures;   // the icons shown somewhere; the rest have none
    quill::SharedCommandIds commands;
    std::span<const plat::CommandImage> ownCommandImages;
};
void AddProgramImages(plat::ResourceSet& set, const ProgramPictures& pictures);

// The status pane at rest, and the two alternating steps of the busy animation.
std::string_view StatusReadyImage();
std::string_view StatusBusyImage(bool secondStep);
