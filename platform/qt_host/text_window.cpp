#include "platform/qt_host/text_window.h"

#include "platform/core/archive.h"
#include "platform/core/atomic_file.h"
#include "platform/core/input_file.h"
#include "platform/qt_host/qt_text.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStringDecoder>

#include <new>

namespace plat {

TextWindow::TextWindow(QString path) : path_(std::move(path)), edit_(new QPlainTextEdit(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QFileInfo(path_).fileName() + QStringLiteral(" - Text"));
    edit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    setCentralWidget(edit_);
    resize(720, 540);

    const auto addItem = [this](QMenu* menu, const QString& text, QKeySequence::StandardKey key, auto handler) {
        QAction* action = menu->addAction(text);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addItem(file, QStringLiteral("&Save"), QKeySequence::Save, [this] { save(); });
    file->addSeparator();
    addItem(file, QStringLiteral("&Close"), QKeySequence::Close, [this] { close(); });
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    addItem(edit, QStringLiteral("&Find..."), QKeySequence::Find, [this] { find(true); });
    addItem(edit, QStringLiteral("Find &Next"), QKeySequence::FindNext, [this] { find(false); });
}

bool TextWindow::load(std::string* whyNot)
{
    const std::string path = pathFromQString(path_);
    const auto refuse = [&](LoadFailure failure) {
        if (whyNot)
            *whyNot = readFailureText(path, failure, static_cast<std::uintmax_t>(kMaxFileBytes), "");
        return false;
    };
    InputFile file = InputFile::open(path);
    if (file.failure() == InputFile::Failure::NotAFile)
        return refuse(LoadFailure::NotAFile);
    if (!file)
        return false;
    if (file.size() > static_cast<std::uintmax_t>(kMaxFileBytes))
        return refuse(LoadFailure::TooLarge);
    try {
        const std::optional<std::string> read = file.readUpTo(static_cast<size_t>(kMaxFileBytes) + 1);
        if (!read)
            return false;
        if (read->size() > static_cast<size_t>(kMaxFileBytes))
            return refuse(LoadFailure::TooLarge);
        QByteArray bytes(read->data(), static_cast<qsizetype>(read->size()));
        const bool bom = bytes.startsWith("\xEF\xBB\xBF");
        const bool crlf = bytes.contains("\r\n");
        bytes.replace("\r\n", "\n");
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(bytes);
        const bool latin1 = utf8.hasError();
        if (latin1)
            text = QString::fromLatin1(bytes);
        edit_->setPlainText(text);
        bom_ = bom;
        crlf_ = crlf;
        latin1_ = latin1;
    } catch (const std::bad_alloc&) {
        return refuse(LoadFailure::OutOfMemory);
    }
    edit_->document()->setModified(false);
    return true;
}

bool TextWindow::isModified() const { return edit_->document()->isModified(); }

bool TextWindow::save()
{
    // The plain-text form would turn no-break spaces into spaces and line separators into line
    // ends; the raw text keeps every character, its blocks ending in paragraph separators.
    QString text = edit_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    QByteArray bytes = latin1_ ? text.toLatin1() : text.toUtf8();
    if (bom_ && !latin1_)
        bytes.prepend("\xEF\xBB\xBF");
    if (crlf_)
        bytes.replace("\n", "\r\n");
    const WriteResult written =
        writeFileAtomically(pathFromQString(path_), bytes.constData(), static_cast<size_t>(bytes.size()));
    if (!written) {
        QMessageBox::warning(this, windowTitle(), messageToQString(written.message()));
        return false;
    }
    edit_->document()->setModified(false);
    return true;
}

void TextWindow::find(bool askForText)
{
    if (askForText || findText_.isEmpty()) {
        bool ok = false;
        const QString text = QInputDialog::getText(this, QStringLiteral("Find"), QStringLiteral("Find what:"),
                                                   QLineEdit::Normal, findText_, &ok);
        if (!ok || text.isEmpty())
            return;
        findText_ = text;
    }
    if (edit_->find(findText_))
        return;
    // Wrap around once from the top before giving up.
    const QTextCursor where = edit_->textCursor();
    edit_->moveCursor(QTextCursor::Start);
    if (!edit_->find(findText_)) {
        edit_->setTextCursor(where);
        QMessageBox::information(this, QStringLiteral("Find"), QStringLiteral("Cannot find \"%1\"").arg(findText_));
    }
}

void TextWindow::closeEvent(QCloseEvent* event)
{
    if (isModified()) {
        const auto answer = QMessageBox::question(
            this, windowTitle(), QStringLiteral("Save changes to %1?").arg(QFileInfo(path_).fileName()),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !save())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

}  // namespace plat
