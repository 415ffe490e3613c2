// Byte-level checks of the recording writer: header, page state, strings, positioning mode,
// graphics, page selection, abort and discard, units, failures.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestSupport.h"
#include "report/PageStreamDecoder.h"
#include "report/PageStreamListing.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"

namespace {

constexpr size_t HeaderSize = 54;     // with the title "Report" and no device name
constexpr size_t PageRecordHead = 19; // 80, previous, next, page number, width, height

std::vector<uint8_t> Record(const std::function<void(TNDRWriter&)>& Layout,
                            const std::function<void(TNDRWriter&)>& Setup = nullptr) {
    TNDRWriter Writer;
    PrepareWriter(Writer);
    if (Setup) Setup(Writer);
    Writer.OnPrint = [&](TBaseReport&) { Layout(Writer); };
    Writer.Execute();
    return Writer.MemoryBytes();
}

// The codes of every command in the stream, page starts as 80, in order.
std::vector<int> Codes(const std::vector<uint8_t>& Bytes) {
    TPageStreamDecoder D(Bytes.data(), Bytes.size());
    const TPageStreamHeader H = D.ReadHeader();
    std::vector<int> Out;
    TCommand C;
    while (!D.AtEnd()) {
        if (D.Data()[D.Position()] == 80) {
            D.ReadPageHead();
            Out.push_back(80);
            continue;
        }
        D.ReadCommand(C);
        Out.push_back(C.Code);
    }
    (void)H;
    return Out;
}

// The stream's commands after the state block of the first page (its drawing only).
std::vector<int> DrawingCodes(const std::vector<uint8_t>& Bytes) {
    std::vector<int> All = Codes(Bytes);
    auto It = std::find(All.begin(), All.end(), 27); // the state block ends with code 27
    return std::vector<int>(It + 1, All.end());
}

} // namespace

TEST(NDRWriterHeader, FieldsWithoutPrinterAndPatchedPageCount) {
    const auto Bytes = Record([](TNDRWriter& W) {
        W.NewPage();
        W.NewPage();
    });
    TBytes Expected;
    Expected.Byte('Z').Word(2017).Str("Report").Word(3).Word(1).Word(9999);
    Expected.Single(8.5f).Single(11).Single(0).Single(0).Single(0).Single(0);
    Expected.Byte(0).Word(265).Byte(0).Byte(0).Word(1).Word(1).Word(0).Word(0).Str("");
    ASSERT_EQ(Expected.Size(), HeaderSize);
    ASSERT_GE(Bytes.size(), HeaderSize);
    EXPECT_EQ(std::vector<uint8_t>(Bytes.begin(), Bytes.begin() + HeaderSize), Expected.Data);
}

TEST(NDRWriterHeader, PageRecordsAreDoublyLinked) {
    const auto Bytes = Record([](TNDRWriter& W) {
        W.NewPage();
        W.NewPage();
    });
    const size_t P1 = HeaderSize;
    const size_t P2 = static_cast<size_t>(IntAt(Bytes, P1 + 5));
    const size_t P3 = static_cast<size_t>(IntAt(Bytes, P2 + 5));
    EXPECT_EQ(Bytes[P1], 80);
    EXPECT_EQ(IntAt(Bytes, P1 + 1), 0);
    EXPECT_EQ(Bytes[P2], 80);
    EXPECT_EQ(Bytes[P2 - 1], 82); // the previous page ended just before
    EXPECT_EQ(IntAt(Bytes, P2 + 1), static_cast<int32_t>(P1));
    EXPECT_EQ(IntAt(Bytes, P3 + 1), static_cast<int32_t>(P2));
    EXPECT_EQ(IntAt(Bytes, P3 + 5), 0);
    EXPECT_EQ(WordAt(Bytes, P1 + 9), 1);
    EXPECT_EQ(WordAt(Bytes, P2 + 9), 2);
    EXPECT_EQ(WordAt(Bytes, P3 + 9), 3);
    EXPECT_EQ(Bytes.back(), 82);
}

