#include "tracelyn/workspace/edit_part_dialogs.h"

#include "common/part_edit_fields.h"
#include "common/string_helpers.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/library_ids.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/workspace/edit_dialogs.h"
#include "tracelyn/workspace/package_editor.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

constexpr int kMirrorBit = 1 << 12;
constexpr int kFixBit = 1 << 8;
constexpr int kKindMask = 0x7F;
constexpr int kGateBits = 7;
constexpr int kNoSections = -1;
constexpr int kMaxPrefix = 10;
constexpr int kMaxValue = 50;
constexpr int kMaxReference = 9999;

BoardObject* componentAt(int index)
{
    if (g_board.objects == nullptr || index < 1 || index > g_board.count)
        return nullptr;
    BoardObject& o = g_board.objects[index];
    return o.isPart() && o.kind() != kKindPart ? &o : nullptr;
}

bool loadedPackage(int n) { return n >= 1 && n <= std::min(g_packages.count, kMaxPackages); }

// The pin sections (layers) of a loaded package: its section headers.
int sectionCount(int n)
{
    const auto [first, end] = PackageRecordsOf(n);
    int sections = 0;
    for (int i = first; i < end;) {
        const BoardObject& h = g_packages.objects[static_cast<size_t>(i)];
        if (h.kind() != kKindDeleted || h.w[3] == kSectionChainEnd || h.w[1] < i)
            break;
        ++sections;
        i = h.w[1] + 1;
    }
    return std::max(1, sections);
}

// The package's label placeholder (a text ending in '?' other than "p?"), if it has one.
bool labelPlaceholder(int n, int32_t& x, int32_t& y)
{
    const auto [first, end] = PackageRecordsOf(n);
    for (int i = first; i < end; ++i) {
        const BoardObject& o = g_packages.objects[static_cast<size_t>(i)];
        const char* text = o.kind() == kKindText ? o.text() : nullptr;
        const size_t length = text ? std::strlen(text) : 0;
        if (length == 0 || text[length - 1] != '?' || std::strncmp(text, "p?", 2) == 0)
            continue;
        x = o.w[0];
        y = o.w[1];
        return true;
    }
    return false;
}

}  // namespace

// ---- New Designator Type ----

CNewDesignatorDlg::CNewDesignatorDlg() : plat::Dialog(tly::kIddNewDesignator, nullptr) {}

