// velmora-cli book: a puzzle book - a run of numbered puzzles some to a page, optionally with
// their solutions at the back - as a page-stream snapshot or a PDF file. Draws through the report
// engine only, so no Qt application is made.
#include "CliCommand.h"

#include <algorithm>
#include <csignal>
#include <iostream>

#include "game/BookPage.h"
#include "game/GamePdfRenderer.h"
#include "game/PuzzleBook.h"
#include "pdf/FlateCompressor.h"
#include "pdf/PdfFileExport.h"
#include "pdf/TRenderPDF.h"
#include "platform/SafeFile.h"
#include "report/NDRWriter.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"
#include "tools/PuzzleOptions.h"

namespace {

volatile std::sig_atomic_t Interrupted = 0;

extern "C" void OnSignal(int Signal) {
    Interrupted = Signal;
    std::signal(Signal, SIG_DFL); // a second signal ends the program at once
}

struct TBookCommand {
    TBookOptions Book;
    std::string PdfFile;
    std::string NdrFile;
    bool Compress = false;
};

bool ParsePositive(const std::vector<std::string>& Args, std::size_t& I, const std::string& Option,
                   std::int32_t& Value, std::string& Error) {
    if (I + 1 >= Args.size()) {
        Error = Option + " needs a number";
        return false;
    }
    if (!cli::ParseInt32(Args[++I], Value)) {
        Error = Option + ": '" + Args[I] + "' is not a number";
        return false;
    }
    return true;
}

bool ParseFile(const std::vector<std::string>& Args, std::size_t& I, const std::string& Option,
               std::string& File, std::string& Error) {
    if (I + 1 >= Args.size() || Args[I + 1].empty()) {
        Error = Option + " needs a FILE";
        return false;
    }
    if (!File.empty()) {
        Error = Option + " given twice";
        return false;
    }
    File = Args[++I];
    return true;
}

bool ParseBook(const std::vector<std::string>& Args, TBookCommand& Command, std::string& Error) {
    cli::PuzzleWindow Level;
    std::vector<std::string> Rest;
    if (!cli::ParseWindowOptions(Args, Level, Rest, Error)) return false;
    const bool HasLevel = std::find(Args.begin(), Args.end(), "--level") != Args.end();
    const bool HasWindow = std::find(Args.begin(), Args.end(), "--window") != Args.end();
    if (!HasLevel && !HasWindow) {
        Error = "book needs --level L or --window MIN MAX";
        return false;
    }
    TBookOptions& Book = Command.Book;
    Book.Difficulty = HasLevel ? Level.Difficulty : 0;
    Book.Window = Level.Window;
    bool HasFrom = false, HasCount = false;
    std::int32_t PerPage = Book.PerPage;
    for (std::size_t I = 0; I < Rest.size(); ++I) {
        const std::string& Arg = Rest[I];
        if (Arg == "--from") {
            if (!ParsePositive(Rest, I, Arg, Book.FirstNumber, Error)) return false;
            HasFrom = true;
        } else if (Arg == "--count") {
            if (!ParsePositive(Rest, I, Arg, Book.Count, Error)) return false;
            HasCount = true;
        } else if (Arg == "--per-page") {
            if (!ParsePositive(Rest, I, Arg, PerPage, Error)) return false;
        } else if (Arg == "--solutions") {
            Book.Solutions = true;
        } else if (Arg == "--compress") {
            Command.Compress = true;
        } else if (Arg == "--paper") {
            if (I + 1 >= Rest.size() || (Rest[I + 1] != "a4" && Rest[I + 1] != "letter")) {
                Error = "--paper must be a4 or letter";
                return false;
            }
            Book.Paper = Rest[++I] == "a4" ? TBookPaper::bpA4 : TBookPaper::bpLetter;
        } else if (Arg == "--pdf") {
            if (!ParseFile(Rest, I, Arg, Command.PdfFile, Error)) return false;
        } else if (Arg == "--ndr") {
            if (!ParseFile(Rest, I, Arg, Command.NdrFile, Error)) return false;
        } else {
            Error = "unexpected argument '" + Arg + "'";
            return false;
        }
    }
    Book.PerPage = PerPage;
    if (!HasFrom || !HasCount) {
        Error = "book needs --from N and --count K";
        return false;
    }
    if (Command.PdfFile.empty() == Command.NdrFile.empty()) {
        Error = "book needs one of --pdf FILE or --ndr FILE";
        return false;
    }
    if (Command.Compress && Command.PdfFile.empty()) {
        Error = "--compress applies to --pdf only";
        return false;
    }
    Error = BookOptionsError(Book);
    return Error.empty();
}

int Failed(const std::string& Message) {
    std::cerr << "velmora-cli: " << Message << "\n";
    return cli::ExitBadInput;
}

int InterruptedExit() {
    std::cerr << "velmora-cli: interrupted; no file written\n";
    return 128 + Interrupted;
}

int RunBook(const std::vector<std::string>& Args) {
    TBookCommand Command;
    std::string Error;
    if (!ParseBook(Args, Command, Error)) return cli::UsageError(Error);

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGHUP, OnSignal);

