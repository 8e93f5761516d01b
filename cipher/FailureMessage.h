#pragma once

#include "ShiftFile.h"

#include <string>

namespace ebo {

inline constexpr const char* CannotOpenMessage = "'%s' を開けません";
inline constexpr const char* CannotReadMessage = "'%s' を読み込めません";
inline constexpr const char* CannotWriteMessage = "'%s' に書き込めません";

// The message for a failed ShiftFile: the file concerned and the system's
// reason in the user's locale. The names are as the user sees them.
std::string FailureMessage(const ShiftResult& result, const std::string& source, const std::string& destination);

}  // namespace ebo
