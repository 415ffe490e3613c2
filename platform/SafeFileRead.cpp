// The one guarded way input files are opened and read.
#include "platform/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

FileResult OpenFailure(const std::string& path, int error) {
    if (error == ENOENT) return FileResult::Failure(path + " does not exist");
    return FileResult::Failure("cannot open " + path + ": " + std::strerror(error));
}

// Says what stands in place of a file, so the user sees why it was not read.
FileResult CheckRegular(const std::string& path, const struct stat& info, std::size_t maxBytes) {
    if (S_ISDIR(info.st_mode)) return FileResult::Failure(path + " is a folder, not a file");
    if (S_ISFIFO(info.st_mode)) return FileResult::Failure(path + " is a pipe (FIFO), not a regular file");
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return FileResult::Failure(path + " is a device, not a regular file");
    if (!S_ISREG(info.st_mode)) return FileResult::Failure(path + " is not a regular file");
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes)
        return FileResult::Failure(path + " is larger than " + SizeText(maxBytes) + ", too large to read");
    return FileResult::Success();
}

template <typename Container>
FileResult ReadInto(const std::string& path, Container& out, std::size_t maxBytes) {
    out.clear();
    int fd = -1;
    if (FileResult opened = SafeFile::OpenForReading(path, maxBytes, fd); !opened) return opened;
    struct stat info {};
    ::fstat(fd, &info);
    out.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    for (;;) {
        if (done == out.size()) {
            // The file may have grown since it was opened; read on in steps, within the limit.
            if (out.size() >= maxBytes) {
                char probe;
                if (::read(fd, &probe, 1) > 0) {
                    ::close(fd);
                    out.clear();
                    return FileResult::Failure(path + " is larger than " + SizeText(maxBytes) +
                                               ", too large to read");
                }
                break;
            }
            out.resize(std::min(maxBytes, out.size() + 65536));
        }
        const ssize_t got = ::read(fd, out.data() + done, out.size() - done);
        if (got < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            out.clear();
            return FileResult::Failure("cannot read " + path + ": " + std::strerror(error));
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    out.resize(done);
    return FileResult::Success();
}

} // namespace

std::string SizeText(std::size_t bytes) {
    if (bytes >= (std::size_t{1} << 20) && bytes % (std::size_t{1} << 20) == 0)
        return std::to_string(bytes >> 20) + " MiB";
    if (bytes >= 1024 && bytes % 1024 == 0) return std::to_string(bytes >> 10) + " KiB";
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

FileResult SafeFile::OpenForReading(const std::string& path, std::size_t maxBytes, int& descriptor) {
    descriptor = -1;
    // Look before opening: opening a FIFO waits for a writer and opening a device can act on it.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return OpenFailure(path, errno);
    if (FileResult regular = CheckRegular(path, info, maxBytes); !regular) return regular;
    // Non-blocking, in case it was swapped for a FIFO since.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return OpenFailure(path, errno);
    FileResult checked = ::fstat(fd, &info) == 0
                             ? CheckRegular(path, info, maxBytes)
                             : FileResult::Failure("cannot examine " + path + ": " + std::strerror(errno));
    const int flags = ::fcntl(fd, F_GETFL);
    if (checked && (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0))
        checked = FileResult::Failure("cannot open " + path + ": " + std::strerror(errno));
    if (!checked) {
        ::close(fd);
        return checked;
    }
    descriptor = fd;
    return checked;
}

FileResult SafeFile::ReadAll(const std::string& path, std::vector<std::uint8_t>& bytes,
                             std::size_t maxBytes) {
    return ReadInto(path, bytes, maxBytes);
}

FileResult SafeFile::ReadAll(const std::string& path, std::string& text, std::size_t maxBytes) {
    return ReadInto(path, text, maxBytes);
}

} // namespace platform
