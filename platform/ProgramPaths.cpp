#include "platform/ProgramPaths.h"

#include <filesystem>
#include <system_error>

namespace platform {

namespace {

std::string& Override() {
    static std::string path;
    return path;
}

} // namespace

std::string ProgramPaths::ExecutablePath() {
    if (!Override().empty()) return Override();
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return path.string();
}

void ProgramPaths::SetExecutablePathOverride(std::string path) {
    Override() = std::move(path);
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

std::string ProgramPaths::BesideExecutable(std::string_view extension) {
    const std::string executable = ExecutablePath();
    if (executable.empty()) return {};
    return ChangeExtension(executable, extension);
}

} // namespace platform
