#include "setlander/install_info.h"

#include "platform/core/test_ui_host.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

std::string text(int op, int index = 0)
{
    std::string buffer;
    GetInstallInfo(op, index, buffer);
    return buffer;
}

TEST(InstallInf, SectionsAndKeysInAnyCaseWithCommentsAndAnyLineEnds)
{
    for (const char* end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(end == std::string("\n") ? "LF" : end == std::string("\r") ? "CR" : "CR LF");
        const std::string e = end;
        ParseInstallInf("; the suite" + e + "[application]" + e + "  appname = My Suite  " + e + "\tDEFDIR=/opt/suite" + e +
                        "SpaceNeeded=12kb" + e + "DefPMGroup= Group One , Menu Folder " + e + "   ; a comment" + e +
                        "[DIRS]" + e + "1=" + e + "2=SOUNDS" + e + "[Files]" + e + "Program, prog ,1,1,y" + e +
                        "Sounds,a.wav,2,1,N" + e + "[pm info]" + e + "prog,Program" + e + "prog,Other,icon.svg,3" + e);
        std::string folder0;
        EXPECT_EQ(text(1), "My Suite");
        EXPECT_EQ(text(2), "/opt/suite");
        EXPECT_EQ(GetInstallInfo(3, 0, folder0), 12) << "digits up to the first other character";
        EXPECT_EQ(text(17), "Menu Folder");
        EXPECT_EQ(text(18), "Group One");
        EXPECT_EQ(GetInstallInfo(7, 0, folder0), 2);
        EXPECT_EQ(text(8, 1), "SOUNDS");
        ASSERT_EQ(g_installInfo.files.size(), 2u);
        EXPECT_EQ(text(12, 0), "prog");
        EXPECT_EQ(g_installInfo.files[0].archive, 1);
        EXPECT_EQ(g_installInfo.files[1].archive, 0);
        std::string folder;
        EXPECT_EQ(GetInstallInfo(13, 1, folder), 2);
        EXPECT_EQ(folder, "SOUNDS");
        std::string icon;
        EXPECT_EQ(GetInstallInfo(22, 0, icon), 0) << "no icon: the file itself, index 0, folder entry 0";
        EXPECT_EQ(icon, "prog");
        EXPECT_EQ(GetInstallInfo(22, 1, icon), (3 << 16) | 0xFFFF) << "an icon file the media does not list";
        EXPECT_EQ(icon, "icon.svg");
        EXPECT_TRUE(g_installInfo.problems.empty());
    }
}

TEST(InstallInf, EndStopsTheParseAndMissingFieldsAreEmpty)
{
    ParseInstallInf("[Files]\nOnly a description\nDesc,name\n[End]\nAfter,end,1,1,Y\n");
    ASSERT_EQ(g_installInfo.files.size(), 2u);
    EXPECT_EQ(g_installInfo.files[0].fileName, "");
    EXPECT_EQ(g_installInfo.files[1].fileName, "name");
    EXPECT_EQ(g_installInfo.files[1].folderNumber, 0);

    ParseInstallInf("[Other]\nAppName=not read\n[Application]\nAppName=read");
    EXPECT_EQ(text(1), "read") << "lines of unknown sections are skipped; no [End] reads to the end";
}

TEST(InstallInf, UnknownFolderNumbersAndLookups)
{
    ParseInstallInf("[Dirs]\n1=a\n1=b\n[Files]\nX,x.txt,7,1,N\nY,y.txt,1,1,N\n");
    std::string folder = "stale";
    EXPECT_EQ(GetInstallInfo(13, 0, folder), 7);
    EXPECT_EQ(folder, "") << "a folder number without a [Dirs] entry gives no path";
    EXPECT_EQ(GetInstallInfo(9, 7, folder), -1);
    EXPECT_EQ(GetInstallInfo(9, 1, folder), 1) << "the last entry with the number";
    std::string name = "Y.TXT";
    EXPECT_EQ(GetInstallInfo(16, 0, name), 1);
    name = "none";
    EXPECT_EQ(GetInstallInfo(16, 0, name), -1);
    EXPECT_EQ(GetInstallInfo(99, 0, name), 0);
    EXPECT_EQ(GetInstallInfo(12, 5, name), 0) << "an index past the table reads nothing";
}

