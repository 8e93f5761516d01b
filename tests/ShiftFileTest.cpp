#include "ShiftFile.h"

#include "support/Scratch.h"
#include "support/SyscallCounter.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ebo {
namespace {

using test::Bytes;
using test::ReadBytes;
using test::ScratchDirectory;
using test::WriteBytes;

Bytes Shifted(Bytes bytes, int delta)
{
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(byte + delta);
    return bytes;
}

Bytes SampleContent()
{
    Bytes bytes = test::AllByteValues();  // CR, LF and 26 among them
    const Bytes more = test::PatternBytes(3000);
    bytes.insert(bytes.end(), more.begin(), more.end());
    return bytes;
}

mode_t PermissionsOf(const std::string& path)
{
    struct stat info { };
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

// Runs body in a child process and returns its exit status; for tests that
// change process-wide limits or identity.
int RunInChild(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

class ShiftFileKeys : public ::testing::TestWithParam<int> { };

TEST_P(ShiftFileKeys, LockShiftsEveryByteAndUnlockRestoresIt)
{
    const int key = GetParam();
    ScratchDirectory dir;
    const Bytes original = SampleContent();
    WriteBytes(dir / "plain", original);

    ASSERT_TRUE(ShiftFile(dir / "plain", dir / "locked", static_cast<KeyByte>(key), ShiftDirection::Lock).Succeeded());
    EXPECT_EQ(ReadBytes(dir / "locked"), Shifted(original, key));

    ASSERT_TRUE(
        ShiftFile(dir / "locked", dir / "unlocked", static_cast<KeyByte>(key), ShiftDirection::Unlock).Succeeded());
    EXPECT_EQ(ReadBytes(dir / "unlocked"), original);

    // Locking with k is unlocking with 256 - k.
    ASSERT_TRUE(
        ShiftFile(dir / "plain", dir / "mirror", static_cast<KeyByte>(256 - key), ShiftDirection::Unlock).Succeeded());
    EXPECT_EQ(ReadBytes(dir / "mirror"), ReadBytes(dir / "locked"));
}

INSTANTIATE_TEST_SUITE_P(Keys, ShiftFileKeys, ::testing::Values(0, 1, 59, 255));

struct ChunkCase {
    std::size_t size;
    long chunks;
};

void PrintTo(const ChunkCase& c, std::ostream* out) { *out << c.size << " bytes"; }

class ShiftFileChunks : public ::testing::TestWithParam<ChunkCase> { };

TEST_P(ShiftFileChunks, ReadsAndWritesOncePerChunk)
{
    const ChunkCase& c = GetParam();
    ScratchDirectory dir;
    const Bytes original = test::PatternBytes(c.size);
    WriteBytes(dir / "plain", original);

    test::ResetSyscallCounts();
    ASSERT_TRUE(ShiftFile(dir / "plain", dir / "locked", 7, ShiftDirection::Lock).Succeeded());
    const test::SyscallCounts counts = test::CurrentSyscallCounts();

    EXPECT_EQ(counts.reads, c.chunks);
    EXPECT_EQ(counts.writes, c.chunks);
    EXPECT_EQ(ReadBytes(dir / "locked"), Shifted(original, 7));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShiftFileChunks,
                         ::testing::Values(ChunkCase {0, 0}, ChunkCase {1, 1}, ChunkCase {99999, 1},
                                           ChunkCase {100000, 1}, ChunkCase {100001, 2}, ChunkCase {250000, 3}));

TEST(ShiftFile, LongerExistingDestinationKeepsNoTail)
{
    ScratchDirectory dir;
    WriteBytes(dir / "plain", {1, 2, 3});
    WriteBytes(dir / "locked", test::PatternBytes(5000));

    ASSERT_TRUE(ShiftFile(dir / "plain", dir / "locked", 1, ShiftDirection::Lock).Succeeded());
    EXPECT_EQ(ReadBytes(dir / "locked"), (Bytes {2, 3, 4}));
}

// The same file reached by another spelling must not be emptied before it is read.
struct SameFileCase {
    const char* name;
    std::function<std::string(const ScratchDirectory&)> destinationFor;  // of dir/"data"
};

void PrintTo(const SameFileCase& c, std::ostream* out) { *out << c.name; }

class ShiftFileSameFile : public ::testing::TestWithParam<SameFileCase> { };

TEST_P(ShiftFileSameFile, GivesTheShiftedContent)
{
    ScratchDirectory dir;
    const Bytes original = test::PatternBytes(250000);
    WriteBytes(dir / "data", original);
    const std::string destination = GetParam().destinationFor(dir);
    const std::vector<std::string> entries = dir.Entries();

    ASSERT_TRUE(ShiftFile(dir / "data", destination, 59, ShiftDirection::Lock).Succeeded());
    EXPECT_EQ(ReadBytes(destination), Shifted(original, 59));
    EXPECT_EQ(dir.Entries(), entries) << "a temporary file was left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, ShiftFileSameFile,
    ::testing::Values(SameFileCase {"SamePath", [](const ScratchDirectory& d) { return d / "data"; }},
                      SameFileCase {"DotSpelling", [](const ScratchDirectory& d) { return d.Path() + "/./data"; }},
                      SameFileCase {"DotDotSpelling",
                                    [](const ScratchDirectory& d) {
                                        ::mkdir((d / "sub").c_str(), 0700);
                                        return d / "sub/../data";
                                    }},
                      SameFileCase {"SymbolicLink",
                                    [](const ScratchDirectory& d) {
                                        ::symlink("data", (d / "link").c_str());
                                        return d / "link";
                                    }},
                      SameFileCase {"HardLink",
                                    [](const ScratchDirectory& d) {
                                        ::link((d / "data").c_str(), (d / "hard").c_str());
                                        return d / "hard";
                                    }}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ShiftFile, SourceThatCannotBeOpenedLeavesTheDestinationAlone)
{
    for (const std::string sourceName : {"missing", ""}) {
        SCOPED_TRACE("source '" + sourceName + "'");
        ScratchDirectory dir;
        const std::string source = sourceName.empty() ? "" : dir / sourceName;
        WriteBytes(dir / "old", {9, 9, 9});

        const ShiftResult toExisting = ShiftFile(source, dir / "old", 1, ShiftDirection::Lock);
        const ShiftResult toNew = ShiftFile(source, dir / "new", 1, ShiftDirection::Lock);

        EXPECT_EQ(toExisting.failure, ShiftFailure::OpenSource);
        EXPECT_EQ(toExisting.error, ENOENT);
        EXPECT_EQ(toNew.failure, ShiftFailure::OpenSource);
        EXPECT_EQ(ReadBytes(dir / "old"), (Bytes {9, 9, 9}));
        EXPECT_EQ(dir.Entries(), std::vector<std::string> {"old"});
    }
}

TEST(ShiftFile, DirectoryAsSourceEndsWithAReadFailure)
{
    ScratchDirectory dir;
    ::mkdir((dir / "folder").c_str(), 0700);
    WriteBytes(dir / "old", {9});

    const ShiftResult result = ShiftFile(dir / "folder", dir / "old", 1, ShiftDirection::Lock);

    EXPECT_EQ(result.failure, ShiftFailure::ReadSource);
    EXPECT_EQ(result.error, EISDIR);
    EXPECT_EQ(ReadBytes(dir / "old"), Bytes {9});
    EXPECT_EQ(dir.Entries(), (std::vector<std::string> {"folder", "old"}));
}

TEST(ShiftFile, DestinationThatIsNotARegularFileIsRefused)
{
    struct Case {
        const char* name;
        std::function<void(const std::string&)> make;
        int error;
    };
    const Case cases[] = {
        {"directory", [](const std::string& p) { ::mkdir(p.c_str(), 0700); }, EISDIR},
        {"fifo", [](const std::string& p) { ::mkfifo(p.c_str(), 0600); }, EOPNOTSUPP},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDirectory dir;
        WriteBytes(dir / "plain", {1});
        c.make(dir / "target");

        const ShiftResult result = ShiftFile(dir / "plain", dir / "target", 1, ShiftDirection::Lock);

        EXPECT_EQ(result.failure, ShiftFailure::WriteDestination);
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(dir.Entries(), (std::vector<std::string> {"plain", "target"}));
    }
}

TEST(ShiftFile, FailedWriteKeepsTheOldDestinationAndNoTemporaryFile)
{
    ScratchDirectory dir;
    WriteBytes(dir / "plain", test::PatternBytes(250000));
    WriteBytes(dir / "old", {4, 5, 6});

    const int status = RunInChild([&] {
        const rlimit limit {150000, 150000};
        ::signal(SIGXFSZ, SIG_IGN);
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 3;
        const ShiftResult result = ShiftFile(dir / "plain", dir / "old", 1, ShiftDirection::Lock);
        if (result.Succeeded())
            return 1;
        return result.failure == ShiftFailure::WriteDestination && result.error == EFBIG ? 0 : 2;
    });

    EXPECT_EQ(status, 0) << "1: reported success, 2: wrong failure, 3: no limit";
    EXPECT_EQ(ReadBytes(dir / "old"), (Bytes {4, 5, 6}));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string> {"old", "plain"}));
}

TEST(ShiftFile, ReadOnlyDestinationIsRefused)
{
    ScratchDirectory dir;
    WriteBytes(dir / "plain", {1, 2});
    WriteBytes(dir / "old", {7});
    ::chmod((dir / "old").c_str(), 0444);
    ::chmod(dir.Path().c_str(), 0777);  // the directory itself stays writable

    constexpr int CannotDropPrivileges = 77;
    const int status = RunInChild([&] {
        if (::geteuid() == 0) {
            // root may write anything; act as an ordinary user
            const uid_t nobody = 65534;
            if (::setgid(nobody) != 0 || ::setuid(nobody) != 0)
                return CannotDropPrivileges;
        }
        const ShiftResult result = ShiftFile(dir / "plain", dir / "old", 1, ShiftDirection::Lock);
        return result.failure == ShiftFailure::WriteDestination && result.error == EACCES ? 0 : 1;
    });

    if (status == CannotDropPrivileges)
        GTEST_SKIP() << "running as root and cannot switch to an unprivileged user";
    EXPECT_EQ(status, 0) << "the read-only file was replaced";
    EXPECT_EQ(ReadBytes(dir / "old"), Bytes {7});
    EXPECT_EQ(dir.Entries(), (std::vector<std::string> {"old", "plain"}));
}

TEST(ShiftFile, ExistingDestinationKeepsItsPermissions)
{
    ScratchDirectory dir;
    WriteBytes(dir / "plain", {1});
    WriteBytes(dir / "old", {2});
    ::chmod((dir / "old").c_str(), 0640);

    ASSERT_TRUE(ShiftFile(dir / "plain", dir / "old", 1, ShiftDirection::Lock).Succeeded());
    EXPECT_EQ(PermissionsOf(dir / "old"), 0640u);
}

TEST(ShiftFile, NewDestinationGetsOrdinaryPermissions)
{
    for (const mode_t mask : {mode_t {022}, mode_t {077}}) {
        ScratchDirectory dir;
        WriteBytes(dir / "plain", {1});
        const mode_t saved = ::umask(mask);
        const bool succeeded = ShiftFile(dir / "plain", dir / "new", 1, ShiftDirection::Lock).Succeeded();
        ::umask(saved);

        ASSERT_TRUE(succeeded);
        EXPECT_EQ(PermissionsOf(dir / "new"), 0666u & ~mask) << "umask " << std::oct << mask;
    }
}

TEST(ShiftFile, SymbolicLinkDestinationIsWrittenThrough)
{
    for (const bool targetExists : {true, false}) {
        SCOPED_TRACE(targetExists ? "existing target" : "dangling link");
        ScratchDirectory dir;
        WriteBytes(dir / "plain", {1, 2});
        ::mkdir((dir / "real").c_str(), 0700);
        if (targetExists)
            WriteBytes(dir / "real/target", {9, 9, 9, 9});
        ::symlink("real/target", (dir / "link").c_str());

        ASSERT_TRUE(ShiftFile(dir / "plain", dir / "link", 1, ShiftDirection::Lock).Succeeded());

        struct stat info { };
        ASSERT_EQ(::lstat((dir / "link").c_str(), &info), 0);
        EXPECT_TRUE(S_ISLNK(info.st_mode));
        EXPECT_EQ(ReadBytes(dir / "real/target"), (Bytes {2, 3}));
    }
}

TEST(ShiftFile, DestinationInAMissingFolderFailsCleanly)
{
    ScratchDirectory dir;
    WriteBytes(dir / "plain", {1});

    const ShiftResult result = ShiftFile(dir / "plain", dir / "nowhere/out", 1, ShiftDirection::Lock);

    EXPECT_EQ(result.failure, ShiftFailure::WriteDestination);
    EXPECT_EQ(result.error, ENOENT);
}

}  // namespace
}  // namespace ebo
