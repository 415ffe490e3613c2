// Runs every file of the given files and folders through the named target, so an ordinary build
// can replay a corpus and every past finding without libFuzzer. A broken property aborts the run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

// The targets' entry points, renamed by the build from LLVMFuzzerTestOneInput.
extern "C" {
int FuzzPageStream(const std::uint8_t* data, std::size_t size);
int FuzzPdfReplay(const std::uint8_t* data, std::size_t size);
int FuzzSavedGame(const std::uint8_t* data, std::size_t size);
int FuzzSettings(const std::uint8_t* data, std::size_t size);
int FuzzFindNumber(const std::uint8_t* data, std::size_t size);
}

namespace {

using TFuzzEntry = int (*)(const std::uint8_t* data, std::size_t size);

const std::map<std::string, TFuzzEntry> Targets = {
    {"page_stream", FuzzPageStream}, {"pdf_replay", FuzzPdfReplay},   {"saved_game", FuzzSavedGame},
    {"settings", FuzzSettings},      {"find_number", FuzzFindNumber},
};

std::vector<std::filesystem::path> InputFiles(int argc, char** argv) {
    std::vector<std::filesystem::path> files;
    for (int i = 2; i < argc; ++i) {
        const std::filesystem::path arg(argv[i]);
        if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(arg))
                if (entry.is_regular_file()) files.push_back(entry.path());
        } else {
            files.push_back(arg);
        }
    }
    std::sort(files.begin(), files.end()); // a stable order makes a failure easy to repeat
    return files;
}

} // namespace

int main(int argc, char** argv) {
    const auto target = argc < 3 ? Targets.end() : Targets.find(argv[1]);
    if (target == Targets.end()) {
        std::fprintf(stderr, "usage: %s TARGET FILE-OR-FOLDER...\n  targets:", argv[0]);
        for (const auto& [name, entry] : Targets)
            std::fprintf(stderr, " %s", name.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    const auto files = InputFiles(argc, argv);
    if (files.empty()) {
        std::fprintf(stderr, "no input files found\n");
        return 1;
    }
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 1;
        }
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::fprintf(stderr, "replaying %s (%zu bytes)\n", file.c_str(), bytes.size());
        target->second(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", files.size());
    return 0;
}
