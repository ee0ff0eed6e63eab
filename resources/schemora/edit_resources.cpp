#include "resources/schemora/edit_resources.h"

#include "platform/app/command_ids.h"
#include "platform/app/keys.h"
#include "platform/app/string_table.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/edit_ids.h"

namespace scm {

using plat::menuItem;
using plat::menuPopup;
using plat::menuSeparator;

plat::MenuItem EditMenu()
{
    return menuPopup("&Edit", {menuItem(kCmdEditUndo, "&Undo\tCtrl+Z"), menuSeparator(),
                               menuItem(kCmdEditSelect, "&Select\tF9"), menuItem(kCmdSelectAll, "Select All\tCtrl+A"),
                               menuItem(kCmdEditErase, "&Erase\tDel"), menuItem(kCmdEditRotate, "&Rotate\tX"),
                               menuItem(kCmdEditMirror, "&Mirror\tM"), menuItem(kCmdEditFlip, "&Vertical Flip"),
                               menuItem(kCmdEditOrigin, "&Origin"), menuItem(kCmdToolPart, "&Add Part\tF5"),
                               menuSeparator(), menuItem(kCmdRubberBand, "R&ubberband Mode\tF6"),
                               menuItem(kCmdAutoDots, "Automatic Dots\tAlt+C"), menuSeparator(),
                               menuItem(kCmdEditRedraw, "Re&draw \tEsc"), menuSeparator(),
                               menuItem(723, "Edit &Nets Only\tN")});
}

plat::MenuItem InsertMenu()
{
    return menuPopup("&Insert", {menuItem(kCmdToolLine, "&Line\tL"), menuItem(kCmdToolArrow, "A&rrow\tW"),
                                 menuItem(kCmdToolBus, "Data &Bus\tB"), menuItem(kCmdToolRectangle, "&Rectangle\tR"),
                                 menuItem(kCmdToolRoundRect, "R&ounded Rectangle"), menuItem(kCmdToolEllipse, "&Ellipse\tE"),
                                 menuItem(kCmdToolArc, "Ar&c\tK"), menuItem(kCmdToolPolygon, "&Triangle\tY"),
                                 menuItem(kCmdToolDot, "Connector &Dot\tC")});
}

std::vector<plat::Accelerator> EditAccelerators()
{
    using plat::kFControl;
    using plat::kFVirtKey;
    // Letter keys are characters: with Shift the same letters belong to the selection filters.
    constexpr uint8_t kChar = 0;
    return {
        {kFVirtKey | kFControl, 'Z', kCmdEditUndo},
        {kFVirtKey | kFControl, 'A', kCmdSelectAll},
        {kFVirtKey, plat::kVkF9, kCmdEditSelect},
        {kFVirtKey, plat::kVkDelete, kCmdEditErase},
        {kFVirtKey, plat::kVkEscape, kCmdEditRedraw},
        {kFVirtKey, plat::kVkF10, kCmdCrossHair},
        {kFVirtKey, plat::kVkF5, kCmdToolPart},
        {kFVirtKey, plat::kVkF6, kCmdRubberBand},
        {kFVirtKey | plat::kFAlt, 'C', kCmdAutoDots},
        {kChar, 'x', kCmdEditRotate},
        {kChar, 'm', kCmdEditMirror},
        {kChar, 'l', kCmdToolLine},
        {kChar, 'r', kCmdToolRectangle},
        {kChar, 'e', kCmdToolEllipse},
        {kChar, 'k', kCmdToolArc},
        {kChar, 'w', kCmdToolArrow},
        {kChar, 'y', kCmdToolPolygon},
        {kChar, 'c', kCmdToolDot},
        {kChar, 'b', kCmdToolBus},
        {kChar, 'N', 723},   // Edit Nets Only
    };
}

namespace {

constexpr plat::StringEntry kStrings[] = {
    {kCmdToolText, "Enter text (T)\nEnter text (T)"},
    {kCmdToolBus, "Draw data bus (B)\nDraw data bus (B)"},
    {kCmdToolArrow, "Draw arrow (W)\nDraw arrow (W)"},
    {kCmdToolRectangle, "Draw rectangle (R)\nDraw rectangle (R)"},
    {kCmdToolRoundRect, "Draw rounded rectangle (Q)\nDraw rounded rectangle (Q)"},
    {kCmdToolPolygon, "Draw polygon (Y)\nDraw polygon (Y)"},
    {kCmdToolLine, "Draw line (L)\nDraw line (L)"},
    {kCmdToolEllipse, "Draw ellipse (E)\nDraw ellipse (E)"},
    {kCmdToolDot, "Draw connector dot (C)\nDraw connector dot (C)"},
    {kCmdToolArc, "Draw arc (K)\nDraw arc (K)"},
    {kCmdToolPart, "Insert library part (F5)\nInsert library part (F5)"},
    {kCmdEditSelect, "Edit mode (F9)\nEdit mode (F9)"},
    {kCmdEditErase, "Erase the selected objects (Del)\nErase (Del)"},
    {kCmdEditRotate, "Rotate the selected objects (X)\nRotate (X)"},
    {kCmdEditMirror, "Mirror about vertical axis (M)\nMirror (M)"},
    {kCmdEditFlip, "Mirror about horizontal axis\nVertical Flip"},
    {kCmdEditOrigin, "Mark the origins of the objects\nOrigin"},
    {kCmdEditUndo, "Undo the last edit (Ctrl+Z)\nUndo (Ctrl+Z)"},
    {kCmdEditRedraw, "Redraw the drawing and end the current tool (Esc)\nRedraw (Esc)"},
    {kCmdRubberBand, "Rubberband mode\nRubberband mode"},
    {kCmdAutoDots, "Automatic junction dots on or off (Alt+C)\nAutomatic dots"},
    {kStrRubberOn, "Rubberbanding ON"},
    {kStrRubberOff, "Rubberbanding OFF"},
    {kStrDisableAutoDots, "You are disabling automatic dot mode. \n\nThis may result in schematics that cannot be "
                          "netlisted correctly.\n\nProceed?"},
};

}  // namespace

std::span<const plat::StringEntry> EditStrings() { return kStrings; }

std::vector<unsigned> InsertToolBarButtons()
{
    return {kCmdToolText, kCmdToolBus, kCmdToolLine, kCmdToolArc, kCmdToolDot, plat::kIdSeparator,
            kCmdToolRectangle, kCmdToolPolygon, kCmdToolEllipse, plat::kIdSeparator, kCmdToolPart};
}

}  // namespace scm
