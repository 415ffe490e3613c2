// Playback through a recording renderer: page framing, text runs, macros, page selection by link,
// older records, and every kind of malformed stream.
#include <gtest/gtest.h>

#include <set>

#include "TestSupport.h"
#include "report/PageConverter.h"
#include "report/PageStreamCodes.h"
#include "report/ReportStream.h"

namespace {

std::vector<uint8_t> Recorded(const std::function<void(TNDRWriter&)>& Layout) {
    return Record(Layout, [](TNDRWriter& W) { W.SetAccuracyMethod(amAppearance); });
}

// A one-page stream whose page holds Body (after the page start) and ends with 82.
std::vector<uint8_t> OnePage(const TBytes& Body, uint16_t PageCount = 1) {
    TBytes B = StreamHeader(PageCount);
    PageStart(B, 0, 0, 1);
    B.Data.insert(B.Data.end(), Body.Data.begin(), Body.Data.end());
    B.Byte(82);
    return B.Data;
}

// Remembers the name of each drawing operation the reader calls.
class TOperationRecorder : public TReportRender {
  public:
    std::vector<std::string> Operations;
#define VELMORA_RECORD_OPERATION(Name, Params, Args)                                                         \
    void Name Params override {                                                                              \
        IgnoreRenderArguments Args;                                                                          \
        Operations.push_back(#Name);                                                                         \
    }
    VELMORA_RENDER_OPERATIONS(VELMORA_RECORD_OPERATION)
#undef VELMORA_RECORD_OPERATION
};

// A command of the code with small operands of the layout it names.
TBytes CommandOf(const TPageCodeInfo& Info) {
    TBytes B;
    B.Byte(Info.Code);
    for (const char* Op = Info.Operands; *Op; ++Op) {
        switch (*Op) {
        case 'b':
        case 'B': // no pattern graphic follows
            B.Byte(0);
            break;
        case 'w':
            B.Word(0);
            break;
        case 'i':
        case 'N': // no bytes follow
            B.Int(0);
            break;
        case 'f':
        case 'F':
            B.Single(1);
            break;
        case 'P':
            B.Single(1).Single(1);
            break;
        case 'R':
            B.Single(1).Single(1).Single(2).Single(2);
            break;
        case 's':
            B.Str("a");
            break;
        case 'g':
            B.Byte(gtBitmap).Int(0);
            break;
        case 'H':
            B.Word(0).Single(1).Single(1);
            break;
        case 'V':
            B.Byte(1).Byte(1).Raw("v");
            break;
        }
    }
    return B;
}

} // namespace

TEST(PageConverterFraming, EveryCodeReachesTheOperationItsTableRowNames) {
    std::set<std::string> Reached;
    for (int Code = 0; Code < 256; ++Code) {
        const TPageCodeInfo* Info = FindPageCode(static_cast<uint8_t>(Code));
        if (!Info || Code == pcPageEnd) continue;
        SCOPED_TRACE(Info->Name);
        TOperationRecorder R;
        ASSERT_EQ(Play(OnePage(CommandOf(*Info)), R), "");
        const std::string Last = R.Operations.empty() ? "None" : R.Operations.back();
        EXPECT_EQ(Last, Info->Operation);
        Reached.insert(R.Operations.begin(), R.Operations.end());
    }
    EXPECT_EQ(Reached.size(), 24u) << "every renderer operation is reached by some code";
}

TEST(PageConverterFraming, OnePageGivesOnePairBetweenDocBeginAndDocEnd) {
    const auto Bytes = Record([](TNDRWriter& W) {
        W.PrintAt(1, 1, "x");
        W.PrintAt(2, 3, "a b"); // positioning mode: a block of its measured width
    });
    for (int PageNo : {0, 1}) {
        TRecordingRender R;
        ASSERT_EQ(Play(Bytes, R, PageNo), "");
        EXPECT_EQ(R.Calls,
                  (std::vector<std::string>{"DocBegin", "PageBegin 8.5x11", "LeftText 'x' 1 1",
                                            "BlockText 'a b' 2 3 0.2099999934", "PageEnd", "DocEnd"}));
    }
}

TEST(PageConverterFraming, ReportWithoutPagesPlaysAsAnEmptyDocument) {
    const auto Bytes = Record([](TNDRWriter& W) { W.Abort(); });
    for (int PageNo : {0, 1}) {
        TRecordingRender R;
        EXPECT_EQ(Play(Bytes, R, PageNo), "");
        EXPECT_EQ(R.Calls, (std::vector<std::string>{"DocBegin", "DocEnd"}));
    }
}

TEST(PageConverterFraming, OnePageOfManyIsFoundThroughTheLinks) {
    const auto Bytes = Recorded([](TNDRWriter& W) {
        for (int P = 1; P <= 5; ++P) {
            W.PrintAt(1, 1, "p" + std::to_string(P));
            if (P < 5) W.NewPage();
        }
    });
    for (int P : {4, 2, 5, 9}) { // beyond the last page: the page the search began at
        TRecordingRender R;
        ASSERT_EQ(Play(Bytes, R, P), "");
        EXPECT_EQ(R.Matching({"LeftText"}),
                  std::vector<std::string>{"LeftText 'p" + std::to_string(P == 9 ? 1 : P) + "' 1 1"});
    }
}

TEST(PageConverterFraming, UnpatchedPageCountPlaysTheFirstPageAndStops) {
    auto Bytes = Recorded([](TNDRWriter& W) {
        W.PrintAt(1, 1, "first");
        W.NewPage();
        W.PrintAt(1, 1, "second");
    });
    Bytes[10] = Bytes[11] = 0;
    TRecordingRender R;
    ASSERT_EQ(Play(Bytes, R), "");
    EXPECT_EQ(R.Matching({"PageBegin", "LeftText"}),
              (std::vector<std::string>{"PageBegin 8.5x11", "LeftText 'first' 1 1"}));
}

TEST(PageConverterFraming, LinesPolygonsPicturesAndStateReachTheRenderer) {
    const TReportGraphic G = TReportGraphic::FromBitmap(platform::RgbBitmap(3, 2, {1, 2, 3}));
    const auto Bytes = Recorded([&](TNDRWriter& W) {
        W.SetPenWidth(3);
        W.MoveTo(1, 1);
        W.LineTo(2, 1.5);
        W.Polygon({{300, 300}, {600, 300}, {450, 600}});
        W.Rectangle(1, 2, 3, 4);
        W.DrawBitmapRect(1, 1, 2, 2, G);
        W.RegisterGraphic(4);
        W.ReuseGraphic(4);
        W.DrawBitmapRect(3, 3, 4, 4, G); // stored once, played from the earlier copy
    });
    TRecordingRender R;
    ASSERT_EQ(Play(Bytes, R), "");
    EXPECT_EQ(R.Matching({"MoveTo", "LineTo", "Polygon", "Rectangle"}),
              (std::vector<std::string>{"MoveTo 1 1", "LineTo 2 1.5", "MoveTo 1 1",
                                        "Polygon 2 1248,1248 2496,1248 1872,2496", "Rectangle 1 2 3 4"}));
    EXPECT_NEAR(R.PenWidth(), 3.0 / 300, 1e-7);
    EXPECT_EQ(R.Bitmaps, (std::vector<TReportGraphic>{G, G}));
}

TEST(PageConverterText, FormattedRunsAreMeasuredAndPlacedOneAfterAnother) {
    // 12-point runs at 1248 dpi: each character is 6 points wide = 1/12 inch.
    const std::string Text = std::string("ab\x01") + "B1\x02" + "Z24\x04" + "cd\x01r\x04" + "e";
    const auto Bytes = Recorded([&](TNDRWriter& W) {
        W.SelectFont("Arial", 12);
        W.TextRightAt(Text, 4);
    });
    TRecordingRender R;
    ASSERT_EQ(Play(Bytes, R), "");
    // Widths: "ab" 2/12, "cd" at 24 pt 4/12, "e" keeps 24 pt after "r": 2/12; ending at 4.
    EXPECT_EQ(R.Matching({"LeftText"}),
              (std::vector<std::string>{"LeftText 'ab' 3.333333333 0", "LeftText 'cd' 3.5 0",
                                        "LeftText 'e' 3.833333333 0"}));
    // Run fonts: bold 24 pt for "cd", plain again for "e" with face and size kept, then restored.
    EXPECT_TRUE(std::any_of(R.Fonts.begin(), R.Fonts.end(),
                            [](const TReportFont& F) { return F.Size == 24 && F.Bold; }));
    EXPECT_EQ(R.Fonts.back().Size, 12);
    EXPECT_FALSE(R.Fonts.back().Bold);
}

TEST(PageConverterText, PageMacroAndVariableMacroExpand) {
    const std::string PageNo = std::string("Page \xFD") + "$RPCM11";
    const std::string Var = std::string("Name: \xFD$RPCV\xFC") + "who\xFB!";
    const auto Bytes = Recorded([&](TNDRWriter& W) {
        W.SetReportVar("who", "Velmora");
        W.PrintAt(1, 1, PageNo);
        W.PrintAt(1, 2, Var);
        W.NewPage();
        W.PrintAt(1, 1, PageNo + " of \xFD$RPCM10");
        W.PrintAt(1, 2, Var); // the variable is carried to page 2
    });
    TRecordingRender R;
    ASSERT_EQ(Play(Bytes, R), "");
    EXPECT_EQ(R.Matching({"LeftText"}),
              (std::vector<std::string>{"LeftText 'Page 1' 1 1", "LeftText 'Name: Velmora!' 1 2",
                                        "LeftText 'Page 2 of 2' 1 1", "LeftText 'Name: Velmora!' 1 2"}));
}

TEST(PageConverterText, MacroNumbersForRendererTextsAndUnknownNumbers) {
    TRecordingRender R;
    R.ExtraTexts() = {"zero", "one"};
    TByteViewStream Empty(nullptr, 0);
    TPageConverter C(Empty, R, FixedMeasurer());
    C.SetNow(0);
    EXPECT_EQ(C.ExpandMacros("[\xFD$RPCM17]"), "[one]");
    EXPECT_EQ(C.ExpandMacros("[\xFD$RPCM18]"), "[]");
    EXPECT_EQ(C.ExpandMacros("[\xFD$RPCM14]"), "[Render]");
    EXPECT_EQ(C.ExpandMacros("[\xFD$RPCM99]"), "[]");
    EXPECT_EQ(C.ExpandMacros("[\xFD$RPCMx1]"), "[\xFD$RPCMx1]"); // not a macro: kept
    EXPECT_EQ(C.ExpandMacros("[\xFD$RPCV\xFCmissing"), "[");     // no end byte: rest is the name
}

TEST(PageConverterOlder, QAndYHeadersAndOlderRecordsAreAccepted) {
    for (char Code : {'Q', 'Y'}) {
        TBytes B;
        B.Byte(static_cast<uint8_t>(Code)).Word(1).Word(1).Word(9999);
        B.Single(8.5f).Single(11).Single(0).Single(0).Single(0).Single(0).Byte(0);
        if (Code == 'Y') B.Word(265).Byte(0).Byte(0);
        B.Word(1).Word(1).Word(0).Word(0).Str("");
        B.Byte(80).Int(0).Int(0).Word(1);
        if (Code == 'Y')
            B.Single(8.5f).Single(11);
        else
            B.Byte(0);
        B.Byte(70).Int(255).Byte(4).Byte(0).Single(0.01f);                  // pen record
        B.Byte(40).Int(0x00FF00).Byte(1).Byte(0);                           // brush record
        B.Byte(50).Str("Courier New").Int(7).Byte(2).Byte(1).Single(0.25f); // font record
        B.Byte(1).Byte(0).Byte(1).Byte(0);
        B.Byte(54).Single(1.0f / 6);
        if (Code == 'Y') B.Single(3);
        B.Byte(32).Single(2).Str("old").Single(1).Single(3);
        B.Byte(82);
        TRecordingRender R;
        ASSERT_EQ(Play(B.Data, R), "") << Code;
        EXPECT_EQ(R.Matching({"BlockText"}).size(), 1u);
        ASSERT_FALSE(R.Fonts.empty());
        const TReportFont& F = R.Fonts.back();
        EXPECT_TRUE(F.Name == "Courier New" && F.Size == 12 && F.Bold && F.Italic) << Code;
        EXPECT_NEAR(R.PenWidth(), 0.01, 1e-7);
    }
}

// ------------------------------------------------------------------------------------------
// Malformed streams: each ends with a clear error, and DocEnd follows DocBegin.

struct TBadCase {
    const char* Name;
    std::vector<uint8_t> Bytes;
    std::string Message; // the whole message, or a part of it
    int PageNo = 0;
};

std::vector<TBadCase> BadCases() {
    auto Truncated = [](std::vector<uint8_t> Bytes, size_t Size) {
        Bytes.resize(Size);
        return Bytes;
    };
    const std::string End = "ends unexpectedly", Exceeds = "exceeds the report file",
                      Earlier = "does not point to an earlier graphic";
    const auto Text = OnePage(TBytes().Byte(24).Single(1).Str("hello").Single(1));
    const int32_t PageAt = static_cast<int32_t>(StreamHeader(1).Size()); // the first page record
    const int32_t Drawing = PageAt + 19;                                 // its first command
    TBytes Loop = StreamHeader(2), Outside = StreamHeader(2);
    PageStart(Loop, 0, PageAt, 1); // next points back at itself
    PageStart(Outside, 0, 1 << 30, 1);
    // A value record referring to itself, a loop of two; a variable containing its own macro.
    const std::string Macro = std::string("\xFD$RPCV\xFC") + "v\xFB";
    const uint8_t MacroSize = static_cast<uint8_t>(Macro.size() + 1);
    TBytes Two;
    Two.Byte(37).Str("v").Byte(4).Byte(254).Int(Drawing + 3 + 6 + 3);
    Two.Byte(37).Str("w").Byte(4).Byte(255).Int(-(Drawing + 3));
    return {
        {"bad header code", TBytes().Byte('X').Data, "Unexpected header code [88] found in report file."},
        {"page without 80", StreamHeader(1).Byte(81).Data, "Unexpected code found in report file."},
        {"undefined code", OnePage(TBytes().Byte(0x2C)), "Unexpected code [44] found in report file."},
        {"code 80 inside a page", OnePage(TBytes().Byte(80)), "Unexpected code [80] found in report file."},
        {"empty file", {}, "Report file is empty."},
        {"truncated inside a command", Truncated(Text, Text.size() - 6), End},
        {"truncated header", Truncated(StreamHeader(1).Data, 20), End},
        {"string longer than the data", OnePage(TBytes().Byte(30).Byte(0xFF).Byte(0xFF)), End},
        {"graphic size beyond the data", OnePage(TBytes().Byte(17).Byte(1).Int(1 << 30)), Exceeds},
        {"negative graphic size", OnePage(TBytes().Byte(17).Byte(1).Int(-5)), Exceeds},
        {"raw stream count beyond the data", OnePage(TBytes().Byte(31).Int(0x7FFFFFFF)), Exceeds},
        {"polygon count beyond the data", OnePage(TBytes().Byte(14).Word(0xFFFF)), End},
        {"graphic reference to itself", OnePage(TBytes().Byte(17).Byte(0x81).Int(Drawing + 2)), Earlier},
        {"graphic reference forward", OnePage(TBytes().Byte(17).Byte(0x81).Int(100000)), Earlier},
        {"graphic reference negative", OnePage(TBytes().Byte(17).Byte(0x81).Int(-4)), Earlier},
        {"value reference to itself", OnePage(TBytes().Byte(37).Str("v").Byte(4).Byte(254).Int(Drawing + 3)),
         "form a loop"},
        {"value references in a loop", OnePage(Two), "form a loop"},
        {"value reference outside", OnePage(TBytes().Byte(37).Str("v").Byte(4).Byte(254).Int(INT32_MIN)),
         "points outside the report file"},
        {"value record longer than the data", OnePage(TBytes().Byte(37).Str("v").Byte(200).Byte(3)), End},
        {"value text longer than its record", OnePage(TBytes().Byte(37).Str("v").Byte(1).Byte(9).Byte('a')),
         "holds 1 bytes but names 9"},
        {"variable containing its own macro",
         OnePage(TBytes()
                     .Byte(37)
                     .Str("v")
                     .Byte(MacroSize)
                     .Byte(MacroSize)
                     .Raw("x" + Macro)
                     .Byte(24)
                     .Single(1)
                     .Str(Macro)
                     .Single(1)),
         "expand without end"},
        {"page count beyond the pages", OnePage(TBytes(), 3), End},
        {"page links in a loop", Loop.Byte(82).Data, "Page links in report file form a loop.", 2},
        {"page link outside", Outside.Byte(82).Data, "points outside the report file", 2},
    };
}

TEST(PageConverterMalformed, EveryCaseEndsWithAClearErrorAndDocEnd) {
    for (const TBadCase& Case : BadCases()) {
        TRecordingRender R;
        const std::string Error = Play(Case.Bytes, R, Case.PageNo);
        EXPECT_NE(Error.find(Case.Message), std::string::npos) << Case.Name << ": " << Error;
        EXPECT_TRUE(R.Calls.empty() || R.Calls.front() != "DocBegin" || R.Calls.back() == "DocEnd")
            << Case.Name;
        EXPECT_EQ(R.Converter(), nullptr) << Case.Name;
    }
}

// Every truncation and thousands of random byte changes of a valid stream: each plays to a clear
// error or to the end, with DocEnd after DocBegin.
TEST(PageConverterMalformed, DamagedCopiesOfAValidStreamFailCleanly) {
    const auto Bytes = Recorded([](TNDRWriter& W) {
        W.SetReportVar("v", "value \xFD$RPCM11");
        W.PrintAt(1, 1, "text \xFD$RPCV\xFCv\xFB");
        W.DrawBitmapRect(1, 1, 2, 2, TReportGraphic::FromBitmap(platform::RgbBitmap(2, 2)));
        W.RegisterGraphic(1);
        W.ReuseGraphic(1);
        W.DrawBitmapRect(3, 3, 4, 4, TReportGraphic::FromBitmap(platform::RgbBitmap(2, 2)));
        W.NewPage();
        W.Polyline({{1, 1}, {2, 2}, {3, 1}});
        W.NewPage();
        W.TextCenteredAt("\x01"
                         "B1\x04"
                         "bold",
                         2);
    });
    TRecordingRender Whole;
    EXPECT_EQ(Play(Bytes, Whole), "");
    for (size_t Length = 0; Length < Bytes.size(); ++Length) {
        TRecordingRender R;
        EXPECT_NE(Play(std::vector<uint8_t>(Bytes.begin(), Bytes.begin() + static_cast<long>(Length)), R), "")
            << "cut at " << Length;
    }
    uint32_t Seed = 12345;
    auto Next = [&Seed] {
        Seed = Seed * 1103515245u + 12345u;
        return Seed >> 8;
    };
    int Failures = 0;
    for (int Round = 0; Round < 3000; ++Round) {
        std::vector<uint8_t> Damaged = Bytes;
        const int Flips = 1 + static_cast<int>(Next() % 4);
        for (int K = 0; K < Flips; ++K)
            Damaged[Next() % Damaged.size()] = static_cast<uint8_t>(Next());
        for (int PageNo : {0, 2}) {
            TRecordingRender R;
            if (!Play(Damaged, R, PageNo).empty()) ++Failures;
            EXPECT_TRUE(R.Calls.empty() || (R.Calls.front() == "DocBegin" && R.Calls.back() == "DocEnd"));
        }
    }
    EXPECT_GT(Failures, 0); // the damage was noticed at least sometimes
}
