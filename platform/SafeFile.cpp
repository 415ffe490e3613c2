#include "platform/SafeFile.h"
#include <stdexcept>
namespace platform {
FileResult SafeFile::WriteAll(const std::string&, std::span<const std::uint8_t>) { throw std::logic_error("not implemented yet"); }
FileResult SafeFile::WriteAll(const std::string&, std::string_view) { throw std::logic_error("not implemented yet"); }
FileResult SafeFile::ReadAll(const std::string&, std::vector<std::uint8_t>&, std::size_t) { throw std::logic_error("not implemented yet"); }
FileResult SafeFile::ReadAll(const std::string&, std::string&, std::size_t) { throw std::logic_error("not implemented yet"); }
}
