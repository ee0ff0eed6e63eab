#pragma once
// The layer's text window, where the programs show their text outputs (netlists, reports,
// parts lists, simulator output): view, edit, find and save one file.

#include <QMainWindow>
#include <QString>

#include <string>

class QPlainTextEdit;

namespace plat {

class TextWindow : public QMainWindow {
public:
    explicit TextWindow(QString path);

    // The largest file the window shows: text outputs are far smaller, and the editor would
    // take many times the file's size to lay a larger one out.
    static constexpr qint64 kMaxFileBytes = qint64{64} << 20;

    // Reads the file into the window; false when it cannot be read (the window is unchanged),
    // and then whyNot, when given, says so when the file is too large or memory ran out (it
    // stays empty for a file that cannot be opened).
    bool load(std::string* whyNot = nullptr);
    bool isModified() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool save();
    void find(bool askForText);

    QString path_;
    QPlainTextEdit* edit_;
    QString findText_;
    bool latin1_ = false;   // the file was not UTF-8, so it is written back as it came
    bool crlf_ = false;     // the file ended its lines with CR LF
    bool bom_ = false;      // the file began with a UTF-8 byte-order mark
};

}  // namespace plat
