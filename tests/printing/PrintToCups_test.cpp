// Real printing: the puzzle page goes through the printer renderer to a private CUPS scheduler
// whose virtual printer writes each job to a file (see scripts/test-printer).
#include "PrintTestSupport.h"
#include "report/qt/PrinterDevice.h"
#include "report/qt/QtReportPlatform.h"
#include "report/qt/RenderPrinter.h"

#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const std::string JobFile = std::string(VELMORA_CUPS_DIR) + "/out/velmora-test.ps";

// Waits until the printer has written a whole job; returns it (empty after 60 s).
std::string WaitForJob() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (std::string job; std::chrono::steady_clock::now() < deadline; QThread::msleep(200))
        if (job = test::ReadWholeFile(JobFile); job.find("%%EOF") != std::string::npos) return job;
    return {};
}

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1))
        ++n;
    return n;
}

class CupsPrinting : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(TPrinterDevice::Printers().contains("VelmoraTest"))
            << "the test printer is missing; CUPS_SERVER=" << qgetenv("CUPS_SERVER").toStdString();
        ProcessPrinter().SelectPrinter("VelmoraTest");
        fs::remove(JobFile);
        System.SetPlatform(QtReportPlatform());
        System.SystemOptions.Exclude(soShowStatus);
        System.OnPrint = [this](TBaseReport& r) { PrintPuzzlePage(r, Board, 2147483647); };
    }
    // The game's print run on the real printing platform, without its windows.
    TReportSystem System;
    const platform::RgbBitmap Board = RedBoard();
};

} // namespace

// The device and the status line name the queue, its device URI and its driver; calls out of
// order are refused with a message.
TEST_F(CupsPrinting, DeviceSeesTheQueueAndRefusesWrongCalls) {
    TPrinterDevice& device = ProcessPrinter();
    EXPECT_EQ(TPrinterDevice::DefaultPrinter(), "VelmoraTest");
    EXPECT_TRUE(device.DisplayName().startsWith("VelmoraTest on "));
    const TReferenceDevice reference = QtReportPlatform().PrinterReference();
    EXPECT_EQ(reference.DeviceName, "VelmoraTest");
    EXPECT_EQ(reference.Port.rfind("file:", 0), 0u) << reference.Port;
    EXPECT_NE(reference.Driver, "");
    EXPECT_NE(reference.Driver, reference.DeviceName);

    EXPECT_TRUE(ReportErrorOf([&] {
                    device.SelectPrinter("NoSuchPrinter");
                }).starts_with("Invalid Printer - NoSuchPrinter on "));
    EXPECT_EQ(device.Device(), "VelmoraTest");
    EXPECT_EQ(ReportErrorOf([&] { device.NewPage(); }), "Invalid method call.  Device is not printing.");
    EXPECT_NE(ReportErrorOf([&] { device.EndDoc(); }), "");
}

// Two copies are one job of one page: CUPS makes the second copy.
TEST_F(CupsPrinting, PuzzlePageArrivesAsOneJobWithOnePageAndTheCopies) {
    System.SystemSetups.Exclude(ssAllowSetup);
    System.DefaultDest = rdPrinter;
    System.SystemPrinter.Copies = 2;
    System.RunReport();
    EXPECT_FALSE(System.Cancelled());
    EXPECT_EQ(ProcessPrinter().DeviceMode().Copies, 2);
    const std::string job = WaitForJob();
    ASSERT_FALSE(job.empty()) << "no job arrived in " << JobFile;
    EXPECT_EQ(job.rfind("%!PS", 0), 0u);
    EXPECT_EQ(Count(job, "\n%%Page:"), 1);
    TDeviceMode mode = ProcessPrinter().DeviceMode();
    mode.Copies = 1;
    ProcessPrinter().SetDeviceMode(mode);
}

TEST_F(CupsPrinting, NativeOutputWritesThePrinterJobToAFile) {
    test::TempFolder folder;
    System.OverrideSetup = [&](TReportSystem& s, TOverrideMode mode, std::unique_ptr<TRunForm>&) {
        if (mode == omWait)
            s.ApplySetup(Chosen(s.SetupInput(), rdFile, folder.File("puzzle"), FormatIndexPRN));
    };
    const mode_t mask = ::umask(022);
    System.RunReport();
    const std::string prn = test::ReadWholeFile(folder.File("puzzle.prn"));
    EXPECT_EQ(prn.rfind("%PDF", 0), 0u);
    EXPECT_EQ(Count(prn, "/Type /Page\n") + Count(prn, "/Type /Page "), 1);
    EXPECT_FALSE(fs::exists(JobFile)); // nothing went to the printer
    // A new file gets the permissions of every other file the program writes; a replaced one
    // keeps its own.
    EXPECT_EQ(fs::status(folder.File("puzzle.prn")).permissions(), fs::perms(0644));
    fs::permissions(folder.File("puzzle.prn"), fs::perms(0640));
    System.RunReport();
    EXPECT_EQ(fs::status(folder.File("puzzle.prn")).permissions(), fs::perms(0640));
    ::umask(mask);

    // A report without pages starts no job and writes no file.
    TMemoryStream empty;
    RecordInto(empty, [](TBaseReport& r) { r.Abort(); });
    TRenderPrinter printer(ProcessPrinter());
    printer.SetOutputFileName(folder.File("empty.prn"));
    printer.RenderStream(&empty);
    EXPECT_FALSE(ProcessPrinter().Printing());
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"puzzle.prn"});
}