TEST(NDRWriterState, ChangesAreRecordedOnlyWhenTheyDiffer) {
    const auto Bytes = Record([](TNDRWriter& W) {
        W.SetFontColor(0);   // unchanged: nothing
        W.SetFontColor(255); // 52 only
        W.SetBold(true);     // 55, then 54 because a style changed
        W.SetPenColor(0);    // unchanged
        W.SetPenWidth(3);    // 74
        W.SetBrushColor(0xFFFFFF);
        W.SetBrushStyle(bsClear);  // 42
        W.SelectFont("Arial", 12); // colour back to 0, bold off, size: 52, 55, 54 once
    });
    EXPECT_EQ(DrawingCodes(Bytes), (std::vector<int>{52, 55, 54, 74, 42, 52, 55, 54, 82}));
}

TEST(NDRWriterState, SelectFontRecordsTwelvePointsAsTwelveSeventySecondsOfAnInch) {
    const auto Bytes = Record([](TNDRWriter& W) { W.SelectFont("Arial", 12); });
    TPageStreamDecoder D(Bytes.data(), Bytes.size());
    D.ReadHeader();
    D.ReadPageHead();
    TCommand C;
    float LastSize = 0;
    for (D.ReadCommand(C); C.Code != 82; D.ReadCommand(C))
        if (C.Code == 54) LastSize = C.F[0];
    EXPECT_FLOAT_EQ(LastSize, 12.0f / 72);
}

TEST(NDRWriterState, SelectFontWithZeroSizeChangesNothing) {
    TNDRWriter W;
    PrepareWriter(W);
    W.SetBold(true);
    W.SetFontName("Courier New");
    const TReportFont Before = W.Font();
    W.SelectFont("Arial", 0);
    W.SelectFont("Arial", -3);
    EXPECT_EQ(W.Font(), Before);
}

TEST(NDRWriterStrings, LengthEncodingAt191And192Bytes) {
    for (size_t Length : {size_t{191}, size_t{192}, size_t{16383}}) {
        const std::string Text(Length, 'x');
        const auto Bytes = Record([&](TNDRWriter& W) { W.SendRawText(Text); });
        const auto At = std::search(Bytes.begin(), Bytes.end(), Text.begin(), Text.end());
        ASSERT_NE(At, Bytes.end());
        const size_t Offset = static_cast<size_t>(At - Bytes.begin());
        if (Length < 192) {
            EXPECT_EQ(Bytes[Offset - 2], 30);
            EXPECT_EQ(Bytes[Offset - 1], Length);
        } else {
            EXPECT_EQ(Bytes[Offset - 3], 30);
            EXPECT_EQ((Bytes[Offset - 2] << 8) | Bytes[Offset - 1], Length + 49152);
            EXPECT_GE(Bytes[Offset - 2], 192);
        }
    }
}

TEST(NDRWriterStrings, TextLongerThanTheFormatAllowsFailsBeforeAnythingIsWritten) {
    TNDRWriter W;
    PrepareWriter(W);
    W.OnPrint = [](TBaseReport& R) {
        const std::string Long(16384, 'x');
        EXPECT_THROW(R.SendRawText(Long), EReportError);
        EXPECT_THROW(R.PrintAt(1, 1, Long), EReportError);
        EXPECT_THROW(R.RequestBin(Long), EReportError);
        R.PrintAt(1, 1, "after");
    };
    W.Execute();
    TRecordingRender R;
    EXPECT_EQ(Play(W.MemoryBytes(), R), ""); // the stream stayed whole
    EXPECT_EQ(R.Matching("LeftText").size(), 1u);

    W.OnPrint = [](TBaseReport& R) { R.SendRawText(std::string(16384, 'x')); };
    EXPECT_THROW(W.Execute(), EReportError); // a failure inside Execute propagates
    EXPECT_FALSE(W.Printing());
}

