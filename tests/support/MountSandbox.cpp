#include "MountSandbox.h"

#include "TestFiles.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

// Present in coverage builds only: the child's counts, which _exit would drop.
extern "C" void __gcov_dump() __attribute__((weak));

namespace test {

namespace {

// One write of the whole text, as the id map files demand; false when it failed.
bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream file(path);
    return static_cast<bool>(file << text << std::flush);
}

// What failed and why; empty when Result, a system call's, is 0.
std::string Failed(const char* what, int result = -1) {
    return result == 0 ? "" : std::string(what) + ": " + std::strerror(errno);
}

// A private mount namespace (directly as root, else inside a user namespace mapping our ids) whose
// mounts are private first, so that nothing done here reaches the machine's own mounts.
std::string EnterPrivateMounts() {
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    if (unshare(CLONE_NEWNS) != 0) {
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return Failed("cannot create a mount namespace");
        WriteText("/proc/self/setgroups", "deny");
        if (!WriteText("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !WriteText("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
            return "cannot map ids in the user namespace";
    }
    return Failed("cannot make mounts private", mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr));
}

// Remount changes the child's mounts (an empty answer when it could), then Check runs there. The
// child leaves its answer in a file of its own and tells by its exit status whether it ran.
SandboxOutcome InPrivateMounts(const std::function<std::string()>& remount,
                               const std::function<std::string()>& check) {
    constexpr int Ran = 0, Skipped = 3;
    const TempFolder answerFolder;
    const std::string answer = answerFolder.File("answer");
    const pid_t child = fork();
    if (child < 0) return {false, Failed("cannot fork")};
    if (child == 0) {
        std::string failure = EnterPrivateMounts();
        if (failure.empty()) failure = remount();
        const std::string text = failure.empty() ? check() : failure;
        // No atexit handlers or destructors: the parent owns the test run and the answer's folder.
        if (__gcov_dump) __gcov_dump();
        _exit(!WriteText(answer, text) ? 1 : failure.empty() ? Ran : Skipped);
    }
    int status = 0;
    waitpid(child, &status, 0);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (code != Ran && code != Skipped)
        return {true, "the check crashed or could not answer (status " + std::to_string(status) + ")"};
    return {code == Ran, ReadWholeFile(answer)};
}

} // namespace

SandboxOutcome WithReadOnlyFolder(const std::string& folder, const std::function<std::string()>& check) {
    return InPrivateMounts(
        [&] {
            if (mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0)
                return Failed("cannot bind the folder");
            return Failed("cannot make the folder read-only",
                          mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr));
        },
        check);
}

SandboxOutcome OnSmallTmpfs(const std::function<std::string(const std::string& folder)>& check) {
    const TempFolder disk; // only the child mounts the tmpfs here
    return InPrivateMounts(
        [&] {
            return Failed("cannot mount a tmpfs",
                          mount("tmpfs", disk.Path().c_str(), "tmpfs", 0, "size=64k"));
        },
        [&] { return check(disk.Path()); });
}

bool FillDisk(const std::string& folder, const std::string& name) {
    const std::string path = folder + "/" + name;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    const char block[4096] = {};
    bool full = false;
    for (int i = 0; i < 100000 && !full; ++i)
        full = write(fd, block, sizeof block) < 0 && errno == ENOSPC;
    // Fill the last partial page byte by byte.
    while (full && write(fd, block, 1) == 1) {
    }
    close(fd);
    return full;
}

} // namespace test
