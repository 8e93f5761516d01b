// ebo-cli as a user runs it: the built program, real files, real pipes.

#include "support/Scratch.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace ebo {
namespace {

using test::Bytes;
using test::ReadBytes;
using test::WriteBytes;

struct Finished {
    int status;
    std::string errors;  // what it wrote to standard error
};

// Runs a program with standard input and output redirected to files
// (empty: /dev/null and a scratch file).
Finished RunProgram(const std::vector<std::string>& arguments, const std::string& input = "/dev/null",
                    const std::string& output = "/dev/null")
{
    test::ScratchDirectory scratch;
    const std::string errors = scratch / "stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return {-1, "cannot start " + arguments[0]};
    int status = 0;
    ::waitpid(child, &status, 0);
    const Bytes text = ReadBytes(errors);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(text.begin(), text.end())};
}

Finished RunCli(std::vector<std::string> arguments, const std::string& input = "/dev/null",
                const std::string& output = "/dev/null")
{
    arguments.insert(arguments.begin(), EBO_CLI_PATH);
    return RunProgram(arguments, input, output);
}

Bytes Shifted(Bytes bytes, int delta)
{
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(byte + delta);
    return bytes;
}

class EboCli : public ::testing::Test {
protected:
    test::ScratchDirectory dir;
    const Bytes original = test::PatternBytes(250001);
};

TEST_F(EboCli, LockThenUnlockRoundTrips)
{
    WriteBytes(dir / "a.txt", original);

    ASSERT_EQ(RunCli({"lock", "-k", "7", dir / "a.txt"}).status, 0);
    EXPECT_EQ(ReadBytes(dir / "a.txtebo"), Shifted(original, 7));

    const Finished unlock = RunCli({"unlock", "-k", "7", "-f", dir / "a.txtebo"});
    ASSERT_EQ(unlock.status, 0) << unlock.errors;
    EXPECT_EQ(ReadBytes(dir / "a.txt"), original);
    EXPECT_TRUE(test::Exists(dir / "a.txtebo")) << "the input was deleted";
}

TEST_F(EboCli, DefaultKeyIsTheWindowsDefault)
{
    WriteBytes(dir / "a", {0, 200});
    ASSERT_EQ(RunCli({"lock", dir / "a"}).status, 0);
    EXPECT_EQ(ReadBytes(dir / "aebo"), Shifted({0, 200}, 59));
}

TEST_F(EboCli, MinusOneIsTheSameKeyAs255)
{
    WriteBytes(dir / "a", original);
    ASSERT_EQ(RunCli({"lock", "-k", "-1", "-o", dir / "minus", dir / "a"}).status, 0);
    ASSERT_EQ(RunCli({"lock", "-k", "255", "-o", dir / "plus", dir / "a"}).status, 0);
    EXPECT_EQ(ReadBytes(dir / "minus"), ReadBytes(dir / "plus"));
}

TEST_F(EboCli, OneFailingFileDoesNotStopTheOthers)
{
    WriteBytes(dir / "first", {1});
    WriteBytes(dir / "last", {3});

    const Finished run = RunCli({"lock", "-k", "1", dir / "first", dir / "missing", dir / "last"});

    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("ebo-cli: '" + (dir / "missing") + "' を開けません: "), std::string::npos) << run.errors;
    EXPECT_EQ(ReadBytes(dir / "firstebo"), Bytes {2});
    EXPECT_EQ(ReadBytes(dir / "lastebo"), Bytes {4});
    EXPECT_FALSE(test::Exists(dir / "missingebo"));
}

TEST_F(EboCli, ExistingDestinationIsReplacedOnlyWithForce)
{
    WriteBytes(dir / "a", {1});
    WriteBytes(dir / "aebo", {9, 9});

    const Finished refused = RunCli({"lock", "-k", "1", dir / "a"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.errors.find("既にあります"), std::string::npos) << refused.errors;
    EXPECT_EQ(ReadBytes(dir / "aebo"), (Bytes {9, 9}));

    EXPECT_EQ(RunCli({"lock", "-k", "1", "-f", dir / "a"}).status, 0);
    EXPECT_EQ(ReadBytes(dir / "aebo"), Bytes {2});
}

TEST_F(EboCli, OutputMayBeTheInputItself)
{
    WriteBytes(dir / "doc", original);

    ASSERT_EQ(RunCli({"lock", "-k", "59", "-f", "-o", dir / "doc", dir / "doc"}).status, 0);
    EXPECT_EQ(ReadBytes(dir / "doc"), Shifted(original, 59));
    ASSERT_EQ(RunCli({"unlock", "-k", "59", "-f", "-o", dir / "doc", dir / "doc"}).status, 0);
    EXPECT_EQ(ReadBytes(dir / "doc"), original);
    EXPECT_EQ(dir.Entries(), std::vector<std::string> {"doc"});
}

TEST_F(EboCli, UnlockNeedsTheSuffixToNameTheOutput)
{
    WriteBytes(dir / "plain.txt", {1});
    const Finished run = RunCli({"unlock", dir / "plain.txt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("ebo で終わっていません"), std::string::npos) << run.errors;
    EXPECT_EQ(dir.Entries(), std::vector<std::string> {"plain.txt"});
}

TEST_F(EboCli, StreamsThroughAPipe)
{
    WriteBytes(dir / "in", original);
    const std::string pipeline = "cat '" + (dir / "in") + "' | '" + EBO_CLI_PATH + "' lock -k 5 | '" + EBO_CLI_PATH +
        "' unlock -k 3 - > '" + (dir / "out") + "'";

    ASSERT_EQ(RunProgram({"/bin/sh", "-c", pipeline}).status, 0);
    EXPECT_EQ(ReadBytes(dir / "out"), Shifted(original, 2));
}

TEST(EboCliUsage, MistakesExitWithStatusTwo)
{
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{}, "lock か unlock を指定してください"},
        {{"shift", "a"}, "'shift' は lock でも unlock でもありません"},
        {{"lock", "-k", "abc", "a"}, "ebo-cli: 'abc' は整数ではありません\n"},
        {{"lock", "-k", "12 ", "a"}, "ebo-cli: '12 ' は整数ではありません\n"},
        {{"lock", "-k"}, "-k には値が必要です"},
        {{"lock", "-q", "a"}, "'-q' という指定はありません"},
        {{"lock", "-fq", "a"}, "'-q' という指定はありません"},
        {{"lock", "-o", "out", "a", "b"}, "-o は 1 つのファイルと一緒に使います"},
    };
    for (const Case& c : cases) {
        const Finished run = RunCli(c.arguments);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
    }
}

TEST(EboCliUsage, HelpAndVersion)
{
    test::ScratchDirectory dir;
    EXPECT_EQ(RunCli({"--help"}, "/dev/null", dir / "help").status, 0);
    const Bytes help = ReadBytes(dir / "help");
    EXPECT_NE(std::string(help.begin(), help.end()).find("ebo-cli lock"), std::string::npos);

    EXPECT_EQ(RunCli({"--version"}, "/dev/null", dir / "version").status, 0);
    const Bytes version = ReadBytes(dir / "version");
    EXPECT_EQ(std::string(version.begin(), version.end()).rfind("ebo-cli ", 0), 0u);
}

}  // namespace
}  // namespace ebo