TEST(NDRWriterText, PositioningModeRecordsTextsWithSpacesAsJustified) {
    const auto Bytes = Record([](TNDRWriter& W) {
        W.PrintAt(1, 2, "Single");
        W.PrintAt(1, 3, "Two words");
    });
    const auto Codes = DrawingCodes(Bytes);
    EXPECT_EQ(Codes, (std::vector<int>{83, 24, 33, 82}));
    // The width of code 33 is the width measured on the reference device.
    const std::string Text = "Two words";
    const auto At = std::search(Bytes.begin(), Bytes.end(), Text.begin(), Text.end());
    const size_t After = static_cast<size_t>(At - Bytes.begin()) + Text.size();
    EXPECT_FLOAT_EQ(SingleAt(Bytes, After), 1.0f);
    EXPECT_FLOAT_EQ(SingleAt(Bytes, After + 4), 9 * 21.0f / 300);
}

TEST(NDRWriterText, AppearanceModeRecordsTextsAsTheyAre) {
    const auto Bytes = Record([](TNDRWriter& W) { W.PrintAt(1, 3, "Two words"); },
                              [](TNDRWriter& W) { W.SetAccuracyMethod(amAppearance); });
    EXPECT_EQ(DrawingCodes(Bytes), (std::vector<int>{83, 24, 82}));
}

TEST(NDRWriterText, CentredAndRightTextsInPositioningModeStartWhereTheTextBegins) {
    TNDRWriter W;
    PrepareWriter(W);
    TMemoryStream Out;
    W.SetStreamMode(smUser);
    W.SetStream(&Out);
    W.OnPrint = [](TBaseReport& R) {
        R.TextCenteredAt("a b", 2);
        EXPECT_DOUBLE_EQ(R.CurrentX(), 2 + 3 * 21.0 / 300 / 2);
        R.TextRightAt("a b", 2);
        EXPECT_DOUBLE_EQ(R.CurrentX(), 2);
    };
    W.Execute();
    TPageStreamDecoder D(Out.Bytes().data(), Out.Bytes().size());
    D.ReadHeader();
    D.ReadPageHead();
    TCommand C;
    std::vector<float> Starts;
    for (D.ReadCommand(C); C.Code != 82; D.ReadCommand(C))
        if (C.Code == 33) Starts.push_back(C.F[1]);
    const float W3 = 3 * 21.0f / 300;
    ASSERT_EQ(Starts.size(), 2u);
    EXPECT_FLOAT_EQ(Starts[0], 2 - W3 / 2);
    EXPECT_FLOAT_EQ(Starts[1], 2 - W3);
}

TEST(NDRWriterText, TabMovesToTheNextHalfInchFromTheStart) {
    std::vector<float> Xs;
    const auto Bytes = Record([](TNDRWriter& W) { W.PrintAt(1, 1, "a\tb\t\tc"); });
    TPageStreamDecoder D(Bytes.data(), Bytes.size());
    D.ReadHeader();
    D.ReadPageHead();
    TCommand C;
    for (D.ReadCommand(C); C.Code != 82; D.ReadCommand(C))
        if (C.Code == 24) Xs.push_back(C.F[1]);
    EXPECT_EQ(Xs, (std::vector<float>{1.0f, 1.5f, 2.5f}));
}

TEST(NDRWriterUnits, UnitsAndFactorFollowEachOther) {
    TNDRWriter W;
    W.SetUnits(unMM);
    EXPECT_DOUBLE_EQ(W.UnitsFactor(), 25.4);
    W.SetUnitsFactor(72);
    EXPECT_EQ(W.Units(), unPoint);
    W.SetUnitsFactor(3);
    EXPECT_EQ(W.Units(), unUser);
    W.SetUnitsFactor(0);
    W.SetUnitsFactor(-2);
    EXPECT_DOUBLE_EQ(W.UnitsFactor(), 3);
    W.SetUnits(unUser);
    EXPECT_DOUBLE_EQ(W.UnitsFactor(), 3);
    W.SetUnits(unCM);
    EXPECT_DOUBLE_EQ(W.UnitsFactor(), 2.54);
}

