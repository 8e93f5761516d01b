#include "FailureMessage.h"

#include "Exception.h"

#include <cassert>
#include <cstring>

namespace ebo {

std::string FailureMessage(const ShiftResult& result, const std::string& source, const std::string& destination)
{
    std::string message;
    switch (result.failure) {
    case ShiftFailure::OpenSource:
        message = Format(CannotOpenMessage, source);
        break;
    case ShiftFailure::ReadSource:
        message = Format(CannotReadMessage, source);
        break;
    case ShiftFailure::WriteDestination:
        message = Format(CannotWriteMessage, destination);
        break;
    case ShiftFailure::None:
        assert(!"no failure to describe");
        break;
    }
    return message + ": " + std::strerror(result.error);
}

}  // namespace ebo
