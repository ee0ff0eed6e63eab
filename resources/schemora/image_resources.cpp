#include "resources/schemora/image_resources.h"

#include "common/standard_images.h"
#include "resources/schemora/drawn_images.h"
#include "resources/schemora/frame_ids.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "resources/schemora/part_wizard_ids.h"
#include "resources/schemora/simulation_ids.h"

#include <string_view>

namespace scm {
namespace {

// The pictures of the status bar's icon pane.
std::string_view statusIcon(unsigned id)
{
    switch (id) {
    case kIconReady: return StatusReadyImage();
    case kIconActivityA: return StatusBusyImage(false);
    case kIconActivityB: return StatusBusyImage(true);
    default: return {};   // loaded with the others but shown nowhere
    }
}

}  // namespace

std::vector<plat::ImageResource> ImageResources()
{
    static constexpr unsigned kFrameIcons[] = {kIdrMainFrame, kIdrDrawingType};
    return ProgramImageResources({.programIcon = drawn::schemora,
                                  .frameIcons = kFrameIcons,
                                  .icons = kToolIcons,
                                  .iconPicture = statusIcon,
                                  .bitmaps = kToolBitmaps,
                                  .handleCursor = kCursorA,
                                  .dragCursor = kCursorB,
                                  .crosshairCursor = kCursorView});
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
                                                                .limit90 = kCmdLimitMode,
                                                                .partsBin = kCmdPartsBin,
                                                                .find = kCmdFind,
                                                                .snapGrid = kCmdVisibleGrid,
                                                                .drawToFit = kCmdDrawToFit,
                                                                .center = kCmdCenter});
    list.insert(list.end(), {
        {kCmdToolBus, drawn::draw_data_bus},
        {kCmdToolLine, drawn::draw_line},
        {kCmdToolArc, drawn::draw_arc},
        {kCmdToolDot, drawn::connector_dot},
        {kCmdToolPart, drawn::insert_library_part},
        {kCmdScope, drawn::oscilloscope},
        {kCmdSpectrum, drawn::spectrum},
        {kCmdAnalogSimulation, drawn::analog_simulation},
        {kCmdAnalyzer, drawn::logic_analyzer},
        {kCmdStep, drawn::step_control},
        {kCmdDigitalSimulation, drawn::digital_simulation},
        {kCmdNewLibraryPart, drawn::new_library_part},
        {kCmdPartWizard, drawn::part_wizard},
        {kCmdHiddenPins, drawn::hidden_pins},
        {kCmdTerminalEnds, drawn::terminal_ends},
        {kCmdPreviousPage, drawn::previous_page},
        {kCmdNextPage, drawn::next_page},
        {kCmdNewPage, drawn::new_page},
        {kCmdDeletePage, drawn::delete_page},
    });
    return list;
}

}  // namespace scm
