#pragma once
// The pictures both editors share: the framework's standard commands, the editing commands
// both have (each program names them by its own ids), the pointer shapes and the status
// pane's pictures.

#include "common/editing_command_ids.h"
#include "platform/app/resources.h"

#include <span>
#include <string_view>
#include <vector>

// The shared editing commands by the program's ids; 0 for one the program does not have.
struct SharedCommandIds {
    quill::EditingCommandIds editing;
    unsigned zoomIn = 0;
    unsigned zoomOut = 0;
    unsigned text = 0;
    unsigned rectangle = 0;
    unsigned ellipse = 0;
    unsigned polygon = 0;
    unsigned rubberBand = 0;
    unsigned limit90 = 0;
    unsigned partsBin = 0;
    unsigned find = 0;
    unsigned snapGrid = 0;
    unsigned drawToFit = 0;
    unsigned center = 0;
};

// New, Open, Save, Print, About and context help, then the shared editing commands; the
// standard actions name the desktop icon theme's image that takes their place when present.
std::vector<plat::CommandImage> SharedCommandImages(const SharedCommandIds& ids);

// What an editor shows besides its toolbar pictures.
struct ProgramPictures {
    std::string_view programIcon;             // window, taskbar and document windows
    std::span<const unsigned> frameIcons;     // the ids that show it (main frame, document type)
    std::span<const unsigned> icons;          // the icons start-up loads
    std::string_view (*iconPicture)(unsigned id) = nullptr;   // empty for an icon shown nowhere
    std::span<const unsigned> bitmaps;        // loaded at start-up, shown nowhere
    // The pointers over a handle of the selection, over the selection (drag) and the crosshair,
    // 32 x 32 with the hot spot at the middle.
    unsigned handleCursor = 0;
    unsigned dragCursor = 0;
    unsigned crosshairCursor = 0;
};
std::vector<plat::ImageResource> ProgramImageResources(const ProgramPictures& pictures);

// The status pane at rest, and the two alternating steps of the busy animation.
std::string_view StatusReadyImage();
std::string_view StatusBusyImage(bool secondStep);
