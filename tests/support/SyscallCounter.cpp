#include "SyscallCounter.h"

#include <sys/types.h>

extern "C" {
ssize_t __real_read(int fd, void* buffer, size_t count);
ssize_t __real_write(int fd, const void* buffer, size_t count);
ssize_t __wrap_read(int fd, void* buffer, size_t count);
ssize_t __wrap_write(int fd, const void* buffer, size_t count);
}

namespace {
ebo::test::SyscallCounts counts;
}

ssize_t __wrap_read(int fd, void* buffer, size_t count)
{
    ++counts.reads;
    return __real_read(fd, buffer, count);
}

ssize_t __wrap_write(int fd, const void* buffer, size_t count)
{
    ++counts.writes;
    return __real_write(fd, buffer, count);
}

namespace ebo::test {

void ResetSyscallCounts() { counts = {}; }
SyscallCounts CurrentSyscallCounts() { return counts; }

}  // namespace ebo::test
