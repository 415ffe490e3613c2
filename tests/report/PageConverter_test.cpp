// Playback through a recording renderer: page framing, text runs, macros, page selection by link,
// older records, and every kind of malformed stream.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "report/PageConverter.h"
#include "report/ReportStream.h"

namespace {

std::vector<uint8_t> Recorded(const std::function<void(TNDRWriter&)>& Layout) {
    TNDRWriter W;
    PrepareWriter(W);
    W.SetAccuracyMethod(amAppearance);
    W.OnPrint = [&](TBaseReport&) { Layout(W); };
    W.Execute();
    return W.MemoryBytes();
}

// A one-page stream whose page holds Body (after the page start) and ends with 82.
std::vector<uint8_t> OnePage(const TBytes& Body, uint16_t PageCount = 1) {
    TBytes B = StreamHeader(PageCount);
    PageStart(B, 0, 0, 1);
    B.Data.insert(B.Data.end(), Body.Data.begin(), Body.Data.end());
    B.Byte(82);
    return B.Data;
}

} // namespace

TEST(PageConverterFraming, OnePageGivesOnePairBetweenDocBeginAndDocEnd) {
    const auto Bytes = Recorded([](TNDRWriter& W) { W.PrintAt(1, 1, "x"); });
    for (int PageNo : {0, 1}) {
        TRecordingRender R;
        ASSERT_EQ(Play(Bytes, R, PageNo), "");
        ASSERT_EQ(R.Calls.size(), 5u);
        EXPECT_EQ(R.Calls[0], "DocBegin");
        EXPECT_EQ(R.Calls[1], "PageBegin 8.5x11");
        EXPECT_EQ(R.Calls[2], "LeftText 'x' 1 1");
        EXPECT_EQ(R.Calls[3], "PageEnd");
        EXPECT_EQ(R.Calls[4], "DocEnd");
    }
}

TEST(PageConverterFraming, OnePageOfManyIsFoundThroughTheLinks) {
    const auto Bytes = Recorded([](TNDRWriter& W) {
        for (int P = 1; P <= 5; ++P) {
            W.PrintAt(1, 1, "p" + std::to_string(P));
            if (P < 5) W.NewPage();
        }
    });
    for (int P : {4, 2, 5}) {
        TRecordingRender R;
        ASSERT_EQ(Play(Bytes, R, P), "");
        ASSERT_EQ(R.Matching("LeftText").size(), 1u);
        EXPECT_EQ(R.Matching("LeftText")[0], "LeftText 'p" + std::to_string(P) + "' 1 1");
    }
    TRecordingRender Missing; // beyond the last page: the page the search began at
    ASSERT_EQ(Play(Bytes, Missing, 9), "");
    EXPECT_EQ(Missing.Matching("LeftText")[0], "LeftText 'p1' 1 1");
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
    EXPECT_EQ(R.Matching("PageBegin").size(), 1u);
    EXPECT_EQ(R.Matching("LeftText")[0], "LeftText 'first' 1 1");
}

TEST(PageConverterFraming, LinesPolygonsAndStateReachTheRenderer) {
    const auto Bytes = Recorded([](TNDRWriter& W) {
        W.SetPenWidth(3);
        W.MoveTo(1, 1);
        W.LineTo(2, 1.5);
        W.Polygon({{300, 300}, {600, 300}, {450, 600}});
        W.Rectangle(1, 2, 3, 4);
    });
    TRecordingRender R;
    ASSERT_EQ(Play(Bytes, R), "");
    const std::vector<std::string> Expected = {"MoveTo 1 1", "LineTo 2 1.5", "MoveTo 1 1",
                                               "Polygon 2 1248,1248 2496,1248 1872,2496",
                                               "Rectangle 1 2 3 4"};
    std::vector<std::string> Drawn;
    for (const auto& C : R.Calls)
        if (C.rfind("MoveTo", 0) == 0 || C.rfind("LineTo", 0) == 0 || C.rfind("Polygon", 0) == 0 ||
            C.rfind("Rectangle", 0) == 0)
            Drawn.push_back(C);
    EXPECT_EQ(Drawn, Expected);
    EXPECT_NEAR(R.PenWidth(), 3.0 / 300, 1e-7);
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
    const auto Runs = R.Matching("LeftText");
    ASSERT_EQ(Runs.size(), 3u);
    // widths: "ab" 2/12, "cd" at 24 pt 4/12, "e" keeps 24 pt after "r": 2/12; ending at 4.
    const double Start = 4 - 8.0 / 12;
    auto Near = [](const std::string& Call, const std::string& Text, double X) {
        std::string Prefix = "LeftText '" + Text + "' ";
        ASSERT_EQ(Call.rfind(Prefix, 0), 0u) << Call;
        EXPECT_NEAR(std::stod(Call.substr(Prefix.size())), X, 1e-6) << Call;
    };
    Near(Runs[0], "ab", Start);
    Near(Runs[1], "cd", Start + 2.0 / 12);
    Near(Runs[2], "e", Start + 6.0 / 12);
    // Run fonts: bold 24 pt for "cd", plain again for "e" with face and size kept, then restored.
    ASSERT_GE(R.Fonts.size(), 3u);
    const TReportFont& Last = R.Fonts.back();
    EXPECT_EQ(Last.Size, 12);
    EXPECT_FALSE(Last.Bold);
    bool SawBig = false;
    for (const auto& F : R.Fonts)
        SawBig = SawBig || (F.Size == 24 && F.Bold);
    EXPECT_TRUE(SawBig);
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
        W.PrintAt(1, 2, Var);
    });
    TRecordingRender R;
    ASSERT_EQ(Play(Bytes, R), "");
    const auto Texts = R.Matching("LeftText");
    ASSERT_EQ(Texts.size(), 4u);
    EXPECT_EQ(Texts[0], "LeftText 'Page 1' 1 1");
    EXPECT_EQ(Texts[1], "LeftText 'Name: Velmora!' 1 2");
    EXPECT_EQ(Texts[2], "LeftText 'Page 2 of 2' 1 1");
    EXPECT_EQ(Texts[3], "LeftText 'Name: Velmora!' 1 2"); // the variable is carried to page 2
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

