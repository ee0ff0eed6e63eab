#pragma once
// "Resource Usage": how full the program's stores are, as three red bars (library, design,
// system). Each program passes its template and bar ids and how it measures its stores.

#include "platform/app/dialog.h"
#include "platform/app/resources.h"

#include <functional>

struct ResourceUsageIds {
    unsigned templateId = 0;
    unsigned libraryBarId = 57;
    unsigned designBarId = 56;
    unsigned systemBarId = 55;
};

// Percentages of each store in use, read when the bars are painted.
struct ResourceUsage {
    double library = 0;
    double design = 0;
    double system = 50;
};

class CResourceUsageDlg : public plat::Dialog {
public:
    CResourceUsageDlg(const ResourceUsageIds& ids, std::function<ResourceUsage()> measure, plat::Wnd* parent = nullptr);
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override;

private:
    ResourceUsageIds ids_;
    std::function<ResourceUsage()> measure_;
};

plat::DialogTemplate BuildResourceUsageTemplate(const ResourceUsageIds& ids);
