// Whole-or-nothing file writing: a reader never sees a half-written settings file, saved game,
// page stream or PDF, and a failed save leaves the previous file exactly as it was. Reading goes
// through one guarded opener too, so a FIFO, a device or a huge file in place of an input file
// gives a clear refusal instead of a hang or an exhausted memory.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
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

// A file being written that replaces Path only on Commit. The data goes to a temporary file
// "<Path>.tmp-XXXXXX" in Path's folder (opened close-on-exec and locked while it lives, so a
// clean-up in another process leaves it alone). Commit syncs it, gives it its permissions, renames
// it over Path and syncs the folder. Destroying an uncommitted file removes the temporary file.
//
// Permissions: a regular file at Path keeps its read and write bits; execute, set-user-ID,
// set-group-ID and sticky bits are never carried over. Anything else at Path (nothing, or a
// symbolic link, which the new file replaces) gives the mode of a plain create: 0666 minus the
// umask, applied by the system when the temporary file is created.
class PendingFile {
  public:
    explicit PendingFile(std::string path);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // Whether the temporary file could be created, and why not.
    const FileResult& Status() const { return Created; }
    int Descriptor() const { return Fd; } // -1 once committed, discarded or never created
    const std::string& TemporaryPath() const { return Temporary; }
    const std::string& TargetPath() const { return Target; }

    // Writes all bytes at the current position.
    FileResult Write(std::span<const std::uint8_t> bytes);
    // Replaces the target; on failure the temporary file is gone and the target untouched.
    FileResult Commit();
    void Discard();

  private:
    std::string Target;
    std::string Temporary;
    int Fd = -1;
    FileResult Created;
};

class SafeFile {
  public:
    // Writes Bytes to Path whole or not at all through a PendingFile. Never throws for I/O
    // problems.
    static FileResult WriteAll(const std::string& path, std::span<const std::uint8_t> bytes);
    static FileResult WriteAll(const std::string& path, std::string_view bytes);

    // Opens Path for reading without blocking: fails (with a reason) when it is missing,
    // unreadable, not a regular file (a FIFO, a device, a folder, also behind a symbolic link) or
    // larger than MaxBytes. On success Descriptor is a blocking, close-on-exec descriptor that the
    // caller closes.
    static FileResult OpenForReading(const std::string& path, std::size_t maxBytes, int& descriptor);

    // Reads a whole file opened as above; a file that grows past MaxBytes while it is read is
    // refused too, so a damaged or hostile file cannot exhaust memory.
    static FileResult ReadAll(const std::string& path, std::vector<std::uint8_t>& bytes,
                              std::size_t maxBytes = DefaultReadLimit);
    static FileResult ReadAll(const std::string& path, std::string& text,
                              std::size_t maxBytes = DefaultReadLimit);

    // Removes the temporary files a killed writer left for Path: names "<Path>.tmp-" followed by
    // six letters or digits, regular files of this user, untouched for StaleAge and not locked by
    // a live writer. Nothing else is removed; failures are ignored. Returns how many were removed.
    static int RemoveStaleTemporaries(const std::string& path);

    static constexpr std::size_t DefaultReadLimit = std::size_t{256} << 20; // 256 MiB
    static constexpr std::chrono::seconds StaleAge{60};
};

// "256 MiB", "64 KiB" or "100 bytes", for messages about size limits.
std::string SizeText(std::size_t bytes);

} // namespace platform
