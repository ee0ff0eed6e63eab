#pragma once
// Resources as data: each program describes its menus, accelerator tables, string table,
// dialog templates, toolbars and images in C++ tables (resources/<program>/) and registers the
// set once at start, before InitInstance. The framework's own strings ("Ready", the save prompt,
// ...) are always present; a program's entry with the same id replaces one.
//
//   plat::ResourceSet set;
//   set.strings = {{128, "Schemora"}, {52, "Zoom in (magnify) (PgUp)\nZoom in (PgUp)"}};
//   set.menus.push_back({128, {plat::menuPopup("&File", {plat::menuItem(57600, "&New\tCtrl+N"),
//                                                   plat::menuSeparator(), ...})}});
//   plat::registerResources(std::move(set));

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

// ---- menus ----
struct MenuItem {
    enum class Kind { Command, Popup, Separator };
    Kind kind = Kind::Command;
    unsigned id = 0;               // command id (0 for popups and separators)
    std::string text{};              // "&Open...\tCtrl+O": '&' marks the mnemonic, '\t' the key label
    std::vector<MenuItem> items{};   // a popup's items
    unsigned flags = 0;            // kMfChecked, kMfGrayed as initial state
    bool operator==(const MenuItem&) const = default;
};
MenuItem menuItem(unsigned id, std::string text, unsigned flags = 0);
MenuItem menuPopup(std::string text, std::vector<MenuItem> items);
MenuItem menuSeparator();

struct MenuResource {
    unsigned id = 0;
    std::vector<MenuItem> items{};   // the menu bar's popups, or a context menu's popup(s)
};

// ---- accelerators ----
enum : uint8_t { kFVirtKey = 0x01, kFShift = 0x04, kFControl = 0x08, kFAlt = 0x10 };
struct Accelerator {
    uint8_t flags = kFVirtKey;     // without kFVirtKey, key is a character matched case-sensitively
    uint16_t key = 0;              // virtual-key code, or the character
    unsigned command = 0;
};
struct AcceleratorResource {
    unsigned id = 0;
    std::vector<Accelerator> entries{};
};

// ---- dialog templates ----
enum class ControlKind {
    PushButton,
    DefPushButton,       // the default button: Enter presses it
    OwnerDrawButton,     // painted by the dialog's OnDrawItem
    CheckBox,            // automatic check box
    RadioButton,         // automatic radio button; a group runs to the next control with group set
    GroupBox,
    Static,              // text
    StaticFrame,         // a framed static that the code paints into (previews, swatches, bars)
    Picture,             // an icon or bitmap from the resources, by id in `image`
    Edit,
    MultiLineEdit,
    ListBox,
    ComboDropList,       // drop-down list
    ComboDropDown,       // editable drop-down
    ComboOwnerDraw,      // drop-down list whose items the dialog paints
    ScrollBarH,
    ScrollBarV,
    Tab,
    Tree,
    Progress,
    Spin,
};

enum : unsigned {
    kCsSorted = 0x01,         // list or combo keeps its items sorted case-insensitively
    kCsReadOnly = 0x02,       // edit
    kCsNotify = 0x04,         // static sends clicks
    kCsDisabled = 0x08,
    kCsHidden = 0x10,
    kCsPassword = 0x20,
    kCsNumber = 0x40,         // edit accepts digits only
    kCsRight = 0x80,          // text aligned right
    kCsFixedSize = 0x100,     // a drawn frame keeps its given size (a swatch) instead of stretching
};

// The id of a static text no code refers to.
inline constexpr unsigned kIdStaticText = 0xFFFF;

struct ControlTemplate {
    unsigned id = 0;               // control id; statics without an id use kIdStaticText
    ControlKind kind = ControlKind::Static;
    std::string text{};
    int row = -1;                  // layout row; -1 = the next row after the previous control
    int column = 0;                // column within the row
    int span = 1;                  // columns the control covers
    bool group = false;            // starts a new group (radio groups, tab groups)
    unsigned style = 0;            // kCs* flags
    int width = 0;                 // width hint in dialog units, 0 = natural
    int height = 0;                // height hint in dialog units, 0 = natural
    unsigned image = 0;            // picture controls and icon buttons: image resource id; trees: a
                                   // strip of 16-pixel images that tree items pick by index
    int limit = 0;                 // edit: maximum characters (0 = none)
    int rowSpan = 1;               // layout rows the control covers (plots beside a button column);
                                   // a group box covering more than its row encloses the controls
                                   // of the rows below it within its columns
    int64_t textColor = -1;        // statics: text colour as 0x00BBGGRR; -1 the desktop's
};

