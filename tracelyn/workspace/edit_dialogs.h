#pragma once
// The board editor's small setup and property dialogs: grids, drawing styles, pads, edit
// options, auto-incremented text and the package chooser. Each shows the current settings (or
// the one selected object's values) and stores what the user accepts.

#include "common/library_browser.h"
#include "platform/app/dialog.h"

#include <string>
#include <vector>

class CVariableGridDlg : public plat::Dialog {
public:
    CVariableGridDlg();
    bool OnInitDialog() override;
    void OnOK() override;
};

class CPolarGridDlg : public plat::Dialog {
public:
    CPolarGridDlg();
    bool OnInitDialog() override;
    void OnOK() override;
};

class CAutoIncrementDlg : public plat::Dialog {
public:
    CAutoIncrementDlg();
    bool OnInitDialog() override;
    void OnOK() override;
};

// Style (207), Drawing/Fill Style (154) and Polygon Setup (220): with exactly one selected
// object of a kind the dialog edits, its values are shown and written back (after an undo
// snapshot); otherwise the defaults of new objects.
class CStyleDlg : public plat::Dialog {
public:
    explicit CStyleDlg(unsigned templateId = 207);
    bool OnInitDialog() override;
    void OnOK() override;

protected:
    // The one selected object the dialog edits, or 0.
    int editedObject() const { return object_; }
    virtual bool edits(int kind) const;
    virtual bool editsFill(int kind) const { (void)kind; return false; }
    bool hasFill() const;
    int chosenStyle() const;
    int chosenFill() const;
    int32_t typedWidth() const;

private:
    int object_ = 0;
};

class CFillStyleDlg : public CStyleDlg {
public:
    CFillStyleDlg();

protected:
    bool edits(int kind) const override;
    bool editsFill(int kind) const override;
};

class CPolygonSetupDlg : public CStyleDlg {
public:
    CPolygonSetupDlg();
    bool OnInitDialog() override;
    void OnOK() override;

protected:
    bool edits(int kind) const override;
    bool editsFill(int kind) const override;
};

class CPadSetupDlg : public plat::Dialog {
public:
    CPadSetupDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(unsigned id) override;

private:
    void enableSizes(int shape);
};

class CEditSetupDlg : public plat::Dialog {
public:
    CEditSetupDlg();
    bool OnInitDialog() override;
    void OnOK() override;
};

// The package browser of the part tool over the catalogues of the package folder; OK ("Load
// Part") loads the chosen package and makes it the current package.
extern quill::LibraryChoiceState g_packageChoice;
// The ".CAT" catalogues of the package folder and their package names, as the library dialogs
// list them.
quill::LibraryFiles PackageLibraryFiles();
class CLibPartsDlg : public quill::LibraryBrowserDlg {
public:
    CLibPartsDlg();
};

// Font (242): the text size index 2 to 8 by its height in mils.
class CFontDlg : public plat::Dialog {
public:
    CFontDlg();
    bool OnInitDialog() override;
    void OnOK() override;

    int m_sizeIndex = 6;
};
