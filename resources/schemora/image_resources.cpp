#include "resources/schemora/image_resources.h"

#include "common/standard_images.h"
#include "resources/schemora/drawn_images.h"
#include "resources/schemora/frame_ids.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "resources/schemora/part_wizard_ids.h"
#include "resources/schemora/simulation_ids.h"

namespace scm {
namespace {

// The main window's commands the board program has too.
constexpr quill::SharedCommandIds kSharedCommands{
    .editing = kEditingCommands, .zoomIn = kCmdZoomIn, .zoomOut = kCmdZoomOut, .drawToFit = kCmdDrawToFit, .center = kCmdCenter,
    .text = kCmdToolText, .rectangle = kCmdToolRectangle, .ellipse = kCmdToolEllipse, .polygon = kCmdToolPolygon,
    .rubberBand = kCmdRubberBand, .limit90 = kCmdLimitMode, .snapGrid = kCmdVisibleGrid, .partsBin = kCmdPartsBin, .find = kCmdFind};

// The toolbar pictures of the commands only this program has.
constexpr plat::CommandImage kOwnCommandImages[] = {
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
};

}  // namespace

void AddImageResources(plat::ResourceSet& set)
{
    // The status bar's icon pane: at rest and the two steps of the busy animation.
    const IconPicture statusPictures[] = {
        {kIconReady, StatusReadyImage()}, {kIconActivityA, StatusBusyImage(false)}, {kIconActivityB, StatusBusyImage(true)}};
    AddProgramImages(set, {.programIcon = drawn::schemora, .ids = kImageIds, .iconPictures = statusPictures,
                           .commands = kSharedCommands, .ownCommandImages = kOwnCommandImages});
}

}  // namespace scm
