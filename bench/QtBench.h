// What the benchmarks that need Qt share: a main that starts the Qt application on the offscreen
// platform, and Qt's PDF writer in memory as the yardstick our PDF renderer is measured against.
#pragma once

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstddef>
#include <cstdlib>

// Runs the registered benchmarks inside an App (QGuiApplication, or QApplication for widgets):
// fonts, pictures and PDF writers need one.
template <class App> int RunQtBenchmarks(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Draws a document with QPdfWriter (Letter, no margins, 72 units an inch) into memory through
// draw(writer, painter); returns the file's size.
template <class Draw> std::size_t QPdfWriterSize(Draw&& draw) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(72);
        writer.setCreator("Velmora UK Limited");
        QPainter painter(&writer);
        draw(writer, painter);
    }
    benchmark::DoNotOptimize(buffer.data().constData());
    return static_cast<std::size_t>(buffer.size());
}
