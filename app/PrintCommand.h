// The game's Print command: the clock stops, the board is repainted without highlighting, the
// report system runs (Output Options, then printer, preview or file), and the window is put back
// as it was whatever happened. A failed run is shown to the player in a message box.
#pragma once

#include "pdf/TRenderPDF.h"
#include "platform/RgbBitmap.h"
#include "report/ReportSystem.h"

#include <cstdint>
#include <functional>
#include <string>

// What the print command changes on the window and puts back, and what it prints from it.
class TPrintSteps {
  public:
    virtual ~TPrintSteps() = default;
    virtual void SetClockRunning(bool Running) = 0; // Timer1 enabled
    virtual bool HiliteRowAndColumn() const = 0;
    virtual bool HiliteCell() const = 0;
    virtual void SetHilite(bool RowAndColumn, bool Cell) = 0;
    virtual void RepaintBoard() = 0;                      // synchronous, redraws BoardBitmap
    virtual bool ClockShouldRun() const = 0;              // a timed game is in progress
    virtual platform::RgbBitmap BoardPicture() const = 0; // BoardBitmap as it is now
    virtual std::int32_t PuzzleNumber() const = 0;
    virtual void ShowError(const std::string& Message) = 0;
};

// The command's steps in order, RunReport between the two repaints; highlighting and the clock are
// put back even when the run fails, and a failure ends as a message instead of leaving the command.
void RunPrintCommand(TPrintSteps& Steps, const std::function<void()>& RunReport);

// The window's report components and the Print command on them.
class TPrintCommand {
  public:
    explicit TPrintCommand(TPrintSteps& Steps);

    TReportSystem ReportSystem1;
    pdf::TRenderPDF RenderPDF1;

    // BtnPrintClick / Print1Click.
    void Execute();
    // Print Puzzle Book: the book dialog, starting at the current puzzle and Level, then a print
    // run of the book, with the clock and the board handled as for Print.
    void ExecuteBook(std::int32_t Level);
    // OnPrint: lays out the one page on the recording surface.
    void ReportSystem1Print(TBaseReport& Sender);

  private:
    TPrintSteps& Steps_;
};

// How the game sets up its report system.
void ConfigurePuzzleReport(TReportSystem& System);
