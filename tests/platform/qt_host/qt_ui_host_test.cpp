#include "platform/qt_host/qt_ui_host.h"
#include "platform/qt_host/text_window.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <filesystem>
#include <QPalette>
#include <QTimer>
#include <gtest/gtest.h>

namespace plat {
class Dialog {};   // the framework's dialogs; the host only passes them on
}  // namespace plat

namespace {

TEST(QtUiHost, InstallsItselfAndPutsBackThePreviousHost)
{
    plat::UiHost* before = plat::installedUiHost();
    {
        plat::QtUiHost host;
        EXPECT_EQ(plat::installedUiHost(), &host);
    }
    EXPECT_EQ(plat::installedUiHost(), before);
}

TEST(QtUiHost, DesktopColoursComeFromThePaletteAsBgr)
{
    plat::QtUiHost host;
    QPalette palette = QApplication::palette();
    const QPalette saved = palette;
    palette.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
    QApplication::setPalette(palette);
    EXPECT_EQ(host.sysColor(plat::kColorBtnFace), 0x563412u);
    EXPECT_EQ(host.sysColor(99), 0xC0C0C0u);   // unknown index: the classic face colour
    QApplication::setPalette(saved);
}

TEST(QtUiHost, ModalDialogsGoToTheFrameworksRunner)
{
    plat::QtUiHost host;
    plat::Dialog dialog;
    EXPECT_EQ(host.runModal(dialog), plat::kIdCancel);
    plat::Dialog* seen = nullptr;
    plat::QtUiHost::setModalRunner([&](plat::Dialog& d) {
        seen = &d;
        return plat::kIdOk;
    });
    EXPECT_EQ(host.runModal(dialog), plat::kIdOk);
    EXPECT_EQ(seen, &dialog);
    plat::QtUiHost::setModalRunner(nullptr);
}

TEST(QtUiHost, ExitBeforeTheLoopUnwindsWithTheCode)
{
    plat::QtUiHost host;
    try {
        host.exitProcess(1);
        FAIL() << "exitProcess returned";
    } catch (const plat::ProcessExit& e) {
        EXPECT_EQ(e.code, 1);
    }
    EXPECT_FALSE(host.exitRequested().has_value());
}

TEST(QtUiHost, ExitInsideTheLoopEndsTheLoopWithTheCode)
{
    plat::QtUiHost host;
    int caught = -1;
    // The framework catches the unwind where it called the program; the loop then ends.
    QTimer::singleShot(0, [&] {
        try {
            host.exitProcess(3);
        } catch (const plat::ProcessExit& e) {
            caught = e.code;
        }
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });   // never hang the tests
    EXPECT_EQ(QApplication::exec(), 3);
    EXPECT_EQ(caught, 3);
    EXPECT_EQ(host.exitRequested(), 3);
}

TEST(QtUiHost, StartsProgramsThatExistOnly)
{
    plat::QtUiHost host;
    EXPECT_TRUE(host.startProgram("true"));
    EXPECT_TRUE(host.startProgram("/bin/sh -c 'exit 0'"));
    EXPECT_FALSE(host.startProgram("quill-no-such-program x.net"));
    EXPECT_FALSE(host.startProgram("/nonexistent/place"));
    EXPECT_FALSE(host.startProgram("true \"unclosed"));
    EXPECT_FALSE(host.startProgram("   "));
}

TEST(QtUiHost, ProgramArgumentsReachTheProgramAsGiven)
{
    plat::QtUiHost host;
    quill_test::TempFolder folder;
    // Quotes, blanks, a semicolon and a dollar: one argument, never split or read by a shell.
    const std::string odd = folder.file("a \"b\" c;$HOME 'd'.net");
    folder.write(std::filesystem::path(odd).filename().string(), "x");
    EXPECT_EQ(host.runProgram("test", {"-f", odd}, 10000), 0);
    EXPECT_EQ(host.runProgram("test", {"-f", folder.file("a")}, 10000), 1);
    EXPECT_EQ(host.runProgram("/nonexistent/place", {odd}, 10000), -1);
    EXPECT_TRUE(host.startProgram("true", {odd}));
    EXPECT_FALSE(host.startProgram("quill-no-such-program", {}));
}

TEST(QtUiHost, SoundNeedsAPlayableWavFile)
{
    quill_test::TempFolder folder;
    // 8 kHz mono 8-bit, 80 samples of silence (10 ms).
    std::string wav = "RIFF";
    const auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            wav += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    put32(36 + 80);
    wav += "WAVEfmt ";
    put32(16);
    wav += std::string("\x01\x00\x01\x00", 4);
    put32(8000);
    put32(8000);
    wav += std::string("\x01\x00\x08\x00", 4);
    wav += "data";
    put32(80);
    wav += std::string(80, '\x80');
    folder.write("welcome.wav", wav);
    folder.write("broken.wav", wav.substr(0, 30));

    plat::QtUiHost host;
    EXPECT_TRUE(host.playSound(folder.file("welcome.wav")));
    EXPECT_FALSE(host.playSound(folder.file("broken.wav")));
    EXPECT_FALSE(host.playSound(folder.file("Maximum")));
}

int textWindowCount()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += dynamic_cast<plat::TextWindow*>(w) != nullptr && w->isVisible();
    return n;
}

TEST(QtUiHost, TextFilesOpenOneWindowEach)
{
    quill_test::TempFolder folder;
    folder.write("out.net", "U1 7400\r\n");
    folder.write("check.rpt", "ok\n");
    {
        plat::QtUiHost host;
        EXPECT_FALSE(host.showTextFile(folder.file("missing.net")));
        EXPECT_EQ(textWindowCount(), 0);
        EXPECT_TRUE(host.showTextFile(folder.file("out.net")));
        EXPECT_TRUE(host.showTextFile(folder.file("out.net")));
        EXPECT_EQ(textWindowCount(), 1);
        EXPECT_TRUE(host.showTextFile(folder.file("check.rpt")));
        EXPECT_EQ(textWindowCount(), 2);
    }
    EXPECT_EQ(textWindowCount(), 0);   // the host takes its windows with it
}

}  // namespace
