// Every reader of an input file refuses, at once and with a reason, what is not a regular file of
// a size its format allows: a FIFO (which would block the open forever), a device (which never
// ends), a folder, and a file above the reader's limit.
#include "game/SavedGame.h"
#include "game/TGame.h"
#include "platform/IniFile.h"
#include "platform/SafeFile.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct TReadOutcome {
    bool Ok = false;
    std::string Error;
};

struct TFileReader {
    std::string Name;
    std::size_t Limit;
    std::function<TReadOutcome(const std::string& Path)> Read;
};

void PrintTo(const TFileReader& Reader, std::ostream* Out) {
    *Out << Reader.Name;
}

TReadOutcome ReadOutcomeOf(const platform::FileResult& Result) {
    return {Result.Ok, Result.Error};
}

const TFileReader Readers[] = {
    // dump, convert, page and the preview's Open
    {"PageStreamBytes", MaxPageStreamBytes,
     [](const std::string& Path) {
         std::vector<std::uint8_t> Bytes;
         return ReadOutcomeOf(platform::SafeFile::ReadAll(Path, Bytes, MaxPageStreamBytes));
     }},
    // a renderer's input file, the report system's recorded file
    {"PageStreamFile", MaxPageStreamBytes,
     [](const std::string& Path) {
         try {
             TFileStream File(Path, fmOpenRead);
             return TReadOutcome{true, ""};
         } catch (const EReportError& Error) {
             return TReadOutcome{false, Error.what()};
         }
     }},
    {"Settings", platform::IniFile::MaxFileSize,
     [](const std::string& Path) {
         platform::IniFile File;
         return ReadOutcomeOf(File.LoadFromFile(Path));
     }},
    {"SavedGame", MaxSavedGameBytes,
     [](const std::string& Path) {
         TGame Game;
         const TLoadResult Loaded = Game.LoadGameFile(Path);
         return TReadOutcome{Loaded.Outcome == TLoadOutcome::loLoaded, Game.Display().HelpText};
     }},
};

class FileReaders : public ::testing::TestWithParam<TFileReader> {
  protected:
    void SetUp() override {
        char Template[] = "/tmp/velmora-readers-XXXXXX";
        ASSERT_NE(mkdtemp(Template), nullptr);
        Folder = Template;
    }
    void TearDown() override { fs::remove_all(Folder); }

    // Reads Path; a reader still blocked on the FIFO after two seconds is released by opening the
    // FIFO's other end, and Hung says so.
    TReadOutcome ReadWithoutHanging(const std::string& Path, const std::string& Fifo, bool& Hung) {
        std::atomic<bool> Done{false};
        std::atomic<bool> Released{false};
        std::thread Rescuer([&] {
            const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
            while (!Done && std::chrono::steady_clock::now() < Deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            while (!Done) {
                const int Fd = ::open(Fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (Fd >= 0) {
                    Released = true;
                    ::close(Fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
        const TReadOutcome Outcome = GetParam().Read(Path);
        Done = true;
        Rescuer.join();
        Hung = Released;
        return Outcome;
    }

    fs::path Folder;
};

TEST_P(FileReaders, RefuseAFifoAtOnceAlsoBehindALink) {
    const fs::path Fifo = Folder / "pipe";
    ASSERT_EQ(::mkfifo(Fifo.c_str(), 0600), 0);
    fs::create_symlink(Fifo, Folder / "link");
    for (const fs::path& Path : {Fifo, Folder / "link"}) {
        bool Hung = false;
        const TReadOutcome Outcome = ReadWithoutHanging(Path.string(), Fifo.string(), Hung);
        EXPECT_FALSE(Hung) << Path << ": the reader waited for a writer";
        EXPECT_FALSE(Outcome.Ok) << Path;
        EXPECT_FALSE(Outcome.Error.empty());
    }
}

TEST_P(FileReaders, RefuseADeviceAndAFolder) {
    for (const std::string& Path : {std::string("/dev/zero"), Folder.string()}) {
        const TReadOutcome Outcome = GetParam().Read(Path);
        EXPECT_FALSE(Outcome.Ok) << Path;
        EXPECT_FALSE(Outcome.Error.empty()) << Path;
    }
}

TEST_P(FileReaders, RefuseAFileAboveTheirLimit) {
    const fs::path Big = Folder / "big";
    { std::ofstream(Big) << "x"; }
    fs::resize_file(Big, GetParam().Limit + 1); // sparse: no disk space needed
    const TReadOutcome Outcome = GetParam().Read(Big.string());
    EXPECT_FALSE(Outcome.Ok);
    if (GetParam().Name == "SavedGame") return; // the player is told the fixed text
    EXPECT_NE(Outcome.Error.find("larger than " + platform::SizeText(GetParam().Limit)), std::string::npos)
        << Outcome.Error;
}

INSTANTIATE_TEST_SUITE_P(EveryReader, FileReaders, ::testing::ValuesIn(Readers),
                         [](const ::testing::TestParamInfo<TFileReader>& Info) { return Info.param.Name; });

} // namespace
