#include "MountSandbox.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace test {

namespace {

// One write of the whole text, as the id map files demand.
bool WriteProcFile(const char* path, const std::string& text) {
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
        WriteProcFile("/proc/self/setgroups", "deny");
        if (!WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
            return "cannot map ids in the user namespace";
    }
    return Failed("cannot make mounts private", mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr));
}

// Remount changes the child's mounts (an empty answer when it could), then Check runs there.
SandboxOutcome InPrivateMounts(const std::function<std::string()>& remount,
                               const std::function<std::string()>& check) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {false, Failed("cannot create a pipe")};
    const pid_t child = fork();
    if (child < 0) return {false, Failed("cannot fork")};
    if (child == 0) {
        close(pipeFds[0]);
        std::string failure = EnterPrivateMounts();
        if (failure.empty()) failure = remount();
        const std::string answer = failure.empty() ? "RAN " + check() : "SKIP " + failure;
        if (write(pipeFds[1], answer.data(), answer.size()) < 0) _exit(1);
        _exit(0); // no atexit handlers: the parent owns the test run
    }
    close(pipeFds[1]);
    std::string message;
    char buffer[512];
    for (ssize_t n = 0; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {true, "the check crashed (status " + std::to_string(status) + ")"};
    if (message.rfind("SKIP ", 0) == 0) return {false, message.substr(5)};
    if (message.rfind("RAN ", 0) == 0) return {true, message.substr(4)};
    return {true, "no answer from the check"};
}

} // namespace

SandboxOutcome WithReadOnlyFolder(const std::string& folder, const std::function<std::string()>& check) {
    return InPrivateMounts(
        [&]() -> std::string {
            if (mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0)
                return Failed("cannot bind the folder");
            if (mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0)
                return Failed("cannot make the folder read-only");
            return "";
        },
        check);
}

SandboxOutcome OnSmallTmpfs(const std::function<std::string(const std::string& folder)>& check) {
    char folderTemplate[] = "/tmp/velmora-fulldisk-XXXXXX";
    if (!mkdtemp(folderTemplate)) return {false, Failed("cannot create a folder")};
    const std::string folder = folderTemplate;
    const SandboxOutcome outcome = InPrivateMounts(
        [&] {
            return Failed("cannot mount a tmpfs", mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k"));
        },
        [&] { return check(folder); });
    rmdir(folder.c_str());
    return outcome;
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
