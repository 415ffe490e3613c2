// Runs a check in a child process with a private mount namespace, so a test can make its own
// folder read-only for everyone (root included) or fill a small disk, without touching the
// machine's mounts. Needs mount rights: real root, or an unprivileged user namespace.
#pragma once

#include <functional>
#include <string>

namespace test {

struct SandboxOutcome {
    bool Ran = false;   // false: the sandbox could not be set up (Reason says why)
    std::string Reason; // why it could not run, or what the check found wrong; empty when all held
};

// Check runs in the child and returns an empty text when its checks held, else what failed. Only
// Folder (a test's own temporary folder) is remounted, and only inside the child.
SandboxOutcome WithReadOnlyFolder(const std::string& folder, const std::function<std::string()>& check);

// Check gets a folder on a private 64 KiB tmpfs.
SandboxOutcome OnSmallTmpfs(const std::function<std::string(const std::string& folder)>& check);

// Fills the file system holding Folder with a file named Name until it reports no space.
bool FillDisk(const std::string& folder, const std::string& name);

} // namespace test
