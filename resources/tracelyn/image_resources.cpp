#include "resources/tracelyn/image_resources.h"

#include "common/standard_images.h"
#include "resources/tracelyn/drawn_images.h"
#include "resources/tracelyn/board_command_ids.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"

namespace tly {
namespace {

// Status-pane icons: the router's two alternating steps and reading a file.
constexpr unsigned kIconRouterA = 185;
constexpr unsigned kIconRouterB = 186;
constexpr unsigned kIconFileLoading = 3415;

// The main window's commands the schematic program has too.
constexpr quill::SharedCommandIds kSharedCommands{
    .editing = kEditingCommands, .zoomIn = kCmdZoomIn, .zoomOut = kCmdZoomOut, .drawToFit = kCmdDrawToFitTool, .center = kCmdCenterView,
    .text = kCmdToolText, .rectangle = kCmdToolRectangle, .ellipse = kCmdToolEllipse, .polygon = kCmdToolPolygon,
    .rubberBand = kCmdRubberBand, .limit90 = kCmdLimit90, .snapGrid = kCmdSnapGridVisible, .partsBin = kCmdPartsBin, .find = kCmdFind};

// The toolbar pictures of the commands only this program has.
constexpr plat::CommandImage kOwnCommandImages[] = {
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
};

}  // namespace

void AddImageResources(plat::ResourceSet& set)
{
    const IconPicture statusPictures[] = {{kIconReady, StatusReadyImage()}, {kIconRouterA, drawn::router_step_a},
                                          {kIconRouterB, drawn::router_step_b}, {kIconFileLoading, drawn::file_loading}};
    AddProgramImages(set, {.programIcon = drawn::tracelyn, .ids = kImageIds, .iconPictures = statusPictures,
                           .commands = kSharedCommands, .ownCommandImages = kOwnCommandImages});
}

}  // namespace tly
