#include "platform/ProgramPaths.h"
#include <stdexcept>
namespace platform {
std::string ProgramPaths::ExecutablePath() { throw std::logic_error("not implemented yet"); }
void ProgramPaths::SetExecutablePathOverride(std::string) { throw std::logic_error("not implemented yet"); }
std::string ProgramPaths::ChangeExtension(std::string_view, std::string_view) { throw std::logic_error("not implemented yet"); }
std::string ProgramPaths::BesideExecutable(std::string_view) { throw std::logic_error("not implemented yet"); }
}
