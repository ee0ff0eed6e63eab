#include "bench/paint_cases.h"

#include <QGuiApplication>

#include <cstdlib>

namespace paint_bench {

int runPaintBenchmarks(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace paint_bench
