#include "platform/NumberFormat.h"

#include "CaseTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace nf = platform::NumberFormat;

namespace {

// Runs the test body under a German locale, where printf writes "1,5".
class CommaLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        Saved = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8"))
            GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (scripts/install-deps generates it)";
        char text[8];
        std::snprintf(text, sizeof text, "%.1f", 1.5);
        ASSERT_STREQ(text, "1,5") << "printf does not use a comma here";
    }
    void TearDown() override { std::setlocale(LC_ALL, Saved.c_str()); }

    // What printf writes in the classic locale: the same but for the decimal point (grouping would
    // need a flag).
    template <typename Number> static std::string Classic(const char* format, int precision, Number value) {
        char buffer[512];
        std::snprintf(buffer, sizeof buffer, format, precision, value);
        std::string text = buffer;
        std::replace(text.begin(), text.end(), ',', '.');
        return text;
    }

    std::string Saved;
};

} // namespace

// Random magnitudes, halves (which round to even), negative zero, exponents and the largest double
// (no truncation); integers with a minimum count of digits, down to the smallest int64.
TEST_F(CommaLocale, FormattingMatchesClassicPrintf) {
    std::vector<double> values = {432.0,  -0.00001, 0.5,   1.5,  0.125,
                                  1234.5, 0.0,      1e-10, 1e21, std::numeric_limits<double>::max()};
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> magnitude(-7.0, 7.0);
    for (int i = 0; i < 300; ++i)
        values.push_back(std::pow(10.0, magnitude(random)) * ((i % 2) ? -1.0 : 1.0));
    for (const double value : values)
        for (int digits = 0; digits <= 6; ++digits) {
            ASSERT_EQ(nf::Fixed(value, digits), Classic("%.*f", digits, value)) << value << " " << digits;
            ASSERT_EQ(nf::General(value, digits), Classic("%.*g", digits, value)) << value << " " << digits;
        }
    for (const long long value : {12LL, -12LL, 123456LL, 0LL, std::numeric_limits<long long>::min()})
        for (int digits = 1; digits <= 6; ++digits)
            EXPECT_EQ(nf::Integer(value, digits), Classic("%.*lld", digits, value)) << value << " " << digits;
    // Never a token a PDF reader cannot read.
    EXPECT_EQ(nf::Fixed(std::numeric_limits<double>::quiet_NaN(), 2), "0.00");
    EXPECT_EQ(nf::Fixed(std::numeric_limits<double>::infinity(), 1), "0.0");
    EXPECT_EQ(nf::General(-std::numeric_limits<double>::infinity(), 3), "0");
}

TEST_F(CommaLocale, ParsingTakesTheWholeTextWithAPointDecimal) {
    EXPECT_TRUE(MatchesCaseTable(PLATFORM_TEST_DATA "/number-parsing.txt", [](const std::string& text) {
        const auto shown = [](const auto& value) {
            char digits[40];
            return value ? std::string(digits, std::to_chars(digits, digits + sizeof digits, *value).ptr)
                         : "refused";
        };
        return "double " + shown(nf::ParseDouble(text)) + ", int32 " + shown(nf::ParseInt32(text)) +
               ", int64 " + shown(nf::ParseInt64(text));
    }));
}
