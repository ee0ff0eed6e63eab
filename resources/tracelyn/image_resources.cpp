#include "resources/tracelyn/image_resources.h"

#include "platform/app/command_ids.h"
#include "resources/tracelyn/drawn_images.h"
#include "resources/tracelyn/tracelyn_ids.h"

#include <string_view>

namespace tly {
namespace {

using Kind = plat::ImageResource::Kind;

// Status-pane icons: the router's two alternating steps, reading a file, and at rest.
constexpr unsigned kIconRouterA = 185;
constexpr unsigned kIconRouterB = 186;
constexpr unsigned kIconFileLoading = 3415;

std::string_view statusIcon(unsigned id)
{
    switch (id) {
    case kIconReady: return drawn::status_ready;
    case kIconRouterA: return drawn::router_step_a;
    case kIconRouterB: return drawn::router_step_b;
    case kIconFileLoading: return drawn::file_loading;
    default: return {};   // loaded with the others but shown nowhere
    }
}

}  // namespace

std::vector<plat::ImageResource> ImageResources()
{
    std::vector<plat::ImageResource> list;
    list.push_back({.id = kIdrMainFrame, .kind = Kind::Icon, .width = 32, .height = 32, .svg = drawn::tracelyn});
    list.push_back({.id = kIdrBoardType, .kind = Kind::Icon, .width = 32, .height = 32, .svg = drawn::tracelyn});
    for (unsigned id : kAppIcons)
        list.push_back({.id = id, .kind = Kind::Icon, .svg = statusIcon(id)});
    for (unsigned id : kAppBitmaps)
        list.push_back({.id = id, .kind = Kind::Bitmap});
    // Over a handle of the selection, over the selected objects (drag), and the crosshair.
    list.push_back({.id = kCursorA, .kind = Kind::Cursor, .width = 32, .height = 32, .hotX = 16, .hotY = 16, .svg = drawn::cursor_handle});
    list.push_back({.id = kCursorB, .kind = Kind::Cursor, .width = 32, .height = 32, .hotX = 16, .hotY = 16, .svg = drawn::cursor_drag});
    list.push_back({.id = kCursorC, .kind = Kind::Cursor, .width = 32, .height = 32, .hotX = 16, .hotY = 16, .svg = drawn::cursor_crosshair});
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
        {kCmdUndo, drawn::edit_undo, "edit-undo"},
        {kCmdZoomIn, drawn::zoom_in, "zoom-in"},
        {kCmdZoomOut, drawn::zoom_out, "zoom-out"},
        {kCmdLayerView, drawn::view_single_layer},
        {kCmdLayerPair, drawn::view_layer_pair},
        {kCmdToolText, drawn::enter_text},
        {kCmdToolTrace, drawn::draw_trace},
        {kCmdToolRoute, drawn::route_pad_to_pad},
        {kCmdToolArc, drawn::copper_arc},
        {kCmdToolPad, drawn::draw_pad},
        {kCmdToolRectangle, drawn::draw_rectangle},
        {kCmdToolEllipse, drawn::draw_ellipse},
        {kCmdToolPolygon, drawn::draw_polygon},
        {kCmdToolFill, drawn::fill_interior_region},
        {kCmdToolPart, drawn::insert_package},
        {kCmdSelect, drawn::select_pointer},
        {kCmdErase, drawn::erase_selection},
        {kCmdRotate, drawn::rotate_selection},
        {kCmdMirror, drawn::mirror_selection},
        {kCmdFlip, drawn::flip_vertical},
        {kCmdOrigin, drawn::show_origin},
        {kCmdMoveToLayer, drawn::move_to_layer},
        {kCmdRubberBand, drawn::rubberband_mode},
        {kCmdLimit90, drawn::limit_mode},
        {plat::kIdContextHelp, drawn::context_help, "help-contextual"},
    };
}

}  // namespace tly
