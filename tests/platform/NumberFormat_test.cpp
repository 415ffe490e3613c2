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
    static std::string Classic(const char* format, double value, int precision) {
        char buffer[512];
        std::snprintf(buffer, sizeof buffer, format, precision, value);
        std::string text = buffer;
        std::replace(text.begin(), text.end(), ',', '.');
        return text;
    }

    std::string Saved;
};

} // namespace

TEST_F(CommaLocale, FixedMatchesClassicPrintf) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> magnitude(-7.0, 7.0);
    for (int i = 0; i < 2000; ++i) {
        const double value = std::pow(10.0, magnitude(random)) * ((i % 2) ? -1.0 : 1.0);
        const int decimals = i % 7;
        ASSERT_EQ(nf::Fixed(value, decimals), Classic("%.*f", value, decimals)) << value << " " << decimals;
    }
    // Negative zero and halves, which round to even.
    for (const auto& [value, decimals] : {std::pair{432.0, 4}, {-0.00001, 4}, {0.5, 0}, {1.5, 0}, {0.125, 2}})
        EXPECT_EQ(nf::Fixed(value, decimals), Classic("%.*f", value, decimals)) << value << " " << decimals;
    // Never a token a PDF reader cannot read.
    EXPECT_EQ(nf::Fixed(std::numeric_limits<double>::quiet_NaN(), 2), "0.00");
    EXPECT_EQ(nf::Fixed(std::numeric_limits<double>::infinity(), 1), "0.0");
    EXPECT_EQ(nf::General(-std::numeric_limits<double>::infinity(), 3), "0");
    EXPECT_EQ(nf::Fixed(std::numeric_limits<double>::max(), 2).size(), 312u)
        << "no truncation of huge values";
}

TEST_F(CommaLocale, GeneralMatchesClassicPrintf) {
    const double values[] = {0.0,       0.5,       1.0,      12.5,  123.456, 1234.5,
                             1234567.0, 0.0001234, -98.7654, 1e-10, 1e21};
    for (const double value : values)
        for (int precision = 1; precision <= 6; ++precision)
            EXPECT_EQ(nf::General(value, precision), Classic("%.*g", value, precision))
                << value << " " << precision;
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

TEST(NumberFormatting, IntegersWithMinimumDigits) {
    EXPECT_EQ(nf::Integer(12, 4), "0012");
    EXPECT_EQ(nf::Integer(-12, 4), "-0012");
    EXPECT_EQ(nf::Integer(123456, 4), "123456");
    EXPECT_EQ(nf::Integer(0), "0");
    EXPECT_EQ(nf::Integer(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    std::string out = "/F1 ";
    nf::AppendInteger(out, 12, 4);
    nf::AppendFixed(out, 1.25, 1);
    EXPECT_EQ(out, "/F1 00121.2");
}
