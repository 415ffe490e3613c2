#include "platform/SafeFile.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::string_view TemporaryMark = ".tmp-";
constexpr std::size_t RandomChars = 6;
constexpr std::string_view NameChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string Reason(const std::string& what, int error) {
    return what + ": " + std::strerror(error);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string RandomSuffix() {
    unsigned char noise[RandomChars];
    if (::getrandom(noise, sizeof noise, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof noise)) {
        // No entropy yet (early boot): the clock and the process still make clashes unlikely, and
        // O_EXCL makes them harmless.
        static unsigned counter = 0;
        const auto seed = static_cast<unsigned long long>(std::time(nullptr)) ^
                          (static_cast<unsigned long long>(::getpid()) << 20) ^ (++counter * 2654435761u);
        for (std::size_t i = 0; i < RandomChars; ++i)
            noise[i] = static_cast<unsigned char>(seed >> (i * 7));
    }
    std::string suffix(RandomChars, 'x');
    for (std::size_t i = 0; i < RandomChars; ++i)
        suffix[i] = NameChars[noise[i] % NameChars.size()];
    return suffix;
}

bool IsTemporaryName(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + RandomChars || !name.starts_with(prefix)) return false;
    return name.substr(prefix.size()).find_first_not_of(NameChars) == std::string_view::npos;
}

// Makes a rename durable; a failure here no longer risks the file's contents.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

PendingFile::PendingFile(std::string path) : Target(std::move(path)) {
    if (Target.empty()) {
        Created = FileResult::Failure("no file name given");
        return;
    }
    struct stat existing {};
    const bool keepMode = ::lstat(Target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    // A new file: the system applies the umask to 0666 as for any plain create. A replaced file:
    // private until its own bits are set below, before any data is written.
    const mode_t createMode = keepMode ? 0600 : 0666;
    const std::string prefix = Target + std::string(TemporaryMark);
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && Fd < 0 && error == EEXIST; ++attempt) {
        std::string name = prefix + RandomSuffix();
        Fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, createMode);
        if (Fd >= 0)
            Temporary = std::move(name);
        else
            error = errno;
    }
    if (Fd < 0) {
        Created = FileResult::Failure(Reason("cannot create a temporary file in " + FolderOf(Target), error));
        return;
    }
    ::flock(Fd, LOCK_EX | LOCK_NB); // a new file: no one else can hold it
    if (keepMode && ::fchmod(Fd, existing.st_mode & 0666) != 0) {
        Created = FileResult::Failure(Reason("cannot set permissions of " + Temporary, errno));
        Discard();
    }
}

PendingFile::~PendingFile() {
    Discard();
}

FileResult PendingFile::Write(std::span<const std::uint8_t> bytes) {
    if (Fd < 0) return FileResult::Failure("cannot write " + Target + ": the file is closed");
    const std::uint8_t* data = bytes.data();
    std::size_t size = bytes.size();
    while (size > 0) {
        const ssize_t written = ::write(Fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return FileResult::Failure(Reason("cannot write " + Target, errno));
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return FileResult::Success();
}

FileResult PendingFile::Commit() {
    if (Fd < 0)
        return Created ? FileResult::Failure("cannot write " + Target + ": the file is closed") : Created;
    if (::fsync(Fd) != 0) {
        const int error = errno;
        Discard();
        return FileResult::Failure(Reason("cannot write " + Target, error));
    }
    // Renamed while still open and locked, so no clean-up can take it for a dead writer's file.
    if (::rename(Temporary.c_str(), Target.c_str()) != 0) {
        const int error = errno;
        Discard();
        return FileResult::Failure(Reason("cannot replace " + Target, error));
    }
    Temporary.clear();
    ::close(Fd); // the data is synced; a late close error cannot lose it
    Fd = -1;
    SyncFolder(FolderOf(Target));
    SafeFile::RemoveStaleTemporaries(Target);
    return FileResult::Success();
}

void PendingFile::Discard() {
    if (Fd >= 0) ::close(Fd);
    Fd = -1;
    if (!Temporary.empty()) ::unlink(Temporary.c_str());
    Temporary.clear();
}

FileResult SafeFile::WriteAll(const std::string& path, std::span<const std::uint8_t> bytes) {
    PendingFile file(path);
    if (!file.Status()) return file.Status();
    if (FileResult written = file.Write(bytes); !written) return written;
    return file.Commit();
}

FileResult SafeFile::WriteAll(const std::string& path, std::string_view bytes) {
    return WriteAll(path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                                        bytes.size()));
}

int SafeFile::RemoveStaleTemporaries(const std::string& path) {
    if (path.empty()) return 0;
    DIR* folder = ::opendir(FolderOf(path).c_str());
    if (!folder) return 0;
    const int folderFd = ::dirfd(folder);
    const std::string prefix = NameOf(path) + std::string(TemporaryMark);
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    while (const dirent* entry = ::readdir(folder)) {
        if (!IsTemporaryName(entry->d_name, prefix)) continue;
        struct stat info {};
        if (::fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid() || now - info.st_mtime < StaleAge.count())
            continue;
        const int fd = ::openat(folderFd, entry->d_name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0) continue;
        struct stat opened {};
        // A live writer holds its lock until the rename; a killed one's lock died with it.
        if (::fstat(fd, &opened) == 0 && opened.st_ino == info.st_ino && opened.st_dev == info.st_dev &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlinkat(folderFd, entry->d_name, 0) == 0)
            ++removed;
        ::close(fd);
    }
    ::closedir(folder);
    return removed;
}

} // namespace platform
