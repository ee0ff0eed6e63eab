#include "platform/qt_host/print_preview_window.h"

#include "platform/qt_host/qt_text.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace plat {
namespace {

constexpr double kZoomStep = 1.25;
constexpr double kMinScale = 0.1;
constexpr double kMaxScale = 4.0;

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(const PrintPreviewRequest& preview, QWidget* parent)
    : QDialog(parent), preview_(preview)
{
    setWindowTitle(messageToQString(preview.docName.empty() ? "Print Preview" : preview.docName + " - Print Preview"));
    auto* buttons = new QHBoxLayout;
    print_ = new QPushButton(QStringLiteral("&Print..."), this);
    next_ = new QPushButton(QStringLiteral("&Next Page"), this);
    previous_ = new QPushButton(QStringLiteral("Pre&v Page"), this);
    auto* zoomIn = new QPushButton(QStringLiteral("Zoom &In"), this);
    auto* zoomOut = new QPushButton(QStringLiteral("Zoom &Out"), this);
    close_ = new QPushButton(QStringLiteral("&Close"), this);
    for (QPushButton* b : {print_, next_, previous_, zoomIn, zoomOut, close_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    status_ = new QLabel(this);
    buttons->addStretch();
    buttons->addWidget(status_);

    page_ = new QLabel;
    page_->setAlignment(Qt::AlignCenter);
    auto* scroll = new QScrollArea(this);
    scroll->setBackgroundRole(QPalette::Dark);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setWidget(page_);
    scroll->setWidgetResizable(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(scroll, 1);

    connect(print_, &QPushButton::clicked, this, [this] {
        action_ = PreviewAction::Print;
        accept();
    });
    connect(close_, &QPushButton::clicked, this, [this] { reject(); });
    connect(next_, &QPushButton::clicked, this, [this] { showPage(index_ + 1); });
    connect(previous_, &QPushButton::clicked, this, [this] { showPage(index_ - 1); });
    connect(zoomIn, &QPushButton::clicked, this, [this] { zoom(kZoomStep); });
    connect(zoomOut, &QPushButton::clicked, this, [this] { zoom(1.0 / kZoomStep); });

    // Start with the whole sheet in view.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() * 3 / 4 : 800;
    const int paper = preview.pages.empty() ? 0 : preview.pages.front().paperHeight;
    if (paper > 0)
        scale_ = std::clamp(static_cast<double>(room) / paper, kMinScale, kMaxScale);
    resize(900, room + 80);
    refresh();
}

QImage PrintPreviewWindow::paperImage(const PreviewPage& page)
{
    QImage paper(std::max(page.paperWidth, 1), std::max(page.paperHeight, 1), QImage::Format_RGB32);
    paper.fill(Qt::white);
    const size_t needed = static_cast<size_t>(std::max(page.width, 0)) * static_cast<size_t>(std::max(page.height, 0));
    if (needed == 0 || page.pixels.size() < needed)
        return paper;
    const QImage area(reinterpret_cast<const uchar*>(page.pixels.data()), page.width, page.height,
                      static_cast<qsizetype>(page.width) * 4, QImage::Format_RGB32);
    QPainter painter(&paper);
    painter.drawImage(page.left, page.top, area);
    return paper;
}

void PrintPreviewWindow::showPage(int index)
{
    const int last = static_cast<int>(preview_.pages.size()) - 1;
    index_ = std::clamp(index, 0, std::max(last, 0));
    refresh();
}

void PrintPreviewWindow::zoom(double factor)
{
    scale_ = std::clamp(scale_ * factor, kMinScale, kMaxScale);
    refresh();
}

void PrintPreviewWindow::refresh()
{
    const int count = static_cast<int>(preview_.pages.size());
    next_->setEnabled(index_ + 1 < count);
    previous_->setEnabled(index_ > 0);
    if (count == 0)
        return;
    const PreviewPage& page = preview_.pages[static_cast<size_t>(index_)];
    status_->setText(QStringLiteral("Page %1 of %2").arg(index_ + 1).arg(count));
    const QImage paper = paperImage(page);
    const QSize shown(std::max(1, static_cast<int>(paper.width() * scale_)),
                      std::max(1, static_cast<int>(paper.height() * scale_)));
    page_->setPixmap(QPixmap::fromImage(paper.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

}  // namespace plat
