#include "partbuild/build_app.h"

#include "partbuild/pin_file_build.h"
#include "platform/core/ui_host.h"

namespace {

constexpr const char* kUsage = "Usage: build FILE.LIB";
constexpr int kExitWritten = 0, kExitRefused = 1, kExitUsage = 2;

int exitCodeOf(const PartBuildReport& report) { return report.written ? kExitWritten : kExitRefused; }

}  // namespace

CBuildApp::CBuildApp() : plat::WinApp("Build") {}

bool CBuildApp::InitInstance()
{
    if (args().size() != 1) {
        plat::MessageBox(kUsage, plat::kMbIconStop);
        exitCode_ = kExitUsage;
        return false;
    }
    const PartBuildReport report = BuildPartFromPinFile(args().front());
    plat::MessageBox(report.text(), report.written ? plat::kMbIconInformation : plat::kMbIconStop);
    exitCode_ = exitCodeOf(report);
    return false;
}

int CBuildApp::ExitInstance()
{
    plat::WinApp::ExitInstance();
    return exitCode_;
}

int RunBuildOnConsole(const std::vector<std::string>& args, std::FILE* out)
{
    if (args.size() != 1) {
        std::fprintf(out, "%s\n", kUsage);
        return kExitUsage;
    }
    const PartBuildReport report = BuildPartFromPinFile(args.front());
    std::fprintf(out, "%s\n", report.text().c_str());
    return exitCodeOf(report);
}
