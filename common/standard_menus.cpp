#include "common/standard_menus.h"

#include "platform/app/command_ids.h"

plat::MenuItem StandardFileMenu(bool withDocument)
{
    using plat::menuItem;
    std::vector<plat::MenuItem> items = {
        menuItem(plat::kIdFileNew, "&New\tCtrl+N"),
        menuItem(plat::kIdFileOpen, "&Open...\tCtrl+O"),
    };
    if (withDocument) {
        items.push_back(menuItem(plat::kIdFileClose, "&Close"));
        items.push_back(menuItem(plat::kIdFileSave, "&Save\tCtrl+S"));
        items.push_back(menuItem(plat::kIdFileSaveAs, "Save &As..."));
    }
    items.push_back(plat::menuSeparator());
    if (withDocument) {
        items.push_back(menuItem(plat::kIdFilePrint, "&Print...\tCtrl+P"));
        items.push_back(menuItem(plat::kIdFilePrintPreview, "Print Pre&view"));
    }
    items.push_back(menuItem(plat::kIdFilePrintSetup, "P&rint Setup..."));
    items.push_back(plat::menuSeparator());
    items.push_back(menuItem(plat::kIdFileMruFile1, "Recent File"));
    items.push_back(plat::menuSeparator());
    items.push_back(menuItem(plat::kIdAppExit, "E&xit"));
    return plat::menuPopup("&File", std::move(items));
}

std::vector<plat::Accelerator> StandardFileKeys()
{
    constexpr uint8_t kCtrl = plat::kFVirtKey | plat::kFControl;
    return {{kCtrl, 'N', plat::kIdFileNew}, {kCtrl, 'O', plat::kIdFileOpen}, {kCtrl, 'S', plat::kIdFileSave},
            {kCtrl, 'P', plat::kIdFilePrint}};
}

void AddStandardFilePrompts(std::map<unsigned, std::string>& strings, std::string_view document)
{
    const std::string noun(document);
    strings.insert_or_assign(plat::kIdFileNew, "Create a new " + noun + "\nNew");
    strings.insert_or_assign(plat::kIdFileOpen, "Open an existing " + noun + "\nOpen");
    strings.insert_or_assign(plat::kIdFileSave, "Save the active " + noun + "\nSave");
}
