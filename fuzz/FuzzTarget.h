// The one entry point every fuzz target defines. libFuzzer calls it with each generated input; the
// replay program calls it with each file of a corpus. A target aborts when an input breaks one of
// the properties it checks, so both runners report the input as a failure.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Stops the run on a broken property, naming it on stderr.
[[noreturn]] void FuzzFailure(const char* what);

// FuzzFailure(What) unless Condition holds.
inline void FuzzCheck(bool condition, const char* what) {
    if (!condition) FuzzFailure(what);
}
