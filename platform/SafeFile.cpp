#include "platform/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::string Reason(const std::string& what, int error) {
    return what + ": " + std::strerror(error);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Closes the descriptor and removes the temporary file unless Release() was called.
class TemporaryFile {
  public:
    TemporaryFile(int fd, std::string path) : Fd(fd), Path(std::move(path)) {}
    ~TemporaryFile() {
        if (Fd >= 0) ::close(Fd);
        if (!Path.empty()) ::unlink(Path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int Descriptor() const { return Fd; }
    const std::string& Name() const { return Path; }
    int Close() {
        const int result = ::close(Fd);
        Fd = -1;
        return result;
    }
    void Release() { Path.clear(); }

  private:
    int Fd;
    std::string Path;
};

bool WriteFully(int fd, const std::uint8_t* data, std::size_t size, int& error) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

template <typename Container>
FileResult ReadInto(const std::string& path, Container& out, std::size_t maxBytes) {
    out.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return FileResult::Failure(path + " does not exist");
        return FileResult::Failure(Reason("cannot open " + path, errno));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return FileResult::Failure(Reason("cannot examine " + path, error));
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileResult::Failure(path + " is not a regular file");
    }
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        ::close(fd);
        return FileResult::Failure(path + " is larger than " + std::to_string(maxBytes) + " bytes");
    }
    out.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    for (;;) {
        if (done == out.size()) {
            // The file may have grown since fstat; read on in steps, within the limit.
            if (out.size() >= maxBytes) {
                char probe;
                const ssize_t extra = ::read(fd, &probe, 1);
                if (extra > 0) {
                    ::close(fd);
                    out.clear();
                    return FileResult::Failure(path + " is larger than " + std::to_string(maxBytes) +
                                               " bytes");
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
            return FileResult::Failure(Reason("cannot read " + path, error));
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    out.resize(done);
    return FileResult::Success();
}

} // namespace

FileResult SafeFile::WriteAll(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (path.empty()) return FileResult::Failure("no file name given");
    const std::string folder = FolderOf(path);

    std::string pattern = path + ".tmp-XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return FileResult::Failure(Reason("cannot create a temporary file in " + folder, errno));
    TemporaryFile temporary(fd, pattern);

    // mkstemp creates 0600; give the new file the permissions a plain create would, or keep the
    // permissions of the file it replaces.
    struct stat existing {};
    mode_t mode;
    if (::stat(path.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0)
        return FileResult::Failure(Reason("cannot set permissions of " + pattern, errno));

    int error = 0;
    if (!WriteFully(fd, bytes.data(), bytes.size(), error))
        return FileResult::Failure(Reason("cannot write " + path, error));
    if (::fsync(fd) != 0) return FileResult::Failure(Reason("cannot write " + path, errno));
    if (temporary.Close() != 0) return FileResult::Failure(Reason("cannot write " + path, errno));
    if (::rename(temporary.Name().c_str(), path.c_str()) != 0)
        return FileResult::Failure(Reason("cannot replace " + path, errno));
    temporary.Release();

    // Make the rename itself durable; a failure here no longer risks the file's contents.
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return FileResult::Success();
}

FileResult SafeFile::WriteAll(const std::string& path, std::string_view bytes) {
    return WriteAll(path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                                        bytes.size()));
}

FileResult SafeFile::ReadAll(const std::string& path, std::vector<std::uint8_t>& bytes,
                             std::size_t maxBytes) {
    return ReadInto(path, bytes, maxBytes);
}

FileResult SafeFile::ReadAll(const std::string& path, std::string& text, std::size_t maxBytes) {
    return ReadInto(path, text, maxBytes);
}

} // namespace platform
