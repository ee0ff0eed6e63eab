#include "common/maker_web_page.h"

#include "platform/core/ui_host.h"

#include <string>

void OpenMakerWebPage()
{
    if (!plat::uiHost().openWebPage(kMakerWebPage))
        plat::MessageBox("Unable to open " + std::string(kMakerWebPage), plat::kMbOk | plat::kMbIconExclamation);
}
