// The recording writer: what it records is compared with golden files (one per row, in data/) as
// its dump listing and the calls it plays; the rest checks page selection, units, events, messages
// and files.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "report/ReportError.h"

namespace {

// State is recorded only when it differs from what was last written; a font size of zero or
// less changes nothing.
void StateChanges(TNDRWriter& W) {
    W.SetFontColor(0);
    W.SetFontColor(255);
    W.SetBold(true);
    W.SetPenColor(0);
    W.SetPenWidth(3);
    W.SetBrushColor(0xFFFFFF);
    W.SetBrushStyle(bsClear);
    W.SelectFont("Arial", 12);
    W.SetFontName("Courier New");
    W.SelectFont("Arial", 0);
    W.SelectFont("Arial", -3);
    W.PrintAt(1, 1, "x");
}

// Positioning mode: texts with spaces become justified blocks of the measured width; centred and
// right texts start where the text begins; tabs stop every half inch from the start.
void PositioningTexts(TNDRWriter& W) {
    W.PrintAt(1, 2, "Single");
    W.PrintAt(1, 3, "Two words");
    W.NewPage();
    W.TextCenteredAt("a b", 2);
    EXPECT_DOUBLE_EQ(W.CurrentX(), 2 + 3 * 0.55 * 42 / 300 / 2);
    W.TextRightAt("a b", 2);
    EXPECT_DOUBLE_EQ(W.CurrentX(), 2);
    W.NewPage();
    W.PrintAt(1, 1, "a\tb\t\tc");
}

// Too long for the format: refused before a byte is written, the stream stays whole.
void TooLongTexts(TNDRWriter& W) {
    const std::string Long(16384, 'x');
    EXPECT_THROW(W.SendRawText(Long), EReportError);
    EXPECT_THROW(W.PrintAt(1, 1, Long), EReportError);
    EXPECT_THROW(W.RequestBin(Long), EReportError);
    W.PrintAt(1, 1, "after");
}

struct TGoldenRow {
    const char* Name;
    const char* Golden;
    TStep Layout, Setup = nullptr;
    bool WholeHeader = false; // else only its first line and the page count, which the writer patches
};

const TGoldenRow GoldenRows[] = {
    {"every operation", "every-operation.txt", EveryOperation, nullptr, true},
    {"state changes", "state-changes.txt", StateChanges},
    {"positioning texts", "positioning-texts.txt", PositioningTexts},
    {"appearance texts", "appearance-texts.txt", [](TNDRWriter& W) { W.PrintAt(1, 3, "Two words"); },
     [](TNDRWriter& W) { W.SetAccuracyMethod(amAppearance); }},
    // A factor of zero or less is ignored: lengths are divided by it.
    {"millimetres, origin and scale", "units.txt",
     [](TNDRWriter& W) {
         W.SetOrigin(1, 0);
         W.Rectangle(25.4, 50.8, 76.2, 101.6);
     },
     [](TNDRWriter& W) {
         W.SetUnitsFactor(25.4);
         W.SetUnitsFactor(0);
         W.SetUnitsFactor(-2);
         W.SetScaleX(50);
     }},
    {"first page 2", "pages-from-two.txt", EveryOperation, [](TNDRWriter& W) { W.SetFirstPage(2); }},
    {"selection 2-", "pages-from-two.txt", EveryOperation, [](TNDRWriter& W) { W.SetSelection("2-"); }},
    {"discarded page, abort on page 3", "discard-and-abort.txt",
     [](TNDRWriter& W) {
         W.PrintAt(1, 1, "keep1");
         W.NewPage();
         W.PrintAt(1, 1, "drop");
         W.DiscardPage();
         W.DiscardPage(); // once per page
         W.NewPage();     // numbered 2 again
         W.PrintAt(1, 1, "keep2");
         W.NewPage();
         W.PrintAt(1, 1, "aborted");
         W.Abort();
     }},
    {"too long texts", "too-long-texts.txt", TooLongTexts},
    // Cancel in the status window arrives while the next page starts: the closed page stays.
    {"abort from the status line of page 2", "abort-from-status.txt", EveryOperation,
     [](TNDRWriter& W) {
         W.StatusLabel = [&W](const std::string&) {
             if (W.CurrentPage() == 2) W.Abort();
         };
     }},
    // Reports that end up without a page: the header and nothing else.
    {"abort on page 1", "empty-report.txt", [](TNDRWriter& W) { W.Abort(); }},
    {"discarded only page", "empty-report.txt", [](TNDRWriter& W) { W.DiscardPage(); }},
    {"selection R", "empty-report.txt", EveryOperation, [](TNDRWriter& W) { W.SetSelection("R"); }},
    {"range misses the page", "empty-report.txt", EveryOperation, [](TNDRWriter& W) { W.SetFirstPage(4); }},
};

} // namespace

