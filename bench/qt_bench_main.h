#pragma once

// The main of a benchmark that needs fonts or painting: an offscreen GUI
// application around the benchmark run, with the shared data made before
// the first measurement.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

template <class Prepare>
int RunQtBenchmarks(int argc, char** argv, Prepare prepare) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    prepare();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
