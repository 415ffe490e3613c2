#include "app/PrintCommand.h"

#include "app/MainForm.h"
#include "board/RgbBitmapFromImage.h"
#include "game/GamePdfRenderer.h"
#include "game/PuzzlePage.h"
#include "report/qt/QtReportPlatform.h"

#include <QMessageBox>

#include <exception>

namespace {

// The print command on the real window.
class TWindowSteps final : public TPrintSteps {
  public:
    TWindowSteps(TMainForm& Form, TReportSystem& System) : Form_(Form), System_(System) {}

    void SetClockRunning(bool Running) override {
        if (Running)
            Form_.Timer1.start();
        else
            Form_.Timer1.stop();
    }
    bool HiliteRowAndColumn() const override { return Form_.Game.Options.HiliteRowAndColumn; }
    bool HiliteCell() const override { return Form_.Game.Options.HiliteCell; }
    void SetHilite(bool RowAndColumn, bool Cell) override {
        Form_.Game.Options.HiliteRowAndColumn = RowAndColumn;
        Form_.Game.Options.HiliteCell = Cell;
    }
    void RepaintBoard() override {
        // DrawBoard paints BoardBitmap and repaints the paint box at once, also when the window
        // is not on screen.
        Form_.DrawBoard(Form_.Game.State.Board);
    }
    bool ClockShouldRun() const override { return Form_.Game.Options.TimedGame && Form_.Game.ClockRunning; }
    void RunReport() override { System_.RunReport(); }
    void ShowError(const std::string& Message) override {
        QMessageBox::warning(&Form_, QStringLiteral("Print"), QString::fromStdString(Message));
    }

  private:
    TMainForm& Form_;
    TReportSystem& System_;
};

} // namespace

void RunPrintCommand(TPrintSteps& Steps) {
    Steps.SetClockRunning(false);
    const bool rowAndColumn = Steps.HiliteRowAndColumn();
    const bool cell = Steps.HiliteCell();
    Steps.SetHilite(false, false);
    std::string error;
    try {
        Steps.RepaintBoard();
        Steps.RunReport();
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

TPrintCommand::TPrintCommand(TMainForm& Form) : Form_(Form) {
    ConfigurePuzzleReport(ReportSystem1);
    ReportSystem1.SetPlatform(QtReportPlatform());
    ReportSystem1.OnPrint = [this](TBaseReport& Sender) { ReportSystem1Print(Sender); };
    pdf::ConfigureGamePdfRenderer(RenderPDF1);
    RenderPDF1.SetDisplayName("Portable Document Format (PDF)");
    RenderPDF1.SetFileExtension("*.pdf");
    RenderPDF1.SetActive(true);
}

void TPrintCommand::Execute() {
    TWindowSteps steps(Form_, ReportSystem1);
    RunPrintCommand(steps);
}

void TPrintCommand::ReportSystem1Print(TBaseReport& Sender) {
    PrintPuzzlePage(Sender, ToRgbBitmap(Form_.BoardBitmap), Form_.Game.State.PuzzleNumber);
}
