#include "app/PrintCommand.h"

#include "app/BookForm.h"
#include "game/BookReport.h"
#include "game/GamePdfRenderer.h"
#include "game/PuzzlePage.h"
#include "report/qt/QtReportPlatform.h"

#include <QApplication>

#include <exception>

void RunPrintCommand(TPrintSteps& Steps, const std::function<void()>& RunReport) {
    Steps.SetClockRunning(false);
    const bool rowAndColumn = Steps.HiliteRowAndColumn();
    const bool cell = Steps.HiliteCell();
    Steps.SetHilite(false, false);
    std::string error;
    try {
        Steps.RepaintBoard();
        RunReport();
    } catch (const std::exception& e) {
        error = e.what();
        if (error.empty()) error = "Printing failed.";
    }
    Steps.SetHilite(rowAndColumn, cell);
    Steps.RepaintBoard();
    Steps.SetClockRunning(Steps.ClockShouldRun());
    if (!error.empty()) Steps.ShowError(error);
}

void ConfigurePuzzleReport(TReportSystem& System) {
    System.TitleSetup = "Output Options";
    System.TitleStatus = "Report Status";
    System.TitlePreview = "Report Preview";
    System.SystemFiler.StatusFormat = "Generating page %p";
    System.SystemPrinter.StatusFormat = "Printing page %p";
    System.SystemPrinter.Title = "Puzzle Report";
    System.SystemPrinter.ScaleX = 100;
    System.SystemPrinter.ScaleY = 100;
    System.SystemPrinter.UnitsFactor = 1;
    System.SystemPrinter.Units = unInch;
    System.SystemPreview.ZoomFactor = 100;
}

TPrintCommand::TPrintCommand(TPrintSteps& Steps) : Steps_(Steps) {
    ConfigurePuzzleReport(ReportSystem1);
    ReportSystem1.SetPlatform(QtReportPlatform());
    ReportSystem1.OnPrint = [this](TBaseReport& Sender) { ReportSystem1Print(Sender); };
    pdf::ConfigureGamePdfRenderer(RenderPDF1);
    RenderPDF1.SetDisplayName("Portable Document Format (PDF)");
    RenderPDF1.SetFileExtension("*.pdf");
    RenderPDF1.SetActive(true);
}

void TPrintCommand::Execute() {
    RunPrintCommand(Steps_, [this] { ReportSystem1.RunReport(); });
}

void TPrintCommand::ExecuteBook(std::int32_t Level) {
    RunPrintCommand(Steps_, [&] {
        TBookForm form(Steps_.PuzzleNumber(), Level, QApplication::activeWindow());
        if (form.exec() != QDialog::Accepted) return;
        TReportSystem book;
        ConfigurePuzzleReport(book);
        book.SetPlatform(QtReportPlatform());
        ConfigureBookReport(book, form.Options());
        book.RunReport();
    });
}

void TPrintCommand::ReportSystem1Print(TBaseReport& Sender) {
    PrintPuzzlePage(Sender, Steps_.BoardPicture(), Steps_.PuzzleNumber());
}
