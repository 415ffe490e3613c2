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

class FileReaders : public ::testing::TestWithParam<TFileReader> {
  protected:
    // Reads Path; a reader still blocked on the FIFO after two seconds fails the test and is
    // released by opening the FIFO's other end.
    TFileOutcome ReadWithoutHanging(const std::string& Path, const std::string& Fifo) {
        auto Reading = std::async(std::launch::async, [&] { return GetParam().Read(Path); });
        if (Reading.wait_for(std::chrono::seconds(2)) == std::future_status::timeout) {
            ADD_FAILURE() << "the reader waited for a writer";
            ::close(::open(Fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
        }
        return Reading.get();
    }

    test::TempFolder Folder;
};

TEST_P(FileReaders, RefuseWhatIsNotARegularFileOfAllowedSizeAtOnce) {
    const std::string Fifo = Folder.File("pipe");
    ASSERT_EQ(::mkfifo(Fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink(Fifo, Folder.File("link"));
    const std::string Big = Folder.File("big");
    test::WriteWholeFile(Big, "x");
    std::filesystem::resize_file(Big, GetParam().Limit + 1); // sparse: no disk space needed
    for (const std::string& Path :
         {Fifo, Folder.File("link"), std::string("/dev/zero"), Folder.Path(), Big}) {
        SCOPED_TRACE(Path);
        const TFileOutcome Outcome = ReadWithoutHanging(Path, Fifo);
        EXPECT_FALSE(Outcome.Ok);
        EXPECT_FALSE(Outcome.Error.empty());
    }
    if (GetParam().Name == "SavedGame") return; // the player is told the fixed text
    const std::string Error = GetParam().Read(Big).Error;
    EXPECT_NE(Error.find("larger than " + platform::SizeText(GetParam().Limit)), std::string::npos) << Error;
}

INSTANTIATE_TEST_SUITE_P(EveryReader, FileReaders, ::testing::ValuesIn(Readers),
                         [](const ::testing::TestParamInfo<TFileReader>& Info) { return Info.param.Name; });

// A replay that fails on a damaged stream must not leave the output's temporary file behind while
// the renderer lives on (the game keeps its PDF renderer for the whole run), nor touch the target;
// the renderer is ready for the next document.
TEST(DamagedPageStream, LeavesTheOldPdfFileAndNoTemporaryFile) {
    const test::TempFolder Folder;
    const std::string Target = Folder.File("puzzle.pdf");
    test::WriteWholeFile(Target, "old file");
    pdf::TRenderPDF Render;
    std::vector<std::uint8_t> Cut = RecordedPage();
    Cut.resize(Cut.size() - 12);
    for (const std::vector<std::uint8_t>& Damaged :
         {std::vector<std::uint8_t>{'X', 1, 2, 3}, std::vector<std::uint8_t>{'Z', 0xE1, 0x07}, Cut}) {
        TMemoryStream Input(Damaged);
        EXPECT_THROW(Render.RenderToFile(&Input, Target), EReportError);
        EXPECT_EQ(test::ReadWholeFile(Target), "old file");
        EXPECT_EQ(Folder.Entries(), std::vector<std::string>{"puzzle.pdf"})
            << "a temporary file was left behind";
    }
    TMemoryStream Good(RecordedPage());
    Render.RenderToFile(&Good, Target);
    EXPECT_TRUE(test::ReadWholeFile(Target).starts_with("%PDF-1.3"));
}

} // namespace
