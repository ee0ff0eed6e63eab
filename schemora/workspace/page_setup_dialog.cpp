#include "schemora/workspace/page_setup_dialog.h"

#include "platform/core/ui_host.h"
#include "platform/system/clock.h"
#include "resources/schemora/setup_dialog_ids.h"
#include "schemora/core/current_document.h"
#include "schemora/core/schemora_doc.h"

#include <algorithm>
#include <cstdlib>
#include <string>

using namespace scm;

namespace {

constexpr int kSheetSizes = 5;   // 'A' to 'E'
constexpr int kMaxNumber = 9999;

// A typed number within 1 to 9999; no number keeps the old value.
int numberTyped(const std::string& text, int old)
{
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (end == text.c_str())
        return old;
    return static_cast<int>(std::clamp<long long>(value, 1, kMaxNumber));
}

}  // namespace

CPageSetupDlg::CPageSetupDlg(CSchemoraDoc& doc, plat::Wnd* parent) : plat::Dialog(kIddPageSetup, parent), doc_(doc) {}

bool CPageSetupDlg::OnInitDialog()
{
    const DrawingDocData& data = doc_.data();
    if (plat::Control* sizes = GetDlgItem(kIdcPageSheetSize)) {
        for (char letter = 'A'; letter < 'A' + kSheetSizes; ++letter)
            sizes->AddString(std::string(1, letter));
        sizes->SetCurSel(std::clamp(data.sheetSize - 'A', 0, kSheetSizes - 1));
    }
    const int revision = data.revision >= 'A' && data.revision <= 'Z' ? data.revision : 'A';
    SetDlgItemText(kIdcPageRevision, std::string(1, static_cast<char>(revision)));
    SetDlgItemInt(kIdcPageDocNumber, data.documentNumber);
    SetDlgItemText(kIdcPageRevisionDate, plat::formatTime("%a, %B %d, %Y", data.date));
    SetDlgItemInt(kIdcPageStartReference, data.referenceStart);
    return true;
}

void CPageSetupDlg::OnOK()
{
    DrawingDocData& data = doc_.data();
    if (const plat::Control* sizes = GetDlgItem(kIdcPageSheetSize); sizes && sizes->GetCurSel() >= 0) {
        data.sheetSize = 'A' + std::min(sizes->GetCurSel(), kSheetSizes - 1);
        if (g_current.activeDocument == &doc_)
            g_current.sheetSize = static_cast<char>(data.sheetSize);
    }
    const std::string revision = GetDlgItemText(kIdcPageRevision, 1);
    data.revision = !revision.empty() && revision[0] >= 'A' && revision[0] <= 'Z' ? revision[0] : 'A';
    data.documentNumber = numberTyped(GetDlgItemText(kIdcPageDocNumber, 15), data.documentNumber);
    data.referenceStart = numberTyped(GetDlgItemText(kIdcPageStartReference, 10), data.referenceStart);
    doc_.SetModifiedFlag(true);
    EndDialog(plat::kIdOk);
}