// After an intended change of the format, rewrite the files with VELMORA_UPDATE_GOLDEN=1 and review
// their diff. The recording of every operation is kept byte for byte too (every-operation.ndr).
TEST(NDRWriterGolden, RecordingsAreListedAsTheGoldenFiles) {
    for (const TGoldenRow& Row : GoldenRows) {
        SCOPED_TRACE(Row.Name);
        const auto Bytes = Record(Row.Layout, Row.Setup);
        TRecordingRender Played; // the recording's listing, then the calls it plays
        const std::string Error = Play(Bytes, Played);
        const std::string Text = Listing(Bytes, Row.WholeHeader) + "played:" + Error + "\n" + Played.Text();
        EXPECT_TRUE(test::MatchesGoldenFile(Text, REPORT_TEST_DATA "/" + std::string(Row.Golden)));
        if (Row.WholeHeader) {
            EXPECT_TRUE(test::MatchesGoldenFile(std::string(Bytes.begin(), Bytes.end()),
                                                REPORT_TEST_DATA "/every-operation.ndr"));
        }
    }
}

// The only two-form field of the format: lengths from 192 on take two bytes, big-endian, + 49152.
TEST(NDRWriterStrings, LengthEncodingAt191And192Bytes) {
    for (const auto& [Length, Head] : {std::pair<size_t, std::vector<uint8_t>>{191, {30, 191}},
                                       {192, {30, 0xC0, 0xC0}},
                                       {16383, {30, 0xFF, 0xFF}}}) {
        const std::string Text(Length, 'x');
        const auto Bytes = Record([&](TNDRWriter& W) { W.SendRawText(Text); });
        const auto At = std::search(Bytes.begin(), Bytes.end(), Text.begin(), Text.end());
        EXPECT_EQ(std::vector<uint8_t>(At - static_cast<long>(Head.size()), At), Head) << Length;
    }
}

TEST(NDRWriterPages, SelectionTextItems) {
    for (const auto& [Selection, Pages] : {std::pair{"1, 4-5 ,even", "12-456-8-"},
                                           {"-2,O", "123-5-7-9"},
                                           {"r", "---------"},
                                           {"ALL", "123456789"},
                                           {"x-3,7-q", "---------"}}) {
        TNDRWriter W;
        W.SetSelection(Selection);
        std::string Selected; // a page's digit when selected
        for (int Page = 1; Page <= 9; ++Page)
            Selected += W.PageSelected(Page) ? static_cast<char>('0' + Page) : '-';
        EXPECT_EQ(Selected, Pages) << Selection;
    }
}

TEST(NDRWriterLifecycle, FailuresCarryTheirFixedMessages) {
    TNDRWriter W;
    PrepareWriter(W);
    const std::string NotPrinting = "Invalid method call.  Report is not printing.";
    EXPECT_EQ(ErrorOf([&] { W.Rectangle(0, 0, 1, 1); }), NotPrinting);
    EXPECT_EQ(ErrorOf([&] { W.DiscardPage(); }), NotPrinting);
    EXPECT_EQ(ErrorOf([&] { W.Canvas(); }), "Error!  Canvas not yet active.");
    EXPECT_EQ(ErrorOf([&] { W.RegisterGraphic(0); }), "RegisterGraphic: Index must be between 1 and 10");
    EXPECT_EQ(ErrorOf([&] { W.UnregisterGraphic(11); }), "UnregisterGraphic: Index must be between 1 and 10");
    EXPECT_EQ(ErrorOf([&] { W.ReuseGraphic(-1); }), "ReuseGraphic: Index must be between 1 and 10");
    W.Start();
    EXPECT_EQ(ErrorOf([&] { W.Start(); }), "Invalid method call.  Report already printing.");
    EXPECT_EQ(ErrorOf([&] { W.CopyRect({}, {}); }), "CopyRect() not supported in file mode.");
    W.Finish();
    W.SetStreamMode(smUser);
    EXPECT_EQ(ErrorOf([&] { W.Execute(); }), "StreamMode is smUser but Stream is nil");
}

