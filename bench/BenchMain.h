#pragma once
// The main of every benchmark program: the Qt application object its code
// needs (offscreen unless a platform is named), then Google Benchmark.
#include <QByteArray>
#include <QtGlobal>
#include <benchmark/benchmark.h>

template <class Application>
int RunBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
