#pragma once
// What a person sees of a main window's toolbars: every button's picture, tooltip and state,
// read back from the real Qt bars, and the checks both programs' toolbar tests share.

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QSet>
#include <QToolBar>
#include <QWidgetAction>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace quill_test {

struct ButtonLook {
    std::string tooltip;
    std::string prompt;      // the status-line text
    QImage picture;          // the button's picture at 16 x 16, as enabled
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
            b.picture = a->icon().pixmap(QSize(16, 16), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
            b.disabledPicture = a->icon().pixmap(QSize(16, 16), 1.0, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
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
        EXPECT_EQ(b.picture.size(), QSize(16, 16));
        EXPECT_FALSE(isPlaceholder(b.picture));
        EXPECT_NE(b.picture, b.disabledPicture);
        if (const std::string key = promptKey(b.prompt); !key.empty())
            EXPECT_NE(b.tooltip.find(key), std::string::npos) << "prompt: " << b.prompt;
        const std::string bytes(reinterpret_cast<const char*>(b.picture.constBits()), static_cast<size_t>(b.picture.sizeInBytes()));
        const auto [it, fresh] = pictureOwner.emplace(bytes, b.tooltip);
        if (!fresh)
            EXPECT_EQ(it->second, b.tooltip) << "two commands share one picture";
    }
}

}  // namespace quill_test
