#include "platform/qt_host/file_filter.h"
#include "platform/qt_host/qt_file_dialog.h"
#include "support/temp_folder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileSystemModel>
#include <QListView>
#include <QSortFilterProxyModel>
#include <gtest/gtest.h>

namespace {

using plat::FileFilter;

TEST(FileFilter, ParsesNamePatternPairs)
{
    const struct {
        const char* filter;
        std::vector<FileFilter> expected;
    } cases[] = {
        {"Schemora (*.PIC)|*.pic|Netlist (*.NET)|*.net|",
         {{"Schemora (*.PIC)", "*.pic"}, {"Netlist (*.NET)", "*.net"}}},
        {"Part Description Files (*.LIB)|*.lib|All Files (*.*)|*.*|",
         {{"Part Description Files (*.LIB)", "*.lib"}, {"All Files (*.*)", "*.*"}}},
        {"Netlist (*.NET)|*.net", {{"Netlist (*.NET)", "*.net"}}},        // no trailing '|'
        {"Drawings|*.pic;*.sch|", {{"Drawings", "*.pic;*.sch"}}},
        {"Schemora (*.PIC)|*.pic|Dangling", {{"Schemora (*.PIC)", "*.pic"}}},  // name without pattern
        {"Schemora (*.PIC)|*.pic||*.net|", {{"Schemora (*.PIC)", "*.pic"}}},   // empty name ends it
        {"Name||", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(plat::parseFileFilter(c.filter), c.expected);
    }
}

TEST(FileFilter, DialogFormKeepsNamesThatShowTheirPatterns)
{
    EXPECT_EQ(plat::dialogNameFilter({"Schemora (*.PIC)", "*.pic"}), "Schemora (*.PIC)");
    EXPECT_EQ(plat::dialogNameFilter({"Check(*.RPT)", "*.rpt"}), "Check(*.RPT)");
    EXPECT_EQ(plat::dialogNameFilter({"Drawings", "*.pic;*.sch"}), "Drawings (*.pic *.sch)");
    EXPECT_EQ(plat::dialogNameFilter({"Old (*.PIC)", "*.old"}), "Old (*.PIC) (*.old)");
}

// Names the dialog lists in its folder once the folder has been read, comma-separated.
std::string listedNames(QFileDialog& dialog, int expectedCount)
{
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    if (!view)
        return "no list view";
    QStringList names;
    const QDeadlineTimer deadline(2000);
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        names.clear();
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(root); ++row)
            names.push_back(view->model()->index(row, 0, root).data().toString());
    } while (names.size() != expectedCount && !deadline.hasExpired());
    names.sort();
    return names.join(QLatin1Char(',')).toStdString();
}

TEST(FileDialogSetup, ListsFilesOfTheChosenFilterInAnyCase)
{
    quill_test::TempFolder folder;
    for (const char* name : {"X.PIC", "y.pic", "z.net"})
        folder.write(name, "data");

    plat::FileDialogRequest request;
    request.open = false;
    request.filter = "Schemora (*.PIC)|*.pic|Netlist (*.NET)|*.net|Schemora V4.0 (*.PIC)|*.pic|";
    request.filterIndex = 3;
    request.initialFolder = folder.path().string();
    request.defaultName = "Untitled";

    QFileDialog dialog;
    plat::configureFileDialog(dialog, request);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.nameFilters(),
              (QStringList{"Schemora (*.PIC)", "Netlist (*.NET)", "Schemora V4.0 (*.PIC)"}));
    EXPECT_EQ(dialog.selectedNameFilter(), QStringLiteral("Schemora V4.0 (*.PIC)"));
    EXPECT_TRUE(dialog.defaultSuffix().isEmpty());
    EXPECT_EQ(listedNames(dialog, 2), "X.PIC,y.pic");

    dialog.selectNameFilter(QStringLiteral("Netlist (*.NET)"));
    EXPECT_EQ(listedNames(dialog, 1), "z.net");
}

}  // namespace
