// Runs a check while a folder is read-only for everyone, root included: in a child process with a
// private mount namespace, the folder is bind-mounted onto itself read-only. Needs mount rights:
// real root, or an unprivileged user namespace.
#pragma once

#include <functional>
#include <string>

namespace test {

struct ReadOnlyOutcome {
    bool Ran = false;   // false: the folder could not be made read-only (Reason says why)
    std::string Reason; // why it could not run, or what the check found wrong; empty when all held
};

// Check runs in the child and returns an empty text when its checks held, else what failed. Only
// Folder (a test's own temporary folder) is remounted, and only inside the child.
ReadOnlyOutcome WithReadOnlyFolder(const std::string& folder, const std::function<std::string()>& check);

} // namespace test