TEST(NDRWriterUnits, PointsAreStoredInInchesWithOriginAndScale) {
    const auto Bytes = Record(
        [](TNDRWriter& W) {
            W.SetOrigin(1, 0);
            W.Rectangle(25.4, 50.8, 76.2, 101.6);
        },
        [](TNDRWriter& W) {
            W.SetUnits(unMM);
            W.SetScaleX(50);
        });
    const size_t End = Bytes.size() - 1;
    ASSERT_EQ(Bytes[End - 17], 18);
    EXPECT_FLOAT_EQ(SingleAt(Bytes, End - 16), 1.0f); // (1 + 1) * 50 %
    EXPECT_FLOAT_EQ(SingleAt(Bytes, End - 12), 2.0f);
    EXPECT_FLOAT_EQ(SingleAt(Bytes, End - 8), 2.0f); // (3 + 1) * 50 %
    EXPECT_FLOAT_EQ(SingleAt(Bytes, End - 4), 4.0f);
}

TEST(NDRWriterGraphics, ReusedGraphicIsStoredOnce) {
    TReportGraphic G = TReportGraphic::FromBitmap(platform::RgbBitmap(3, 2, {1, 2, 3}));
    const auto Bytes = Record([&](TNDRWriter& W) {
        W.DrawBitmapRect(1, 1, 2, 2, G);
        W.RegisterGraphic(4);
        W.ReuseGraphic(4);
        W.DrawBitmapRect(3, 3, 4, 4, G);
        W.DrawBitmapRect(5, 5, 6, 6, G); // reuse applies to one graphic only
    });
    size_t Count = 0;
    for (auto It = Bytes.begin();
         (It = std::search(It, Bytes.end(), G.Data.begin(), G.Data.end())) != Bytes.end(); ++It)
        ++Count;
    EXPECT_EQ(Count, 2u);
    TRecordingRender R;
    ASSERT_EQ(Play(Bytes, R), "");
    ASSERT_EQ(R.Bitmaps.size(), 3u);
    EXPECT_EQ(R.Bitmaps[0], G);
    EXPECT_EQ(R.Bitmaps[1], G);
    EXPECT_EQ(R.Bitmaps[2], G);
}

TEST(NDRWriterGraphics, SlotIndexOutsideOneToTenFails) {
    TNDRWriter W;
    for (int Index : {0, 11}) {
        try {
            W.RegisterGraphic(Index);
            FAIL();
        } catch (const EReportError& E) {
            EXPECT_STREQ(E.what(), "RegisterGraphic: Index must be between 1 and 10");
        }
    }
    EXPECT_THROW(W.ReuseGraphic(-1), EReportError);
    try {
        W.UnregisterGraphic(11);
    } catch (const EReportError& E) {
        EXPECT_STREQ(E.what(), "UnregisterGraphic: Index must be between 1 and 10");
    }
}

TEST(NDRWriterPages, SelectionFromTwoOnSkipsPageOneEntirely) {
    for (auto Setup : {std::function<void(TNDRWriter&)>([](TNDRWriter& W) { W.SetFirstPage(2); }),
                       std::function<void(TNDRWriter&)>([](TNDRWriter& W) { W.SetSelection("2-"); })}) {
        const auto Bytes = Record(
            [](TNDRWriter& W) {
                W.PrintAt(1, 1, "one");
                W.NewPage();
                W.PrintAt(1, 1, "two");
                W.NewPage();
                W.PrintAt(1, 1, "three");
            },
            Setup);
        EXPECT_EQ(WordAt(Bytes, 10), 2); // two pages recorded
        const std::string All(Bytes.begin(), Bytes.end());
        EXPECT_EQ(All.find("one"), std::string::npos);
        EXPECT_NE(All.find("two"), std::string::npos);
        EXPECT_NE(All.find("three"), std::string::npos);
        EXPECT_EQ(WordAt(Bytes, HeaderSize + 9), 1); // recorded page numbers count from 1
        TRecordingRender R;
        EXPECT_EQ(Play(Bytes, R), "");
        EXPECT_EQ(R.Matching("PageBegin").size(), 2u);
    }
}

