#pragma once

#include "ShiftFile.h"

#include <string>

namespace ebo {

// The key that a new window or a command line without -k starts with.
inline constexpr const char* DefaultKeyText = "59";

// The low eight bits of the text's integer value, so every integer is a key.
// Throws EConvertError for a text that is not an integer.
KeyByte KeyByteFromText(const std::string& text);

}  // namespace ebo
