// The benchmark program: the heap policy of the application, a GUI application object on the offscreen platform
// (the screen canvas needs fonts), then every registered benchmark, printed as one table.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "app/heap_policy.h"

int main(int argc, char** argv)
{
    KeepFreedMemoryForReuse();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