    // Recorded in memory and written whole at the end, so an interrupted run leaves no file.
    TNDRWriter Writer;
    Writer.SetTitle("Puzzle Book");
    Writer.SetAccuracyMethod(amPositioning);
    Writer.SetStreamMode(smMemory);
    Writer.SetDevice(BookPaperDevice(Command.Book.Paper, TReferenceDevice{}));
    Writer.StatusLabel = [&](const std::string&) {
        if (Interrupted) Writer.Abort();
    };
    Writer.OnPrint = [&](TBaseReport& Surface) { PrintPuzzleBook(Surface, Command.Book); };
    try {
        Writer.Execute();
    } catch (const EReportError& Failure) {
        return Failed(Failure.what());
    }
    if (Interrupted) return InterruptedExit();

    std::vector<uint8_t> Output = Writer.MemoryBytes();
    std::string File = Command.NdrFile;
    if (!Command.PdfFile.empty()) {
        File = Command.PdfFile;
        TMemoryStream Input(std::move(Output));
        TMemoryStream Pdf;
        pdf::TRenderPDF Render;
        pdf::ConfigureGamePdfRenderer(Render);
        if (Command.Compress) Render.OnCompress = pdf::FlateCompress;
        pdf::UseSourceDateEpoch(Render);
        Render.SetOutputFileName(File);
        Render.SetOutputStream(&Pdf);
        try {
            Render.RenderStream(&Input);
        } catch (const std::exception& Failure) {
            return Failed(Failure.what());
        }
        Render.SetOutputStream(nullptr);
        Output = std::move(Pdf.Bytes());
    }
    if (Interrupted) return InterruptedExit();
    if (const platform::FileResult Saved =
            platform::SafeFile::WriteAll(File, std::span<const uint8_t>(Output));
        !Saved)
        return Failed("cannot write " + File + ": " + Saved.Error);
    return cli::ExitOk;
}

const cli::CliRegistration reg{{
    "book",
    "velmora-cli book --from N --count K (--level L | --window MIN MAX) [--per-page P] [--solutions]\n"
    "                   [--paper a4|letter] (--pdf FILE | --ndr FILE) [--compress]",
    "book: deals puzzles N, N+1, ... (K of them, 1-10000, all numbered 1-2147483647) with the window of\n"
    "--level L (as the level buttons set it) or --window MIN MAX, and lays them out P to a page (1, 2, 4\n"
    "or 6; default 4), each titled \"Puzzle N \xC2\xB7 LEVEL\", with the page number at the foot. "
    "--solutions adds\n"
    "the filled boards at the back, four to a page after 1 or 2 puzzles a page, six after 4 or 6.\n"
    "--paper sets the page size (default letter). The book is written as the page-stream snapshot\n"
    "--ndr FILE or as the PDF file --pdf FILE (--compress deflates its pages), whole or not at all:\n"
    "an interrupted run (exit status 128 + the signal) or a failed one leaves no file behind.\n",
    &RunBook,
    55,
}};

} // namespace