TEST(NDRWriterLifecycle, EventsFireInOrderAndStopAtAnAbort) {
    for (const auto& [AbortOn, Expected] :
         {std::pair{0, "before newpage1 header page1 footer newpage2 header page2 footer after "},
          {2, "before newpage1 header page1 footer newpage2 header page2 after "}}) {
        std::string Events;
        TNDRWriter W;
        PrepareWriter(W);
        W.OnBeforePrint = [&](TBaseReport&) { Events += "before "; };
        W.OnNewPage = [&](TBaseReport& R) { Events += "newpage" + std::to_string(R.CurrentPage()) + " "; };
        W.OnPrintHeader = [&](TBaseReport&) { Events += "header "; };
        W.OnPrintFooter = [&](TBaseReport&) { Events += "footer "; };
        W.OnAfterPrint = [&](TBaseReport&) { Events += "after "; };
        W.OnPrintPage = [&, AbortOn = AbortOn](TBaseReport& R, int Page) {
            Events += "page" + std::to_string(Page) + " ";
            if (Page == AbortOn) R.Abort();
            return Page < 2 || Page == AbortOn; // an abort must stop the run all the same
        };
        W.Execute();
        EXPECT_EQ(Events, Expected) << "abort on " << AbortOn;
    }
}

// A run that does not finish (its layout fails, or it is aborted) leaves an existing file as it
// was and nothing else beside it, and no temporary recording.
TEST(NDRWriterLifecycle, UnfinishedRunKeepsTheOldFile) {
    test::TempFolder Folder;
    const std::string Name = Folder.File("old.ndr");
    test::WriteWholeFile(Name, "old bytes");
    for (const TStreamMode Mode : {smFile, smMemory, smTempFile})
        for (const bool Aborted : {false, true}) {
            // An aborted temporary recording is kept for its pages.
            if (Mode == smTempFile && Aborted) continue;
            TNDRWriter W;
            PrepareWriter(W);
            W.SetStreamMode(Mode);
            if (Mode != smTempFile) W.SetFileName(Name);
            W.OnPrint = [&](TBaseReport&) {
                W.PrintAt(1, 1, "x");
                if (!Aborted) throw EReportError("layout failed");
                W.Abort();
            };
            // A failure of the layout reaches the caller.
            EXPECT_EQ(ErrorOf([&] { W.Execute(); }), Aborted ? "" : "layout failed");
            EXPECT_FALSE(W.Printing());
            EXPECT_EQ(test::ReadWholeFile(Name), "old bytes") << Mode << Aborted;
            EXPECT_EQ(Folder.Entries(), std::vector<std::string>{"old.ndr"}) << Mode << Aborted;
            EXPECT_TRUE(Mode != smTempFile ||
                        !(W.FileName().empty() || std::filesystem::exists(W.FileName())));
        }
}

TEST(NDRWriterLifecycle, BufferFlushesKeepPatchedPositionsRight) {
    // Many pages with large texts cross the 16384-byte buffer many times.
    const auto Bytes = Record([](TNDRWriter& W) {
        for (int P = 1; P <= 40; ++P) {
            W.SendRawText(std::string(1000 + P * 300, 'a'));
            if (P < 40) W.NewPage();
        }
    });
    for (const auto& [PageNo, Pages] : {std::pair{37, 1}, {0, 40}}) {
        TRecordingRender R;
        EXPECT_EQ(Play(Bytes, R, PageNo), "");
        EXPECT_EQ(std::count(R.Calls.begin(), R.Calls.end(), "PageBegin 8.5 11"), Pages) << PageNo;
    }
}

TEST(NDRWriterStatus, PlaceholdersGiveThePrinterAndTheRunsValues) {
    const TReferenceDevice Laser{
        .HasPrinter = true, .DeviceName = "Laser", .Port = "ipp://q", .Driver = "PS"};
    for (const auto& [Device, Expected] :
         {std::pair{Laser, "Laser|ipp://q|PS|2|2"}, {TReferenceDevice{}, "Render|Render|Render|2|2"}}) {
        std::string Status = "no status";
        TNDRWriter W;
        PrepareWriter(W);
        W.SetDevice(Device);
        W.SetCopies(3);
        W.SetCurrentCopy(2);
        W.SetCollate(true);
        W.SetStatusFormat("%D|%r|%T|%c|%S");
        W.StatusLabel = [&](const std::string& Line) { Status = Line; };
        W.Execute();
        EXPECT_EQ(Status, Expected);
    }
}
