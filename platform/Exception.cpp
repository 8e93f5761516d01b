#include "Exception.h"

#include <cassert>

namespace ebo {

std::string Format(const std::string& format, const std::string& argument)
{
    const std::size_t at = format.find("%s");
    assert(at != std::string::npos && "format without %s");
    std::string result = format;
    result.replace(at, 2, argument);
    return result;
}

}  // namespace ebo
