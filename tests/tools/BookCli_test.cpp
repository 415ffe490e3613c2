// velmora-cli book: the files it writes (golden page stream and PDF, what readers make of the PDF,
// where its pixels fall) and how it refuses bad arguments and interruption.
#include "CliRunner.h"
#include "TestFiles.h"
#include "game/BookPage.h"
#include "game/PuzzleBook.h"
#include "tests/pdf/PdfReaders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class BookCli : public ::testing::Test {
  protected:
    test::TempFolder Dir;
    void SetUp() override {
        setenv("SOURCE_DATE_EPOCH", "1796540889", 1);
        setenv("TZ", "UTC", 1);
    }
    std::string P(const char* Name) const { return Dir.File(Name); }
    // velmora-cli book with the words of Args, where OUT stands for P("out.pdf").
    CliResult Book(const std::string& Args) const {
        std::vector<std::string> Words = {"book"};
        std::istringstream In(Args);
        for (std::string Word; In >> Word;)
            Words.push_back(Word == "OUT" ? P("out.pdf") : Word);
        return RunCli(Words);
    }
};

// A grey (P5) image as pdftoppm -gray writes it; white outside.
struct TGreyImage {
    int Width = 0, Height = 0;
    std::string Pixels;
    int At(double XInches, double YInches, int Dpi) const {
        const int X = static_cast<int>(XInches * Dpi), Y = static_cast<int>(YInches * Dpi);
        if (X < 0 || Y < 0 || X >= Width || Y >= Height) return 255;
        return static_cast<unsigned char>(Pixels[static_cast<size_t>(Y) * Width + X]);
    }
};

TGreyImage ReadPgm(const std::string& File) {
    std::istringstream In(test::ReadWholeFile(File));
    std::string Magic;
    int MaxValue = 0;
    TGreyImage Image;
    In >> Magic >> Image.Width >> Image.Height >> MaxValue;
    In.get();
    Image.Pixels.assign(std::istreambuf_iterator<char>(In), {});
    return Image;
}

} // namespace

TEST_F(BookCli, TwoPageRecordingListsAsTheGoldenDump) {
    const CliResult Made =
        Book("--from 1042 --count 2 --level 2 --per-page 1 --paper a4 --ndr " + P("b.ndr"));
    ASSERT_EQ(Made.Status, 0) << Made.Err;
    const CliResult Dump = RunCli({"dump", P("b.ndr")});
    ASSERT_EQ(Dump.Status, 0) << Dump.Err;
    EXPECT_TRUE(test::MatchesGoldenFile(Dump.Out, CLI_TEST_DATA "/book-two-pages.dump"));
}

TEST_F(BookCli, SmallBookIsTheGoldenPdfThatEveryReaderTakesUnderAnyLocale) {
    const std::string Args = "--from 7 --count 5 --level 4 --per-page 4 --solutions --pdf OUT";
    ASSERT_EQ(Book(Args).Status, 0);
    const std::string File = test::ReadWholeFile(P("out.pdf"));
    EXPECT_TRUE(test::MatchesGoldenFile(File, CLI_TEST_DATA "/book-small.pdf"));
    EXPECT_EQ(pdftest::ReaderComplaints(P("out.pdf")), "");
    setenv("LC_ALL", "de_DE.UTF-8", 1); // a decimal comma must not reach the file
    const CliResult German = Book(Args);
    unsetenv("LC_ALL");
    ASSERT_EQ(German.Status, 0) << German.Err;
    EXPECT_EQ(test::ReadWholeFile(P("out.pdf")), File);
}

