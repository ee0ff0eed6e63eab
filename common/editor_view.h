#pragma once
// What an editor's view is on top of the framework's scrolling view, whatever it shows: its
// typed document, loading that document into the program's current values when the view is
// first shown or activated, scroll sizes from the program's screen mapping, and printing page
// by page. Each program passes in the few functions in which its views differ.

#include "platform/app/view.h"
#include "platform/app/wnd.h"
#include "platform/gdi/gdi_types.h"

namespace quill {

template <typename Doc>
struct ViewSteps {
    // Copies the document into the program's current-document values.
    void (*loadCurrent)(Doc& doc);
    // The scroll sizes of the current document in a DC prepared for the screen.
    plat::Size (*scrollSizes)(const plat::Dc& preparedDc);
    // The pages to print, and what is set up before the first page and undone after the last.
    int (*printPageCount)(const Doc* doc);
    void (*beginPrinting)();
    void (*endPrinting)(const Doc* doc);
};

template <typename Doc>
class EditorView : public plat::ScrollView {
public:
    explicit EditorView(const ViewSteps<Doc>& steps) : steps_(steps) {}

    Doc* GetDocument() const { return static_cast<Doc*>(plat::View::GetDocument()); }

    // Copies this view's document into the current-document values.
    void LoadCurrentDocument()
    {
        if (Doc* doc = GetDocument())
            steps_.loadCurrent(*doc);
    }

    // Scroll sizes from the screen mapping of the current document.
    void UpdateScrollSizes()
    {
        if (state() == nullptr)
            return;
        plat::ClientDC dc(this);
        OnPrepareDC(dc);
        SetScrollSizes(plat::kMmText, steps_.scrollSizes(dc));
    }

    void OnInitialUpdate() override
    {
        LoadCurrentDocument();
        plat::ScrollView::OnInitialUpdate();
        UpdateScrollSizes();
    }

    void OnActivateView(bool activate, plat::View* activateView, plat::View* deactiveView) override
    {
        if (activate)
            LoadCurrentDocument();
        plat::ScrollView::OnActivateView(activate, activateView, deactiveView);
    }

    bool OnPreparePrinting(plat::PrintInfo* info) override
    {
        info->SetMinPage(1);
        info->SetMaxPage(static_cast<unsigned>(steps_.printPageCount(GetDocument())));
        return DoPreparePrinting(info);
    }

    void OnBeginPrinting(plat::Dc&, plat::PrintInfo*) override { steps_.beginPrinting(); }

    void OnEndPrinting(plat::Dc&, plat::PrintInfo*) override
    {
        steps_.endPrinting(GetDocument());
        Invalidate();
    }

private:
    ViewSteps<Doc> steps_;
};

}  // namespace quill
