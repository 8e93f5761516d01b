#pragma once

// The key and the naming shared by the window and the command line.

#include "ShiftFile.h"

#include <string>

namespace ebo {

// Appended to a source's full name to suggest the locked file's name, with
// no separator: "Readme.txt" becomes "Readme.txtebo".
inline constexpr const char* LockSuffix = "ebo";

// The key that a new window or a command line without -k starts with.
inline constexpr const char* DefaultKeyText = "59";

// The low eight bits of the text's integer value, so every integer is a key.
// Throws EConvertError for a text that is not an integer.
KeyByte KeyByteFromText(const std::string& text);

}  // namespace ebo
