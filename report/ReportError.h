// The one error type of the report engine: it carries the fixed English message that ends the
// current report operation (recording, playback, file output).
#pragma once

#include <stdexcept>
#include <string>

class EReportError : public std::runtime_error {
  public:
    explicit EReportError(const std::string& message) : std::runtime_error(message) {}
};
