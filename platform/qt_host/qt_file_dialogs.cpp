// The common dialogs: open and save, font, folder.
#include "platform/qt_host/font_faces.h"
#include "platform/qt_host/qt_file_dialog.h"
#include "platform/qt_host/qt_host_impl.h"
#include "platform/qt_host/qt_text.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace plat {
namespace {

// Font heights are pixels at the 96 dots per inch the programs assume; the font chooser
// speaks points.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

}  // namespace

QStringList dialogNameFilters(const std::vector<FileFilter>& filters)
{
    QStringList names;
    for (const FileFilter& f : filters)
        names.push_back(messageToQString(dialogNameFilter(f)));
    return names;
}

void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(request.open ? QStringLiteral("Open") : QStringLiteral("Save As"));
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    // A typed name need not exist when opening: the programs resolve it themselves (in any
    // case) and report a file they cannot open.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);

    const QStringList names = dialogNameFilters(parseFileFilter(request.filter));
    if (!names.isEmpty()) {
        dialog.setNameFilters(names);
        const int index = std::clamp(request.filterIndex, 1, static_cast<int>(names.size()));
        dialog.selectNameFilter(names[index - 1]);
    }
    dialog.setDirectory(request.initialFolder.empty() ? QDir::currentPath()
                                                      : pathToQString(request.initialFolder));
    if (!request.defaultName.empty())
        dialog.selectFile(pathToQString(request.defaultName));
}

FileDialogResult QtUiHost::fileDialog(const FileDialogRequest& request)
{
    QFileDialog dialog(dialogParent());
    configureFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};

    const QFileInfo chosen(dialog.selectedFiles().front());
    FileDialogResult result;
    result.path = pathFromQString(chosen.absoluteFilePath());
    const qsizetype index = dialogNameFilters(parseFileFilter(request.filter)).indexOf(dialog.selectedNameFilter());
    result.filterIndex = index >= 0 ? static_cast<int>(index) + 1 : request.filterIndex;
    // Outputs the programs write without a folder land beside the file last chosen.
    QDir::setCurrent(chosen.absolutePath());
    return result;
}

std::optional<FontChoice> QtUiHost::fontDialog(const FontChoice& initial)
{
    QFont font(QString::fromStdString(std::string(familyForFace(initial.face))));
    if (initial.height != 0)
        font.setPointSizeF(std::abs(initial.height) / kPixelsPerPoint);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(initial.weight, 1, 1000)));
    font.setItalic(initial.italic);

    QFontDialog dialog(font, dialogParent());
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;

    const QFont chosen = dialog.selectedFont();
    FontChoice result;
    result.face = faceForFamily(chosen.family().toStdString(), initial.face);
    const int pixels = chosen.pixelSize() > 0 ? chosen.pixelSize()
                                              : static_cast<int>(std::lround(chosen.pointSizeF() * kPixelsPerPoint));
    result.height = -pixels;
    result.weight = chosen.weight();
    result.italic = chosen.italic();
    result.pitchAndFamily = pitchAndFamilyOf(chosen.family().toStdString(), QFontInfo(chosen).fixedPitch());
    result.charSet = charSetOf(result.face);
    return result;
}

std::optional<std::string> QtUiHost::folderDialog(std::string_view title, std::string_view start)
{
    const QString folder = QFileDialog::getExistingDirectory(
        dialogParent(), messageToQString(title), pathToQString(start),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty())
        return std::nullopt;
    return pathFromQString(folder);
}

}  // namespace plat
