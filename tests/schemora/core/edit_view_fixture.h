#pragma once
// A running Schemora with one empty drawing, and helpers that drive its view with mouse and
// key messages at drawing coordinates.

#include "platform/app/frame_wnd.h"
#include "platform/app/program.h"
#include "platform/app/wnd.h"
#include "app_test_support.h"
#include "schemora/core/current_document.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/schemora_view.h"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

namespace schemora_test {

class EditView : public SchemoraAppTest {
protected:
    void SetUp() override;
    void TearDown() override;

    CSchemoraView* view() const;
    CSchemoraDoc* doc() const;
    DrawObject& object(int index) const { return doc()->data().objects[index]; }
    int count() const { return doc()->data().objectCount; }

    // The client pixel showing drawing point (x, y).
    plat::Point pixelOf(int x, int y) const;
    void move(int x, int y, unsigned flags = 0);
    void press(int x, int y, unsigned flags = 0);
    void release(int x, int y, unsigned flags = 0);
    // Press at a, moves in steps to b, release at b.
    void drag(int ax, int ay, int bx, int by, unsigned flags = 0);
    void click(int x, int y, unsigned flags = 0);
    // A line drawn with the line tool from (x1, y1) to (x2, y2).
    void drawLine(int x1, int y1, int x2, int y2);
    // A message offered to the view and then each window above it until one takes it, as the
    // message loop offers it; true when one took it.
    bool translate(plat::Msg msg);
    // A key as typed: the frame's accelerators first, then the view.
    bool key(unsigned vk, bool ctrl = false);
    bool character(char c);
    bool command(unsigned id);
    // Pixel colour of the view's backing image at drawing point (x, y).
    uint32_t pixelAt(int x, int y) const;
    std::string pane(int index) const;

    std::unique_ptr<plat::AppHarness> harness;
};

}  // namespace schemora_test
