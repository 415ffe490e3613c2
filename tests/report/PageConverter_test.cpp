// Playback through a recording renderer: single pages, hand-made older and damaged streams with
// macros, and damaged copies of a valid stream. The writer's golden files show the calls its
// recordings play.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>

#include "TestSupport.h"

namespace {

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

// Hand-made streams (data/streams, written by make-streams.py): older versions with their whole pen,
// brush and font records play, and so does the reserved code 4; macros name the renderer's texts,
// and unknown numbers give nothing; each damaged stream ends with a clear error, and DocEnd follows
// DocBegin. The golden file shows what the dump command reads of each, and what it plays whole and
// from page 2.
TEST(PageConverterHandMade, StreamsListAndPlayAsTheGoldenFile) {
    std::string Text;
    const std::set<std::filesystem::path> Files(
        std::filesystem::directory_iterator(REPORT_TEST_DATA "/streams"), {});
    for (const std::filesystem::path& Path : Files) {
        if (Path.extension() != ".ndr") continue;
        const std::string File = test::ReadWholeFile(Path.string());
        const std::vector<uint8_t> Bytes(File.begin(), File.end());
        Text += "== " + Path.stem().string() + "\n" + Listing(Bytes, false);
        for (int PageNo : {0, 2}) {
            TRecordingRender R;
            R.ExtraTexts() = {"zero", "one"};
            const std::string Error = Play(Bytes, R, PageNo); // before R.Text() is read
            Text += "played from page " + std::to_string(PageNo) + ": " + Error + "\n" + R.Text();
            EXPECT_EQ(R.Converter(), nullptr) << Path;
        }
    }
    EXPECT_TRUE(test::MatchesGoldenFile(Text, REPORT_TEST_DATA "/hand-made-streams.txt"));
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
    std::minstd_rand Random(12345);
    int Failures = 0;
    for (int Round = 0; Round < 3000; ++Round) {
        std::vector<uint8_t> Damaged = Bytes;
        for (auto Flips = 1 + Random() % 4; Flips > 0; --Flips)
            Damaged[Random() % Damaged.size()] = static_cast<uint8_t>(Random());
        for (int PageNo : {0, 2}) {
            TRecordingRender R;
            if (!Play(Damaged, R, PageNo).empty()) ++Failures;
            EXPECT_TRUE(R.Calls.empty() || (R.Calls.front() == "DocBegin" && R.Calls.back() == "DocEnd"));
        }
    }
    EXPECT_GT(Failures, 0); // the damage was noticed at least sometimes
}
