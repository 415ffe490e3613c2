// Printer output sent to a file is written whole or not at all, like every other file: the printer
// is the writer of the whole-or-nothing tests in this program, and an aborted or unfinished job
// leaves the old file and no temporary file.
#include "FileWriters.h"
#include "TestFiles.h"
#include "report/qt/PrinterDevice.h"

#include <gtest/gtest.h>

namespace {

void StartJob(TPrinterDevice& device, const std::string& path) {
    device.BeginDoc("job", QString::fromStdString(path));
    device.Canvas().drawText(100, 100, "Puzzle Nr. 1");
}

TFileOutcome WritePrintJob(const std::string& path) {
    return Catching([&] {
        TPrinterDevice device;
        StartJob(device, path);
        device.EndDoc();
    });
}

} // namespace

const std::vector<TFileWriter>& AllFileWriters() {
    static const std::vector<TFileWriter> writers = {{"Printer", WritePrintJob}};
    return writers;
}

TEST(PrinterFile, AbortedOrUnfinishedJobKeepsTheOldFile) {
    const test::TempFolder folder;
    const std::string target = folder.File("job.pdf");
    test::WriteWholeFile(target, "old printer output");
    {
        TPrinterDevice device;
        StartJob(device, target);
        EXPECT_EQ(test::ReadWholeFile(target), "old printer output")
            << "the target changed before the job ended";
        device.Abort();
        StartJob(device, target);
    } // destroyed while printing
    EXPECT_EQ(test::ReadWholeFile(target), "old printer output");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"job.pdf"});
    EXPECT_TRUE(WritePrintJob(target).Ok);
    EXPECT_TRUE(test::ReadWholeFile(target).starts_with("%PDF-"));
}
