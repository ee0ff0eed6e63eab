#include "resources/schemora/setup_dialog_resources.h"

#include "platform/core/ui_host.h"
#include "resources/schemora/setup_dialog_ids.h"

namespace scm {

namespace {

using K = plat::ControlKind;

plat::DialogTemplate selectiveEditing()
{
    static constexpr const char* kKinds[] = {"Text", "Dots (not used!-needed for manual dot mode)", "Lines", "Arcs",
                                             "Ellipses and Circles", "Rectangles", "Rounded Rectangles",
                                             "Triangles/Polygons", "Library Parts", "Busses", "Arrows"};
    return BuildSelectiveEditTemplate(SelectiveEditDialogIds(),
                                      {.title = "Selective Editing",
                                       .kindLabels = kKinds,
                                       .buttons = {{kIdcSelEditAllObjects, "All Objects"}, {kIdcSelEditNoObjects, "NO Objects"}},
                                       .netsOnlyLabel = "Edit Nets Only"});
}

}  // namespace

SelectiveEditIds SelectiveEditDialogIds()
{
    return {.templateId = kIddSelectiveEditing,
            .firstKindId = kIdcSelEditFirstKind,
            .allId = kIdcSelEditAllObjects,
            .noneId = kIdcSelEditNoObjects,
            .netsOnlyId = kIdcSelEditNetsOnly};
}

ResourceUsageIds ResourceUsageDialogIds()
{
    return {.templateId = kIddResourceUsage, .libraryBarId = kIdcUsageLibrary, .designBarId = kIdcUsageDesign, .systemBarId = kIdcUsageSystem};
}

std::vector<plat::DialogTemplate> SetupDialogTemplates()
{
    return {selectiveEditing(), BuildResourceUsageTemplate(ResourceUsageDialogIds())};
}

void AddSetupDialogStrings(std::map<unsigned, std::string>& strings)
{
    strings[kCmdSelectiveEditing] = "Choose the kinds of object the edit commands act on\nSelective editing";
    strings[kCmdResourceUsage] = "View resource usage\nResource usage";
}

}  // namespace scm
