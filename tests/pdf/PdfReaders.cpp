#include "PdfReaders.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace pdftest {

namespace {

// Runs a shell command; its standard output and error, and "exit N" when it failed.
std::string Run(const std::string& command) {
    std::string output;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return "cannot run: " + command;
    std::array<char, 4096> buffer{};
    size_t got = 0;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        output.append(buffer.data(), got);
    const int status = pclose(pipe);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        output += "exit " + std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + "\n";
    return output;
}

} // namespace

std::string ReaderComplaints(const std::string& path) {
    const std::string file = "'" + path + "'";
    // Each command prints nothing and exits 0 for a clean file. mutool names every page it draws and
    // notes that it was built without colour management; neither is a complaint. ghostscript talks
    // about every page: only its errors, warnings and repairs count.
    const std::array<std::pair<const char*, std::string>, 4> readers{{
        {"qpdf", "{ qpdf --check " + file + " >/dev/null; }"},
        {"pdftoppm", "{ pdftoppm -r 10 " + file + " >/dev/null; }"},
        {"mutool", "mutool draw -o /dev/null " + file +
                       " 2>&1 | sed -e '/^page /d' -e '/ICC support is not available/d'"},
        // Without -q: ghostscript reports a repaired file only in its closing summary.
        {"gs", "{ gs -dSAFER -dBATCH -dNOPAUSE -sDEVICE=nullpage " + file +
                   " 2>&1 | grep -i -E 'error|warning|repair' || true; }"},
    }};
    std::string complaints;
    for (const auto& [reader, command] : readers) {
        const std::string said = Run(command);
        if (!said.empty()) complaints += std::string(reader) + ": " + said;
    }
    return complaints;
}

} // namespace pdftest
