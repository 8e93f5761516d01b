#include "ShiftFile.h"

#include "FileHandle.h"
#include "ReplacementFile.h"

#include <cerrno>

namespace ebo {

std::uint8_t TransferBuffer[TransferChunkSize];

// Built twice, for AVX2 and for any x86-64; the loader picks the one the
// processor runs best, so the shift stays cheaper than the copy around it.
#if defined(__x86_64__)
__attribute__((target_clones("avx2", "default")))
#endif
void ShiftBytes(std::uint8_t* bytes, std::size_t count, KeyByte key, ShiftDirection direction)
{
    // Subtracting k is adding 256 - k; one branch-free loop the compiler vectorises.
    const auto delta = static_cast<std::uint8_t>(direction == ShiftDirection::Lock ? key : -key);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(bytes[i] + delta);
}

namespace {

ShiftResult Failed(ShiftFailure failure, int error) { return ShiftResult {failure, error}; }

// Reads one chunk from input and writes it to output, shifted. Sets *ended
// when the input had nothing more to give.
ShiftResult TransferChunk(FileHandle input, FileHandle output, KeyByte key, ShiftDirection direction, bool* ended)
{
    const long count = FileRead(input, TransferBuffer, TransferChunkSize);
    if (count < 0)
        return Failed(ShiftFailure::ReadSource, errno);
    *ended = count == 0;
    const auto size = static_cast<std::size_t>(count);
    ShiftBytes(TransferBuffer, size, key, direction);
    if (size > 0 && FileWrite(output, TransferBuffer, size) != count)
        return Failed(ShiftFailure::WriteDestination, errno);
    return {};
}

// Copies source into the replacement, testing for the end before each read
// so that an empty source takes no read at all.
ShiftResult Transfer(FileHandle source, FileHandle replacement, KeyByte key, ShiftDirection direction)
{
    for (;;) {
        const int atEnd = FileEof(source);
        if (atEnd < 0)
            return Failed(ShiftFailure::ReadSource, errno);
        if (atEnd == 1)
            return {};
        // A read of nothing before the end: the file shrank, or claims a size
        // it does not have. Stop rather than test and read forever.
        bool ended = false;
        const ShiftResult chunk = TransferChunk(source, replacement, key, direction, &ended);
        if (!chunk.Succeeded() || ended)
            return chunk;
    }
}

}  // namespace

ShiftResult ShiftStream(int input, int output, KeyByte key, ShiftDirection direction)
{
    for (;;) {
        bool ended = false;
        const ShiftResult chunk = TransferChunk(input, output, key, direction, &ended);
        if (!chunk.Succeeded() || ended)
            return chunk;
    }
}

ShiftResult ShiftFile(const std::string& source, const std::string& destination, KeyByte key, ShiftDirection direction)
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
