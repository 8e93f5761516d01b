#pragma once

// The byte-shift transform: every byte of a file moved by a one-byte key,
// modulo 256. No header; the output has the input's length.

#include <cstddef>
#include <cstdint>
#include <string>

namespace ebo {

using KeyByte = std::uint8_t;

enum class ShiftDirection {
    Lock,  // adds the key
    Unlock,  // subtracts the key
};

inline constexpr std::size_t TransferChunkSize = 100000;

// All file data passes through this one static buffer, shifted in place.
extern std::uint8_t TransferBuffer[TransferChunkSize];

enum class ShiftFailure {
    None,
    OpenSource,
    ReadSource,
    WriteDestination,  // creating, writing or replacing it
};

struct ShiftResult {
    ShiftFailure failure = ShiftFailure::None;
    int error = 0;  // errno of the failed call

    bool Succeeded() const { return failure == ShiftFailure::None; }
};

// Shifts count bytes in place.
void ShiftBytes(std::uint8_t* bytes, std::size_t count, KeyByte key, ShiftDirection direction);

// Writes the shifted copy of source to destination. The destination is
// replaced only once every byte is written: on failure an existing
// destination keeps its content and no partial file is left. Source and
// destination may be the same file. Throws nothing.
ShiftResult ShiftFile(const std::string& source, const std::string& destination, KeyByte key, ShiftDirection direction);

// Shifts everything read from input until its end into output, through the
// same buffer; for pipes, which have no size to test the end against.
ShiftResult ShiftStream(int input, int output, KeyByte key, ShiftDirection direction);

}  // namespace ebo
