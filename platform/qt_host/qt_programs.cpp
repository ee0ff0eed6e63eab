// The desktop services outside the programs' windows: the text window, other programs, help.
#include "platform/qt_host/command_line.h"
#include "platform/qt_host/qt_host_impl.h"
#include "platform/qt_host/qt_text.h"
#include "platform/qt_host/text_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>

namespace plat {
namespace {

// Help commands the programs send.
constexpr unsigned kHelpContext = 0x1;
constexpr unsigned kHelpQuit = 0x2;
constexpr unsigned kHelpContextPopup = 0x8;

// A program named without a folder is looked for where the programs expect their helpers:
// beside this program, in the current folder, then on the PATH. Empty when it is nowhere.
QString findProgram(const QString& name)
{
    if (name.contains(QLatin1Char('/')))
        return name;
    for (const QString& folder : {QCoreApplication::applicationDirPath(), QDir::currentPath()}) {
        const QFileInfo candidate(QDir(folder).filePath(name));
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(name);
}

// The HTML form of a help file: the same name with ".html" or ".htm" in any case, or the file
// itself when it is HTML already. Empty when there is none.
QString findHelpFile(const QString& helpFile)
{
    const QFileInfo info(helpFile);
    QDir folder = info.dir();
    folder.setNameFilters({info.completeBaseName() + QStringLiteral(".html"),
                           info.completeBaseName() + QStringLiteral(".htm")});
    folder.setFilter(QDir::Files | QDir::Readable);
    if (const QStringList found = folder.entryList(); !found.isEmpty())
        return folder.filePath(found.front());
    const QString suffix = info.suffix().toLower();
    if ((suffix == QStringLiteral("html") || suffix == QStringLiteral("htm")) && info.isReadable())
        return info.absoluteFilePath();
    return {};
}

QStringList toQStringList(const std::vector<std::string>& arguments)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list.push_back(pathToQString(argument));
    return list;
}

}  // namespace

bool QtUiHost::showTextFile(std::string_view path)
{
    const QString absolute = QFileInfo(pathToQString(path)).absoluteFilePath();
    QPointer<QWidget>& slot = impl_->textWindows[absolute];
    auto* window = static_cast<TextWindow*>(slot.data());
    std::string whyNot;
    const auto refused = [&] {
        if (!whyNot.empty())
            messageBox(whyNot, "", kMbOk | kMbIconExclamation);
        return false;
    };
    if (!window) {
        auto fresh = std::make_unique<TextWindow>(absolute);
        if (!fresh->load(&whyNot))
            return refused();
        window = fresh.release();   // deletes itself when closed
        slot = window;
    } else if (!window->isModified() && !window->load(&whyNot)) {
        return refused();   // the file has gone, or grown, since the window opened
    }
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

bool QtUiHost::openWebPage(std::string_view url)
{
    return QDesktopServices::openUrl(QUrl(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size()))));
}

bool QtUiHost::startProgram(std::string_view commandLine)
{
    const auto call = programCallOf(commandLine);
    return call && startProgram(call->program, call->arguments);
}

int QtUiHost::runProgram(std::string_view commandLine, unsigned timeoutMs)
{
    const auto call = programCallOf(commandLine);
    return call ? runProgram(call->program, call->arguments, timeoutMs) : -1;
}

bool QtUiHost::startProgram(const std::string& program, const std::vector<std::string>& arguments)
{
    const QString path = findProgram(pathToQString(program));
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(path, toQStringList(arguments), QDir::currentPath());
}

int QtUiHost::runProgram(const std::string& program, const std::vector<std::string>& arguments, unsigned timeoutMs)
{
    const QString path = findProgram(pathToQString(program));
    if (path.isEmpty())
        return -1;
    QProcess process;
    process.setWorkingDirectory(QDir::currentPath());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(path, toQStringList(arguments));
    if (!process.waitForStarted())
        return -1;
    if (!process.waitForFinished(static_cast<int>(timeoutMs))) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void QtUiHost::showHelp(std::string_view helpFile, unsigned command, unsigned long data)
{
    if (command == kHelpQuit) {
        if (impl_->helpWindow)
            impl_->helpWindow->close();
        return;
    }
    const QString file = findHelpFile(pathToQString(helpFile));
    if (file.isEmpty()) {
        messageBox("Help is not installed.", applicationTitle(), kMbOk | kMbIconInformation);
        return;
    }
    auto* browser = static_cast<QTextBrowser*>(impl_->helpWindow.data());
    if (!browser) {
        browser = new QTextBrowser;   // deletes itself when closed
        browser->setAttribute(Qt::WA_DeleteOnClose);
        browser->setWindowTitle(QStringLiteral("Help"));
        browser->resize(640, 600);
        impl_->helpWindow = browser;
    }
    QUrl url = QUrl::fromLocalFile(file);
    // Topics are anchors named by their context number.
    if (command == kHelpContext || command == kHelpContextPopup)
        url.setFragment(QString::number(data));
    browser->setSource(url);
    browser->show();
    browser->raise();
    browser->activateWindow();
}

}  // namespace plat