TEST(InstallInf, ValuesAndEntriesBeyondTheirCapacitiesAreCutAndReported)
{
    std::string inf = "[Application]\nDefDir=/" + std::string(80, 'd') + "\nAppName=" + std::string(50, 'a') + "\n[Files]\n";
    for (int i = 0; i < 205; ++i)
        inf += "F,f" + std::to_string(i) + ",1,1,N\n";
    ParseInstallInf(inf);
    EXPECT_EQ(text(2).size(), kDefDirSize - 1);
    EXPECT_EQ(text(1).size(), kAppNameSize - 1);
    EXPECT_EQ(g_installInfo.files.size(), kMaxFiles);
    EXPECT_TRUE(g_installInfo.entriesLeftOut);
    ASSERT_EQ(g_installInfo.problems.size(), 3u);
    EXPECT_NE(g_installInfo.problems[0].find("DefDir"), std::string::npos);
    EXPECT_NE(g_installInfo.problems[2].find("[Files]"), std::string::npos);

    EXPECT_EQ(ParseDecimal("65536"), 0) << "sixteen bits wrap";
    EXPECT_EQ(ParseDecimal("x12"), 0);
}

TEST(InstallInf, LoadingReadsTheWholeFileAndRefusesOneTooLargeToRead)
{
    plat::TestUiHost host;
    quill_test::TempFolder folder;
    // A long comment no longer pushes the entries after it out of reach.
    std::string inf = "[Application]\nAppName=first\n;" + std::string(20000, 'x') + "\n[Files]\n";
    for (int i = 0; i < 150; ++i)
        inf += "Description " + std::to_string(i) + ",file" + std::to_string(i) + ".txt,1,1,N\n";
    folder.write("INSTALL.INF", inf);
    std::string path = folder.file("install.inf");
    EXPECT_EQ(GetInstallInfo(0, 0, path), 0) << "found regardless of case";
    EXPECT_EQ(text(1), "first");
    EXPECT_EQ(g_installInfo.files.size(), 150u);
    EXPECT_EQ(text(12, 149), "file149.txt");
    EXPECT_TRUE(g_installInfo.problems.empty());
    EXPECT_FALSE(g_installInfo.entriesLeftOut);
    EXPECT_EQ(host.events(), (std::vector<std::string>{"wait cursor shown", "wait cursor ended"}))
        << "the wait cursor while the file is parsed";

    folder.write("INSTALL.INF", "[Application]\nAppName=big\n;" + std::string(kInstallInfMaxSize, 'x'));
    EXPECT_EQ(GetInstallInfo(0, 0, path), 0);
    EXPECT_TRUE(g_installInfo.entriesLeftOut);
    EXPECT_EQ(text(1), "") << "nothing of a file that was not read whole";
    EXPECT_NE(g_installInfo.refusal, "");

    // A NUL byte would end the text early for a string reader: the whole file is refused, and
    // the problem names the line, counted with every kind of line end.
    for (const char* end : {"\n", "\r\n", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(end)));
        std::string withNul = std::string("[Application]") + end + "AppName=x" + end + "[Files]" + end +
                              "A,a.txt,1,1,N" + end + "B,b.txt,1,1,N";
        withNul += '\0';
        withNul += std::string(end) + "C,c.txt,1,1,N" + end;
        folder.write("INSTALL.INF", withNul);
        path = folder.file("install.inf");
        EXPECT_EQ(GetInstallInfo(0, 0, path), 0);
        EXPECT_TRUE(g_installInfo.entriesLeftOut);
        EXPECT_TRUE(g_installInfo.files.empty());
        EXPECT_EQ(g_installInfo.refusal, "line 5 holds a NUL byte; the file was not read");
        EXPECT_TRUE(g_installInfo.problems.empty());
    }

    path = folder.file("missing.inf");
    EXPECT_EQ(GetInstallInfo(0, 0, path), 2);
}

}  // namespace
