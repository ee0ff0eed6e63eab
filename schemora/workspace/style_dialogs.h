#pragma once
// The style dialogs of the drawing tools (Drawing/Fill Style, Line/Arrow Style, Style, Polygon
// Setup, Rectangle Style) and Edit Setup. A style dialog edits the one selected object when
// exactly one is selected and it is of a kind the dialog edits (after an undo snapshot);
// otherwise it edits the defaults the next new object takes.

#include "platform/app/dialog.h"

#include <initializer_list>
#include <vector>

struct DrawObject;

class CStyleDialogBase : public plat::Dialog {
public:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override;
    // The object being edited, null when the dialog edits the defaults.
    DrawObject* target() const { return target_; }

protected:
    // How the width box shows and reads the width.
    enum class WidthForm {
        Plain,        // whole units
        InUnits,      // in the units chosen in setup (mils or millimetres)
        OneDecimal,   // shown with one decimal, read as whole units
    };
    CStyleDialogBase(unsigned templateId, std::initializer_list<int> kinds, plat::Wnd* parent,
                     WidthForm widthForm = WidthForm::Plain);
    // What a dialog edits beyond line style, width and fill: shown in its controls (store
    // false) or read back from them (store true).
    virtual void exchangeExtra(bool store) { (void)store; }
    // Writes that extra into the edited object, or into the defaults when o is null.
    virtual void writeExtra(DrawObject* o) { (void)o; }
    bool hasFill() const { return GetDlgItem(kFillCurrentId) != nullptr; }

    int style_ = 0, width_ = 0, fill_ = 0;

private:
    static constexpr unsigned kFillCurrentId = 538;
    void OnFillPattern(unsigned id);
    void writeObject(DrawObject& o);
    void writeDefaults();
    std::string widthShown(int width) const;
    int widthTyped(const std::string& text) const;
    WidthForm widthForm_;
    DrawObject* target_ = nullptr;
};

// 140: style and width of lines, arrows and arcs; also the fill of rectangles, ellipses,
// rounded rectangles and triangles.
class CFillStyleDlg : public CStyleDialogBase {
public:
    explicit CFillStyleDlg(plat::Wnd* parent = nullptr);
};

// 207: style and width of the outlined kinds.
class CStyleDlg : public CStyleDialogBase {
public:
    explicit CStyleDlg(plat::Wnd* parent = nullptr);
};

// 166: lines and arrows: stem style, width (shown in the chosen units), head shape and count.
class CLineStyleDlg : public CStyleDialogBase {
public:
    explicit CLineStyleDlg(plat::Wnd* parent = nullptr);

private:
    void exchangeExtra(bool store) override;
    void writeExtra(DrawObject* o) override;
    int heads_ = -1, shape_ = 0;
};

// 237: rectangles and rounded rectangles, with the rounded choice.
class CRectStyleDlg : public CStyleDialogBase {
public:
    explicit CRectStyleDlg(plat::Wnd* parent = nullptr);

private:
    void exchangeExtra(bool store) override;
    void writeExtra(DrawObject* o) override;
    bool rounded_ = false;
};

// 220: triangles and polygons, with the edge count (3 to 10).
class CPolygonSetupDlg : public CStyleDialogBase {
public:
    explicit CPolygonSetupDlg(plat::Wnd* parent = nullptr);

private:
    void exchangeExtra(bool store) override;
    void writeExtra(DrawObject* o) override;
    int edges_ = 3;
};

// 221: grid, hidden pins, page breaks, rubberbanding and the 90-degree limit.
class CEditSetupDlg : public plat::Dialog {
public:
    explicit CEditSetupDlg(plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;
    void OnOK() override;
};

// The style dialog a right click opens for a selected object of this kind; false for kinds
// without one. The object is repainted by the caller.
bool RunStyleDialogForKind(int type);

// A drawing tool chosen while it (or its sibling) is already current first opens its style
// dialog; the tool then becomes line or arrow, rectangle or rounded one, triangle or regular
// polygon by what the dialog left in the defaults. Returns the tool to make current.
int ChooseToolWithStyle(int tool);

// Whether the button of tool `button` shows checked while `current` is the current tool: a
// button stands for its second form too (arrow, rounded rectangle, regular polygon).
bool ToolButtonChecked(int button, int current);