TEST(PageConverterText, BlockTextKeepsItsWidth) {
    TNDRWriter W;
    PrepareWriter(W);
    W.OnPrint = [](TBaseReport& R) { R.PrintAt(2, 3, "a b"); };
    W.Execute();
    TRecordingRender R;
    ASSERT_EQ(Play(W.MemoryBytes(), R), "");
    ASSERT_EQ(R.Matching("BlockText").size(), 1u);
    EXPECT_EQ(R.Matching("BlockText")[0], "BlockText 'a b' 2 3 0.2099999934");
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
        EXPECT_EQ(R.Matching("BlockText").size(), 1u);
        ASSERT_FALSE(R.Fonts.empty());
        EXPECT_EQ(R.Fonts.back().Name, "Courier New");
        EXPECT_EQ(R.Fonts.back().Size, 12);
        EXPECT_TRUE(R.Fonts.back().Bold);
        EXPECT_TRUE(R.Fonts.back().Italic);
        EXPECT_NEAR(R.PenWidth(), 0.01, 1e-7);
    }
}

// ------------------------------------------------------------------------------------------
// Malformed streams: each ends with a clear error, and DocEnd follows DocBegin.

struct TBadCase {
    const char* Name;
    std::vector<uint8_t> Bytes;
    std::string Message; // the whole message, or a part of it
};

std::vector<TBadCase> BadCases() {
    std::vector<TBadCase> Cases;
    {
        TBytes B;
        B.Byte('X');
        Cases.push_back({"bad header code", B.Data, "Unexpected header code [88] found in report file."});
    }
    {
        TBytes B = StreamHeader(1);
        B.Byte(81);
        Cases.push_back({"page without 80", B.Data, "Unexpected code found in report file."});
    }
    Cases.push_back(
        {"undefined code", OnePage(TBytes().Byte(0x2C)), "Unexpected code [44] found in report file."});
    Cases.push_back(
        {"code 80 inside a page", OnePage(TBytes().Byte(80)), "Unexpected code [80] found in report file."});
    Cases.push_back({"empty file", {}, "Report file is empty."});
    {
        auto Bytes = OnePage(TBytes().Byte(24).Single(1).Str("hello").Single(1));
        Bytes.resize(Bytes.size() - 6);
        Cases.push_back({"truncated inside a command", Bytes, "ends unexpectedly"});
    }
    {
        auto Bytes = StreamHeader(1).Data;
        Bytes.resize(20);
        Cases.push_back({"truncated header", Bytes, "ends unexpectedly"});
    }
    Cases.push_back({"string longer than the data", OnePage(TBytes().Byte(30).Byte(0xFF).Byte(0xFF)),
                     "ends unexpectedly"});
    Cases.push_back({"graphic size beyond the data", OnePage(TBytes().Byte(17).Byte(1).Int(1 << 30)),
                     "exceeds the report file"});
    Cases.push_back(
        {"negative graphic size", OnePage(TBytes().Byte(17).Byte(1).Int(-5)), "exceeds the report file"});
    Cases.push_back({"raw stream count beyond the data", OnePage(TBytes().Byte(31).Int(0x7FFFFFFF)),
                     "exceeds the report file"});
    Cases.push_back(
        {"polygon count beyond the data", OnePage(TBytes().Byte(14).Word(0xFFFF)), "ends unexpectedly"});
    {
        // A graphic reference pointing at itself, and one pointing forward.
        TBytes Body;
        const size_t Here = StreamHeader(1).Size() + 19 + 2;
        Body.Byte(17).Byte(0x81).Int(static_cast<int32_t>(Here));
        Cases.push_back(
            {"graphic reference to itself", OnePage(Body), "does not point to an earlier graphic"});
        Cases.push_back({"graphic reference forward", OnePage(TBytes().Byte(17).Byte(0x81).Int(100000)),
                         "does not point to an earlier graphic"});
        Cases.push_back({"graphic reference negative", OnePage(TBytes().Byte(17).Byte(0x81).Int(-4)),
                         "does not point to an earlier graphic"});
    }
    {
        // A value record referring to itself, a loop of two, and one outside the file.
        const size_t Record = StreamHeader(1).Size() + 19 + 1 + 2;
        TBytes Self;
        Self.Byte(37).Str("v").Byte(4).Byte(254).Int(static_cast<int32_t>(Record));
        Cases.push_back({"value reference to itself", OnePage(Self), "form a loop"});
        TBytes Two;
        Two.Byte(37).Str("v").Byte(4).Byte(254).Int(static_cast<int32_t>(Record + 6 + 3));
        Two.Byte(37).Str("w").Byte(4).Byte(255).Int(-static_cast<int32_t>(Record));
        Cases.push_back({"value references in a loop", OnePage(Two), "form a loop"});
        Cases.push_back({"value reference outside",
                         OnePage(TBytes().Byte(37).Str("v").Byte(4).Byte(254).Int(INT32_MIN)),
                         "points outside the report file"});
        Cases.push_back({"value record longer than the data",
                         OnePage(TBytes().Byte(37).Str("v").Byte(200).Byte(3)), "ends unexpectedly"});
        Cases.push_back({"value text longer than its record",
                         OnePage(TBytes().Byte(37).Str("v").Byte(1).Byte(9).Byte('a')),
                         "holds 1 bytes but names 9"});
    }
    {
        // A variable whose value contains its own macro.
        const std::string Macro = std::string("\xFD$RPCV\xFC") + "v\xFB";
        TBytes Body;
        Body.Byte(37)
            .Str("v")
            .Byte(static_cast<uint8_t>(Macro.size() + 1))
            .Byte(static_cast<uint8_t>(Macro.size() + 1));
        Body.Raw("x" + Macro);
        Body.Byte(24).Single(1).Str(Macro).Single(1);
        Cases.push_back({"variable containing its own macro", OnePage(Body), "expand without end"});
    }
    {
        // Page count says three, the file holds one page.
        Cases.push_back({"page count beyond the pages", OnePage(TBytes(), 3), "ends unexpectedly"});
    }
    return Cases;
}

