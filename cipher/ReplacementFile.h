#pragma once

// A new content for a destination file, written into a hidden temporary file
// beside it and moved over it only when complete.

#include "FileHandle.h"

#include <string>
#include <sys/stat.h>
#include <sys/types.h>

namespace ebo {

class ReplacementFile {
public:
    ReplacementFile() = default;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    ~ReplacementFile();  // removes the temporary file unless committed

    // Checks that destination may be replaced and creates the temporary file.
    // Returns 0, or the errno that refuses it.
    int Open(const std::string& destination);

    FileHandle Handle() const { return handle_; }

    // Flushes and closes the temporary file and renames it over the
    // destination. Returns 0, or the errno of the step that failed.
    int Commit();

private:
    int ResolveTarget(const std::string& destination);
    int CheckExistingTarget(const struct stat& info);
    int CreateTemporary();

    std::string target_;  // the destination with symbolic links followed
    std::string temporary_;  // empty once renamed or removed
    FileHandle handle_ = InvalidFileHandle;
    mode_t mode_ = 0;
    uid_t owner_ = static_cast<uid_t>(-1);
    gid_t group_ = static_cast<gid_t>(-1);
};

}  // namespace ebo
