// Every reader of an input file refuses, at once and with a reason, what is not a regular file of
// a size its format allows: a FIFO (which would block the open forever), a device (which never
// ends), a folder, and a file above the reader's limit. A damaged page stream played into a PDF
// file leaves the old file.
#include "FileWriters.h"
#include "TestFiles.h"
#include "game/SavedGame.h"
#include "game/TGame.h"
#include "pdf/TRenderPDF.h"
#include "platform/IniFile.h"
#include "report/ReportStream.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct TFileReader {
    std::string Name;
    std::size_t Limit;
    std::function<TFileOutcome(const std::string& Path)> Read;
    friend void PrintTo(const TFileReader& reader, std::ostream* out) { *out << reader.Name; }
};

using Path = const std::string&;
const TFileReader Readers[] = {
    // dump, convert, page and the preview's Open
    {"PageStreamBytes", MaxPageStreamBytes,
     [](Path path) {
         std::vector<std::uint8_t> bytes;
         return FromResult(platform::SafeFile::ReadAll(path, bytes, MaxPageStreamBytes));
     }},
    // a renderer's input file, the report system's recorded file
    {"PageStreamFile", MaxPageStreamBytes,
     [](Path path) { return Catching([&] { TFileStream file(path, fmOpenRead); }); }},
    {"Settings", platform::IniFile::MaxFileSize,
     [](Path path) { return FromResult(platform::IniFile().LoadFromFile(path)); }},
    {"SavedGame", MaxSavedGameBytes,
     [](Path path) {
         TGame game;
         const bool loaded = game.LoadGameFile(path).Outcome == TLoadOutcome::loLoaded;
         return TFileOutcome{loaded, game.Display().HelpText};
     }},
};

class FileReaders : public ::testing::TestWithParam<TFileReader> {};

TEST_P(FileReaders, RefuseWhatIsNotARegularFileOfAllowedSizeAtOnce) {
    const test::TempFolder folder;
    const std::string fifo = folder.File("pipe"), big = folder.File("big");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink(fifo, folder.File("link"));
    test::WriteWholeFile(big, "x");
    std::filesystem::resize_file(big, GetParam().Limit + 1); // sparse: no disk space needed
    for (const std::string& path :
         {fifo, folder.File("link"), std::string("/dev/zero"), folder.Path(), big}) {
        SCOPED_TRACE(path);
        // A reader still blocked on the FIFO after two seconds fails the test and is released by
        // opening the FIFO's other end.
        auto reading = std::async(std::launch::async, [&] { return GetParam().Read(path); });
        if (reading.wait_for(std::chrono::seconds(2)) == std::future_status::timeout) {
            ADD_FAILURE() << "the reader waited for a writer";
            ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
        }
        const TFileOutcome outcome = reading.get();
        EXPECT_TRUE(!outcome.Ok && !outcome.Error.empty()) << outcome.Error;
    }
    if (GetParam().Name == "SavedGame") return; // the player is told the fixed text
    const std::string error = GetParam().Read(big).Error;
    EXPECT_NE(error.find("larger than " + platform::SizeText(GetParam().Limit)), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(EveryReader, FileReaders, ::testing::ValuesIn(Readers),
                         [](const ::testing::TestParamInfo<TFileReader>& info) { return info.param.Name; });

// A replay that fails on a damaged stream must not leave the output's temporary file behind while
// the renderer lives on (the game keeps its PDF renderer for the whole run), nor touch the target;
// the renderer is ready for the next document.
TEST(DamagedPageStream, LeavesTheOldPdfFileAndNoTemporaryFile) {
    using Bytes = std::vector<std::uint8_t>;
    const test::TempFolder folder;
    const std::string target = folder.File("puzzle.pdf");
    test::WriteWholeFile(target, "old file");
    pdf::TRenderPDF render;
    const Bytes page = RecordedPage();
    for (const Bytes& damaged :
         {Bytes{'X', 1, 2, 3}, Bytes{'Z', 0xE1, 0x07}, Bytes(page.begin(), page.end() - 12)}) {
        TMemoryStream input(damaged);
        EXPECT_THROW(render.RenderToFile(&input, target), EReportError);
        EXPECT_EQ(test::ReadWholeFile(target), "old file");
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"puzzle.pdf"})
            << "a temporary file was left behind";
    }
    TMemoryStream good(page);
    render.RenderToFile(&good, target);
    EXPECT_TRUE(test::ReadWholeFile(target).starts_with("%PDF-1.3"));
}

} // namespace
