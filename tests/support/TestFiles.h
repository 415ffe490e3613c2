// Files for tests: a private temporary folder, whole-file reads and writes, golden files.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace test {

// A fresh folder under the system's temporary folder, removed with everything in it afterwards.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return Folder; }
    std::string File(const std::string& name) const { return Folder + "/" + name; }
    // Names of the entries in the folder, sorted.
    std::vector<std::string> Entries() const;

  private:
    std::string Folder;
};

// The file's bytes; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

// Compares a whole output with its golden file; on a difference writes the output beside the
// golden one (NAME.actual) to compare and, when right, to copy over it. With
// VELMORA_UPDATE_GOLDEN=1 it rewrites the golden file instead: on purpose only, then review the diff.
::testing::AssertionResult MatchesGoldenFile(const std::string& actual, const std::string& goldenPath);

} // namespace test
