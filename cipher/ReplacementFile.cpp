#include "ReplacementFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace ebo {
namespace {

constexpr int MaxLinkHops = 40;  // as the kernel allows
constexpr std::size_t MaxTemporaryStemLength = 100;  // keeps the name under NAME_MAX

std::string DirectoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t CurrentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

int ReadLink(const std::string& path, std::string* target)
{
    std::vector<char> buffer(PATH_MAX);
    const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (length < 0)
        return errno;
    if (static_cast<std::size_t>(length) == buffer.size())
        return ENAMETOOLONG;
    target->assign(buffer.data(), static_cast<std::size_t>(length));
    return 0;
}

}  // namespace

ReplacementFile::~ReplacementFile()
{
    if (handle_ != InvalidFileHandle)
        FileClose(handle_);
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
}

int ReplacementFile::Open(const std::string& destination)
{
    if (const int error = ResolveTarget(destination))
        return error;
    return CreateTemporary();
}

int ReplacementFile::ResolveTarget(const std::string& destination)
{
    if (destination.empty())
        return ENOENT;
    // A symbolic link stays; its target receives the new content.
    std::string path = destination;
    for (int hops = 0;; ++hops) {
        struct stat info { };
        if (::lstat(path.c_str(), &info) != 0) {
            if (errno != ENOENT)
                return errno;
            target_ = path;
            mode_ = 0666 & ~CurrentUmask();
            return 0;
        }
        if (!S_ISLNK(info.st_mode)) {
            target_ = path;
            return CheckExistingTarget(info);
        }
        if (hops == MaxLinkHops)
            return ELOOP;
        std::string link;
        if (const int error = ReadLink(path, &link))
            return error;
        path = link.front() == '/' ? link : DirectoryOf(path) + "/" + link;
    }
}

int ReplacementFile::CheckExistingTarget(const struct stat& info)
{
    if (S_ISDIR(info.st_mode))
        return EISDIR;
    if (!S_ISREG(info.st_mode))
        return EOPNOTSUPP;
    // The rename would replace a file that the user may not write; ask the
    // kernel, which knows about root, read-only mounts and ACLs.
    const int probe = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (probe < 0)
        return errno;
    ::close(probe);
    mode_ = info.st_mode & 07777;
    owner_ = info.st_uid;
    group_ = info.st_gid;
    return 0;
}

int ReplacementFile::CreateTemporary()
{
    std::string pattern =
        DirectoryOf(target_) + "/." + BaseNameOf(target_).substr(0, MaxTemporaryStemLength) + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    handle_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (handle_ < 0)
        return errno;
    temporary_ = name.data();

    if (owner_ != static_cast<uid_t>(-1)) {
        // Only root may give a file away; for anyone else the new file stays
        // theirs, which loses nothing.
        [[maybe_unused]] const int chowned = ::fchown(handle_, owner_, group_);
    }
    if (::fchmod(handle_, mode_) != 0)
        return errno;
    return 0;
}

int ReplacementFile::Commit()
{
    // Flushed before the rename, so that a crash cannot leave the
    // destination renamed but empty.
    if (::fdatasync(handle_) != 0)
        return errno;
    const FileHandle handle = handle_;
    handle_ = InvalidFileHandle;
    if (FileClose(handle) != 0)
        return errno;
    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        return errno;
    temporary_.clear();
    return 0;
}

}  // namespace ebo
