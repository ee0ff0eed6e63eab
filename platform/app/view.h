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

#include <functional>
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
    unsigned maxPage = 0xFFFF;    // 0xFFFF: not known, the base OnPrepareDC stops after page 1
    unsigned fromPage = 0;        // the pages chosen in the print dialog (0: minPage / maxPage)
    unsigned toPage = 0;
    unsigned curPage = 1;
    unsigned numPreviewPages = 1;
    Rect drawRect;                // the printable area of the page in logical units
    std::string docName;
    PrintTarget printer;          // where the job goes, settled by DoPreparePrinting
    void SetMinPage(unsigned page) { minPage = page; }
    void SetMaxPage(unsigned page) { maxPage = page; }
    unsigned GetMinPage() const { return minPage; }
    unsigned GetMaxPage() const { return maxPage; }
    unsigned GetFromPage() const { return fromPage != 0 ? fromPage : minPage; }
    unsigned GetToPage() const { return toPage != 0 ? toPage : maxPage; }
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
    // The base leaves the mapping alone; during a job whose page count is not known it lets
    // only page 1 print.
    virtual void OnPrepareDC(Dc& dc, PrintInfo* info = nullptr);
    void OnPaint() override;

    // Life cycle.
    virtual void OnInitialUpdate();                       // base: OnUpdate(nullptr, 0)
    virtual void OnUpdate(View* sender, long hint);       // base: Invalidate
    virtual void OnActivateView(bool activate, View* activateView, View* deactiveView);
    virtual void OnActivateFrame(unsigned state, FrameWnd* frame) { (void)state; (void)frame; }

    // Printing hooks; the page loop calls them in the platform's order (view_printing.cpp):
    // OnPreparePrinting, then on the printer context OnBeginPrinting, for each page from
    // GetFromPage to GetToPage OnPrepareDC (clearing continuePrinting ends the job), StartPage,
    // OnPrint, EndPage, and at last OnEndPrinting. A preview runs the same steps on a context
    // that draws the pages into images, shows them, and calls OnEndPrintPreview when it closes.
    virtual bool OnPreparePrinting(PrintInfo* info);      // base: DoPreparePrinting(info)
    virtual void OnBeginPrinting(Dc& dc, PrintInfo* info) { (void)dc; (void)info; }
    virtual void OnPrint(Dc& dc, PrintInfo* info);        // base: OnDraw
    virtual void OnEndPrinting(Dc& dc, PrintInfo* info) { (void)dc; (void)info; }
    virtual void OnEndPrintPreview(Dc& dc, PrintInfo* info, Point point, View* view);
    // Settles the job's printer: the print dialog through the UI host, except for previews
    // and direct jobs, which take the application's printer, else the desktop's default one
    // (a direct job without either prints to a PDF file beside the document; a preview to a
    // Letter page). False when the dialog was cancelled.
    bool DoPreparePrinting(PrintInfo* info);
    // The framework's print commands, handled by every view.
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();
    // True from OnBeginPrinting to OnEndPrinting of a print or preview job.
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
    void printJob(PrintInfo& info);
    // Runs the pages of a job; false when a page could not be started or ended.
    bool printPages(Dc& dc, PrintInfo& info, const std::function<bool()>& startPage,
                    const std::function<bool()>& endPage);

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