TEST(NDRWriterPages, SelectionTextItems) {
    TNDRWriter W;
    W.SetSelection("1, 4-5 ,even");
    EXPECT_TRUE(W.PageSelected(1));
    EXPECT_FALSE(W.PageSelected(3));
    EXPECT_TRUE(W.PageSelected(5));
    EXPECT_TRUE(W.PageSelected(8));
    W.SetSelection("-2,O");
    EXPECT_TRUE(W.PageSelected(2));
    EXPECT_TRUE(W.PageSelected(7));
    EXPECT_FALSE(W.PageSelected(4));
    W.SetSelection("r");
    EXPECT_FALSE(W.PageSelected(1));
    W.SetSelection("ALL");
    EXPECT_TRUE(W.PageSelected(1234));
    W.SetSelection("x-3,7-q");
    EXPECT_FALSE(W.PageSelected(2));
}

TEST(NDRWriterPages, AbortStopsRecordingAndLeavesAValidStream) {
    int PagesAsked = 0;
    TNDRWriter W;
    PrepareWriter(W);
    W.OnPrintPage = [&](TBaseReport& R, int Page) {
        ++PagesAsked;
        R.PrintAt(1, 1, "page" + std::to_string(Page));
        if (Page == 2) R.Abort();
        return true;
    };
    bool Footer = false;
    W.OnPrintFooter = [&](TBaseReport& R) { Footer = R.Aborted(); };
    W.Execute();
    EXPECT_EQ(PagesAsked, 2);
    EXPECT_FALSE(Footer);
    EXPECT_TRUE(W.Aborted());
    const auto& Bytes = W.MemoryBytes();
    EXPECT_EQ(WordAt(Bytes, 10), 1);
    const std::string All(Bytes.begin(), Bytes.end());
    EXPECT_EQ(All.find("page2"), std::string::npos);
    TRecordingRender R;
    EXPECT_EQ(Play(Bytes, R), "");
    EXPECT_EQ(R.Matching("PageBegin").size(), 1u);
}

TEST(NDRWriterPages, DiscardedPageLeavesNoRecordAndItsNumberIsReused) {
    const auto Bytes = Record([](TNDRWriter& W) {
        W.PrintAt(1, 1, "keep1");
        W.NewPage();
        W.PrintAt(1, 1, "drop");
        W.DiscardPage();
        W.DiscardPage(); // once per page
        W.NewPage();
        EXPECT_EQ(W.CurrentPage(), 2);
        W.PrintAt(1, 1, "keep2");
    });
    const std::string All(Bytes.begin(), Bytes.end());
    EXPECT_EQ(All.find("drop"), std::string::npos);
    EXPECT_EQ(WordAt(Bytes, 10), 2);
    TRecordingRender R;
    EXPECT_EQ(Play(Bytes, R), "");
    EXPECT_EQ(R.Matching("PageBegin").size(), 2u);
    TRecordingRender One;
    EXPECT_EQ(Play(Bytes, One, 2), "");
    EXPECT_EQ(One.Matching("LeftText").size(), 1u);
    EXPECT_NE(One.Matching("LeftText")[0].find("keep2"), std::string::npos);
}

