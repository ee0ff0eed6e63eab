#include "common/standard_images.h"

#include "common/append_lists.h"
#include "common/drawn_images.h"
#include "platform/app/command_ids.h"

namespace {

// Commands a program does not have (id 0) get no picture.
std::vector<plat::CommandImage> sharedCommandImages(const quill::SharedCommandIds& ids)
{
    namespace drawn = quill::drawn;
    const std::vector<plat::CommandImage> all = {
        {plat::kIdFileNew, drawn::file_new, "document-new"},
        {plat::kIdFileOpen, drawn::file_open, "document-open"},
        {plat::kIdFileSave, drawn::file_save, "document-save"},
        {plat::kIdFilePrint, drawn::file_print, "document-print"},
        {plat::kIdAppAbout, drawn::help_about, "help-about"},
        {plat::kIdContextHelp, drawn::context_help, "help-contextual"},
        {ids.editing.undo, drawn::edit_undo, "edit-undo"},
        {ids.zoomIn, drawn::zoom_in, "zoom-in"},
        {ids.zoomOut, drawn::zoom_out, "zoom-out"},
        {ids.text, drawn::enter_text},
        {ids.rectangle, drawn::draw_rectangle},
        {ids.ellipse, drawn::draw_ellipse},
        {ids.polygon, drawn::draw_polygon},
        {ids.editing.select, drawn::select_pointer},
        {ids.editing.erase, drawn::erase_selection},
        {ids.editing.rotate, drawn::rotate_selection},
        {ids.editing.mirror, drawn::mirror_selection},
        {ids.editing.flip, drawn::flip_vertical},
        {ids.editing.origin, drawn::show_origin},
        {ids.rubberBand, drawn::rubberband_mode},
        {ids.limit90, drawn::limit_mode},
        {ids.partsBin, drawn::parts_bin},
        {ids.find, drawn::find_text, "edit-find"},
        {ids.snapGrid, drawn::snap_grid},
        {ids.drawToFit, drawn::draw_to_fit, "zoom-fit-best"},
        {ids.center, drawn::center_view},
    };
    std::vector<plat::CommandImage> list;
    for (const plat::CommandImage& c : all)
        if (c.command != 0)
            list.push_back(c);
    return list;
}

std::string_view iconPicture(std::span<const IconPicture> pictures, unsigned id)
{
    for (const IconPicture& p : pictures)
        if (p.id == id)
            return p.svg;
    return {};
}

std::vector<plat::ImageResource> programImageResources(const ProgramPictures& pictures)
{
    using Kind = plat::ImageResource::Kind;
    std::vector<plat::ImageResource> list;
    const quill::ProgramImageIds& ids = pictures.ids;
    for (unsigned id : ids.frameIcons)
        list.push_back({.id = id, .kind = Kind::Icon, .width = 32, .height = 32, .svg = pictures.programIcon});
    for (unsigned id : ids.icons)
        list.push_back({.id = id, .kind = Kind::Icon, .svg = iconPicture(pictures.iconPictures, id)});
    for (unsigned id : ids.bitmaps)
        list.push_back({.id = id, .kind = Kind::Bitmap});
    constexpr int kSize = 32;
    constexpr int kMiddle = kSize / 2;
    for (const auto& [id, svg] : {std::pair{ids.cursors.handle, quill::drawn::cursor_handle},
                                  std::pair{ids.cursors.drag, quill::drawn::cursor_drag},
                                  std::pair{ids.cursors.crosshair, quill::drawn::cursor_crosshair}})
        list.push_back({.id = id, .kind = Kind::Cursor, .width = kSize, .height = kSize, .hotX = kMiddle, .hotY = kMiddle, .svg = svg});
    return list;
}

}  // namespace

void AddProgramImages(plat::ResourceSet& set, const ProgramPictures& pictures)
{
    quill::AppendLists(set.images, programImageResources(pictures));
    quill::AppendLists(set.commandImages, sharedCommandImages(pictures.commands), pictures.ownCommandImages);
}

std::string_view StatusReadyImage() { return quill::drawn::status_ready; }

std::string_view StatusBusyImage(bool secondStep) { return secondStep ? quill::drawn::status_busy_b : quill::drawn::status_busy_a; }
