#include "resources/tracelyn/image_resources.h"

#include "common/standard_images.h"
#include "resources/tracelyn/drawn_images.h"
#include "resources/tracelyn/board_command_ids.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"

#include <string_view>

namespace tly {
namespace {

// Status-pane icons: the router's two alternating steps, reading a file, and at rest.
constexpr unsigned kIconRouterA = 185;
constexpr unsigned kIconRouterB = 186;
constexpr unsigned kIconFileLoading = 3415;

std::string_view statusIcon(unsigned id)
{
    switch (id) {
    case kIconReady: return StatusReadyImage();
    case kIconRouterA: return drawn::router_step_a;
    case kIconRouterB: return drawn::router_step_b;
    case kIconFileLoading: return drawn::file_loading;
    default: return {};   // loaded with the others but shown nowhere
    }
}

}  // namespace

std::vector<plat::ImageResource> ImageResources()
{
    static constexpr unsigned kFrameIcons[] = {kIdrMainFrame, kIdrBoardType};
    return ProgramImageResources({.programIcon = drawn::tracelyn,
                                  .frameIcons = kFrameIcons,
                                  .icons = kAppIcons,
                                  .iconPicture = statusIcon,
                                  .bitmaps = kAppBitmaps,
                                  .handleCursor = kCursorA,
                                  .dragCursor = kCursorB,
                                  .crosshairCursor = kCursorC});
}

std::vector<plat::CommandImage> CommandImages()
{
    std::vector<plat::CommandImage> list = SharedCommandImages({.editing = kEditingCommands,
                                                                .zoomIn = kCmdZoomIn,
                                                                .zoomOut = kCmdZoomOut,
                                                                .text = kCmdToolText,
                                                                .rectangle = kCmdToolRectangle,
                                                                .ellipse = kCmdToolEllipse,
                                                                .polygon = kCmdToolPolygon,
                                                                .rubberBand = kCmdRubberBand,
                                                                .limit90 = kCmdLimit90,
                                                                .partsBin = kCmdPartsBin,
                                                                .find = kCmdFind,
                                                                .snapGrid = kCmdSnapGridVisible,
                                                                .drawToFit = kCmdDrawToFitTool,
                                                                .center = kCmdCenterView});
    list.insert(list.end(), {
        {kCmdLayerView, drawn::view_single_layer},
        {kCmdLayerPair, drawn::view_layer_pair},
        {kCmdToolTrace, drawn::draw_trace},
        {kCmdToolRoute, drawn::route_pad_to_pad},
        {kCmdToolArc, drawn::copper_arc},
        {kCmdToolPad, drawn::draw_pad},
        {kCmdToolFill, drawn::fill_interior_region},
        {kCmdToolPart, drawn::insert_package},
        {kCmdMoveToLayer, drawn::move_to_layer},
        {kCmdNewPackagePart, drawn::new_package_part},
        {kCmdPadSnap, drawn::pad_snap},
        {kCmdPinNumbers, drawn::pin_numbers},
        {kCmdTopSilk, drawn::top_silk_screen},
        {kCmdBottomSilk, drawn::bottom_silk_screen},
        {kCmdUnits, drawn::metric_units},
    });
    return list;
}

}  // namespace tly
