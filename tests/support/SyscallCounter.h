#pragma once

// Counts the read and write system calls made by code linked with
// -Wl,--wrap=read,--wrap=write.

namespace ebo::test {

struct SyscallCounts {
    long reads = 0;
    long writes = 0;
};

void ResetSyscallCounts();
SyscallCounts CurrentSyscallCounts();

}  // namespace ebo::test
