#include "PdfReaders.h"

#include "RunCommand.h"
#include "TestFiles.h"

#include <array>

namespace pdftest {

std::string ReaderComplaints(const std::string& path) {
    const std::string file = "'" + path + "'";
    // Each command prints nothing and exits 0 for a clean file. mutool names every page it draws and
    // notes that it was built without colour management; neither is a complaint. ghostscript talks
    // about every page: only its errors, warnings and repairs count.
    const std::array<std::pair<const char*, std::string>, 4> readers{{
        {"qpdf", "qpdf --check " + file + " >/dev/null"},
        {"pdftoppm", "pdftoppm -r 10 " + file + " >/dev/null"},
        {"mutool", "mutool draw -o /dev/null " + file +
                       " 2>&1 | sed -e '/^page /d' -e '/ICC support is not available/d'"},
        // Without -q: ghostscript reports a repaired file only in its closing summary.
        {"gs", "gs -dSAFER -dBATCH -dNOPAUSE -sDEVICE=nullpage " + file +
                   " 2>&1 | grep -i -E 'error|warning|repair' || true"},
    }};
    std::string complaints;
    for (const auto& [reader, command] : readers) {
        const test::CommandResult run = test::RunCommand({"sh", "-c", command});
        std::string said = run.Out + run.Err;
        if (run.Status != 0) said += "exit " + std::to_string(run.Status) + "\n";
        if (!said.empty()) complaints += std::string(reader) + ": " + said;
    }
    return complaints;
}

std::string ComplaintsAbout(const std::string& pdf) {
    const test::TempFolder folder;
    test::WriteWholeFile(folder.File("file.pdf"), pdf);
    return ReaderComplaints(folder.File("file.pdf"));
}

} // namespace pdftest
