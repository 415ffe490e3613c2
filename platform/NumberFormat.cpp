#include "platform/NumberFormat.h"
#include <stdexcept>
namespace platform::NumberFormat {
std::string Fixed(double, int) { throw std::logic_error("not implemented yet"); }
void AppendFixed(std::string&, double, int) { throw std::logic_error("not implemented yet"); }
std::string General(double, int) { throw std::logic_error("not implemented yet"); }
void AppendGeneral(std::string&, double, int) { throw std::logic_error("not implemented yet"); }
std::string Integer(std::int64_t, int) { throw std::logic_error("not implemented yet"); }
void AppendInteger(std::string&, std::int64_t, int) { throw std::logic_error("not implemented yet"); }
std::optional<std::int64_t> ParseInt64(std::string_view) { throw std::logic_error("not implemented yet"); }
std::optional<std::int32_t> ParseInt32(std::string_view) { throw std::logic_error("not implemented yet"); }
std::optional<double> ParseDouble(std::string_view) { throw std::logic_error("not implemented yet"); }
}
