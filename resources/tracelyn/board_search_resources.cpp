#include "resources/tracelyn/board_search_resources.h"

#include "common/find_replace_dialogs.h"
#include "platform/app/keys.h"
#include "platform/app/string_table.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/board_search_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"

#include <algorithm>

using namespace tly;
using plat::menuItem;

namespace {

plat::MenuItem& popupIn(std::vector<plat::MenuItem>& items, std::string_view title)
{
    const auto it = std::find_if(items.begin(), items.end(), [&](const plat::MenuItem& m) { return m.text == title; });
    if (it != items.end())
        return *it;
    items.push_back(plat::menuPopup(std::string(title), {}));
    return items.back();
}

}  // namespace

plat::MenuItem& BoardMenuPopup(plat::ResourceSet& set, std::string_view top, std::string_view inner)
{
    auto menu = std::find_if(set.menus.begin(), set.menus.end(), [](const plat::MenuResource& m) { return m.id == kIdrBoardType; });
    if (menu == set.menus.end()) {
        set.menus.push_back({kIdrBoardType, {}});
        menu = set.menus.end() - 1;
    }
    plat::MenuItem& outer = popupIn(menu->items, top);
    return inner.empty() ? outer : popupIn(outer.items, inner);
}

void AddBoardKeys(plat::ResourceSet& set, std::initializer_list<plat::Accelerator> keys)
{
    auto table = std::find_if(set.accelerators.begin(), set.accelerators.end(),
                              [](const plat::AcceleratorResource& a) { return a.id == kIdrMainFrame; });
    if (table != set.accelerators.end())
        table->entries.insert(table->entries.end(), keys.begin(), keys.end());
}

void AddBoardSearchResources(plat::ResourceSet& set)
{
    // Find, Replace and the alignments stand in the frame's menus already; scaling is added.
    BoardMenuPopup(set, "&Edit", "Advanced").items.push_back(menuItem(kCmdScaleSelection, "&Scale Selected Objects...\tAlt+S"));

    using plat::kFControl;
    using plat::kFVirtKey;
    AddBoardKeys(set, {{kFVirtKey | kFControl, 'F', kCmdFind},
                       {kFVirtKey | kFControl, 'H', kCmdReplace},
                       {kFVirtKey | plat::kFAlt, 'S', kCmdScaleSelection},
                       {kFVirtKey, 'V', kCmdAlignWithEdge},
                       {kFVirtKey, 'N', kCmdAlignToCenter},
                       {kFVirtKey, 'H', kCmdAlignOnLine}});

    const SearchDialogSetup search{kIddSearch, kIdcSearchText, kIdcSearchReference, kIdcSearchHiddenVia, kIdcSearchPlainText};
    set.dialogs.push_back(SearchDialogTemplate(search, "Search",
                                               {{kIdcSearchReference, "Ref. Designator"},
                                                {kIdcSearchPlainText, "Text"},
                                                {kIdcSearchDrcMark, "DRC Mark"},
                                                {kIdcSearchNetName, "Net Name"},
                                                {kIdcSearchHiddenVia, "Hidden Via"}}));
    set.dialogs.push_back(ContinueSearchTemplate(kIddSearchContinue));
    set.dialogs.push_back(ReplaceTextTemplate(kIddReplaceText, "ReplaceText"));
    set.dialogs.push_back(ReplaceConfirmTemplate());
    set.dialogs.push_back(ScaleFactorsTemplate(kIddScaleSelection, "Scale Selected Objects"));

    plat::AssignStrings(set.strings, {
        {kStrSearchDone, "Search complete"},
        {kStrReferenceMissing, "Reference designator NOT found"},
        {kStrTextMissing, "Text NOT found"},
        {kStrNoDrcMarks, "No DRC marks found"},
        {kStrNetMissing, "Net not found"},
        {kStrNoHiddenVias, "No hidden vias found"},
        {kCmdFind, "Find a reference, text, DRC mark, net or hidden via (Ctrl+F)\nFind (Ctrl+F)"},
        {kCmdReplace, "Replace text in the board's texts (Ctrl+H)\nReplace (Ctrl+H)"},
        {kCmdScaleSelection, "Select drawing scale\nScale (Alt+S)"},
        {kCmdAlignWithEdge, "Align the selection with the object selected last (V)\nAlign With Edge"},
        {kCmdAlignToCenter, "Centre the selection on the object selected last (N)\nAlign To Center"},
        {kCmdAlignOnLine, "Move the selection onto the trace selected last (H)\nAlign On Line"},
    });
}
