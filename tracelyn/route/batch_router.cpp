// The batch router's setup dialog and run. Routing itself is not part of the program yet:
// a run leaves the board as it is.
#include "tracelyn/route/batch_router.h"

#include "tracelyn/core/route_services.h"

#include "resources/tracelyn/tracelyn_ids.h"

CBatchRouterSetupDlg::CBatchRouterSetupDlg(plat::Wnd* parent) : plat::Dialog(tly::kIddBatchRouterSetup, parent) {}

int CBatchRouter::BatchRoute() { return 0; }

namespace {
// Set once BatchRoute routes: until then the start-up offer would promise a run that does nothing.
constexpr bool kBatchRouterRoutes = false;
}  // namespace

void OfferBatchRoute()
{
    if (!kBatchRouterRoutes)
        return;
    CBatchRouterSetupDlg setup(nullptr);
    CBatchRouter router;
    if (setup.DoModal() == plat::kIdOk)
        router.BatchRoute();
}