TEST(PageConverterMalformed, EveryCaseEndsWithAClearErrorAndDocEnd) {
    for (const TBadCase& Case : BadCases()) {
        TRecordingRender R;
        const std::string Error = Play(Case.Bytes, R);
        EXPECT_NE(Error.find(Case.Message), std::string::npos) << Case.Name << ": " << Error;
        const bool Begun = !R.Calls.empty() && R.Calls.front() == "DocBegin";
        if (Begun) {
            EXPECT_EQ(R.Calls.back(), "DocEnd") << Case.Name;
        }
        EXPECT_EQ(R.Converter(), nullptr) << Case.Name;
    }
}

TEST(PageConverterMalformed, PageLinksThatFormALoopAreRefused) {
    TBytes B = StreamHeader(2);
    const int32_t First = static_cast<int32_t>(B.Size());
    PageStart(B, 0, First, 1); // next points back at itself
    B.Byte(82);
    TRecordingRender R;
    EXPECT_EQ(Play(B.Data, R, 2), "Page links in report file form a loop.");
    EXPECT_EQ(R.Calls.back(), "DocEnd");

    TBytes Out = StreamHeader(2);
    PageStart(Out, 0, 1 << 30, 1);
    Out.Byte(82);
    TRecordingRender R2;
    EXPECT_NE(Play(Out.Data, R2, 2).find("points outside the report file"), std::string::npos);
}

TEST(PageConverterMalformed, EveryTruncationOfAValidStreamFailsCleanly) {
    const auto Bytes = Recorded([](TNDRWriter& W) {
        W.SetReportVar("v", "value");
        W.PrintAt(1, 1, "text \xFD$RPCM11");
        W.DrawBitmapRect(1, 1, 2, 2, TReportGraphic::FromBitmap(platform::RgbBitmap(2, 2)));
        W.NewPage();
        W.Polygon({{1, 1}, {2, 2}, {3, 1}});
    });
    for (size_t Length = 0; Length < Bytes.size(); ++Length) {
        const std::vector<uint8_t> Cut(Bytes.begin(), Bytes.begin() + static_cast<long>(Length));
        TRecordingRender R;
        EXPECT_NE(Play(Cut, R), "") << "cut at " << Length;
    }
    TRecordingRender Whole;
    EXPECT_EQ(Play(Bytes, Whole), "");
}

TEST(PageConverterMalformed, RandomDamageNeverCrashesOrHangs) {
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
            if (!R.Calls.empty()) {
                EXPECT_EQ(R.Calls.front(), "DocBegin");
                EXPECT_EQ(R.Calls.back(), "DocEnd");
            }
        }
    }
    EXPECT_GT(Failures, 0); // the damage was noticed at least sometimes
}
