// One window per file across the suite's programs: the holder of a document listens on a local
// socket named after the file; any other program asks there before it opens the file itself.
#include "platform/qt_host/qt_host_impl.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include <filesystem>
#include <unistd.h>

namespace plat {
namespace {

constexpr int kConnectMs = 1000;
// Reading a board again may take a moment; a holder that has not answered by then is busy.
constexpr int kAnswerMs = 8000;
constexpr qint64 kLongestRequest = 16;

std::string canonicalOf(std::string_view path)
{
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::weakly_canonical(std::filesystem::path(path), ec);
    return ec ? std::string(path) : p.string();
}

QString serverNameOf(const std::string& canonical)
{
    const QByteArray digest = QCryptographicHash::hash(QByteArray::fromStdString(canonical), QCryptographicHash::Sha1);
    return QStringLiteral("quillmere-%1-%2").arg(::getuid()).arg(QString::fromLatin1(digest.toHex().left(24)));
}

const char* wordOf(DocumentOwnerAnswer answer)
{
    switch (answer) {
    case DocumentOwnerAnswer::NotOpen: return "notopen";
    case DocumentOwnerAnswer::Unchanged: return "unchanged";
    case DocumentOwnerAnswer::Unsaved: return "unsaved";
    case DocumentOwnerAnswer::Busy: return "busy";
    case DocumentOwnerAnswer::Reloaded: return "reloaded";
    case DocumentOwnerAnswer::Failed: return "failed";
    }
    return "failed";
}

DocumentOwnerAnswer answerOfWord(const QByteArray& word)
{
    for (const DocumentOwnerAnswer a : {DocumentOwnerAnswer::NotOpen, DocumentOwnerAnswer::Unchanged,
                                        DocumentOwnerAnswer::Unsaved, DocumentOwnerAnswer::Busy,
                                        DocumentOwnerAnswer::Reloaded, DocumentOwnerAnswer::Failed})
        if (word == wordOf(a))
            return a;
    // Something answered that is not one of ours: do not open a second window over it.
    return DocumentOwnerAnswer::Busy;
}

// Whether a live program listens under name.
bool someoneListens(const QString& name)
{
    QLocalSocket probe;
    probe.connectToServer(name);
    const bool live = probe.waitForConnected(kConnectMs / 4);
    probe.abort();
    return live;
}

}  // namespace

void QtUiHost::publishDocument(std::string_view path, DocumentOwnerHandler handler)
{
    const std::string key = canonicalOf(path);
    auto& held = impl_->heldDocuments;
    if (const auto it = held.find(key); it != held.end()) {
        if (handler) {
            it->second.handler = std::move(handler);
            return;
        }
        // Withdrawn while answering (a reload closes the document): the connection being
        // answered belongs to this server, so it goes only once control is back in the loop.
        if (auto* server = qobject_cast<QLocalServer*>(it->second.server.data())) {
            server->close();
            server->deleteLater();
        }
        held.erase(it);
        return;
    }
    if (!handler || !QCoreApplication::instance())
        return;
    const QString name = serverNameOf(key);
    // Another live program holds the file already: it stays the one that answers for it.
    if (someoneListens(name))
        return;
    QLocalServer::removeServer(name);
    auto* server = new QLocalServer(&impl_->timerOwner);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        delete server;
        return;
    }
    Impl* impl = impl_.get();
    QObject::connect(server, &QLocalServer::newConnection, server, [server, impl, key] {
        while (QLocalSocket* peer = server->nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            QObject::connect(peer, &QLocalSocket::readyRead, peer, [peer, impl, key] {
                if (!peer->canReadLine()) {
                    if (peer->bytesAvailable() > kLongestRequest)
                        peer->abort();
                    return;
                }
                const QByteArray line = peer->readLine(kLongestRequest).trimmed();
                const QPointer<QLocalSocket> alive(peer);
                DocumentOwnerAnswer answer = DocumentOwnerAnswer::Busy;
                const auto it = impl->heldDocuments.find(key);
                // A copy: answering may close the document, which withdraws this very entry.
                const DocumentOwnerHandler handler = it != impl->heldDocuments.end() ? it->second.handler : nullptr;
                if (!handler)
                    answer = DocumentOwnerAnswer::NotOpen;
                else if (line == "state")
                    answer = handler(DocumentOwnerRequest::State);
                else if (line == "reload")
                    answer = QApplication::activeModalWidget() ? DocumentOwnerAnswer::Busy
                                                               : handler(DocumentOwnerRequest::Reload);
                else
                    answer = DocumentOwnerAnswer::Failed;
                if (!alive)
                    return;
                peer->write(QByteArray(wordOf(answer)) + "\n");
                peer->flush();
                peer->disconnectFromServer();
            });
        }
    });
    held.emplace(key, Impl::HeldDocument{server, std::move(handler)});
}

DocumentOwnerAnswer QtUiHost::askDocumentOwner(std::string_view path, DocumentOwnerRequest request)
{
    const std::string key = canonicalOf(path);
    // This program's own documents answer here; they are not held by another.
    if (const auto it = impl_->heldDocuments.find(key); it != impl_->heldDocuments.end()) {
        const DocumentOwnerHandler handler = it->second.handler;
        return handler ? handler(request) : DocumentOwnerAnswer::NotOpen;
    }
    QLocalSocket socket;
    socket.connectToServer(serverNameOf(key));
    if (!socket.waitForConnected(kConnectMs))
        return DocumentOwnerAnswer::NotOpen;
    socket.write(request == DocumentOwnerRequest::Reload ? "reload\n" : "state\n");
    if (!socket.waitForBytesWritten(kConnectMs))
        return DocumentOwnerAnswer::Busy;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(kAnswerMs))
            return DocumentOwnerAnswer::Busy;
    return answerOfWord(socket.readLine(kLongestRequest).trimmed());
}

}  // namespace plat