TEST_F(BookCli, TextOfEachBoardReadsAsItsTitleAndRows) {
    TBookOptions Options;
    Options.FirstNumber = 2147483646;
    Options.Count = 2;
    Options.PerPage = 2;
    ASSERT_EQ(Book("--from 2147483646 --count 2 --level 2 --per-page 2 --pdf OUT").Status, 0);
    const auto Points = [](double Inches) { return std::to_string(static_cast<int>(Inches * 72)); };
    for (int Index = 0; Index < 2; ++Index) {
        const TBookBoardFrame F = BookBoardFrame(8.5, 11, 2, Index, false);
        const CliResult Text = RunCommand("pdftotext -raw -x " + Points(F.Left - 0.2) + " -y " +
                                          Points(F.TitleBaseline - 0.3) + " -W " + Points(F.Side + 0.4) +
                                          " -H " + Points(F.Side + 0.4) + " '" + P("out.pdf") + "' -");
        ASSERT_EQ(Text.Status, 0) << Text.Out;
        // The title (its middle dot as UTF-8), then the digits of each row left to right, top to
        // bottom; a row without digits prints no line.
        std::string Expected = BookPuzzleTitle(Options, Options.FirstNumber + Index);
        Expected.replace(Expected.find('\xB7'), 1, "\xC2\xB7");
        const TBookPuzzle Puzzle = DealBookPuzzle(Options.FirstNumber + Index, Options.Window);
        for (int Row = 0; Row < 9; ++Row) {
            std::string Digits;
            for (int Column = 0; Column < 9; ++Column)
                if (const int Digit = Puzzle.Given[static_cast<size_t>(Row * 9 + Column)])
                    Digits += char('0' + Digit);
            if (!Digits.empty()) Expected += "|" + Digits;
        }
        std::string Seen;
        std::istringstream Lines(Text.Out);
        for (std::string Line; std::getline(Lines, Line);) {
            if (const size_t Title = Line.find("Puzzle"); Title != std::string::npos) {
                Seen += Line.substr(Title, Line.find_last_not_of(' ') + 1 - Title);
                continue;
            }
            std::string Digits;
            for (char C : Line)
                if (C >= '1' && C <= '9') Digits += C;
            if (!Digits.empty()) Seen += "|" + Digits;
        }
        EXPECT_EQ(Seen, Expected) << Text.Out;
    }
}

TEST_F(BookCli, RenderedPageHasEveryLineWhereItBelongsAndDigitsOnlyInGivenSquares) {
    ASSERT_EQ(Book("--from 500 --count 4 --level 1 --pdf OUT").Status, 0);
    constexpr int Dpi = 150;
    ASSERT_EQ(RunCommand("pdftoppm -gray -r 150 -f 1 -l 1 '" + P("out.pdf") + "' '" + P("page") + "'").Out,
              "");
    const TGreyImage Page = ReadPgm(P("page-1.pgm"));
    ASSERT_EQ(Page.Width, 1275);
    for (int Index = 0; Index < 4; ++Index) {
        SCOPED_TRACE("board " + std::to_string(Index));
        const TBookBoardFrame F = BookBoardFrame(8.5, 11, 4, Index, false);
        const TBookPuzzle Puzzle = DealBookPuzzle(500 + Index, LevelWindow(1));
        const double Cell = F.Side / 9, Pixel = 1.0 / Dpi;
        // Darkest pixel within a pixel of a line, and the width of the dark run across it.
        const auto LineAt = [&](double X, double Y) {
            int Darkest = 255, Run = 0;
            for (double D = -4 * Pixel; D <= 4 * Pixel; D += Pixel) {
                const int V = Page.At(X + D, Y, Dpi);
                Darkest = std::min(Darkest, std::abs(D) <= Pixel ? V : 255);
                Run += V < 128;
            }
            return std::pair{Darkest, Run};
        };
        for (int Line = 0; Line <= 9; ++Line) {
            const auto [Darkest, Run] = LineAt(F.Left + Line * Cell, F.Top + 0.25 * Cell);
            EXPECT_LT(Darkest, 160) << "line " << Line;
            if (Line % 3 == 0)
                EXPECT_GE(Run, 3) << "box line " << Line;
            else
                EXPECT_LE(Run, 2) << "square line " << Line;
        }
        for (int Row = 0; Row < 9; ++Row) {
            for (int Column = 0; Column < 9; ++Column) {
                int Dark = 0;
                for (double Y = 0.25; Y <= 0.75; Y += 0.05)
                    for (double X = 0.3; X <= 0.7; X += 0.05)
                        Dark += Page.At(F.Left + (Column + X) * Cell, F.Top + (Row + Y) * Cell, Dpi) < 128;
                if (Puzzle.Given[static_cast<size_t>(Row * 9 + Column)] != 0)
                    EXPECT_GT(Dark, 5) << "square " << Column + 1 << "," << Row + 1;
                else
                    EXPECT_EQ(Dark, 0) << "square " << Column + 1 << "," << Row + 1;
            }
        }
    }
}

