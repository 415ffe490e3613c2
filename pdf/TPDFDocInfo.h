// The document information dictionary's texts.
#pragma once

#include <string>

namespace pdf {

struct TPDFDocInfo {
    std::string Title;
    std::string Author;
    std::string Subject;
    std::string KeyWords;
    std::string Creator = "Velmora Report Engine (www.velmora.co.uk)";
    std::string Producer = "Velmora UK Limited";
};

} // namespace pdf
