#pragma once

// The error classes of the program's platform layer. Messages are UTF-8 and
// are shown to the user as they stand.

#include <exception>
#include <string>
#include <utility>

namespace ebo {

class Exception : public std::exception {
public:
    explicit Exception(std::string message)
        : message_(std::move(message))
    {
    }
    // The whole text, even where it holds a NUL that what() would stop at.
    const std::string& Message() const { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A text that is not an integer.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Ends a handler quietly: the exception display shows nothing for it.
class EAbort : public Exception {
public:
    EAbort()
        : Exception("Operation aborted")
    {
    }
};

// Replaces the first "%s" of format by argument.
std::string Format(const std::string& format, const std::string& argument);

}  // namespace ebo
