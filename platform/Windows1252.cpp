#include "platform/Windows1252.h"
#include <stdexcept>
namespace platform {
char32_t Windows1252::ToUnicode(std::uint8_t) { throw std::logic_error("not implemented yet"); }
int Windows1252::FromUnicode(char32_t) { throw std::logic_error("not implemented yet"); }
}