struct DialogTemplate {
    unsigned id = 0;
    std::string title{};             // caption; empty with caption == false gives a captionless window
    std::vector<ControlTemplate> controls{};
    bool caption = true;
    unsigned menu = 0;             // a menu resource shown in the dialog, 0 = none
    int width = 0;                 // size hints in dialog units (base unit 8), 0 = natural
    int height = 0;
    unsigned toolbar = 0;          // a toolbar resource shown under the menu, 0 = none
    bool maximized = false;        // the window opens maximised (an editor window run as a dialog)
};

// ---- toolbars ----
struct ToolbarResource {
    unsigned id = 0;
    std::vector<unsigned> buttons{};  // command ids in order; kIdSeparator (0) for a separator
    unsigned bitmap = 0;            // image strip resource id (0: images made from the button ids)
    int buttonWidth = 16;
    int buttonHeight = 15;
};

// ---- images: icons, cursors, bitmaps ----
struct ImageResource {
    enum class Kind { Icon, Cursor, Bitmap };
    unsigned id = 0;
    Kind kind = Kind::Icon;
    int width = 16;
    int height = 16;
    std::vector<uint32_t> argb{};     // width*height pixels, 0xAARRGGBB; empty: a placeholder is drawn
    int hotX = 0;                   // cursors: hot spot
    int hotY = 0;
    std::string_view svg{};         // the drawn picture (SVG text); rendered at the size asked for
};

// A command's toolbar picture: our drawing, and for the standard actions the desktop icon
// theme's name ("document-open"), whose image wins when the theme has one.
struct CommandImage {
    unsigned command = 0;
    std::string_view svg{};
    std::string_view themeName{};
};

// One program's resources.
struct ResourceSet {
    std::string name{};                               // "Schemora"
    std::map<unsigned, std::string> strings{};
    std::vector<MenuResource> menus{};
    std::vector<AcceleratorResource> accelerators{};
    std::vector<DialogTemplate> dialogs{};
    std::vector<ToolbarResource> toolbars{};
    std::vector<ImageResource> images{};
    std::vector<CommandImage> commandImages{};
};

// Registers the program's set (replacing any earlier one). The framework's strings stay
// available beneath it.
void registerResources(ResourceSet set);
const ResourceSet& registeredResources();

// String table. LoadString gives "" for a missing id; the bool form reports whether it exists.
std::string LoadString(unsigned id);
bool LoadString(unsigned id, std::string& text);
// Command prompts: an entry "prompt\ntooltip" keyed by the command id.
std::string commandPrompt(unsigned id);
std::string commandTooltip(unsigned id);
// "%1" replaced by arg, as the framework formats its one-argument messages.
std::string FormatString1(std::string_view format, std::string_view arg);
std::string FormatString1(unsigned stringId, std::string_view arg);
// "%1" and "%2" replaced by arg1 and arg2.
std::string FormatString2(std::string_view format, std::string_view arg1, std::string_view arg2);
std::string FormatString2(unsigned stringId, std::string_view arg1, std::string_view arg2);
// Shows a message box with a string-table text.
int MessageBoxId(unsigned stringId, unsigned type = 0);

const MenuResource* findMenu(unsigned id);
const AcceleratorResource* findAccelerators(unsigned id);
const DialogTemplate* findDialogTemplate(unsigned id);
const ToolbarResource* findToolbar(unsigned id);
const ImageResource* findImage(unsigned id);   // null: callers draw a placeholder
// An icon and a cursor may share an id: this finds the image of that kind.
const ImageResource* findImage(unsigned id, ImageResource::Kind kind);
const CommandImage* findCommandImage(unsigned command);   // null: the command has no picture

}  // namespace plat
