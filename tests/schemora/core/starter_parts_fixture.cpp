#include "schemora/core/starter_parts_fixture.h"

#include "platform/app/dialog.h"
#include "platform/system/app_profile.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/core/settings.h"

#include <cstdlib>

namespace schemora_test {

namespace fs = std::filesystem;
using namespace scm;

fs::path builtProgramFolder()
{
    const char* dir = std::getenv("QUILL_PROGRAM_DIR");
    return dir ? fs::path(dir) : fs::path();
}

bool StarterPartsView::copyStarterLibraries(std::initializer_list<const char*> libraries)
{
    const fs::path lib = builtProgramFolder() / "LIB";
    if (builtProgramFolder().empty() || !fs::exists(lib / "DEVICE.CON"))
        return false;
    fs::create_directories(folder.path() / "LIB");
    for (const char* library : libraries)
        for (const char* ext : {".CON", ".CAT"})
            fs::copy_file(lib / (std::string(library) + ext), folder.path() / "LIB" / (std::string(library) + ext));
    return true;
}

bool StarterPartsView::useStarterPackages()
{
    const fs::path catalogue = builtProgramFolder() / "PACKAGES" / "STANDARD.CAT";
    if (builtProgramFolder().empty() || !fs::exists(catalogue))
        return false;
    const fs::path packages = folder.path() / "PACKAGES";
    fs::create_directories(packages);
    fs::copy_file(catalogue, packages / "STANDARD.CAT");
    plat::WriteProfileString("Quillmere", "Tracelyn", "Settings", "library_path", packages.string());
    return true;
}

bool StarterPartsView::startWithStarterLibraries(std::initializer_list<const char*> libraries)
{
    if (!copyStarterLibraries(libraries))
        return false;
    EditView::SetUp();
    g_settings.AutoRefs = 1;
    return true;
}

void StarterPartsView::answerPartChooser(const char* library, const char* part)
{
    host.answerDialog([=](plat::Dialog& d) {
        plat::Control* libs = d.GetDlgItem(kIdcLibraryList);
        const int l = libs ? libs->FindStringExact(-1, library) : -1;
        if (l < 0)
            return d.PressButton(plat::kIdCancel);
        d.ChooseDlgItem(kIdcLibraryList, l);
        d.ChooseDlgItem(kIdcPartList, d.GetDlgItem(kIdcPartList)->FindStringExact(-1, part));
        return d.PressButton(plat::kIdOk);
    });
}

void StarterPartsView::wire(int x1, int y1, int x2, int y2)
{
    command(kCmdToolLine);
    drag(x1, y1, x2, y2);
}

}  // namespace schemora_test
