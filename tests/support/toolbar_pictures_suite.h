#pragma once
// The toolbar checks both programs make of their running main window: every button shows its own
// drawn picture, every command picture of the resources is its own, the shipped icon is the
// window's, and the tooltips name the tool and its key. Each program instantiates the suite with
// a description of itself:
//   using Fixture = ...;           its program fixture (a quill_test::ProgramTest)
//   kIni                           the settings file the program starts with
//   kShippedIcon                   the desktop entries' icon file
//   showEveryButton()              puts every button of its bars on them before they are looked at
//   kTooltips                      the tooltips its bars show, as worded
//   kPointers                      its drawn pointers; the first two differ
//   kStatusIcons                   its drawn status-pane icons
//   kAnimation                     the two steps of its status animation

#include "platform/app/program.h"
#include "platform/app/wnd_state.h"
#include "support/toolbar_looks.h"

#include <QMainWindow>

#include <gtest/gtest.h>

namespace quill_test {

// The running program's main window as Qt shows it.
inline QMainWindow* shownMainWindow()
{
    return qobject_cast<QMainWindow*>(plat::GetMainWnd()->state()->widget.data());
}

template <class Program> class ToolbarPictures : public Program::Fixture {};

TYPED_TEST_SUITE_P(ToolbarPictures);

TYPED_TEST_P(ToolbarPictures, EveryButtonShowsItsOwnDrawnPicture)
{
    this->writeIni(TypeParam::kIni);
    auto harness = this->start();
    ASSERT_TRUE(harness.start());
    TypeParam::showEveryButton();
    harness.idle();
    ASSERT_NE(shownMainWindow(), nullptr);
    expectDistinctDrawnButtons(shownMainWindow());
}

TYPED_TEST_P(ToolbarPictures, EveryCommandPictureOfTheResourcesIsItsOwn)
{
    expectDistinctCommandPictures();
}

TYPED_TEST_P(ToolbarPictures, TheDesktopEntriesShowTheWindowIcon)
{
    expectShippedIconIsTheWindowIcon(TypeParam::kShippedIcon);
}

TYPED_TEST_P(ToolbarPictures, ToolTipsNameTheToolAndItsKey)
{
    this->writeIni(TypeParam::kIni);
    auto harness = this->start();
    ASSERT_TRUE(harness.start());
    harness.idle();
    ASSERT_NE(shownMainWindow(), nullptr);
    expectTooltipsShown(shownMainWindow(), TypeParam::kTooltips);
}

TYPED_TEST_P(ToolbarPictures, PointersStatusIconsAndWindowIconAreDrawn)
{
    auto harness = this->startWithoutTips();
    ASSERT_TRUE(harness.start());
    expectDrawnPointers(TypeParam::kPointers);
    EXPECT_NE(plat::cursorToQt(TypeParam::kPointers[0]).pixmap().toImage(),
              plat::cursorToQt(TypeParam::kPointers[1]).pixmap().toImage());
    expectDrawnIcons(shownMainWindow(), TypeParam::kStatusIcons);
    const auto [first, second] = TypeParam::kAnimation;
    EXPECT_NE(plat::imagePixmap(first, 16, 16).toImage(), plat::imagePixmap(second, 16, 16).toImage())
        << "the two steps of the status animation differ";
}

REGISTER_TYPED_TEST_SUITE_P(ToolbarPictures, EveryButtonShowsItsOwnDrawnPicture, EveryCommandPictureOfTheResourcesIsItsOwn,
                            TheDesktopEntriesShowTheWindowIcon, ToolTipsNameTheToolAndItsKey,
                            PointersStatusIconsAndWindowIconAreDrawn);

}  // namespace quill_test
