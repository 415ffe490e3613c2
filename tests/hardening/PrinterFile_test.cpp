// Printer output sent to a file is written whole or not at all, like every other file: an
// aborted or failed job leaves the old file and no temporary file.
#include "report/ReportError.h"
#include "report/qt/PrinterDevice.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string OldBytes = "old printer output\r\n";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class PrinterFile : public ::testing::Test {
  protected:
    void SetUp() override {
        char folderTemplate[] = "/tmp/velmora-printfile-XXXXXX";
        ASSERT_NE(mkdtemp(folderTemplate), nullptr);
        Folder = folderTemplate;
        Target = Folder / "job.pdf";
        std::ofstream(Target, std::ios::binary) << OldBytes;
    }
    void TearDown() override { fs::remove_all(Folder); }

    void Draw(TPrinterDevice& device) { device.Canvas().drawText(100, 100, "Puzzle Nr. 1"); }

    fs::path Folder;
    fs::path Target;
};

TEST_F(PrinterFile, FinishedJobReplacesTheFileWhole) {
    TPrinterDevice device;
    device.BeginDoc("job", QString::fromStdString(Target.string()));
    Draw(device);
    EXPECT_EQ(ReadFile(Target), OldBytes) << "the target changed before the job ended";
    device.EndDoc();
    EXPECT_EQ(ReadFile(Target).substr(0, 5), "%PDF-");
    EXPECT_EQ(Names(Folder), std::set<std::string>{"job.pdf"});
}

TEST_F(PrinterFile, AbortedOrUnfinishedJobKeepsTheOldFile) {
    {
        TPrinterDevice device;
        device.BeginDoc("job", QString::fromStdString(Target.string()));
        Draw(device);
        device.Abort();
        EXPECT_EQ(ReadFile(Target), OldBytes);
        EXPECT_EQ(Names(Folder), std::set<std::string>{"job.pdf"});

        device.BeginDoc("job", QString::fromStdString(Target.string()));
        Draw(device);
    } // destroyed while printing
    EXPECT_EQ(ReadFile(Target), OldBytes);
    EXPECT_EQ(Names(Folder), std::set<std::string>{"job.pdf"});
}

TEST_F(PrinterFile, UnwritableTargetIsReportedAndChangesNothing) {
    TPrinterDevice device;
    EXPECT_THROW(device.BeginDoc("job", QString::fromStdString((Target / "inside.pdf").string())),
                 EReportError);
    EXPECT_FALSE(device.Printing());
    EXPECT_EQ(ReadFile(Target), OldBytes);
    EXPECT_EQ(Names(Folder), std::set<std::string>{"job.pdf"});
}

} // namespace

int main(int argc, char** argv) {
    // Test discovery runs the program without the test's environment: choose offscreen here.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
