// velmora-cli page: records the printed page of a puzzle as a page-stream snapshot file.
#include "CliCommand.h"

#include <cstdlib>
#include <iostream>

#include <QGuiApplication>

#include "board/BoardPainter.h"
#include "board/RgbBitmapFromImage.h"
#include "game/GamePdfRenderer.h"
#include "game/PuzzlePage.h"
#include "pdf/PdfFileExport.h"
#include "pdf/TRenderPDF.h"
#include "platform/SafeFile.h"
#include "report/NDRWriter.h"
#include "report/ReportError.h"
#include "tools/PuzzleOptions.h"

namespace {

// Qt's own notices (a missing runtime folder and the like) are not the tool's output: scripts read
// stderr for our messages only. Critical and fatal messages still get through.
void QuietQtMessages(QtMsgType Type, const QMessageLogContext&, const QString& Message) {
    if (Type == QtCriticalMsg || Type == QtFatalMsg)
        std::cerr << "velmora-cli: " << Message.toStdString() << "\n";
}

// Fonts for the board picture need a GUI application; without a display the offscreen platform
// serves.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
    if (QGuiApplication::instance()) return nullptr;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler(QuietQtMessages);
    static int Argc = 1;
    static char Name[] = "velmora-cli";
    static char* Argv[] = {Name, nullptr};
    return std::make_unique<QGuiApplication>(Argc, Argv);
}

// Replays the recorded page into a PDF file as the game's PDF output does.
int WritePagePdf(std::vector<uint8_t> PageStream, const std::string& PdfFile) {
    TMemoryStream Input(std::move(PageStream));
    pdf::TRenderPDF Render;
    pdf::ConfigureGamePdfRenderer(Render);
    pdf::UseSourceDateEpoch(Render);
    try {
        pdf::ExportPdf(Render, Input, PdfFile);
    } catch (const std::exception& Failure) {
        std::cerr << "velmora-cli: " << Failure.what() << "\n";
        return cli::ExitBadInput;
    }
    return cli::ExitOk;
}

int RunPage(const std::vector<std::string>& args) {
    cli::PuzzleOptions Options;
    std::vector<std::string> Rest;
    std::string Error;
    if (!cli::ParsePuzzleOptions(args, Options, Rest, Error)) return cli::UsageError(Error);
    std::string NdrFile;
    std::string PdfFile;
    for (size_t I = 0; I < Rest.size(); ++I) {
        if (Rest[I] == "--ndr" && I + 1 < Rest.size())
            NdrFile = Rest[++I];
        else if (Rest[I] == "--pdf" && I + 1 < Rest.size())
            PdfFile = Rest[++I];
        else
            return cli::UsageError("unexpected argument '" + Rest[I] + "'");
    }
    if (NdrFile.empty() && PdfFile.empty()) return cli::UsageError("page needs --ndr FILE or --pdf FILE");

    TGameState State;
    TRandomGenerator Random;
    if (!cli::DealPuzzle(Options, State, Random)) return cli::NotDealt(State);

    const auto App = EnsureGuiApplication();
    const platform::RgbBitmap Board = ToRgbBitmap(DrawBoardImage(State.Board));

    TNDRWriter Writer;
    Writer.SetTitle("Puzzle Report");
    Writer.SetAccuracyMethod(amPositioning);
    if (NdrFile.empty()) {
        Writer.SetStreamMode(smMemory);
    } else {
        Writer.SetStreamMode(smFile); // written whole or not at all
        Writer.SetFileName(NdrFile);
    }
    Writer.OnPrint = [&](TBaseReport& Surface) { PrintPuzzlePage(Surface, Board, State.PuzzleNumber); };
    try {
        Writer.Execute();
    } catch (const EReportError& Failure) {
        std::cerr << "velmora-cli: " << Failure.what() << "\n";
        return cli::ExitBadInput;
    }
    if (PdfFile.empty()) return cli::ExitOk;
    std::vector<uint8_t> PageStream = Writer.MemoryBytes();
    if (!NdrFile.empty()) {
        if (const platform::FileResult Read =
                platform::SafeFile::ReadAll(NdrFile, PageStream, MaxPageStreamBytes);
            !Read) {
            std::cerr << "velmora-cli: " << Read.Error << "\n";
            return cli::ExitBadInput;
        }
    }
    return WritePagePdf(std::move(PageStream), PdfFile);
}

const cli::CliRegistration reg{{
    "page",
    "velmora-cli page NUMBER [--level L [--startup] | --window MIN MAX] [--ndr FILE] [--pdf FILE]",
    "page: deals puzzle NUMBER as puzzle does and records its printed page (the header line and the\n"
    "freshly dealt board, 6 inches square) as the page-stream snapshot FILE, written whole or not at all.\n"
    "--pdf FILE writes the page as the game's PDF output does (uncompressed, images JPEG at quality 90),\n"
    "also whole or not at all; with SOURCE_DATE_EPOCH set, that moment is its creation date.\n",
    &RunPage,
    50,
}};

} // namespace
