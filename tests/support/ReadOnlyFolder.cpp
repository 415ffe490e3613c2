#include "ReadOnlyFolder.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace test {

namespace {

bool WriteProcFile(const char* path, const std::string& text) {
    const int fd = open(path, O_WRONLY);
    if (fd < 0) return false;
    const bool ok = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    return ok;
}

std::string Failed(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// A private mount namespace: directly as root, else inside a user namespace mapping our ids.
std::string EnterMountNamespace() {
    if (unshare(CLONE_NEWNS) == 0) return "";
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return Failed("cannot create a mount namespace");
    WriteProcFile("/proc/self/setgroups", "deny");
    if (!WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
        return "cannot map ids in the user namespace";
    return "";
}

std::string MakeReadOnly(const std::string& folder) {
    std::string failure = EnterMountNamespace();
    if (!failure.empty()) return failure;
    // Private first, so that nothing done here reaches the machine's own mounts.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return Failed("cannot make mounts private");
    if (mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0)
        return Failed("cannot bind the folder");
    if (mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0)
        return Failed("cannot make the folder read-only");
    return "";
}

void Send(int fd, const std::string& text) {
    const ssize_t written = write(fd, text.data(), text.size());
    (void)written;
}

} // namespace

ReadOnlyOutcome WithReadOnlyFolder(const std::string& folder, const std::function<std::string()>& check) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {false, Failed("cannot create a pipe")};
    const pid_t child = fork();
    if (child < 0) return {false, Failed("cannot fork")};
    if (child == 0) {
        close(pipeFds[0]);
        const std::string failure = MakeReadOnly(folder);
        Send(pipeFds[1], failure.empty() ? "RAN " + check() : "SKIP " + failure);
        _exit(0); // no atexit handlers: the parent owns the test run
    }
    close(pipeFds[1]);
    std::string message;
    char buffer[512];
    ssize_t n = 0;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
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

} // namespace test
