// Every way the program writes a file, behind one call, so the whole-or-nothing checks run the
// same failures against each of them.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

struct TWriteOutcome {
    bool Ok = false;
    std::string Error; // what the user is told; empty when Ok
};

struct TFileWriter {
    std::string Name;
    // Writes the writer's file at Path.
    std::function<TWriteOutcome(const std::string& Path)> Write;
};

// Test names and failure messages show the writer by its name.
inline void PrintTo(const TFileWriter& Writer, std::ostream* Out) {
    *Out << Writer.Name;
}

// Settings, saved game, page-stream snapshot (recorded to a file and saved from memory), PDF,
// and the plain safe-file call they build on.
const std::vector<TFileWriter>& AllFileWriters();

// A recorded one-page page stream, the input of the page-stream and PDF writers.
std::vector<std::uint8_t> RecordedPage();
