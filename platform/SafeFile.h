// Whole-or-nothing file writing: a reader never sees a half-written settings file, saved game,
// page stream or PDF, and a failed save leaves the previous file exactly as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// Outcome of a file operation. Failures carry a sentence for the user or the log, such as
// "cannot create a temporary file in /some/dir: Permission denied".
struct FileResult {
    bool Ok = true;
    std::string Error; // empty when Ok

    explicit operator bool() const { return Ok; }
    static FileResult Success() { return {}; }
    static FileResult Failure(std::string error) { return {false, std::move(error)}; }
};

class SafeFile {
  public:
    // Writes Bytes to Path atomically: a temporary file in the same folder is written completely,
    // flushed to disk (fsync) and renamed over Path; the folder is then synced. On any failure
    // the temporary file is removed, an existing file at Path is left untouched and the result
    // says why. Never throws for I/O problems. A new file gets mode 0666 minus the umask; an
    // existing file keeps its permission bits. A symbolic link at Path is replaced by the file.
    static FileResult WriteAll(const std::string& path, std::span<const std::uint8_t> bytes);
    static FileResult WriteAll(const std::string& path, std::string_view bytes);

    // Reads a whole file. Fails (with a reason) when the file is missing, unreadable, not a
    // regular file, or larger than MaxBytes, so a damaged or hostile file cannot exhaust memory.
    static FileResult ReadAll(const std::string& path, std::vector<std::uint8_t>& bytes,
                              std::size_t maxBytes = DefaultReadLimit);
    static FileResult ReadAll(const std::string& path, std::string& text,
                              std::size_t maxBytes = DefaultReadLimit);

    static constexpr std::size_t DefaultReadLimit = std::size_t{256} << 20; // 256 MiB
};

} // namespace platform
