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

struct TRecorded {
    int Pages;    // pages recorded
    int LastPage; // the page number the layout reached
};

TRecorded RecordBook(const TBookOptions& Options, int AbortAtPage = 0) {
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
    struct TRow {
        const char* Name;
        int Count, PerPage;
        bool Solutions;
        int Pages;
    };
    const TRow Rows[] = {
        {"one puzzle", 1, 1, false, 1},
        {"two a page, odd count", 3, 2, false, 2},
        {"four a page with four solutions a page", 5, 2, true, 3 + 2},
        {"four a page with six solutions a page", 9, 4, true, 3 + 2},
        {"six a page, full pages", 12, 6, true, 2 + 2},
    };
    for (const TRow& Row : Rows) {
        TBookOptions Options;
        Options.FirstNumber = 300;
        Options.Count = Row.Count;
        Options.PerPage = Row.PerPage;
        Options.Solutions = Row.Solutions;
        EXPECT_EQ(BookPageCount(Options), Row.Pages) << Row.Name;
        EXPECT_EQ(RecordBook(Options).Pages, Row.Pages) << Row.Name;
    }
}

TEST(BookPage, CancelStopsTheBookAtTheNextPage) {
    TBookOptions Options;
    Options.Count = 10000;
    Options.PerPage = 1;
    EXPECT_EQ(RecordBook(Options, 3).LastPage, 3);
}

TEST(BookPage, BoardsFitThePrintableAreaOfA4AndLetter) {
    for (const TBookPaper Paper : {TBookPaper::bpA4, TBookPaper::bpLetter}) {
        const TReferenceDevice D = BookPaperDevice(Paper, {});
        for (const int PerPage : {1, 2, 4, 6}) {
            for (const bool Solution : {false, true}) {
                for (int I = 0; I < PerPage; ++I) {
                    const TBookBoardFrame F = BookBoardFrame(D.PageWidth, D.PageHeight, PerPage, I, Solution);
                    SCOPED_TRACE(std::to_string(PerPage) + " a page, board " + std::to_string(I));
                    EXPECT_GE(F.Left, 0.5);
                    EXPECT_LE(F.Left + F.Side, D.PageWidth - 0.5);
                    EXPECT_GE(F.TitleBaseline - F.TitlePoints / 72.0, 0.5);
                    EXPECT_LE(F.Top + F.Side, BookFooterBaseline(D.PageHeight) - 0.2);
                    EXPECT_GE(F.DigitPoints, 10);
                }
            }
        }
    }
}

TEST(BookPage, PrintRunGivesAFileThePaperChosenForIt) {
    const test::TempFolder Folder;
    for (const TBookPaper Paper : {TBookPaper::bpA4, TBookPaper::bpLetter}) {
        const std::string File = Folder.File("book-paper.ndr");
        TReportSystem System;
        System.OverrideSetup = [&](TReportSystem& S, TOverrideMode Mode, std::unique_ptr<TRunForm>&) {
            if (Mode != omWait) return;
            S.SetReportDest(rdFile);
            S.SetOutputFileName(File);
        };
        TBookOptions Book;
        Book.Count = 2;
        Book.Paper = Paper;
        ConfigureBookReport(System, Book);
        System.RunReport();
        std::vector<uint8_t> Bytes;
        ASSERT_TRUE(platform::SafeFile::ReadAll(File, Bytes));
        TPageStreamDecoder Decoder(Bytes.data(), Bytes.size());
        const TPageStreamHeader Header = Decoder.ReadHeader();
        const TReferenceDevice Expected = BookPaperDevice(Paper, {});
        EXPECT_EQ(Header.Title, "Puzzle Book");
        EXPECT_FLOAT_EQ(Header.PageWidth, static_cast<float>(Expected.PageWidth));
        EXPECT_FLOAT_EQ(Header.PageHeight, static_cast<float>(Expected.PageHeight));
        EXPECT_EQ(Header.PageCount, 1);
    }
}
