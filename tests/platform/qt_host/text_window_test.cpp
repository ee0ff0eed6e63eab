// The text window saves what it showed: a file saved unchanged comes back byte for byte,
// whatever spaces, separators, encoding and line ends it had; a file too large to show is refused.
#include "platform/qt_host/text_window.h"
#include "support/full_disk.h"
#include "support/menu_items.h"
#include "support/special_files.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

TEST(TextWindow, SavingAnUnchangedFileKeepsEveryByte)
{
    struct Case {
        const char* what;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"UTF-8 with no-break spaces and a line separator",
         "R1\xC2\xA0" "10k\nnote\xE2\x80\xA8" "second half\tend\n"},
        {"UTF-8 beginning with a byte-order mark", "\xEF\xBB\xBF" "NET IN\nNET OUT\n"},
        {"Latin-1 with a no-break space and an accent", "GND----\xA0\xB4\xB4\nR\xE9sistance\n"},
        {"CR LF line ends", "line one\xC2\xA0\r\nline two\r\n"},
        {"no line end at the end", "last line"},
    };
    quill_test::TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        folder.write("out.txt", c.bytes);
        plat::TextWindow window(QString::fromStdString(folder.file("out.txt")));
        ASSERT_TRUE(window.load());
        QAction* save = quill_test::menuBarItem(*window.menuBar(), QStringLiteral("&Save"));
        ASSERT_NE(save, nullptr);
        save->trigger();
        EXPECT_FALSE(window.isModified());
        const std::vector<unsigned char> saved = folder.read("out.txt");
        EXPECT_EQ(std::string(saved.begin(), saved.end()), c.bytes);
    }
}

TEST(TextWindow, AFileTooLargeToShowIsRefusedUnread)
{
    quill_test::TempFolder folder;
    folder.write("out.net", "NET1----r1-1\n");
    plat::TextWindow window(QString::fromStdString(folder.file("out.net")));
    ASSERT_TRUE(window.load());
    // The file grows past what the window shows (on no disk space): the window keeps its text.
    std::filesystem::resize_file(folder.path() / "out.net", plat::TextWindow::kMaxFileBytes + 1);
    std::string whyNot;
    EXPECT_FALSE(window.load(&whyNot));
    EXPECT_EQ(whyNot, folder.file("out.net") + " is too large to read (64 MB at most).");
    EXPECT_EQ(window.findChild<QPlainTextEdit*>()->toPlainText(), QStringLiteral("NET1----r1-1\n"));
    whyNot.clear();
    EXPECT_FALSE(plat::TextWindow(QString::fromStdString(folder.file("missing.net"))).load(&whyNot));
    EXPECT_TRUE(whyNot.empty()) << "a file that cannot be opened is the caller's to report";
}

// A pipe or a folder is refused at once by its kind, before the window shows anything of it.
TEST(TextWindow, APipeOrAFolderIsRefusedAtOnce)
{
    quill_test::TempFolder folder;
    for (const quill_test::NonFile& f : quill_test::placeNonFiles(folder.path() / "out.net", folder.path() / "out.txt")) {
        SCOPED_TRACE(f.kind);
        plat::TextWindow window(QString::fromStdString(f.path.string()));
        std::string whyNot;
        quill_test::withoutWaiting({f}, [&] { EXPECT_FALSE(window.load(&whyNot)); });
        EXPECT_EQ(whyNot, quill_test::notAFileMessage(f));
        EXPECT_TRUE(window.findChild<QPlainTextEdit*>()->toPlainText().isEmpty());
    }
}

// Saving on a full disk says why, by the file's name, keeps the older file and the changes in
// the window.
TEST(TextWindow, SavingOnAFullDiskKeepsTheOlderFileAndTheChanges)
{
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        disk.write("out.txt", "older text\n");
        plat::TextWindow window(QString::fromStdString(disk.file("out.txt")));
        ASSERT_TRUE(window.load());
        window.findChild<QPlainTextEdit*>()->insertPlainText(QStringLiteral("changed "));
        disk.fill();
        QString said;
        QTimer::singleShot(0, [&said] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                said = box->text();
                box->close();
            }
        });
        quill_test::menuBarItem(*window.menuBar(), QStringLiteral("&Save"))->trigger();
        EXPECT_EQ(said.toStdString(), "Cannot write " + disk.file("out.txt") + ": No space left on device");
        EXPECT_TRUE(window.isModified());
        EXPECT_EQ(disk.readText("out.txt"), "older text\n");
        EXPECT_EQ(disk.names(), std::vector<std::string>{"out.txt"});
    });
}

}  // namespace
