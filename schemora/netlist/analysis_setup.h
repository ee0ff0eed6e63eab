#pragma once
// The SPICE analysis sheet ("Spice Analysis Setup") with its seven pages and the digital
// simulation setup. Both write their settings into the drawing as directive texts.

#include "platform/app/dialog.h"
#include "platform/app/property_sheet.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

// The analysis the sheet's pages write (0 none ... 8 distortion).
struct SelectedAnalysis {
    int code = 0;
};
extern SelectedAnalysis g_selectedAnalysis;

// One page: its analysis code, the Enable check box, the node and source lists and the OK
// that writes the page's directive when its analysis is the selected one.
class CSpicePage : public plat::PropertyPage {
public:
    CSpicePage(unsigned templateId, int code);
    bool OnInitDialog() override;
    void OnOK() override;

protected:
    // The directive text of the page (empty: nothing to write).
    virtual std::string directiveText() = 0;
    // Fills the page's fields from the words found after its directive.
    virtual void showFields(const std::vector<std::string>& fields) = 0;
    virtual void enableChanged(bool) {}

    // Field text, at most 19 characters; an empty field reads "0".
    std::string field(unsigned id) const;
    void fillNodes(unsigned id, bool reference);
    // A node field and its reference field: the node list, and the list with ground too.
    void fillNodePair(unsigned nodeId, unsigned referenceId);
    // "V(OUT,REF)" or "V(OUT)" shown in a node field and its reference field.
    void showNodePair(const std::string& word, unsigned nodeId, unsigned referenceId);
    // The fields of ids, in order, from the directive's word `first` on.
    void showFieldList(std::span<const unsigned> ids, const std::vector<std::string>& fields, size_t first);
    void fillSources(unsigned id);
    // A frequency sweep (AC and noise): "DEC 10 1 1MEG", the kind of the checked sweep button
    // and the points, start and stop fields.
    std::string sweepText() const;
    // Shows the points, start and stop from the directive's word `first` on and checks the sweep
    // button the directive named (decade when it named none).
    void showSweep(const std::vector<std::string>& fields, size_t first);
    int code() const { return code_; }

private:
    void OnEnable();
    int code_;
};

class CSpiceProp : public plat::PropertySheet {
public:
    CSpiceProp();
    ~CSpiceProp() override;
    // Finds the drawing's directives and opens on the page of the selected analysis.
    int DoModal() override;

private:
    std::vector<std::unique_ptr<CSpicePage>> pages_;
};

class CDigSimSetupDlg : public plat::Dialog {
public:
    CDigSimSetupDlg();
    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::array<int, 4> remembered_{};
};

// Adds a text object at (x, y) with the kind word and a copy of the text; false (with a
// message, nothing added) when the drawing is full.
bool AddDirectiveText(int x, int y, int kindWord, const std::string& text);
// Replaces the text of object index, or adds a new directive text when index is 0.
void WriteDirectiveText(int index, int x, int y, const std::string& text);
// Deletes the remembered directives of every analysis but code.
void ClearOtherAnalyses(int code);
