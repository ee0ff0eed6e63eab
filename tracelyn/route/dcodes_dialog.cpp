#include "tracelyn/route/dcodes_dialog.h"

#include "platform/app/win_constants.h"
#include "resources/tracelyn/manufacturing_ids.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/route/gerber_import.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kEditChars = 100;

std::vector<std::string> words(std::string_view line)
{
    std::vector<std::string> out;
    size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && line[at] == ' ')
            ++at;
        const size_t end = line.find(' ', at);
        if (at < line.size())
            out.emplace_back(line.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        at = end == std::string_view::npos ? line.size() : end;
    }
    return out;
}

constexpr double kMaxInches = 10.0;

// A decimal number at the start of the word (0 when there is none), kept to a size a board
// can hold.
float number(const std::string& word)
{
    const double v = std::strtod(word.c_str(), nullptr);
    if (!std::isfinite(v) || v < 0)
        return 0.0f;
    return static_cast<float>(std::min(v, kMaxInches));
}

}  // namespace

std::string DcodeLine(size_t record)
{
    const ImportedDcode& r = g_importedDcodes.records.at(record);
    char line[128];
    std::snprintf(line, sizeof line, "%.7s   %s   %.4f  %.4f", r.name.data(), DcodeTypeName(r.type),
                  static_cast<double>(r.x), static_cast<double>(r.y));
    return line;
}

CDcodesDlg::CDcodesDlg() : plat::Dialog(tly::kIddDcodes, nullptr)
{
    onCommand(tly::kIdcDcodeUpdate, &CDcodesDlg::OnUpdate);
    onNotify(tly::kIdcDcodeList, plat::kLbnSelChange, &CDcodesDlg::OnSelectLine);
}

bool CDcodesDlg::OnInitDialog()
{
    plat::Control* list = GetDlgItem(tly::kIdcDcodeList);
    for (size_t i = 0; list != nullptr && i < g_importedDcodes.records.size(); ++i)
        list->AddString(DcodeLine(i));
    return true;
}

void CDcodesDlg::OnSelectLine()
{
    const plat::Control* list = GetDlgItem(tly::kIdcDcodeList);
    if (list != nullptr && list->GetCurSel() >= 0)
        SetDlgItemText(tly::kIdcDcodeEdit, list->GetItemText(list->GetCurSel()));
}

void CDcodesDlg::OnUpdate()
{
    const std::string text = GetDlgItemText(tly::kIdcDcodeEdit, kEditChars);
    plat::Control* list = GetDlgItem(tly::kIdcDcodeList);
    if (list == nullptr || text.empty() || text[0] != 'D')
        return;
    const std::string name = words(text).at(0);
    for (int i = 0; i < list->GetCount(); ++i) {
        const std::vector<std::string> line = words(list->GetItemText(i));
        if (!line.empty() && line[0] == name) {
            list->DeleteString(i);
            list->AddString(text);
            return;
        }
    }
}

void CDcodesDlg::OnOK()
{
    const plat::Control* list = GetDlgItem(tly::kIdcDcodeList);
    int32_t type = kDcodeRound;
    for (int i = 0; list != nullptr && i < list->GetCount(); ++i) {
        const std::vector<std::string> w = words(list->GetItemText(i));
        if (w.size() < 4)
            continue;
        if (w[1] == "ROUND")
            type = kDcodeRound;
        else if (w[1] == "RECTANGLE")
            type = kDcodeRectangle;
        else if (w[1] == "DRAW")
            type = kDcodeDraw;
        else if (w[1] == "OVAL")
            type = kDcodeOval;
        for (ImportedDcode& r : g_importedDcodes.records) {
            if (std::strncmp(r.name.data(), w[0].c_str(), r.name.size()) == 0) {
                r.type = type;
                r.x = number(w[2]);
                r.y = number(w[3]);
            }
        }
    }
    ApplyImportedApertures();
    RedrawActiveFrame();
    plat::Dialog::OnOK();
}
