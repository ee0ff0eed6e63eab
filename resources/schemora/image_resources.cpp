#include "resources/schemora/image_resources.h"

#include "platform/app/command_ids.h"
#include "resources/schemora/drawn_images.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "resources/schemora/simulation_ids.h"

#include <string_view>

namespace scm {
namespace {

using Kind = plat::ImageResource::Kind;

// The pictures of the status bar's icon pane.
std::string_view statusIcon(unsigned id)
{
    switch (id) {
    case kIconReady: return drawn::status_ready;
    case kIconActivityA: return drawn::status_busy_a;
    case kIconActivityB: return drawn::status_busy_b;
    default: return {};   // loaded with the others but shown nowhere
    }
}

}  // namespace

std::vector<plat::ImageResource> ImageResources()
{
    std::vector<plat::ImageResource> list;
    list.push_back({.id = kIdrMainFrame, .kind = Kind::Icon, .width = 32, .height = 32, .svg = drawn::schemora});
    list.push_back({.id = kIdrDrawingType, .kind = Kind::Icon, .width = 32, .height = 32, .svg = drawn::schemora});
    for (unsigned id : kToolIcons)
        list.push_back({.id = id, .kind = Kind::Icon, .svg = statusIcon(id)});
    for (unsigned id : kToolBitmaps)
        list.push_back({.id = id, .kind = Kind::Bitmap});
    // Over a handle, the crosshair of the view, and over the selection (drag).
    list.push_back({.id = kCursorA, .kind = Kind::Cursor, .width = 32, .height = 32, .hotX = 16, .hotY = 16, .svg = drawn::cursor_handle});
    list.push_back({.id = kCursorView, .kind = Kind::Cursor, .width = 32, .height = 32, .hotX = 16, .hotY = 16, .svg = drawn::cursor_crosshair});
    list.push_back({.id = kCursorB, .kind = Kind::Cursor, .width = 32, .height = 32, .hotX = 16, .hotY = 16, .svg = drawn::cursor_drag});
    return list;
}

std::vector<plat::CommandImage> CommandImages()
{
    return {
        {plat::kIdFileNew, drawn::file_new, "document-new"},
        {plat::kIdFileOpen, drawn::file_open, "document-open"},
        {plat::kIdFileSave, drawn::file_save, "document-save"},
        {plat::kIdFilePrint, drawn::file_print, "document-print"},
        {plat::kIdAppAbout, drawn::help_about, "help-about"},
        {kCmdEditUndo, drawn::edit_undo, "edit-undo"},
        {kCmdZoomIn, drawn::zoom_in, "zoom-in"},
        {kCmdZoomOut, drawn::zoom_out, "zoom-out"},
        {kCmdDrawToFit, drawn::draw_to_fit, "zoom-fit-best"},
        {kCmdCenter, drawn::center_view},
        {kCmdToolText, drawn::enter_text},
        {kCmdToolBus, drawn::draw_data_bus},
        {kCmdToolLine, drawn::draw_line},
        {kCmdToolArc, drawn::draw_arc},
        {kCmdToolDot, drawn::connector_dot},
        {kCmdToolRectangle, drawn::draw_rectangle},
        {kCmdToolPolygon, drawn::draw_polygon},
        {kCmdToolEllipse, drawn::draw_ellipse},
        {kCmdToolPart, drawn::insert_library_part},
        {kCmdEditSelect, drawn::select_pointer},
        {kCmdEditErase, drawn::erase_selection},
        {kCmdEditRotate, drawn::rotate_selection},
        {kCmdEditMirror, drawn::mirror_selection},
        {kCmdEditFlip, drawn::flip_vertical},
        {kCmdEditOrigin, drawn::show_origin},
        {kCmdRubberBand, drawn::rubberband_mode},
        {plat::kIdContextHelp, drawn::context_help, "help-contextual"},
        {kCmdScope, drawn::oscilloscope},
        {kCmdSpectrum, drawn::spectrum},
        {kCmdAnalogSimulation, drawn::analog_simulation},
        {kCmdAnalyzer, drawn::logic_analyzer},
        {kCmdStep, drawn::step_control},
        {kCmdDigitalSimulation, drawn::digital_simulation},
    };
}

}  // namespace scm
