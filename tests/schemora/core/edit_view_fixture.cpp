#include "edit_view_fixture.h"

#include "platform/app/control_bars.h"
#include "platform/app/keys.h"
#include "platform/app/win_constants.h"
#include "platform/system/files.h"
#include "platform/system/registry.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/open_documents.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/undo_ring.h"

#include "support/default_stores.h"

namespace schemora_test {

void EditView::SetUp()
{
    SchemoraAppTest::SetUp();
    writeIni("DoTips=0\nAutoDots=0\nrulers=0\nborder=0\n");
    quill_test::resetToDefaults(g_cursor, g_mouseEdit, g_selection);
    g_editState.CurrentTool = 0;
    g_editState.selectionCount = 0;
    g_cursorMark.visible = false;
    ClearUndoRing();
    harness = startHeld();
    ASSERT_TRUE(harness->start());
    harness->idle();
    ASSERT_NE(view(), nullptr);
    view()->LoadCurrentDocument();
    g_sheetView.layerFilter = 4;
    g_sheetView.currentSheet = 1;
    // Moves need the client centre of a painted view.
    view()->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

void EditView::TearDown()
{
    if (harness) {
        if (doc())
            doc()->SetModifiedFlag(false);
        harness->close();
        harness.reset();
    }
    ClearUndoRing();
    // The closed program's document table and closing flag are not the next test's.
    g_openDocs = OpenDocTable{};
    g_programClosing.closing = false;
    SchemoraAppTest::TearDown();
    g_current = CurrentDrawing{};
}

CSchemoraView* EditView::view() const
{
    plat::FrameWnd* frame = plat::GetMainWnd();
    return frame ? static_cast<CSchemoraView*>(frame->GetActiveView()) : nullptr;
}

CSchemoraDoc* EditView::doc() const { return view() ? view()->GetDocument() : nullptr; }

plat::Point EditView::pixelOf(int x, int y) const
{
    const plat::Rect r = view()->clientRect();
    const int zoom = std::max(1, g_current.zoomFactor);
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    return {cx + (x - g_current.viewCentreX) / zoom, cy + (y - g_current.viewCentreY) / zoom};
}

void EditView::move(int x, int y, unsigned flags)
{
    view()->SendMessage(plat::kWmMouseMove, flags, plat::makePointParam(pixelOf(x, y)));
}

void EditView::press(int x, int y, unsigned flags)
{
    move(x, y, flags & ~plat::kMkLButton);
    view()->SendMessage(plat::kWmLButtonDown, flags | plat::kMkLButton, plat::makePointParam(pixelOf(x, y)));
}

void EditView::release(int x, int y, unsigned flags)
{
    move(x, y, flags | plat::kMkLButton);
    view()->SendMessage(plat::kWmLButtonUp, flags, plat::makePointParam(pixelOf(x, y)));
}

void EditView::drag(int ax, int ay, int bx, int by, unsigned flags)
{
    press(ax, ay, flags);
    constexpr int kSteps = 4;
    for (int i = 1; i <= kSteps; ++i)
        move(ax + (bx - ax) * i / kSteps, ay + (by - ay) * i / kSteps, flags | plat::kMkLButton);
    release(bx, by, flags);
}

void EditView::click(int x, int y, unsigned flags)
{
    press(x, y, flags);
    release(x, y, flags);
}

bool EditView::translate(plat::Msg msg)
{
    bool done = false;
    for (plat::Wnd* w = view(); w && !done; w = w->GetParent())
        done = w->PreTranslateMessage(msg);
    return done;
}

bool EditView::key(unsigned vk, bool ctrl)
{
    if (ctrl)
        plat::noteKeyDown(plat::kVkControl);
    const bool done = translate({plat::kWmKeyDown, vk, 1, view()});
    if (ctrl)
        plat::noteKeyUp(plat::kVkControl);
    harness->idle();
    return done;
}

bool EditView::character(char c)
{
    const bool done = translate({plat::kWmChar, static_cast<unsigned char>(c), 1, view()});
    harness->idle();
    return done;
}

void EditView::drawLine(int x1, int y1, int x2, int y2)
{
    command(scm::kCmdToolLine);
    drag(x1, y1, x2, y2);
}

bool EditView::command(unsigned id)
{
    const bool done = harness->command(id);
    harness->idle();
    return done;
}

uint32_t EditView::pixelAt(int x, int y) const
{
    const plat::Point p = pixelOf(x, y);
    return view()->backingPixel(p.x, p.y);
}

std::string EditView::pane(int index) const
{
    plat::StatusBar* bar = plat::GetMainWnd()->statusBar();
    return bar ? bar->GetPaneText(index) : std::string();
}

}  // namespace schemora_test
