#include "ShiftFile.h"

#include "FileHandle.h"
#include "ReplacementFile.h"

#include <cerrno>

namespace ebo {

std::uint8_t TransferBuffer[TransferChunkSize];

void ShiftBytes(std::uint8_t* bytes, std::size_t count, KeyByte key, ShiftDirection direction)
{
    // Subtracting k is adding 256 - k; one branch-free loop the compiler vectorises.
    const auto delta = static_cast<std::uint8_t>(direction == ShiftDirection::Lock ? key : -key);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(bytes[i] + delta);
}

namespace {

ShiftResult Failed(ShiftFailure failure, int error) { return ShiftResult{failure, error}; }

// Copies source into the replacement, shifted, chunk by chunk.
ShiftResult Transfer(FileHandle source, FileHandle replacement, KeyByte key, ShiftDirection direction)
{
    for (;;) {
        const int atEnd = FileEof(source);
        if (atEnd < 0)
            return Failed(ShiftFailure::ReadSource, errno);
        if (atEnd == 1)
            return {};
        const long count = FileRead(source, TransferBuffer, TransferChunkSize);
        if (count < 0)
            return Failed(ShiftFailure::ReadSource, errno);
        if (count == 0)
            return {};  // the file shrank, or claims a size it does not have
        const auto size = static_cast<std::size_t>(count);
        ShiftBytes(TransferBuffer, size, key, direction);
        if (FileWrite(replacement, TransferBuffer, size) != count)
            return Failed(ShiftFailure::WriteDestination, errno);
    }
}

}  // namespace

ShiftResult ShiftFile(const std::string& source, const std::string& destination, KeyByte key,
                      ShiftDirection direction)
{
    // The source first: when it cannot be opened, the destination is not touched.
    const FileHandle input = FileOpenRead(source.c_str());
    if (input == InvalidFileHandle)
        return Failed(ShiftFailure::OpenSource, errno);

    ReplacementFile output;
    ShiftResult result;
    if (const int error = output.Open(destination))
        result = Failed(ShiftFailure::WriteDestination, error);
    else
        result = Transfer(input, output.Handle(), key, direction);
    FileClose(input);

    if (result.Succeeded()) {
        if (const int error = output.Commit())
            result = Failed(ShiftFailure::WriteDestination, error);
    }
    return result;
}

}  // namespace ebo
