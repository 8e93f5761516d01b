#pragma once

// Low-level file handles: small integers, -1 on failure with errno set.
// Binary and unbuffered; every call maps onto one POSIX call (plus EINTR retries).

#include <cstddef>

namespace ebo {

using FileHandle = int;
inline constexpr FileHandle InvalidFileHandle = -1;

// Opens an existing file read-only. Never blocks on a FIFO or device.
FileHandle FileOpenRead(const char* name);

// 1 at or past the end of the file, 0 before it, -1 when the test fails
// (also for handles that cannot seek, such as pipes).
int FileEof(FileHandle handle);

// Bytes placed at the start of buffer (0 at the end), or -1.
long FileRead(FileHandle handle, void* buffer, std::size_t count);

// Writes all count bytes; returns count, or -1 when any of them could not be
// written (disk full, file-size limit).
long FileWrite(FileHandle handle, const void* buffer, std::size_t count);

// 0, or -1 when the handle was invalid or its data could not be flushed.
int FileClose(FileHandle handle);

}  // namespace ebo
