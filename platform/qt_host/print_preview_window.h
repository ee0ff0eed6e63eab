#pragma once
// The print preview window: the rendered pages one at a time on grey, each drawn as a white
// sheet of paper with its printable area placed on it, with page navigation, zoom, Print and
// Close. Modal; its answer says whether the person asked to print.

#include "platform/core/ui_host.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;

namespace plat {

class PrintPreviewWindow : public QDialog {
public:
    PrintPreviewWindow(const PrintPreviewRequest& preview, QWidget* parent = nullptr);

    PreviewAction action() const { return action_; }
    int pageIndex() const { return index_; }
    void showPage(int index);      // clamped to the pages there are
    void zoom(double factor);

    // The paper of one page with the printable area drawn on it, at the preview's resolution.
    static QImage paperImage(const PreviewPage& page);

    QPushButton* printButton() const { return print_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* closeButton() const { return close_; }

private:
    void refresh();

    const PrintPreviewRequest& preview_;
    PreviewAction action_ = PreviewAction::Close;
    int index_ = 0;
    double scale_ = 1.0;
    QLabel* page_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace plat
