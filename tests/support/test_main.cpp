// Test programs run with a Qt application object on the offscreen platform, so raster
// painting, fonts and real widgets work without a display, and with the "C" number locale the
// programs themselves run with.
#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("QUILL_PROGRAM_DIR", QUILL_BUILD_PROGRAM_DIR, 0);
    // The registry store and other per-user files go to a folder of this run, never to the
    // user's own configuration.
    std::string config = (std::filesystem::temp_directory_path() / "quillcfg.XXXXXX").string();
    if (::mkdtemp(config.data()))
        ::setenv("QUILL_CONFIG_HOME", config.c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int result = RUN_ALL_TESTS();
    std::error_code ec;
    std::filesystem::remove_all(config, ec);
    return result;
}
