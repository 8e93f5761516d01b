#include "FileHandle.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ebo {

FileHandle FileOpenRead(const char* name)
{
    // O_NONBLOCK keeps a FIFO chosen by mistake from hanging the caller;
    // regular files ignore it.
    FileHandle handle;
    do {
        handle = ::open(name, O_RDONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    } while (handle < 0 && errno == EINTR);
    return handle;
}

int FileEof(FileHandle handle)
{
    struct stat info { };
    if (::fstat(handle, &info) != 0)
        return -1;
    const off_t position = ::lseek(handle, 0, SEEK_CUR);
    if (position < 0)
        return -1;
    return position >= info.st_size ? 1 : 0;
}

long FileRead(FileHandle handle, void* buffer, std::size_t count)
{
    ssize_t got;
    do {
        got = ::read(handle, buffer, count);
    } while (got < 0 && errno == EINTR);
    return static_cast<long>(got);
}

long FileWrite(FileHandle handle, const void* buffer, std::size_t count)
{
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t put = ::write(handle, bytes + done, count - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        done += static_cast<std::size_t>(put);
    }
    return static_cast<long>(done);
}

int FileClose(FileHandle handle)
{
    // Retrying close after EINTR may close a handle reused by now; Linux has
    // released it either way.
    return ::close(handle) == 0 ? 0 : -1;
}

}  // namespace ebo
