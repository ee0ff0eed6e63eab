// Drawn pictures on the real Qt face: toolbar buttons by command, greyed when disabled, image
// slots switched at run time, pointers with their hot spot, window icons, screen density.
#include "platform/app/program.h"
#include "platform/app/resources.h"
#include "platform/app/wnd_state.h"
#include "platform/core/test_ui_host.h"
#include "sample_app.h"
#include "support/temp_folder.h"

#include <QAction>
#include <QCursor>
#include <QIcon>
#include <QMainWindow>
#include <QToolBar>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace sample;

constexpr std::string_view kRed = R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16"><rect x="2" y="2" width="12" height="12" fill="#ff0000"/></svg>)";
constexpr std::string_view kGreen = R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16"><circle cx="8" cy="8" r="6" fill="#00ff00"/></svg>)";
constexpr std::string_view kBlue = R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16"><path d="M1 15L8 1l7 14z" fill="#0000ff"/></svg>)";
constexpr std::string_view kCross = R"(<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32"><path d="M16 0v32M0 16h32" stroke="#000" stroke-width="2"/></svg>)";

// The sample program's resources with pictures for three of its toolbar commands, a cursor
// and an icon that share one id, and a window icon.
void registerPictures()
{
    registerSampleResources();
    plat::ResourceSet set = plat::registeredResources();
    set.commandImages = {{plat::kIdFileNew, kRed}, {plat::kIdFileOpen, kGreen}, {kCmdUnhandled, kBlue}};
    using Kind = plat::ImageResource::Kind;
    set.images.push_back({.id = 189, .kind = Kind::Icon, .svg = kRed});
    set.images.push_back({.id = 189, .kind = Kind::Cursor, .width = 32, .height = 32, .hotX = 16, .hotY = 16, .svg = kCross});
    set.images.push_back({.id = 128, .kind = Kind::Icon, .width = 32, .height = 32, .svg = kGreen});
    plat::registerResources(std::move(set));
}

QRgb middle(const QIcon& icon, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(16, 16), 1.0, mode).toImage().pixel(8, 8);
}

class DrawnImages : public ::testing::Test {
protected:
    void SetUp() override { registerPictures(); }
    void TearDown() override { registerSampleResources(); }
    plat::TestUiHost host;
};

TEST_F(DrawnImages, RenderAtTheAskedSizeAndDensity)
{
    struct Case { double ratio; int pixels; };
    for (const Case c : {Case{1.0, 16}, Case{2.0, 32}, Case{1.5, 24}}) {
        SCOPED_TRACE(c.ratio);
        const QPixmap pixmap = plat::renderDrawnImage(kRed, 16, 16, c.ratio);
        EXPECT_EQ(pixmap.size(), QSize(c.pixels, c.pixels));
        EXPECT_EQ(pixmap.devicePixelRatio(), c.ratio);
        EXPECT_EQ(pixmap.toImage().pixel(c.pixels / 2, c.pixels / 2), qRgb(255, 0, 0));
        EXPECT_EQ(qAlpha(pixmap.toImage().pixel(0, 0)), 0) << "outside the drawing stays clear";
    }
    for (std::string_view bad : {std::string_view(), std::string_view("<svg"), std::string_view("not a picture")}) {
        SCOPED_TRACE(std::string(bad));
        EXPECT_TRUE(plat::renderDrawnImage(bad, 16, 16, 1.0).isNull());
    }
    EXPECT_TRUE(plat::renderDrawnImage(kRed, 0, 16, 1.0).isNull());
}

