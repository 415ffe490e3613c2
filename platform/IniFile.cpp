#include "platform/IniFile.h"
#include <stdexcept>
namespace platform {
IniFile IniFile::Load(const std::string&) { throw std::logic_error("not implemented yet"); }
IniFile IniFile::Parse(std::string_view) { throw std::logic_error("not implemented yet"); }
FileResult IniFile::LoadFromFile(const std::string&) { throw std::logic_error("not implemented yet"); }
std::optional<std::string> IniFile::ReadValue(std::string_view, std::string_view) const { throw std::logic_error("not implemented yet"); }
std::string IniFile::ReadString(std::string_view, std::string_view, std::string_view) const { throw std::logic_error("not implemented yet"); }
std::int32_t IniFile::ReadInteger(std::string_view, std::string_view, std::int32_t) const { throw std::logic_error("not implemented yet"); }
bool IniFile::ReadBool(std::string_view, std::string_view, bool) const { throw std::logic_error("not implemented yet"); }
void IniFile::WriteString(std::string_view, std::string_view, std::string_view) { throw std::logic_error("not implemented yet"); }
void IniFile::WriteInteger(std::string_view, std::string_view, std::int32_t) { throw std::logic_error("not implemented yet"); }
void IniFile::WriteBool(std::string_view, std::string_view, bool) { throw std::logic_error("not implemented yet"); }
std::string IniFile::Text() const { throw std::logic_error("not implemented yet"); }
FileResult IniFile::Save(const std::string&) const { throw std::logic_error("not implemented yet"); }
std::optional<std::int32_t> IniFile::ParseInteger(std::string_view) { throw std::logic_error("not implemented yet"); }
}
