#include "platform/app/view.h"

#include "platform/app/command_ids.h"
#include "platform/app/document.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/resources.h"
#include "platform/app/wnd_state.h"

#include <algorithm>

namespace plat {

View::View()
{
    onCommand(kIdFilePrint, &View::OnFilePrint);
    onCommand(kIdFilePrintDirect, &View::OnFilePrintDirect);
    onCommand(kIdFilePrintPreview, &View::OnFilePrintPreview);
}

View::~View()
{
    if (document_) {
        const auto& views = document_->views();
        if (std::find(views.begin(), views.end(), this) != views.end())
            document_->RemoveView(this);
    }
}

void View::OnPrepareDC(Dc&, PrintInfo* info)
{
    if (info)
        info->continuePrinting = info->maxPage != 0xFFFF || info->curPage == 1;
}

void View::OnPaint()
{
    PaintDC dc(this);
    OnPrepareDC(dc);
    OnDraw(dc);
}

void View::OnInitialUpdate() { OnUpdate(nullptr, 0); }
void View::OnUpdate(View*, long) { Invalidate(true); }

void View::OnActivateView(bool activate, View* activateView, View*)
{
    if (activate && activateView == this && IsWindow() && Wnd::GetFocus() != this)
        SetFocus();
}

bool View::OnPreparePrinting(PrintInfo* info) { return DoPreparePrinting(info); }
void View::OnPrint(Dc& dc, PrintInfo*) { OnDraw(dc); }

void View::OnEndPrintPreview(Dc&, PrintInfo*, Point, View*)
{
    if (FrameWnd* top = GetTopLevelFrame())
        top->RecalcLayout();
}

bool View::OnCmdMsg(unsigned id, CmdUI* ui)
{
    if (dispatchOwn(id, ui))
        return true;
    return document_ && document_->OnCmdMsg(id, ui);
}

MDIChildWnd* View::childFrame() const { return dynamic_cast<MDIChildWnd*>(GetParent()); }

bool View::PreCreateWindow(CreateStruct&) { return true; }
int View::OnCreate() { return 0; }
void View::OnDestroy() {}
void View::OnSetFocus(Wnd*) {}

// ---------------------------------------------------------------------------------------------

ScrollView::ScrollView() = default;
ScrollView::~ScrollView() = default;

void ScrollView::SetScrollSizes(int mapMode, Size total, Size page, Size line)
{
    mapMode_ = mapMode;
    total_ = total;
    page_ = page;
    line_ = line;
    if (!IsWindow())
        return;
    const Rect client = clientRect();
    for (int bar : {kSbHorz, kSbVert}) {
        const int extent = bar == kSbHorz ? total.cx : total.cy;
        const int visible = bar == kSbHorz ? client.width() : client.height();
        ScrollInfo info;
        info.mask = kSifRange | kSifPage;
        info.min = 0;
        info.max = std::max(extent - 1, 0);
        info.page = static_cast<unsigned>(std::max(visible, 0));
        SetScrollInfo(bar, info);
    }
}

Point ScrollView::GetScrollPosition() const { return {GetScrollPos(kSbHorz), GetScrollPos(kSbVert)}; }

void ScrollView::ScrollToPosition(Point pos)
{
    SetScrollPos(kSbHorz, pos.x);
    SetScrollPos(kSbVert, pos.y);
}

void ScrollView::OnPrepareDC(Dc& dc, PrintInfo* info) { View::OnPrepareDC(dc, info); }
void ScrollView::OnHScroll(unsigned, unsigned, Control*) {}
void ScrollView::OnVScroll(unsigned, unsigned, Control*) {}
bool ScrollView::OnMouseWheel(unsigned, short, Point) { return false; }
void ScrollView::OnSize(unsigned, int, int) {}

}  // namespace plat
