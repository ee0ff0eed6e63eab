#include "common/resource_usage_dialog.h"

#include "common/usage_bar.h"
#include "platform/app/command_ids.h"

CResourceUsageDlg::CResourceUsageDlg(const ResourceUsageIds& ids, std::function<ResourceUsage()> measure, plat::Wnd* parent)
    : plat::Dialog(ids.templateId, parent), ids_(ids), measure_(std::move(measure))
{
}

void CResourceUsageDlg::OnDrawItem(unsigned ctlId, plat::DrawItem& item)
{
    if (!item.dc || !measure_)
        return;
    const ResourceUsage usage = measure_();
    if (ctlId == ids_.libraryBarId)
        DrawUsageBar(*item.dc, item.rcItem, usage.library);
    else if (ctlId == ids_.designBarId)
        DrawUsageBar(*item.dc, item.rcItem, usage.design);
    else if (ctlId == ids_.systemBarId)
        DrawUsageBar(*item.dc, item.rcItem, usage.system);
}

plat::DialogTemplate BuildResourceUsageTemplate(const ResourceUsageIds& ids)
{
    using K = plat::ControlKind;
    plat::DialogTemplate t{.id = ids.templateId, .title = "Resource Usage"};
    const std::pair<unsigned, const char*> bars[] = {
        {ids.libraryBarId, "Library"}, {ids.designBarId, "Design"}, {ids.systemBarId, "System"}};
    int row = 0;
    for (const auto& [id, label] : bars) {
        t.controls.push_back({.id = 0xFFFF, .kind = K::Static, .text = label, .row = row});
        t.controls.push_back({.id = id, .kind = K::StaticFrame, .row = row, .column = 1, .width = 120, .height = 10});
        ++row;
    }
    t.controls.push_back({.id = plat::kIdOk, .kind = K::DefPushButton, .text = "OK", .row = row, .column = 1});
    return t;
}
