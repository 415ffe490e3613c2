// Playback through a recording renderer: single pages, older records, macros, and every kind of
// malformed stream. The writer's golden files show the calls its recordings play.
#include <gtest/gtest.h>

#include <bit>

#include "TestSupport.h"
#include "report/PageConverter.h"
#include "report/ReportStream.h"

namespace {

using TStep = std::function<void(TNDRWriter&)>;

static_assert(std::endian::native == std::endian::little, "hand-made streams copy values as they lie");

// A byte builder for hand-made streams.
struct TBytes {
    std::vector<uint8_t> Data;
    template <class T> TBytes& Put(T Value) {
        const auto* P = reinterpret_cast<const uint8_t*>(&Value);
        Data.insert(Data.end(), P, P + sizeof Value);
        return *this;
    }
    TBytes& Byte(uint8_t V) { return Put(V); }
    TBytes& Word(uint16_t V) { return Put(V); }
    TBytes& Int(int32_t V) { return Put(V); }
    TBytes& Single(float V) { return Put(V); }
    TBytes& Raw(const std::string& S) {
        Data.insert(Data.end(), S.begin(), S.end());
        return *this;
    }
    TBytes& Str(const std::string& S) { return Byte(static_cast<uint8_t>(S.size())).Raw(S); } // < 192 bytes
    TBytes& LeftText(const std::string& S) { return Byte(24).Single(1).Str(S).Single(1); }
    TBytes& PageStart(int32_t Previous, int32_t Next) {
        return Byte(80).Int(Previous).Int(Next).Word(1).Single(8.5f).Single(11);
    }
};

// A version-2017 header with PageCount pages.
TBytes StreamHeader(uint16_t PageCount) {
    TBytes B;
    B.Byte('Z').Word(2017).Str("T").Word(PageCount).Word(1).Word(9999);
    B.Single(8.5f).Single(11).Single(0).Single(0).Single(0).Single(0);
    B.Byte(0).Word(265).Byte(0).Byte(0).Word(1).Word(1).Word(0).Word(0).Str("");
    return B;
}

// A stream of one page that holds Body.
std::vector<uint8_t> OnePage(const TBytes& Body, uint16_t PageCount = 1) {
    TBytes B = StreamHeader(PageCount).PageStart(0, 0);
    B.Data.insert(B.Data.end(), Body.Data.begin(), Body.Data.end());
    return B.Byte(82).Data;
}

// The drawing calls of each page played, one text a page.
std::vector<std::string> DrawingByPage(const std::vector<uint8_t>& Bytes, int PageNo) {
    TRecordingRender R;
    EXPECT_EQ(Play(Bytes, R, PageNo), "");
    std::vector<std::string> Pages;
    for (const std::string& Call : R.Calls) {
        if (Call.rfind("PageBegin", 0) == 0) Pages.emplace_back();
        if (Call.rfind("Render", 0) == 0) Pages.back() += Call + "\n";
    }
    return Pages;
}

} // namespace

// A page played alone draws what it draws in the whole report, its variables and page numbers
// included; a page beyond the last plays the first, and so does a header whose page count was
// never written.
TEST(PageConverterFraming, EachPageAlonePlaysAsInTheWholeReport) {
    auto Bytes = Record(EveryOperation);
    const auto Whole = DrawingByPage(Bytes, 0);
    ASSERT_EQ(Whole.size(), 3u);
    for (int PageNo : {1, 2, 3, 9})
        EXPECT_EQ(DrawingByPage(Bytes, PageNo),
                  std::vector<std::string>{Whole[PageNo == 9 ? 0 : PageNo - 1]});
    Bytes[10] = Bytes[11] = 0;
    EXPECT_EQ(DrawingByPage(Bytes, 0), std::vector<std::string>{Whole[0]});
    EXPECT_TRUE(DrawingByPage(Record([](TNDRWriter& W) { W.Abort(); }), 1).empty()); // a report without pages
}

// Streams of versions Q and Y keep whole pen, brush and font records and an older block text.
TEST(PageConverterOlder, QAndYHeadersAndOlderRecordsAreAccepted) {
    for (char Code : {'Q', 'Y'}) {
        SCOPED_TRACE(Code);
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
        ASSERT_EQ(Play(B.Data, R), "");
        EXPECT_TRUE(test::MatchesGolden(R.Text(), "older-records-played.txt"));
    }
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

// ------------------------------------------------------------------------------------------
// Malformed streams: each ends with a clear error, and DocEnd follows DocBegin.

namespace {

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
                      Earlier = "does not point to an earlier graphic", Loop = "form a loop";
    const auto Text = OnePage(TBytes().LeftText("hello"));
    const int32_t PageAt = static_cast<int32_t>(StreamHeader(1).Data.size()); // the first page record
    const int32_t Drawing = PageAt + 19;                                      // its first command
    // Value records: one referring to itself, a loop of two; a variable holding its own macro.
    const std::string Macro = std::string("\xFD$RPCV\xFC") + "v\xFB";
    const uint8_t MacroSize = static_cast<uint8_t>(Macro.size() + 1);
    TBytes Two;
    Two.Byte(37).Str("v").Byte(4).Byte(254).Int(Drawing + 3 + 6 + 3);
    Two.Byte(37).Str("w").Byte(4).Byte(255).Int(-(Drawing + 3));
    TBytes Own;
    Own.Byte(37).Str("v").Byte(MacroSize).Byte(MacroSize).Raw("x" + Macro).LeftText(Macro);
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
         Loop},
        {"value references in a loop", OnePage(Two), Loop},
        {"value reference outside", OnePage(TBytes().Byte(37).Str("v").Byte(4).Byte(254).Int(INT32_MIN)),
         "points outside the report file"},
        {"value record longer than the data", OnePage(TBytes().Byte(37).Str("v").Byte(200).Byte(3)), End},
        {"value text longer than its record", OnePage(TBytes().Byte(37).Str("v").Byte(1).Byte(9).Byte('a')),
         "holds 1 bytes but names 9"},
        {"variable containing its own macro", OnePage(Own), "expand without end"},
        {"page count beyond the pages", OnePage(TBytes(), 3), End},
        {"page links in a loop", StreamHeader(2).PageStart(0, PageAt).Byte(82).Data,
         "Page links in report file form a loop.", 2},
        {"page link outside", StreamHeader(2).PageStart(0, 1 << 30).Byte(82).Data,
         "points outside the report file", 2},
    };
}

} // namespace

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
    const auto Bytes = Record(EveryOperation);
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
