// Runs a check inside a child process on a private 64 KiB tmpfs, so a test can fill a disk without
// touching the machine's. Needs mount rights: real root, or an unprivileged user namespace.
#pragma once

#include <functional>
#include <string>

struct TSandboxResult {
    bool Ran = false;   // false: the sandbox could not be set up (Reason says why)
    std::string Reason; // set up failure, or the check's failure; empty when all held
};

// Body gets the mounted folder and returns an empty text when its checks held, else what failed.
TSandboxResult RunOnSmallTmpfs(const std::function<std::string(const std::string& Folder)>& Body);

// Fills the file system holding Folder with a file named Name until it reports no space.
bool FillDisk(const std::string& Folder, const std::string& Name);
