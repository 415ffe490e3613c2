// Every way the program writes a file, behind one call, so the whole-or-nothing checks run the
// same failures against each of them.
#pragma once

#include "platform/SafeFile.h"
#include "report/ReportError.h"

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// What reading or writing a file gave.
struct TFileOutcome {
    bool Ok = false;
    std::string Error; // what the user is told of a failure
};

inline TFileOutcome FromResult(const platform::FileResult& result) {
    return {result.Ok, result.Error};
}

// Runs a reader or writer that reports failures by throwing EReportError.
inline TFileOutcome Catching(const std::function<void()>& access) {
    try {
        access();
        return {true, ""};
    } catch (const EReportError& error) {
        return {false, error.what()};
    }
}

struct TFileWriter {
    std::string Name;
    // Writes the writer's file at Path.
    std::function<TFileOutcome(const std::string& Path)> Write;
    // The writer's name in test names and messages.
    friend void PrintTo(const TFileWriter& writer, std::ostream* out) { *out << writer.Name; }
};

// Settings, saved game, notes, best times, page-stream snapshot and PDF (both through the call that
// saves bytes from memory, like the preview's Save); the printer in a program of its own. The
// safe-file call they build on has its own tests.
const std::vector<TFileWriter>& AllFileWriters();

// A recorded page stream of one page with a text and a rectangle, the input of the PDF writer; with
// a Path, the page-stream writer writes it to that file instead.
std::vector<std::uint8_t> RecordedPage(const std::string& path = "");
