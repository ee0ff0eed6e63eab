// Documents held across the suite's programs: another program's request reaches the holder over
// its local socket, and a holder that reads the document again (closing and reopening it, which
// withdraws and publishes it anew) still answers and goes on answering.
#include "platform/qt_host/qt_ui_host.h"
#include "support/temp_folder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QLocalSocket>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace plat {
class Dialog {};   // the framework's dialogs; the host only passes them on
}  // namespace plat

namespace {

using plat::DocumentOwnerAnswer;
using plat::DocumentOwnerRequest;

// What another program does: connects to the holder's socket, asks, and reads the one-line
// answer while this program's loop (the holder) runs; empty when the holder went away.
std::string askAsAnotherProgram(const std::string& path, const char* request)
{
    const std::string canonical = std::filesystem::weakly_canonical(path).string();
    const QByteArray digest = QCryptographicHash::hash(QByteArray::fromStdString(canonical), QCryptographicHash::Sha1);
    const QString name = QStringLiteral("quillmere-%1-%2").arg(::getuid()).arg(QString::fromLatin1(digest.toHex().left(24)));
    QLocalSocket socket;
    socket.connectToServer(name);
    QElapsedTimer waited;
    waited.start();
    while (socket.state() == QLocalSocket::ConnectingState && waited.elapsed() < 5000)
        QCoreApplication::processEvents();
    if (socket.state() != QLocalSocket::ConnectedState)
        return "(not connected)";
    socket.write(request);
    socket.flush();
    while (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState && waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
        socket.waitForReadyRead(10);
    }
    return socket.readLine(32).trimmed().toStdString();
}

TEST(QtDocumentOwners, AHolderThatReadsItsDocumentAgainAnswersAndStaysTheHolder)
{
    plat::QtUiHost host;
    quill_test::TempFolder folder;
    const std::string path = folder.file("board.tlz");
    std::ofstream(path) << "board";

    int reloads = 0;
    std::function<DocumentOwnerAnswer(DocumentOwnerRequest)> answer;
    answer = [&](DocumentOwnerRequest request) {
        if (request == DocumentOwnerRequest::State)
            return DocumentOwnerAnswer::Unchanged;
        // Closing the document withdraws it; the document opened again publishes it anew.
        ++reloads;
        host.publishDocument(path, {});
        host.publishDocument(path, answer);
        return DocumentOwnerAnswer::Reloaded;
    };
    host.publishDocument(path, answer);

    EXPECT_EQ(askAsAnotherProgram(path, "state\n"), "unchanged");
    EXPECT_EQ(askAsAnotherProgram(path, "reload\n"), "reloaded");
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(askAsAnotherProgram(path, "state\n"), "unchanged") << "held by the document opened again";
    EXPECT_EQ(askAsAnotherProgram(path, "what\n"), "failed");

    host.publishDocument(path, {});
    QCoreApplication::processEvents();
    EXPECT_EQ(host.askDocumentOwner(path, DocumentOwnerRequest::State), DocumentOwnerAnswer::NotOpen);
}

}  // namespace
