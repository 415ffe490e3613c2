// A book of 1,000 Medium puzzles, 4 to a page, with solutions, as PDF. End to end (dealing,
// recording, writing the file) with our renderer, plain and deflated; and the same recorded vector
// pages written by our renderer and drawn through Qt's QPdfWriter, side by side. Counters: "bytes"
// of the file, "pages", "bytes_per_page".
#include "QtBench.h"
#include "game/BookPage.h"
#include "game/GamePdfRenderer.h"
#include "game/PuzzleBook.h"
#include "pdf/FlateCompressor.h"
#include "pdf/TRenderPDF.h"
#include "report/NDRWriter.h"
#include "report/ReportRender.h"
#include "report/ReportStream.h"

#include <QFont>
#include <QGuiApplication>

namespace {

TBookOptions BenchBook() {
    TBookOptions book;
    book.FirstNumber = 1000;
    book.Count = 1000;
    book.Difficulty = 2;
    book.Window = LevelWindow(2);
    book.PerPage = 4;
    book.Solutions = true;
    return book;
}

std::vector<uint8_t> RecordBook() {
    const TBookOptions book = BenchBook();
    TNDRWriter writer;
    writer.SetTitle("Puzzle Book");
    writer.SetAccuracyMethod(amPositioning);
    writer.SetStreamMode(smMemory);
    writer.SetDevice(BookPaperDevice(book.Paper, TReferenceDevice{}));
    writer.OnPrint = [&](TBaseReport& surface) { PrintPuzzleBook(surface, book); };
    writer.Execute();
    return writer.MemoryBytes();
}

const std::vector<uint8_t>& RecordedBook() {
    static const std::vector<uint8_t> bytes = RecordBook();
    return bytes;
}

void Report(benchmark::State& State, size_t Bytes) {
    const int pages = BookPageCount(BenchBook());
    State.counters["bytes"] = static_cast<double>(Bytes);
    State.counters["pages"] = pages;
    State.counters["bytes_per_page"] = static_cast<double>(Bytes) / pages;
}

size_t WriteOurs(std::vector<uint8_t> PageStream, bool Compress) {
    TMemoryStream input(std::move(PageStream));
    pdf::TRenderPDF render;
    pdf::ConfigureGamePdfRenderer(render);
    if (Compress) render.OnCompress = pdf::FlateCompress;
    TMemoryStream output;
    render.SetOutputStream(&output);
    render.RenderStream(&input);
    benchmark::DoNotOptimize(output.Bytes().data());
    return output.Size();
}

// Plays the recorded pages onto a QPainter in points: rectangles with the recorded pen width and
// texts at their baselines in the recorded font.
class TQPainterRender : public TReportRender {
  public:
    TQPainterRender(QPdfWriter& Writer, QPainter& Painter) : Writer_(Writer), Painter_(Painter) {}

    void PageBegin() override {
        if (!First_) Writer_.newPage();
        First_ = false;
    }
    void FontChanged(const TReportFont& Font) override {
        QFont font(QString::fromStdString(Font.Name));
        font.setPointSizeF(Font.Size);
        font.setBold(Font.Bold);
        Painter_.setFont(font);
    }
    void RenderRectangle(double X1, double Y1, double X2, double Y2) override {
        Painter_.setPen(QPen(Qt::black, PenWidth() * 72));
        Painter_.setBrush(Qt::NoBrush);
        Painter_.drawRect(QRectF(X1 * 72, Y1 * 72, (X2 - X1) * 72, (Y2 - Y1) * 72));
    }
    void RenderLeftText(const std::string& Text, double X, double Y) override {
        Painter_.drawText(QPointF(X * 72, Y * 72), QString::fromLatin1(Text.data(), qsizetype(Text.size())));
    }
    void RenderBlockText(const std::string& Text, double X, double Y, double) override {
        RenderLeftText(Text, X, Y);
    }

  private:
    QPdfWriter& Writer_;
    QPainter& Painter_;
    bool First_ = true;
};

size_t WriteQt(std::vector<uint8_t> PageStream) {
    TMemoryStream input(std::move(PageStream));
    return QPdfWriterSize([&](QPdfWriter& writer, QPainter& painter) {
        TQPainterRender render(writer, painter);
        render.RenderStream(&input);
    });
}

void BM_BookEndToEnd_Velmora(benchmark::State& State) {
    size_t size = 0;
    for (auto _ : State)
        size = WriteOurs(RecordBook(), false);
    Report(State, size);
}

void BM_BookEndToEnd_VelmoraDeflated(benchmark::State& State) {
    size_t size = 0;
    for (auto _ : State)
        size = WriteOurs(RecordBook(), true);
    Report(State, size);
}

void BM_BookEndToEnd_QPdfWriter(benchmark::State& State) {
    size_t size = 0;
    for (auto _ : State)
        size = WriteQt(RecordBook());
    Report(State, size);
}

// The recorded pages only: what each PDF writer adds.
void BM_BookPages_Velmora(benchmark::State& State) {
    size_t size = 0;
    for (auto _ : State)
        size = WriteOurs(RecordedBook(), false);
    Report(State, size);
}

void BM_BookPages_VelmoraDeflated(benchmark::State& State) {
    size_t size = 0;
    for (auto _ : State)
        size = WriteOurs(RecordedBook(), true);
    Report(State, size);
}

void BM_BookPages_QPdfWriter(benchmark::State& State) {
    size_t size = 0;
    for (auto _ : State)
        size = WriteQt(RecordedBook());
    Report(State, size);
}

} // namespace

BENCHMARK(BM_BookEndToEnd_Velmora)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_BookEndToEnd_VelmoraDeflated)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_BookEndToEnd_QPdfWriter)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_BookPages_Velmora)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_BookPages_VelmoraDeflated)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_BookPages_QPdfWriter)->Unit(benchmark::kMillisecond)->MinTime(2);

int main(int argc, char** argv) {
    return RunQtBenchmarks<QGuiApplication>(argc, argv);
}
