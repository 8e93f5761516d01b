#pragma once

// A scratch directory for tests that touch real files, removed afterwards.

#include <cstdint>
#include <string>
#include <vector>

namespace ebo::test {

using Bytes = std::vector<std::uint8_t>;

class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // Names in the directory, sorted, hidden ones included.
    std::vector<std::string> Entries() const;

private:
    std::string path_;
};

Bytes ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const Bytes& bytes);
bool Exists(const std::string& path);

// count bytes of a fixed pseudo-random pattern.
Bytes PatternBytes(std::size_t count);

// Every byte value 0..255, in order.
Bytes AllByteValues();

}  // namespace ebo::test
