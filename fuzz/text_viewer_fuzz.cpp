// A text output (netlist, report, listing) shown in the layer's text window and saved from its
// File > Save unchanged: the file must come back as it was, apart from line ends made uniform.

#include "fuzz/fuzz_support.h"
#include "platform/qt_host/text_window.h"
#include "platform/system/file_text.h"
#include "tests/support/menu_items.h"

#include <QCoreApplication>
#include <QEvent>

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Texts whose bytes an editor may fairly change when it saves them: line ends of either kind
// (a carriage return, a paragraph separator) and NUL bytes.
bool keptExactly(std::string_view text)
{
    return text.find('\r') == std::string_view::npos && text.find('\0') == std::string_view::npos &&
           text.find("\xE2\x80\xA9") == std::string_view::npos;
}

}  // namespace

void fuzz::startHarness() { setUp(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzz::writeInput("output.txt", data, size);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto window = std::make_unique<plat::TextWindow>(QString::fromStdString(path));
    if (!window->load())
        std::abort();
    QAction* save = quill_test::menuBarItem(*window->menuBar(), QStringLiteral("&Save"));
    if (!save)
        std::abort();
    save->trigger();
    if (window->isModified() || (keptExactly(text) && plat::readWholeFile(path).value_or("") != text))
        std::abort();
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