TEST(NDRWriterLifecycle, FailuresCarryTheirFixedMessages) {
    TNDRWriter W;
    PrepareWriter(W);
    auto Message = [](const std::function<void()>& F) {
        try {
            F();
        } catch (const EReportError& E) {
            return std::string(E.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(Message([&] { W.Rectangle(0, 0, 1, 1); }), "Invalid method call.  Report is not printing.");
    EXPECT_EQ(Message([&] { W.DiscardPage(); }), "Invalid method call.  Report is not printing.");
    EXPECT_EQ(Message([&] { W.Canvas(); }), "Error!  Canvas not yet active.");
    W.Start();
    EXPECT_EQ(Message([&] { W.Start(); }), "Invalid method call.  Report already printing.");
    EXPECT_EQ(Message([&] { W.CopyRect({}, {}); }), "CopyRect() not supported in file mode.");
    W.Finish();
    TNDRWriter U;
    PrepareWriter(U);
    U.SetStreamMode(smUser);
    EXPECT_EQ(Message([&] { U.Execute(); }), "StreamMode is smUser but Stream is nil");
}

TEST(NDRWriterLifecycle, EventsFireInOrder) {
    std::vector<std::string> Events;
    TNDRWriter W;
    PrepareWriter(W);
    W.OnBeforePrint = [&](TBaseReport&) { Events.push_back("before"); };
    W.OnNewPage = [&](TBaseReport& R) { Events.push_back("newpage" + std::to_string(R.CurrentPage())); };
    W.OnPrintHeader = [&](TBaseReport&) { Events.push_back("header"); };
    W.OnPrintFooter = [&](TBaseReport&) { Events.push_back("footer"); };
    W.OnAfterPrint = [&](TBaseReport&) { Events.push_back("after"); };
    W.OnPrintPage = [&](TBaseReport&, int Page) {
        Events.push_back("page" + std::to_string(Page));
        return Page < 2;
    };
    W.Execute();
    EXPECT_EQ(Events, (std::vector<std::string>{"before", "newpage1", "header", "page1", "footer", "newpage2",
                                                "header", "page2", "footer", "after"}));
}

TEST(NDRWriterLifecycle, FileModeWritesTheFileWholeAndAnExceptionLeavesNoFile) {
    const std::string Dir = testing::TempDir();
    const std::string Name = Dir + "/writer-file-mode.ndr";
    std::remove(Name.c_str());
    TNDRWriter W;
    PrepareWriter(W);
    W.SetStreamMode(smFile);
    W.SetFileName(Name);
    W.OnPrint = [](TBaseReport& R) { R.PrintAt(1, 1, "x"); };
    W.Execute();
    TFileStream In(Name, fmOpenRead);
    EXPECT_GT(In.Size(), HeaderSize);

    const std::string Broken = Dir + "/writer-failed.ndr";
    std::remove(Broken.c_str());
    W.SetFileName(Broken);
    W.OnPrint = [](TBaseReport&) { throw std::runtime_error("layout failed"); };
    EXPECT_THROW(W.Execute(), std::runtime_error);
    EXPECT_FALSE(W.Printing());
    EXPECT_THROW(TFileStream(Broken, fmOpenRead), EReportError);
}

TEST(NDRWriterLifecycle, BufferFlushesKeepPatchedPositionsRight) {
    // Many pages with large texts cross the 16384-byte buffer many times.
    const auto Bytes = Record([](TNDRWriter& W) {
        for (int P = 1; P <= 40; ++P) {
            W.SendRawText(std::string(1000 + P * 300, 'a'));
            if (P < 40) W.NewPage();
        }
    });
    EXPECT_EQ(WordAt(Bytes, 10), 40);
    TRecordingRender R;
    EXPECT_EQ(Play(Bytes, R, 37), "");
    EXPECT_EQ(R.Matching("PageBegin").size(), 1u);
    TRecordingRender All;
    EXPECT_EQ(Play(Bytes, All), "");
    EXPECT_EQ(All.Matching("PageBegin").size(), 40u);
}

TEST(NDRWriterLifecycle, TempFileModeNamesTheFileAndAFailedRunRemovesIt) {
    TNDRWriter W;
    PrepareWriter(W);
    W.SetStreamMode(smTempFile);
    W.OnPrint = [](TBaseReport& R) { R.PrintAt(1, 1, "temp"); };
    W.Execute();
    const std::string Name = W.FileName();
    ASSERT_FALSE(Name.empty());
    {
        TFileStream In(Name, fmOpenRead);
        std::vector<uint8_t> Bytes(In.Size());
        In.Read(Bytes.data(), Bytes.size());
        TRecordingRender R;
        EXPECT_EQ(Play(Bytes, R), "");
        EXPECT_EQ(R.Matching("LeftText").size(), 1u);
    }
    std::remove(Name.c_str());

    W.OnPrint = [](TBaseReport&) { throw EReportError("stop"); };
    EXPECT_THROW(W.Execute(), EReportError);
    EXPECT_NE(W.FileName(), Name);
    EXPECT_THROW(TFileStream(W.FileName(), fmOpenRead), EReportError);
}

namespace {

// Compares Actual with the golden file Name in the test data, whole; on a difference the actual
// text is written beside the golden one (NAME.actual) for inspection.
void ExpectGolden(const std::string& Actual, const std::string& Name) {
    const std::string Golden = std::string(REPORT_TEST_DATA) + "/" + Name;
    std::ifstream In(Golden, std::ios::binary);
    const std::string Expected((std::istreambuf_iterator<char>(In)), {});
    if (Actual == Expected) return;
    std::ofstream(Golden + ".actual", std::ios::binary) << Actual;
    ADD_FAILURE() << "listing differs from " << Golden << "; actual output in " << Golden << ".actual";
}

std::string Listing(const std::vector<uint8_t>& Bytes) {
    std::ostringstream Out;
    ListPageStream(Out, Bytes.data(), Bytes.size());
    return Out.str();
}

} // namespace

// One recording with every operation and setter after the page's full state; its listing is
// compared whole.
TEST(NDRWriterGolden, EveryOperationIsRecordedAsListed) {
    const TReportGraphic Picture{gtBitmap, {'B', 'M', 1, 2, 3}};
    const std::vector<uint8_t> Bytes = Record([&](TNDRWriter& W) {
        W.Arc(1, 1, 2, 2, 1.5, 1, 2, 1.5);
        W.Chord(1, 2, 2, 3, 1.5, 2, 2, 2.5);
        W.Pie(1, 3, 2, 4, 1.5, 3, 2, 3.5);
        W.Ellipse(3, 1, 4, 1.5);
        W.Rectangle(3, 2, 4, 2.5);
        W.ShadeRectangle(3, 3, 4, 3.5);
        W.RoundRect(3, 4, 4, 4.5, 0.25, 0.125);
        W.MoveTo(5, 1);
        W.LineTo(6, 1);
        W.Polygon({{300, 300}, {600, 300}, {450, 600}});
        W.Polyline({{300, 900}, {600, 900}});
        W.FillRect({300, 1200, 600, 1500});
        W.FrameRect({300, 1500, 600, 1800});
        W.DrawFocusRect({300, 1800, 600, 2100});
        W.FloodFill(1, 7, 0x00FF00, 1);
        W.CopyWithBrush({0, 0, 30, 30}, Picture, {0, 0, 3, 3}, 0xFFFFFF);
        W.Draw(1, 8, Picture);
        W.StretchDraw({300, 2700, 900, 3000}, Picture);
        W.SetGraphicOptions(3);
        W.DrawBitmapScaled(2, 8, 2, 0.5, Picture);
        TMemoryStream Image(std::vector<uint8_t>{0xFF, 0xD8, 0xFF, 0xD9});
        W.DrawImageData(3, 8, 4, 9, Image, "jpg");
        W.SetGraphicOptions(0);
        W.DrawBitmapRect(5, 8, 6, 9, Picture);
        W.SelectFont("Arial", 12);
        W.TextRect({300, 3000, 1200, 3300}, 1, 10.5, "clipped");
        W.PrintAt(1, 10, "left");
        W.TextCenteredAt("centre", 4);
        W.TextRightAt("right", 7);
        W.TextJustifiedAt("two words", 1, 3);
        W.SendRawText("raw");
        TMemoryStream Raw(std::vector<uint8_t>{1, 2, 3, 4});
        W.SendRawStream(Raw, 3);
        W.OutputPreviewOnly();
        W.OutputPrinterOnly();
        W.OutputEverywhere();
        W.RequestBin("Tray 2");
        W.SetRenderOption(7);
        W.SetOrientation(poLandScape);
        W.SetTextBKMode(bkOpaque);
        W.SetBackgroundColor(0x123456);
        W.SetScaleX(50);
        W.SetScaleY(200);
        W.SetPenColor(0x0000FF);
        W.SetPenWidth(3);
        W.SetBrushStyle(1);
        W.SetReportVar("name", "value");
    });
    ExpectGolden(Listing(Bytes), "every-operation.txt");
}

// Reports that end up without a page: a valid empty stream that every reader plays.
TEST(NDRWriterPages, NoPageRecordedLeavesAnEmptyReport) {
    struct Row {
        const char* Name;
        std::function<void(TNDRWriter&)> Setup, Layout;
    };
    const auto Draw = [](TNDRWriter& W) { W.PrintAt(1, 1, "x"); };
    for (const Row& R : {Row{"abort on page 1", nullptr, [](TNDRWriter& W) { W.Abort(); }},
                         Row{"discarded page", nullptr, [](TNDRWriter& W) { W.DiscardPage(); }},
                         Row{"selection R", [](TNDRWriter& W) { W.SetSelection("R"); }, Draw},
                         Row{"range misses the page", [](TNDRWriter& W) { W.SetFirstPage(3); }, Draw}}) {
        SCOPED_TRACE(R.Name);
        const std::vector<uint8_t> Bytes = Record(R.Layout, R.Setup);
        EXPECT_EQ(WordAt(Bytes, 10), 0);
        TRecordingRender Render;
        EXPECT_EQ(Play(Bytes, Render), "");
        EXPECT_EQ(Render.Calls, (std::vector<std::string>{"DocBegin", "DocEnd"}));
        TRecordingRender One;
        EXPECT_EQ(Play(Bytes, One, 1), "");
        EXPECT_EQ(One.Calls, (std::vector<std::string>{"DocBegin", "DocEnd"}));
        const std::string Text = Listing(Bytes);
        EXPECT_EQ(Text.substr(Text.size() - 10), "device \"\"\n"); // the header and nothing else
    }
}

// A cancelled recording into a file outputs nothing: the old file keeps its bytes and no
// temporary file is left.
TEST(NDRWriterLifecycle, AbortedFileRecordingKeepsTheOldFile) {
    namespace fs = std::filesystem;
    const fs::path Dir = fs::path(testing::TempDir()) / "writer-abort";
    fs::remove_all(Dir);
    fs::create_directories(Dir);
    const std::string Name = (Dir / "old.ndr").string();
    std::ofstream(Name, std::ios::binary) << "old bytes";
    for (const TStreamMode Mode : {smFile, smMemory}) {
        TNDRWriter W;
        PrepareWriter(W);
        W.SetStreamMode(Mode);
        W.SetFileName(Name);
        W.OnPrint = [](TBaseReport& R) {
            R.PrintAt(1, 1, "x");
            R.Abort();
        };
        W.Execute();
        std::ifstream In(Name, std::ios::binary);
        EXPECT_EQ(std::string((std::istreambuf_iterator<char>(In)), {}), "old bytes") << Mode;
        EXPECT_EQ(std::distance(fs::directory_iterator(Dir), fs::directory_iterator()), 1) << Mode;
    }
    fs::remove_all(Dir);
}

TEST(NDRWriterStatus, PlaceholdersGiveThePrinterAndTheRunsValues) {
    TReferenceDevice Laser;
    Laser.HasPrinter = true;
    Laser.DeviceName = "Laser";
    Laser.Port = "ipp://print-server/queues/laser";
    Laser.Driver = "Generic PostScript Printer";
    struct Row {
        const char* Name;
        TReferenceDevice Device;
        const char* Expected;
    };
    for (const Row& R :
         {Row{"printer", Laser, "Laser|ipp://print-server/queues/laser|Generic PostScript Printer|2|2"},
          Row{"no printer", TReferenceDevice{}, "Render|Render|Render|2|2"}}) {
        std::vector<std::string> Lines;
        TNDRWriter W;
        PrepareWriter(W);
        W.SetDevice(R.Device);
        W.SetCopies(3);
        W.SetCurrentCopy(2);
        W.SetCollate(true);
        W.SetStatusFormat("%D|%r|%T|%c|%S");
        W.StatusLabel = [&](const std::string& Line) { Lines.push_back(Line); };
        W.OnPrint = [](TBaseReport&) {};
        W.Execute();
        ASSERT_FALSE(Lines.empty()) << R.Name;
        EXPECT_EQ(Lines.front(), R.Expected) << R.Name;
    }
}