TEST_F(BookCli, BadArgumentsAreRefusedWithAMessage) {
    const struct {
        const char* Name;
        const char* Args;
        const char* Message;
    } Rows[] = {
        {"no level or window", "--from 1 --count 2 --pdf OUT", "--level L or --window"},
        {"no count", "--from 1 --level 2 --pdf OUT", "--from N and --count K"},
        {"no output", "--from 1 --count 2 --level 2", "--pdf FILE or --ndr FILE"},
        {"both outputs", "--from 1 --count 2 --level 2 --pdf OUT --ndr OUT", "one of"},
        {"count zero", "--from 1 --count 0 --level 2 --pdf OUT", "1 to 10000"},
        {"count too big", "--from 1 --count 10001 --level 2 --pdf OUT", "1 to 10000"},
        {"count not a number", "--from 1 --count ten --level 2 --pdf OUT", "not a number"},
        {"first number zero", "--from 0 --count 1 --level 2 --pdf OUT", "at least 1"},
        {"past the last number", "--from 2147483647 --count 2 --level 2 --pdf OUT", "past number 2147483647"},
        {"level five", "--from 1 --count 1 --level 5 --pdf OUT", "--level must be"},
        {"unreachable window", "--from 1 --count 1 --window 70 81 --pdf OUT", "--window"},
        {"three per page", "--from 1 --count 1 --level 2 --per-page 3 --pdf OUT", "1, 2, 4 or 6"},
        {"paper a5", "--from 1 --count 1 --level 2 --paper a5 --pdf OUT", "a4 or letter"},
        {"compress a snapshot", "--from 1 --count 1 --level 2 --ndr OUT --compress", "--pdf only"},
        {"unknown option", "--from 1 --count 1 --level 2 --pdf OUT --fast", "'--fast'"},
    };
    for (const auto& Row : Rows) {
        const CliResult Result = Book(Row.Args);
        EXPECT_EQ(Result.Status, 2) << Row.Name;
        EXPECT_NE(Result.Err.find(Row.Message), std::string::npos) << Row.Name << ": " << Result.Err;
    }
    EXPECT_EQ(Dir.Entries().size(), 0u);
}

TEST_F(BookCli, InterruptedOrFailedRunLeavesNoFile) {
    // The interrupt is sent once the program itself (not the shell before it) catches it: SIGINT's
    // bit in SigCgt, however slowly a loaded machine starts it.
    const std::string Cli = fs::canonical(VELMORA_CLI_PATH).string();
    const CliResult Stopped = RunCommand(
        "'" + Cli + "' book --from 1 --count 10000 --level 4 --per-page 1 --solutions --pdf '" +
        P("big.pdf") + "' 2>&1 & pid=$!; for n in $(seq 1000); do if [ \"$(readlink /proc/$pid/exe)\" = '" +
        Cli +
        "' ]; then m=$(awk '/^SigCgt/{print $2}' /proc/$pid/status 2>/dev/null);"
        " [ $(( 0x${m:-0} & 2 )) -ne 0 ] && break; fi; sleep 0.01; done; kill -INT $pid; wait $pid");
    EXPECT_EQ(Stopped.Status, 128 + SIGINT) << Stopped.Out;
    EXPECT_NE(Stopped.Out.find("interrupted; no file written"), std::string::npos) << Stopped.Out;
    const CliResult Unwritable = Book("--from 1 --count 1 --level 1 --ndr " + P("missing/book.ndr"));
    EXPECT_EQ(Unwritable.Status, 1);
    EXPECT_NE(Unwritable.Err.find("missing/book.ndr"), std::string::npos) << Unwritable.Err;
    EXPECT_EQ(Dir.Entries().size(), 0u);
}
