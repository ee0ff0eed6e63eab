#pragma once
// Views: the window that shows a document. A view object may also be built on the stack
// without a window and without a document template, only to lend its painters; the caller
// sets its document with SetDocument before painting through it.
//
//   class CSchemoraView : public plat::ScrollView {
//   public:
//       CSchemoraDoc* GetDocument() const { return static_cast<CSchemoraDoc*>(plat::View::GetDocument()); }
//       void OnDraw(plat::Dc& dc) override;
//       void OnPrepareDC(plat::Dc& dc, plat::PrintInfo* info = nullptr) override;
//       void OnInitialUpdate() override;
//   };

#include "platform/app/wnd.h"

#include <string>

namespace plat {

class Document;
class MDIChildWnd;

// One print or preview job as the view's printing hooks see it.
struct PrintInfo {
    bool preview = false;
    bool direct = false;          // printed without the print dialog (the "/p" command line)
    bool continuePrinting = true; // OnPrepareDC may clear it to stop the page loop
    unsigned minPage = 1;
    unsigned maxPage = 0xFFFF;
    unsigned curPage = 1;
    unsigned numPreviewPages = 1;
    Rect drawRect;                // the printable area of the page in device units
    std::string docName;
    void SetMinPage(unsigned page) { minPage = page; }
    void SetMaxPage(unsigned page) { maxPage = page; }
    unsigned GetMinPage() const { return minPage; }
    unsigned GetMaxPage() const { return maxPage; }
    unsigned GetFromPage() const { return minPage; }
    unsigned GetToPage() const { return maxPage; }
};

class View : public Wnd {
public:
    View();
    ~View() override;

    Document* GetDocument() const { return document_; }
    // Attaches the view to a document (the template does this; temporary views set it by hand).
    // A view set by hand is not added to the document's view list.
    void SetDocument(Document* doc) { document_ = doc; }

    // Painting: OnDraw runs from the paint handler after OnPrepareDC, and for each printed page.
    virtual void OnDraw(Dc& dc) = 0;
    // The base leaves the mapping alone; it only notes whether the DC prints.
    virtual void OnPrepareDC(Dc& dc, PrintInfo* info = nullptr);
    void OnPaint() override;

    // Life cycle.
    virtual void OnInitialUpdate();                       // base: OnUpdate(nullptr, 0)
    virtual void OnUpdate(View* sender, long hint);       // base: Invalidate
    virtual void OnActivateView(bool activate, View* activateView, View* deactiveView);
    virtual void OnActivateFrame(unsigned state, FrameWnd* frame) { (void)state; (void)frame; }

    // Printing hooks; the page loop calls them in the platform's order.
    virtual bool OnPreparePrinting(PrintInfo* info);      // base: DoPreparePrinting(info)
    virtual void OnBeginPrinting(Dc& dc, PrintInfo* info) { (void)dc; (void)info; }
    virtual void OnPrint(Dc& dc, PrintInfo* info);        // base: OnDraw
    virtual void OnEndPrinting(Dc& dc, PrintInfo* info) { (void)dc; (void)info; }
    virtual void OnEndPrintPreview(Dc& dc, PrintInfo* info, Point point, View* view);
    // Shows the print dialog (direct jobs skip it); false when cancelled or no printer.
    bool DoPreparePrinting(PrintInfo* info);
    // The framework's print commands, handled by every view.
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();
    bool isPrinting() const { return printing_; }

    // Routing: this view's handlers, then its document's route.
    bool OnCmdMsg(unsigned id, CmdUI* ui) override;

    // The child frame holding the view (null for views without a window).
    MDIChildWnd* childFrame() const;

    // The class cursor and no background erase are view defaults; overrides can change them.
    bool PreCreateWindow(CreateStruct& cs) override;
    int OnCreate() override;
    void OnDestroy() override;
    void OnSetFocus(Wnd* oldWnd) override;

private:
    Document* document_ = nullptr;
    bool printing_ = false;
    friend class Document;
};

// A view with scroll bars whose positions the program manages itself: the base never scrolls
// the window contents and never changes the DC's mapping (the programs keep their own origin).
class ScrollView : public View {
public:
    ScrollView();
    ~ScrollView() override;

    // mapMode is the gdi mapping mode constant (MM_TEXT = 1); the sizes are in logical units.
    void SetScrollSizes(int mapMode, Size total, Size page = {}, Size line = {});
    Size GetTotalSize() const { return total_; }
    int mapMode() const { return mapMode_; }
    Point GetScrollPosition() const;
    void ScrollToPosition(Point pos);   // moves the bars only; the view repaints itself

    // The base records the DC and leaves its mapping alone.
    void OnPrepareDC(Dc& dc, PrintInfo* info = nullptr) override;
    // The bases of these handlers do nothing to the window contents.
    void OnHScroll(unsigned code, unsigned pos, Control* bar) override;
    void OnVScroll(unsigned code, unsigned pos, Control* bar) override;
    bool OnMouseWheel(unsigned flags, short delta, Point point) override;
    void OnSize(unsigned type, int cx, int cy) override;

private:
    int mapMode_ = 1;
    Size total_{};
    Size page_{};
    Size line_{};
};

}  // namespace plat
