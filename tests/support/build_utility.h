#pragma once
// Runs the build utility of the build's program folder as the Build Part Utility starts it, but
// without a desktop, so that it reports on its standard output and the test reads the report.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quill_test {

struct BuildUtilityRun {
    int exitCode = -1;
    std::string output;
};

inline std::filesystem::path buildUtilityPath()
{
    const char* dir = std::getenv("QUILL_PROGRAM_DIR");
    return dir ? std::filesystem::path(dir) / "build" : std::filesystem::path();
}

// The run of "build" with these arguments; nothing when the full build has not made it.
inline std::optional<BuildUtilityRun> runBuildUtility(const std::vector<std::string>& arguments)
{
    const std::filesystem::path program = buildUtilityPath();
    if (program.empty() || !std::filesystem::exists(program))
        return std::nullopt;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(display));
    QStringList args;
    for (const std::string& a : arguments)
        args.push_back(QString::fromStdString(a));
    QProcess run;
    run.setProcessEnvironment(env);
    run.start(QString::fromStdString(program.string()), args);
    BuildUtilityRun result;
    if (!run.waitForFinished(60000)) {
        run.kill();
        run.waitForFinished();
        return result;
    }
    result.exitCode = run.exitStatus() == QProcess::NormalExit ? run.exitCode() : -1;
    result.output = run.readAllStandardOutput().toStdString();
    return result;
}

}  // namespace quill_test
