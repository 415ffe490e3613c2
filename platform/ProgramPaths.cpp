#include "platform/ProgramPaths.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {

namespace {

// The folder name inside the XDG folders, and the desktop entry that marks an installed copy.
constexpr const char* ProgramFolder = "velmora-puzzle";
constexpr const char* InstalledDesktopEntry = "share/applications/velmora-puzzle.desktop";

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// An XDG base folder: the variable when it holds an absolute path, otherwise Home + Fallback.
std::string XdgFolder(const std::string& variable, const std::string& home, const char* fallback) {
    if (!variable.empty() && variable.front() == '/') return variable;
    return home + fallback;
}

bool InstalledCopy(const std::string& folder) {
    std::error_code error;
    return fs::is_regular_file(fs::path(folder).parent_path() / InstalledDesktopEntry, error);
}

// Creates Folder and any missing parents with mode 0700, as the XDG rules ask.
void CreateFolders(const fs::path& folder) {
    std::error_code error;
    if (folder.empty() || fs::is_directory(folder, error)) return;
    CreateFolders(folder.parent_path());
    ::mkdir(folder.c_str(), 0700);
}

std::string ReadExecutablePath() {
    std::error_code error;
    const fs::path path = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

struct TProcessFiles {
    TProgramFiles Own{ReadExecutablePath(), TProgramEnvironment::Current()};
    std::optional<TProgramFiles> Overridden;

    TProgramFiles& Current() { return Overridden ? *Overridden : Own; }
};

TProcessFiles& Process() {
    static TProcessFiles files;
    return files;
}

} // namespace

TProgramEnvironment TProgramEnvironment::Current() {
    TProgramEnvironment environment{EnvironmentValue("HOME"), EnvironmentValue("XDG_CONFIG_HOME"),
                                    EnvironmentValue("XDG_DATA_HOME")};
    if (environment.Home.empty())
        if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir)
            environment.Home = account->pw_dir;
    return environment;
}

TProgramFiles::TProgramFiles(std::string executablePath, const TProgramEnvironment& environment)
    : Executable(std::move(executablePath)) {
    if (!Executable.empty()) {
        const fs::path path(Executable);
        ExecutableFolder = path.parent_path().string();
        BaseName = ProgramPaths::ChangeExtension(path.filename().string(), "");
    }
    if (BaseName.empty()) BaseName = ProgramFolder;
    Beside =
        !ExecutableFolder.empty() && !InstalledCopy(ExecutableFolder) && FolderWritable(ExecutableFolder);
    if (!Beside) {
        SettingsFolder = XdgFolder(environment.XdgConfigHome, environment.Home, "/.config");
        SettingsFolder += std::string("/") + ProgramFolder;
        DataFolder = XdgFolder(environment.XdgDataHome, environment.Home, "/.local/share");
        DataFolder += std::string("/") + ProgramFolder;
    }
}

std::string TProgramFiles::BesideSettings(std::string_view extension) {
    return Companion(SettingsFolder, extension);
}

std::string TProgramFiles::BesideSavedGame(std::string_view extension) {
    return Companion(DataFolder, extension);
}

std::string TProgramFiles::Companion(const std::string& folder, std::string_view extension) {
    if (Beside) return ProgramPaths::ChangeExtension(Executable, extension);
    std::string name = BaseName;
    name += extension;
    const std::string path = folder + "/" + name;
    if (!Adopted.insert(path).second) return path;

    CreateFolders(folder);
    if (!ExecutableFolder.empty()) {
        // Copy, never move: the old file stays where it was whatever happens here.
        std::error_code error;
        const fs::path old = fs::path(ExecutableFolder) / name;
        if (fs::is_regular_file(old, error) && !fs::exists(path, error))
            fs::copy_file(old, path, fs::copy_options::skip_existing, error);
    }
    return path;
}

void ProgramPaths::Resolve() {
    (void)Process();
}

std::string ProgramPaths::ExecutablePath() {
    return Process().Current().ExecutablePath();
}

void ProgramPaths::SetExecutablePathOverride(std::string path) {
    TProcessFiles& process = Process();
    if (path.empty())
        process.Overridden.reset();
    else
        process.Overridden.emplace(std::move(path), TProgramEnvironment::Current());
}

std::string ProgramPaths::ChangeExtension(std::string_view path, std::string_view extension) {
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    const std::size_t stemEnd = (dot != std::string_view::npos && dot >= nameStart) ? dot : path.size();
    std::string result(path.substr(0, stemEnd));
    result += extension;
    return result;
}

bool ProgramPaths::FilesBesideExecutable() {
    return Process().Current().BesideExecutable();
}

std::string ProgramPaths::SettingsFile() {
    return BesideSettings(".ini");
}

std::string ProgramPaths::SavedGameFile() {
    return BesideSavedGame(".sav");
}

std::string ProgramPaths::BesideSettings(std::string_view extension) {
    return Process().Current().BesideSettings(extension);
}

std::string ProgramPaths::BesideSavedGame(std::string_view extension) {
    return Process().Current().BesideSavedGame(extension);
}

bool FolderWritable(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return false;
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

} // namespace platform
