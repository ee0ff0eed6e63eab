#include "platform/app/resources.h"

#include "platform/app/command_ids.h"
#include "platform/core/ui_host.h"

#include <algorithm>

namespace plat {
namespace {

// Strings the framework itself shows; a program's table may replace any of them.
const std::map<unsigned, std::string>& frameworkStrings()
{
    static const std::map<unsigned, std::string> strings = {
        {kIdsIdleMessage, "Ready"},
        {kIdsUntitled, "Untitled"},
        {kIdpAskToSave, "Save changes to %1?"},
        {kIdpFailedToOpenDoc, "Unable to open document %1."},
        {kIdpFailedToSaveDoc, "Unable to save document %1."},
        {kIdpFailedToCreateDoc, "Failed to create empty document."},
        {kIdpReplacePartlyRead, "%1 was read only in part. Replace the whole file with what was read?"},
        {kIdpFileTooLarge, "Unable to open document %1: the file is larger than any document of its kind (%2 at most)."},
        {kIdpNoMemoryToOpen, "Not enough memory to open document %1."},
        {kIdpReplaceChangedOnDisk, "%1 has been changed on disk since it was read. Save over it?"},
        {kIdsOpenFileTitle, "Open"},
        {kIdsSaveFileTitle, "Save As"},
        {kIdsAllFilter, "All Files (*.*)"},
        {kIdpFailedToPrint, "The document could not be printed."},
    };
    return strings;
}

ResourceSet& programSet()
{
    static ResourceSet set;
    return set;
}

template <class T>
const T* findById(const std::vector<T>& list, unsigned id)
{
    const auto it = std::find_if(list.begin(), list.end(), [id](const T& r) { return r.id == id; });
    return it == list.end() ? nullptr : &*it;
}

}  // namespace

MenuItem menuItem(unsigned id, std::string text, unsigned flags)
{
    MenuItem m;
    m.kind = MenuItem::Kind::Command;
    m.id = id;
    m.text = std::move(text);
    m.flags = flags;
    return m;
}

MenuItem menuPopup(std::string text, std::vector<MenuItem> items)
{
    MenuItem m;
    m.kind = MenuItem::Kind::Popup;
    m.text = std::move(text);
    m.items = std::move(items);
    return m;
}

MenuItem menuSeparator()
{
    MenuItem m;
    m.kind = MenuItem::Kind::Separator;
    return m;
}

void registerResources(ResourceSet set) { programSet() = std::move(set); }
const ResourceSet& registeredResources() { return programSet(); }

bool LoadString(unsigned id, std::string& text)
{
    const auto& program = programSet().strings;
    if (const auto it = program.find(id); it != program.end()) {
        text = it->second;
        return true;
    }
    if (id == kIdsAppTitle && !programSet().name.empty()) {
        text = programSet().name;
        return true;
    }
    const auto& framework = frameworkStrings();
    if (const auto it = framework.find(id); it != framework.end()) {
        text = it->second;
        return true;
    }
    return false;
}

std::string LoadString(unsigned id)
{
    std::string text;
    LoadString(id, text);
    return text;
}

std::string commandPrompt(unsigned id)
{
    const std::string s = LoadString(id);
    return s.substr(0, s.find('\n'));
}

std::string commandTooltip(unsigned id)
{
    const std::string s = LoadString(id);
    const auto nl = s.find('\n');
    return nl == std::string::npos ? std::string() : s.substr(nl + 1);
}

std::string FormatString2(std::string_view format, std::string_view arg1, std::string_view arg2)
{
    std::string out;
    out.reserve(format.size() + arg1.size() + arg2.size());
    for (size_t i = 0; i < format.size(); ++i) {
        const char next = i + 1 < format.size() ? format[i + 1] : 0;
        if (format[i] == '%' && (next == '1' || next == '2')) {
            out += next == '1' ? arg1 : arg2;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

std::string FormatString2(unsigned stringId, std::string_view arg1, std::string_view arg2)
{
    return FormatString2(LoadString(stringId), arg1, arg2);
}

std::string FormatString1(std::string_view format, std::string_view arg)
{
    // A "%2" in a one-argument text stays as it is.
    return FormatString2(format, arg, "%2");
}

std::string FormatString1(unsigned stringId, std::string_view arg)
{
    return FormatString1(LoadString(stringId), arg);
}

int MessageBoxId(unsigned stringId, unsigned type) { return MessageBox(LoadString(stringId), type); }

const MenuResource* findMenu(unsigned id) { return findById(programSet().menus, id); }
const AcceleratorResource* findAccelerators(unsigned id) { return findById(programSet().accelerators, id); }
const DialogTemplate* findDialogTemplate(unsigned id) { return findById(programSet().dialogs, id); }
const ToolbarResource* findToolbar(unsigned id) { return findById(programSet().toolbars, id); }
const ImageResource* findImage(unsigned id) { return findById(programSet().images, id); }

const ImageResource* findImage(unsigned id, ImageResource::Kind kind)
{
    const auto& list = programSet().images;
    const auto it = std::find_if(list.begin(), list.end(), [&](const ImageResource& r) { return r.id == id && r.kind == kind; });
    return it == list.end() ? nullptr : &*it;
}

const CommandImage* findCommandImage(unsigned command)
{
    const auto& list = programSet().commandImages;
    const auto it = std::find_if(list.begin(), list.end(), [command](const CommandImage& c) { return c.command == command; });
    return it == list.end() ? nullptr : &*it;
}

}  // namespace plat