void CNewDesignatorDlg::OnOK()
{
    const std::string typed = GetDlgItemText(tly::kIdcDesignatorType, kMaxPrefix + 1);
    const bool letters = !typed.empty() && typed.size() <= kMaxPrefix &&
                         std::all_of(typed.begin(), typed.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
    if (!letters) {
        plat::MessageBox("Enter 1 to 10 letters (no numbers)", plat::kMbIconInformation);
        return;
    }
    m_prefix = typed;
    std::transform(m_prefix.begin(), m_prefix.end(), m_prefix.begin(), [](char c) { return static_cast<char>(std::toupper(c)); });
    EndDialog(plat::kIdOk);
}

// ---- Change Package Type ----

CChangePackageDlg::CChangePackageDlg() : plat::Dialog(tly::kIddChangePackage, nullptr)
{
    onCommand(tly::kIdcPackageBrowse, &CChangePackageDlg::OnBrowse);
}

bool CChangePackageDlg::OnInitDialog()
{
    SetDlgItemText(tly::kIdcPackageName, m_name);
    return true;
}

void CChangePackageDlg::OnBrowse()
{
    CLibPartsDlg browser;
    if (browser.DoModal() == plat::kIdOk)
        SetDlgItemText(tly::kIdcPackageName, g_packageChoice.library + "\\" + g_packageChoice.part);
}

void CChangePackageDlg::OnOK()
{
    const std::string typed = GetDlgItemText(tly::kIdcPackageName, 120);
    const size_t slash = typed.rfind('\\');
    if (slash == std::string::npos || slash == 0 || slash + 1 == typed.size()) {
        plat::MessageBox("Specify both part and library!");
        return;
    }
    // The component names its package only once the package really is in the table.
    if (LoadLibraryPart(typed.substr(0, slash), typed.substr(slash + 1)) != 1)
        return;
    if (g_packages.current < 1 || g_packages.current > kMaxPartPackage) {
        plat::MessageBox("Too many different packages loaded--package not changed");
        return;
    }
    m_package = g_packages.current;
    m_name = PackageNameOf(m_package);
    EndDialog(plat::kIdOk);
}

// ---- Edit Part ----

CEditPartDlg::CEditPartDlg(int index) : plat::Dialog(tly::kIddEditPart, nullptr), index_(index)
{
    onCommand(tly::kIdcEditPrefix, &CEditPartDlg::OnPrefix);
    onCommand(tly::kIdcEditChange, &CEditPartDlg::OnChange);
    onCommand(tly::kIdcEditReset, &CEditPartDlg::OnReset);
    onCommand(tly::kIdcEditExpand, &CEditPartDlg::OnExpand);
}

void CEditPartDlg::showPackage(int package)
{
    package_ = package;
    SetDlgItemText(tly::kIdcEditFile, std::string(PackageNameOf(package)));
    SetDlgItemText(tly::kIdcEditInformation, loadedPackage(package) ? g_packages.defs[static_cast<size_t>(package)].comment : "");
}

bool CEditPartDlg::OnInitDialog()
{
    const BoardObject* part = componentAt(index_);
    if (!part)
        return true;
    const std::string label = part->text() ? part->text() : "";
    const size_t colon = label.find(':');
    prefix_ = label.substr(0, colon);
    SetDlgItemText(tly::kIdcEditPrefix, prefix_);
    SetDlgItemInt(tly::kIdcEditNumber, part->w[7]);
    SetDlgItemText(tly::kIdcEditValue, colon == std::string::npos ? std::string() : label.substr(colon + 1));
    showPackage(part->package());
    const int placement = part->w[5] == kNoSections ? 0 : part->w[5];
    CheckRadioButton(tly::kIdcEditLayer1, tly::kIdcEditLayer2, ((placement >> 3) & 3) > 0 ? tly::kIdcEditLayer2 : tly::kIdcEditLayer1);
    SetDlgItemText(tly::kIdcEditRotation, quill::AngleText(part->w[6] & 0xFFF));
    CheckDlgButton(tly::kIdcEditMirrored, (part->w[6] & kMirrorBit) != 0);
    CheckDlgButton(tly::kIdcEditFix, (part->w[4] & kFixBit) != 0);
    CheckDlgButton(tly::kIdcEditHide, (placement >> 15) & 1);
    CheckRadioButton(tly::kIdcEditSilkTop, tly::kIdcEditSilkBottom, ((placement >> 5) & 1) ? tly::kIdcEditSilkBottom : tly::kIdcEditSilkTop);
    return true;
}

void CEditPartDlg::OnPrefix()
{
    CNewDesignatorDlg designator;
    if (designator.DoModal() != plat::kIdOk)
        return;
    prefix_ = designator.m_prefix;
    SetDlgItemText(tly::kIdcEditPrefix, prefix_);
}

void CEditPartDlg::OnChange()
{
    CChangePackageDlg change;
    change.m_name = PackageNameOf(package_);
    if (change.DoModal() == plat::kIdOk)
        showPackage(change.m_package);
}

void CEditPartDlg::OnReset() { resetLabel_ = true; }

void CEditPartDlg::OnExpand()
{
    const std::string name(PackageNameOf(package_));
    const size_t slash = name.rfind('\\');
    if (slash == std::string::npos || slash == 0 || slash + 1 == name.size()) {
        plat::MessageBox("Part not found: " + name);
        return;
    }
    // The editor borrows the board's store and gives it back when it closes; what this dialog
    // shows may be stale by then, so Expand ends it as Cancel.
    RunPackageEditor(this, 1, std::string_view(name).substr(0, slash), std::string_view(name).substr(slash + 1));
    EndDialog(plat::kIdCancel);
}

void CEditPartDlg::OnOK()
{
    BoardObject* found = componentAt(index_);
    if (!found) {
        EndDialog(plat::kIdCancel);
        return;
    }
    char* label = StrDupChecked(quill::PrefixValueLabel(prefix_, GetDlgItemText(tly::kIdcEditValue, kMaxValue)));
    if (!label)
        return;
    g_selection.count = 1;
    g_selection.list[1] = index_;
    PushUndoSnapshot();
    BoardObject& part = *found;
    const int rotation = quill::TypedAngleTenths(GetDlgItemText(tly::kIdcEditRotation, 20), false);
    part.w[6] = rotation | (IsDlgButtonChecked(tly::kIdcEditMirrored) ? kMirrorBit : 0);
    part.w[4] = IsDlgButtonChecked(tly::kIdcEditFix) ? (part.w[4] | kFixBit) : (part.w[4] & ~kFixBit);
    if (package_ != part.package() && loadedPackage(package_) && package_ <= kMaxPartPackage) {
        part.w[4] = (part.w[4] & ~kKindMask) | (kKindPart + package_);
        ComputePartExtent(package_);
    }
    const int layer = std::min(IsDlgButtonChecked(tly::kIdcEditLayer2) ? 1 : 0, sectionCount(part.package()) - 1);
    const int silk = IsDlgButtonChecked(tly::kIdcEditSilkBottom) ? 1 : 0;
    // The gate bits are not shown here and stay as they were.
    const int gate = part.w[5] == kNoSections ? 0 : part.w[5] & kGateBits;
    part.w[5] = ((IsDlgButtonChecked(tly::kIdcEditHide) * 1024 + silk) * 4 + layer) * 8 + gate;
    const int number = GetDlgItemInt(tly::kIdcEditNumber);
    part.w[7] = number >= 0 && number <= kMaxReference ? number : 0;
    FreeObjectData(part);
    part.data = label;
    if (resetLabel_)
        labelPlaceholder(part.package(), part.w[2], part.w[3]);
    EndDialog(plat::kIdOk);
}

bool RunEditPartDialog(int index)
{
    if (!componentAt(index))
        return false;
    CEditPartDlg dialog(index);
    return dialog.DoModal() == plat::kIdOk;
}
