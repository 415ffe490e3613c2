#include "TestFiles.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    Folder = pattern;
}

TempFolder::~TempFolder() {
    // A test may have left the folder read-only.
    std::error_code error;
    std::filesystem::permissions(Folder, std::filesystem::perms::owner_all, error);
    std::filesystem::remove_all(Folder, error);
}

std::vector<std::string> TempFolder::Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

::testing::AssertionResult MatchesGoldenFile(const std::string& actual, const std::string& goldenPath) {
    if (const char* update = std::getenv("VELMORA_UPDATE_GOLDEN"); update && std::string(update) == "1") {
        WriteWholeFile(goldenPath, actual);
        return ::testing::AssertionSuccess();
    }
    const bool exists = std::filesystem::exists(goldenPath);
    if (exists && ReadWholeFile(goldenPath) == actual) return ::testing::AssertionSuccess();
    WriteWholeFile(goldenPath + ".actual", actual);
    return ::testing::AssertionFailure() << (exists ? "the output differs from " : "no golden file ")
                                         << goldenPath << "; see " << goldenPath << ".actual";
}

} // namespace test
