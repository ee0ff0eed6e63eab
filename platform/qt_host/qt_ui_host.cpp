// The host's life, message boxes, modal dialogs, the clock and ending the process.
#include "platform/qt_host/qt_host_impl.h"
#include "platform/qt_host/qt_text.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPalette>
#include <QThread>
#include <chrono>
#include <cstdio>
#include <iostream>

namespace plat {
namespace {

std::function<int(Dialog&)>& modalRunner()
{
    static std::function<int(Dialog&)> runner;
    return runner;
}

QMessageBox::Icon iconFor(unsigned type)
{
    switch (type & 0xF0) {
    case kMbIconStop: return QMessageBox::Critical;
    case kMbIconQuestion: return QMessageBox::Question;
    case kMbIconExclamation: return QMessageBox::Warning;
    case kMbIconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsFor(unsigned type)
{
    switch (type & 0xF) {
    case kMbOkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case kMbYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case kMbYesNo: return QMessageBox::Yes | QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

int answerFor(QMessageBox::StandardButton button, unsigned type)
{
    switch (button) {
    case QMessageBox::Ok: return kIdOk;
    case QMessageBox::Cancel: return kIdCancel;
    case QMessageBox::Yes: return kIdYes;
    case QMessageBox::No: return kIdNo;
    default: return closedMessageBoxAnswer(type);
    }
}

}  // namespace

QWidget* dialogParent() { return QApplication::activeWindow(); }

QtUiHost::Impl::~Impl()
{
    for (auto& [path, window] : textWindows)
        delete window.data();
    delete helpWindow.data();
}

QtUiHost::QtUiHost() : impl_(std::make_unique<Impl>()) {}

QtUiHost::~QtUiHost() = default;

void QtUiHost::setModalRunner(std::function<int(Dialog&)> runner) { modalRunner() = std::move(runner); }

int QtUiHost::messageBox(std::string_view text, std::string_view caption, unsigned type)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        // No widgets can exist yet; the text must still reach the person.
        std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                     static_cast<int>(text.size()), text.data());
        return closedMessageBoxAnswer(type);
    }
    QMessageBox box(dialogParent());
    // A box given no caption is titled "Error", as the programs' boxes always were.
    box.setWindowTitle(caption.empty() ? QStringLiteral("Error") : messageToQString(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(messageToQString(text));
    box.setIcon(iconFor(type));
    const QMessageBox::StandardButtons buttons = buttonsFor(type);
    box.setStandardButtons(buttons);
    box.setDefaultButton(buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Yes);
    if (buttons.testFlag(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return answerFor(box.standardButton(box.clickedButton()), type);
}

void QtUiHost::messageBeep() { QApplication::beep(); }

int QtUiHost::runModal(Dialog& dialog)
{
    const auto& runner = modalRunner();
    return runner ? runner(dialog) : kIdCancel;
}

uint32_t QtUiHost::tickCount()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    // Wraps after 49.7 days, as the programs' tick arithmetic expects of a 32-bit count.
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

uint32_t QtUiHost::sysColor(int index)
{
    QPalette::ColorRole role;
    switch (index) {
    case kColorWindow: role = QPalette::Base; break;
    case kColorWindowText: role = QPalette::Text; break;
    case kColorBtnFace: role = QPalette::Button; break;
    case kColorBtnShadow: role = QPalette::Dark; break;
    case kColorBtnText: role = QPalette::ButtonText; break;
    case kColorBtnHighlight: role = QPalette::Light; break;
    default: return UiHost::sysColor(index);
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return UiHost::sysColor(index);
    const QColor c = QApplication::palette().color(QPalette::Active, role);
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8)
           | (static_cast<uint32_t>(c.blue()) << 16);
}

void QtUiHost::showWaitCursor(bool on)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtUiHost::exitProcess(int code)
{
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    if (QCoreApplication::instance() && QThread::currentThread()->loopLevel() > 0) {
        exitRequested_ = code;
        QCoreApplication::exit(code);
    }
    throw ProcessExit{code};
}

}  // namespace plat
