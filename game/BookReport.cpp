#include "game/BookReport.h"

#include "game/BookPage.h"
#include "report/NDRWriter.h"
#include "report/ReportSystem.h"

void ConfigureBookReport(TReportSystem& System, const TBookOptions& Book) {
    System.SystemPrinter.Title = "Puzzle Book";
    System.OnPrint = [Book](TBaseReport& Surface) { PrintPuzzleBook(Surface, Book); };
    // The status window is shown after the writer has its settings and before it starts: the one
    // moment to give a file its paper.
    System.OverrideStatus = [Paper = Book.Paper](TReportSystem& Sender, TOverrideMode Mode,
                                                 std::unique_ptr<TRunForm>& Form) {
        Sender.Platform().StatusHandler(Sender, Mode, Form);
        TNDRWriter* Writer = Sender.CurrentWriter();
        if (Mode != omShow || !Writer) return;
        const bool toFile = Sender.ReportDest() == rdFile && !Sender.NativeOutput();
        if (toFile || !Sender.Platform().HasPrinter())
            Writer->SetDevice(BookPaperDevice(Paper, Writer->Device()));
    };
}
