// Tables of cases kept as golden files: each line holds an input, a tab, and what the code under
// test gives for it, both in C escapes (\t \r \n \\ \xHH) so that every byte shows. The test works
// out the output of every input anew and compares the whole table with MatchesGoldenFile, so a
// failure leaves the table as it is now beside the golden one. Blank lines and lines that start
// with "#" are notes and stay as they are.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace test {

::testing::AssertionResult
MatchesCaseTable(const std::string& path, const std::function<std::string(const std::string& input)>& output);

} // namespace test