TEST_F(DrawnImages, ToolbarButtonsShowTheirCommandsPicturesAndGreyWhenDisabled)
{
    plat::AppHarness harness([] { return std::make_unique<SampleApp>(); });
    ASSERT_TRUE(harness.start());
    harness.idle();
    auto* window = qobject_cast<QMainWindow*>(harness.appAs<SampleApp>().mainFrame()->state()->widget.data());
    ASSERT_NE(window, nullptr);
    // The sample's bar: New, Open, a separator, View only, Nothing.
    auto* qbar = window->findChild<QToolBar*>();
    ASSERT_NE(qbar, nullptr);
    ASSERT_EQ(qbar->actions().size(), 5);
    EXPECT_EQ(middle(qbar->actions()[0]->icon()), qRgb(255, 0, 0));
    EXPECT_EQ(middle(qbar->actions()[1]->icon()), qRgb(0, 255, 0));
    // The bar's 16 x 15 pictures come at full scale, sharp on a double-density screen too.
    EXPECT_EQ(qbar->actions()[0]->icon().pixmap(QSize(16, 15), 2.0).size(), QSize(32, 30));
    EXPECT_EQ(qbar->actions()[0]->icon().pixmap(QSize(16, 15), 1.0).toImage().pixel(2, 2), qRgb(255, 0, 0));

    // A disabled button's picture is greyed.
    plat::ToolBar& bar = harness.appAs<SampleApp>().mainFrame()->toolBar;
    bar.EnableButton(kCmdUnhandled, false);
    QAction* unhandled = qbar->actions().back();
    EXPECT_FALSE(unhandled->isEnabled());
    EXPECT_EQ(middle(unhandled->icon()), qRgb(0, 0, 255));
    const QRgb disabled = middle(unhandled->icon(), QIcon::Disabled);
    EXPECT_LT(std::abs(qRed(disabled) - qBlue(disabled)), 40) << "greyed, not blue";

    // The button shows the picture of the slot it is given.
    ASSERT_TRUE(bar.ChangeBitmap(plat::kIdFileOpen, bar.button(bar.CommandToIndex(plat::kIdFileNew)).image));
    EXPECT_EQ(middle(qbar->actions()[1]->icon()), qRgb(255, 0, 0));
    EXPECT_EQ(bar.imageCommand(-1), 0u);
    EXPECT_EQ(bar.imageCommand(99), 0u);
}

// A desktop icon theme that has the standard action's image wins over our drawing; commands
// the theme does not know keep ours.
TEST_F(DrawnImages, StandardActionsTakeTheThemesImage)
{
    plat::ResourceSet set = plat::registeredResources();
    set.commandImages = {{plat::kIdFileNew, kRed, "document-new"}, {plat::kIdFileOpen, kGreen, "document-open"}};
    plat::registerResources(std::move(set));
    quill_test::TempFolder themes;
    themes.write("quilltest/index.theme",
                 "[Icon Theme]\nName=quilltest\nDirectories=16x16/actions\n\n[16x16/actions]\nSize=16\nType=Fixed\n");
    QImage blue(16, 16, QImage::Format_ARGB32);
    blue.fill(qRgb(0, 0, 255));
    std::filesystem::create_directories(themes.path() / "quilltest" / "16x16" / "actions");
    ASSERT_TRUE(blue.save(QString::fromStdString((themes.path() / "quilltest/16x16/actions/document-new.png").string())));
    const QStringList searchPaths = QIcon::themeSearchPaths();
    const QString themeName = QIcon::themeName();
    QIcon::setThemeSearchPaths({QString::fromStdString(themes.path().string())});
    QIcon::setThemeName(QStringLiteral("quilltest"));

    EXPECT_EQ(middle(plat::commandIcon(plat::kIdFileNew, 16, 16)), qRgb(0, 0, 255));
    EXPECT_EQ(middle(plat::commandIcon(plat::kIdFileOpen, 16, 16)), qRgb(0, 255, 0));
    EXPECT_TRUE(plat::commandIcon(kCmdViewOnly, 16, 16).isNull()) << "a command without a picture";

    QIcon::setThemeName(themeName);
    QIcon::setThemeSearchPaths(searchPaths);
}

TEST_F(DrawnImages, ACursorAndAnIconMayShareAnId)
{
    ASSERT_NE(plat::findImage(189, plat::ImageResource::Kind::Cursor), nullptr);
    EXPECT_EQ(plat::findImage(189)->kind, plat::ImageResource::Kind::Icon);
    EXPECT_EQ(plat::findImage(190, plat::ImageResource::Kind::Cursor), nullptr);
    const QCursor cursor = plat::cursorToQt(189);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(16, 16));
    EXPECT_EQ(cursor.pixmap().toImage().pixel(16, 4), qRgb(0, 0, 0));
}

TEST_F(DrawnImages, TheWindowIconComesInTheSizesATaskbarAsksFor)
{
    const QIcon icon = plat::iconToQt(128);
    for (int size : {16, 32, 64, 128}) {
        SCOPED_TRACE(size);
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(image.pixel(size / 2, size / 2), qRgb(0, 255, 0));
    }
}

}  // namespace
