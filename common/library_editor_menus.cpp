#include "common/library_editor_menus.h"

#include "common/editor_keys.h"
#include "common/scale_labels.h"
#include "platform/app/keys.h"

#include <algorithm>
#include <iterator>

namespace quill {
namespace {

using plat::menuItem;
using plat::menuPopup;
using plat::menuSeparator;

plat::MenuItem editMenu(const LibraryEditorMenuIds& ids)
{
    const EditingCommandIds& edit = ids.editing;
    std::vector<plat::MenuItem> items = {menuItem(edit.select, "&Select\tF9"), menuItem(edit.erase, "&Erase\tDel"),
                                         menuItem(edit.rotate, "&Rotate\tX"), menuItem(edit.mirror, "&Mirror\tM"),
                                         menuItem(edit.flip, "&Vertical Flip")};
    if (ids.reGrid != 0)
        items.push_back(menuItem(ids.reGrid, "Re-&Grid"));
    items.push_back(menuItem(edit.origin, "&Origin"));
    const plat::MenuItem redraw = menuItem(ids.redraw, "Re&draw\tEsc");
    if (ids.redrawEndsEditing)
        items.insert(items.end(), {redraw, menuSeparator()});
    else
        items.insert(items.end(), {menuSeparator(), redraw});
    items.insert(items.end(), {menuItem(edit.undo, "&Undo\tCtrl+Z"), menuItem(ids.copy, "&Copy\tCtrl+C"),
                               menuItem(ids.paste, "&Paste\tCtrl+V")});
    return menuPopup("&Edit", std::move(items));
}

plat::MenuItem viewMenu(const LibraryEditorMenuIds& ids)
{
    std::vector<plat::MenuItem> scales;
    const unsigned count = std::min<unsigned>(ids.scaleCount, kScaleLabels.size());
    for (unsigned i = 0; i < count; ++i)
        scales.push_back(menuItem(ids.scaleFirst + i, kScaleLabels[i]));
    return menuPopup("&View", {menuItem(ids.drawToFit, "&Draw to Fit"), menuItem(ids.center, "&Center\tF4"),
                               menuItem(ids.zoomIn, "Zoom &In\tPgUp"), menuItem(ids.zoomOut, "Zoom &Out\tPgDn"),
                               menuPopup("&Scale", std::move(scales))});
}

}  // namespace

std::vector<plat::MenuItem> LibraryEditorMenus(const LibraryEditorMenuIds& ids)
{
    return {menuPopup("&File", {menuItem(ids.savePart, "&Save Part"), menuItem(ids.newPart, "&New Part"),
                                menuSeparator(), menuItem(ids.closeEditor, "&Close Part Editor")}),
            editMenu(ids), viewMenu(ids)};
}

std::vector<plat::Accelerator> LibraryEditorKeys(const LibraryEditorMenuIds& ids)
{
    using plat::kFControl;
    using plat::kFVirtKey;
    const EditingCommandIds& edit = ids.editing;
    return {
        {kFVirtKey, plat::kVkF9, edit.select},
        {kFVirtKey, plat::kVkDelete, edit.erase},
        {kFVirtKey, 'X', edit.rotate},
        {kFVirtKey, 'M', edit.mirror},
        {kFVirtKey, plat::kVkEscape, ids.redraw},
        {kFVirtKey | kFControl, 'Z', edit.undo},
        {kFVirtKey | kFControl, 'C', ids.copy},
        {kFVirtKey | kFControl, 'V', ids.paste},
        {kFVirtKey, plat::kVkF4, ids.center},
    };
}

std::vector<plat::Accelerator> LibraryEditorKeys(const LibraryEditorMenuIds& ids, const LibraryEditorOwnKeys& own)
{
    std::vector<plat::Accelerator> keys = LibraryEditorKeys(ids);
    keys.insert(keys.end(), own.keys.begin(), own.keys.end());
    AddSelectiveEditKeys(keys, own.selectiveFirst, own.selectiveLetters, own.selectiveFlags);
    AddCursorKeys(keys, own.cursor);
    return keys;
}

}  // namespace quill
