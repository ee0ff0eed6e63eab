#pragma once
// Setting up the file dialog from a program's request; kept apart so that tests can check what
// the dialog lists without a person to answer it.

#include "platform/core/ui_host.h"
#include "platform/qt_host/file_filter.h"

#include <QFileDialog>
#include <QStringList>

namespace plat {

// The dialog filters in the programs' order, as the dialog lists them.
QStringList dialogNameFilters(const std::vector<FileFilter>& filters);

// Open or save mode, the filters with the requested one selected, the starting folder and
// name. The layer's own dialog is used (the desktop's would match patterns by case) and
// file names match the patterns whatever their case.
void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

}  // namespace plat
