// The puzzle book recorded in-process: how many pages each layout makes, that the status window's
// Cancel stops it at the next page, and the page size a print run gives it.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "game/BookPage.h"
#include "game/BookReport.h"
#include "game/PuzzleBook.h"
#include "platform/SafeFile.h"
#include "report/PageStreamDecoder.h"
#include "report/ReportSystem.h"

namespace {

// The pages recorded and the page the layout reached; the status line cancels as page AbortAtPage
// starts.
std::pair<int, int> RecordBook(const TBookOptions& Options, int AbortAtPage = 0) {
    TNDRWriter W;
    PrepareWriter(W);
    W.StatusLabel = [&](const std::string&) {
        if (W.CurrentPage() == AbortAtPage) W.Abort();
    };
    W.OnPrint = [&](TBaseReport& R) { PrintPuzzleBook(R, Options); };
    W.Execute();
    EXPECT_EQ(W.Aborted(), AbortAtPage != 0);
    return {W.PageCount(), W.CurrentPage()};
}

} // namespace

TEST(BookPage, EachLayoutRecordsTheBooksPageCount) {
    const struct {
        const char* Name;
        TBookOptions Options;
        int Pages;
    } Rows[] = {
        {"one puzzle", {.Count = 1, .PerPage = 1}, 1},
        {"two a page, odd count", {.Count = 3, .PerPage = 2}, 2},
        {"two a page, solutions four a page", {.Count = 5, .PerPage = 2, .Solutions = true}, 3 + 2},
        {"four a page, solutions six a page", {.Count = 9, .PerPage = 4, .Solutions = true}, 3 + 2},
        {"six a page, full pages", {.Count = 12, .PerPage = 6, .Solutions = true}, 2 + 2},
    };
    for (const auto& Row : Rows) {
        EXPECT_EQ(BookPageCount(Row.Options), Row.Pages) << Row.Name;
        EXPECT_EQ(RecordBook(Row.Options).first, Row.Pages) << Row.Name;
    }
}

TEST(BookPage, CancelStopsTheBookAtTheNextPage) {
    EXPECT_EQ(RecordBook({.Count = 10000, .PerPage = 1}, 3).second, 3);
}

TEST(BookPage, BoardsFitThePrintableAreaOfA4AndLetter) {
    for (const TBookPaper Paper : {TBookPaper::bpA4, TBookPaper::bpLetter})
        for (const int PerPage : {1, 2, 4, 6})
            for (int I = 0; I < 2 * PerPage; ++I) { // the puzzles' boards, then the solutions'
                const TReferenceDevice D = BookPaperDevice(Paper, {});
                const TBookBoardFrame F =
                    BookBoardFrame(D.PageWidth, D.PageHeight, PerPage, I % PerPage, I >= PerPage);
                SCOPED_TRACE(std::to_string(PerPage) + " a page, board " + std::to_string(I));
                EXPECT_GE(F.Left, 0.5);
                EXPECT_LE(F.Left + F.Side, D.PageWidth - 0.5);
                EXPECT_GE(F.TitleBaseline - F.TitlePoints / 72.0, 0.5);
                EXPECT_LE(F.Top + F.Side, BookFooterBaseline(D.PageHeight) - 0.2);
                EXPECT_GE(F.DigitPoints, 10);
            }
}

TEST(BookPage, PrintRunGivesAFileThePaperChosenForIt) {
    const test::TempFolder Folder;
    const std::string File = Folder.File("book-paper.ndr");
    for (const TBookPaper Paper : {TBookPaper::bpA4, TBookPaper::bpLetter}) {
        TReportSystem System;
        System.OverrideSetup = [&](TReportSystem& S, TOverrideMode Mode, std::unique_ptr<TRunForm>&) {
            if (Mode != omWait) return;
            S.SetReportDest(rdFile);
            S.SetOutputFileName(File);
        };
        ConfigureBookReport(System, {.Count = 2, .Paper = Paper});
        System.RunReport();
        std::vector<uint8_t> Bytes;
        ASSERT_TRUE(platform::SafeFile::ReadAll(File, Bytes));
        const TPageStreamHeader Header = TPageStreamDecoder(Bytes.data(), Bytes.size()).ReadHeader();
        const TReferenceDevice Expected = BookPaperDevice(Paper, {});
        EXPECT_EQ(Header.Title, "Puzzle Book");
        EXPECT_FLOAT_EQ(Header.PageWidth, static_cast<float>(Expected.PageWidth));
        EXPECT_FLOAT_EQ(Header.PageHeight, static_cast<float>(Expected.PageHeight));
        EXPECT_EQ(Header.PageCount, 1);
    }
}
