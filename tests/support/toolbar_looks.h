#pragma once
// What a person sees of a main window's toolbars: every button's picture, tooltip and state,
// read back from the real Qt bars, and the checks both programs' toolbar tests share.

#include "platform/app/resources.h"
#include "platform/app/wnd_state.h"

#include <QAction>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QSet>
#include <QToolBar>
#include <QWidgetAction>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace quill_test {

struct ButtonLook {
    std::string tooltip;
    std::string prompt;      // the status-line text
    QImage picture;          // the button's picture at the bar's 16 x 15, as enabled
    QImage disabledPicture;
    bool enabled = true;
};

inline std::vector<ButtonLook> toolbarButtons(QMainWindow* window)
{
    std::vector<ButtonLook> buttons;
    for (QToolBar* bar : window->findChildren<QToolBar*>())
        for (QAction* a : bar->actions()) {
            if (a->isSeparator() || qobject_cast<QWidgetAction*>(a))
                continue;   // separators and the combo boxes placed in the bar
            ButtonLook b;
            b.tooltip = a->toolTip().toStdString();
            b.prompt = a->statusTip().toStdString();
            b.picture = a->icon().pixmap(QSize(16, 15), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
            b.disabledPicture = a->icon().pixmap(QSize(16, 15), 1.0, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
            b.enabled = a->isEnabled();
            buttons.push_back(std::move(b));
        }
    return buttons;
}

// A placeholder is one flat colour in a frame: at most two colours.
inline bool isPlaceholder(const QImage& picture)
{
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y));
    return colours.size() <= 2;
}

// The key a status-line prompt names in its last parentheses ("Rotate ... (X)" gives "(X)").
inline std::string promptKey(const std::string& prompt)
{
    const auto open = prompt.rfind('(');
    const auto close = prompt.rfind(')');
    return open != std::string::npos && close == prompt.size() - 1 ? prompt.substr(open) : std::string();
}

// Every button shows a drawn picture of its own, greys when disabled, and says in its tooltip
// what it does and by which key.
inline void expectDistinctDrawnButtons(QMainWindow* window)
{
    const std::vector<ButtonLook> buttons = toolbarButtons(window);
    ASSERT_FALSE(buttons.empty());
    std::map<std::string, std::string> pictureOwner;   // picture bytes -> tooltip
    for (size_t i = 0; i < buttons.size(); ++i) {
        const ButtonLook& b = buttons[i];
        SCOPED_TRACE("button " + std::to_string(i) + ": " + b.tooltip + " / " + b.prompt);
        EXPECT_FALSE(b.tooltip.empty());
        EXPECT_EQ(b.picture.size(), QSize(16, 15));
        EXPECT_FALSE(isPlaceholder(b.picture));
        EXPECT_NE(b.picture, b.disabledPicture);
        if (const std::string key = promptKey(b.prompt); !key.empty()) {
            EXPECT_NE(b.tooltip.find(key), std::string::npos) << "prompt: " << b.prompt;
        }
        const std::string bytes(reinterpret_cast<const char*>(b.picture.constBits()), static_cast<size_t>(b.picture.sizeInBytes()));
        const auto [it, fresh] = pictureOwner.emplace(bytes, b.tooltip);
        if (!fresh) {
            EXPECT_EQ(it->second, b.tooltip) << "two commands share one picture";
        }
    }
}

// Every command picture of the program's resources, also those of bars not shown yet, is a
// drawing of its own at toolbar size and at double density.
inline void expectDistinctCommandPictures()
{
    std::map<std::string, unsigned> pictureOwner;   // picture bytes -> command
    for (const plat::CommandImage& c : plat::registeredResources().commandImages) {
        SCOPED_TRACE(c.command);
        const QImage picture = plat::renderDrawnImage(c.svg, 16, 16, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(picture.size(), QSize(16, 16));
        EXPECT_FALSE(isPlaceholder(picture));
        EXPECT_EQ(plat::renderDrawnImage(c.svg, 16, 16, 2.0).size(), QSize(32, 32));
        const std::string bytes(reinterpret_cast<const char*>(picture.constBits()), static_cast<size_t>(picture.sizeInBytes()));
        const auto [it, fresh] = pictureOwner.emplace(bytes, c.command);
        EXPECT_TRUE(fresh) << "the picture of command " << it->second << " again";
    }
}

// Each tooltip, as worded, is shown by one of the window's toolbar buttons.
inline void expectTooltipsShown(QMainWindow* window, std::span<const char* const> tips)
{
    std::vector<std::string> shown;
    for (const ButtonLook& b : toolbarButtons(window))
        shown.push_back(b.tooltip);
    for (const char* tip : tips) {
        SCOPED_TRACE(tip);
        EXPECT_NE(std::find(shown.begin(), shown.end(), tip), shown.end());
    }
}

// Pointers drawn by us, with the hot spot at the middle of the cross, the handle and the arrows.
inline void expectDrawnPointers(std::span<const unsigned> ids)
{
    for (unsigned id : ids) {
        SCOPED_TRACE(id);
        const QCursor cursor = plat::cursorToQt(id);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.hotSpot(), QPoint(16, 16));
        EXPECT_FALSE(isPlaceholder(cursor.pixmap().toImage()));
    }
}

// Status-pane icons drawn by us; the window's icon too.
inline void expectDrawnIcons(QMainWindow* window, std::span<const unsigned> ids)
{
    for (unsigned id : ids) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(isPlaceholder(plat::imagePixmap(id, 16, 16).toImage()));
    }
    const QIcon icon = window->windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_FALSE(isPlaceholder(icon.pixmap(QSize(48, 48), 1.0).toImage()));
}

// The desktop entries' icon file beside the programs is the program's own window icon.
inline void expectShippedIconIsTheWindowIcon(const char* fileName)
{
    const char* programDir = std::getenv("QUILL_PROGRAM_DIR");
    const std::filesystem::path file = std::filesystem::path(programDir ? programDir : "") / fileName;
    if (!std::filesystem::exists(file))
        GTEST_SKIP() << "the program folder has not been laid out";
    std::ifstream in(file, std::ios::binary);
    const std::string shipped{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const plat::ImageResource* icon = plat::findImage(128, plat::ImageResource::Kind::Icon);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(shipped, std::string(icon->svg));
}

}  // namespace quill_test
