#pragma once
// The small dialogs of Find, Replace and Scale that both editors show with their own template
// ids: the search dialog (modes as radio buttons, the text with its history in a combo box),
// the Continue/Cancel question at each hit, the replace dialog and its Replace/Continue/Cancel
// question, and the X and Y scale factors in percent.

#include "common/text_search.h"
#include "platform/app/dialog.h"
#include "platform/app/resources.h"

#include <string>
#include <utility>
#include <vector>

inline constexpr int kSearchTextChars = 200;

// Replace dialog controls (the same ids in both editors).
inline constexpr unsigned kIdcReplaceFind = 236;
inline constexpr unsigned kIdcReplaceWith = 237;
inline constexpr unsigned kIdcReplaceAll = 238;
inline constexpr unsigned kIdcReplacePrompt = 239;
// The Replace/Continue/Cancel question.
inline constexpr unsigned kIddReplaceConfirm = 165;
inline constexpr unsigned kIdcConfirmReplace = 484;
inline constexpr unsigned kIdcConfirmContinue = 483;
// Scale dialog edits.
inline constexpr unsigned kIdcScaleX = 34;
inline constexpr unsigned kIdcScaleY = 35;

// What the search dialog works on: its template and ids, and the program's kept values.
struct SearchDialogSetup {
    unsigned templateId = 0;
    unsigned comboId = 0;
    unsigned firstMode = 0;       // radio ids firstMode..lastMode
    unsigned lastMode = 0;
    unsigned caseSensitiveMode = 0;   // the mode whose text is kept as typed; others upper-cased
};
class SearchTextDialog : public plat::Dialog {
public:
    SearchTextDialog(plat::Wnd* parent, SearchDialogSetup setup, unsigned& mode, std::string& text, FindHistory& history);
    bool OnInitDialog() override;
    void OnOK() override;

protected:
    // Fills the combo box: by default the newest text and the history, newest first.
    virtual void fillTexts();
    const SearchDialogSetup& setup() const { return setup_; }
    unsigned checkedMode() const;

private:
    SearchDialogSetup setup_;
    unsigned& mode_;
    std::string& text_;
    FindHistory& history_;
};

// Continue (OK) or Cancel at one hit; true to go on.
bool AskContinueSearch(plat::Wnd* parent, unsigned templateId);

class CReplaceTextDlg : public plat::Dialog {
public:
    CReplaceTextDlg(plat::Wnd* parent, unsigned templateId, std::string& find, std::string& with, unsigned& mode);
    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::string& find_;
    std::string& with_;
    unsigned& mode_;
};

// Replace, Continue or Cancel at one occurrence.
ReplaceAnswer AskReplaceOccurrence(plat::Wnd* parent);

// X and Y factors shown and typed in percent. A factor that is no number or is 0 is refused
// with a message and the dialog stays; a negative one counts by its size.
class ScaleFactorsDialog : public plat::Dialog {
public:
    ScaleFactorsDialog(plat::Wnd* parent, unsigned templateId, float& x, float& y);
    bool OnInitDialog() override;
    void OnOK() override;

private:
    float& x_;
    float& y_;
};
// The factor a percentage text stands for (|value| × 0.01), or 0 for text that is no number,
// is 0, or does not fit.
float ScaleFactorFromPercent(std::string_view text);

// One control of a dialog template; edits take `limit` characters at most (0: no limit).
plat::ControlTemplate DialogControl(unsigned id, plat::ControlKind kind, std::string text, int row, int column = 0,
                                    bool group = false, int limit = 0);

// Templates, each with the caller's id and title.
plat::DialogTemplate SearchDialogTemplate(const SearchDialogSetup& setup, std::string title,
                                          const std::vector<std::pair<unsigned, std::string>>& modes);
plat::DialogTemplate ContinueSearchTemplate(unsigned templateId);
plat::DialogTemplate ReplaceTextTemplate(unsigned templateId, std::string title);
plat::DialogTemplate ReplaceConfirmTemplate();
plat::DialogTemplate ScaleFactorsTemplate(unsigned templateId, std::string title);
