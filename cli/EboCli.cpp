#include "EboCli.h"

#include "Exception.h"
#include "FailureMessage.h"
#include "Key.h"
#include "ShiftFile.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace ebo {
namespace {

constexpr const char* ProgramName = "ebo-cli";
constexpr const char* StandardStream = "-";

enum ExitStatus { Success = 0, SomeFailed = 1, UsageError = 2 };

constexpr const char* HelpText = "使い方: ebo-cli lock [-k 鍵] [-f] [ファイル...]\n"
                                 "        ebo-cli unlock [-k 鍵] [-f] [ファイル...]\n"
                                 "        ebo-cli lock|unlock [-k 鍵] [-f] -o 出力先 ファイル\n"
                                 "ファイルの各バイトを鍵の値だけずらして施錠 (lock) または開錠 (unlock) します。\n"
                                 "暗号ではありません。256 通りの鍵を試せば誰にでも戻せます。\n"
                                 "\n"
                                 "  lock        ファイル を ファイルebo に施錠します\n"
                                 "  unlock      ファイルebo を ファイル に開錠します (名前は ebo で終わること)\n"
                                 "  -k 鍵       整数の鍵。下位 8 ビットを使います (既定値 59。例: 59, -1, $3B)\n"
                                 "  -f          既にある出力先を置き換えます\n"
                                 "  -o 出力先   ファイル 1 つの出力先 (そのファイル自身でも構いません)\n"
                                 "  --help      この説明を表示します\n"
                                 "  --version   版を表示します\n"
                                 "\n"
                                 "ファイルが無いか「-」のときは、標準入力を変換して標準出力へ書きます。\n"
                                 "元のファイルは消しません。\n"
                                 "終了状態: 0 成功、1 失敗したファイルがある、2 使い方の誤り。\n";

struct Options {
    ShiftDirection direction = ShiftDirection::Lock;
    KeyByte key = 0;
    bool force = false;
    std::string output;  // empty: the name derived from each FILE
    std::vector<std::string> files;
};

void Complain(const std::string& message) { std::fprintf(stderr, "%s: %s\n", ProgramName, message.c_str()); }

int UsageFailure(const std::string& message)
{
    Complain(message);
    std::fprintf(stderr, "詳しくは '%s --help' を見てください。\n", ProgramName);
    return UsageError;
}

bool Exists(const std::string& path)
{
    struct stat info { };
    return ::lstat(path.c_str(), &info) == 0;
}

bool EndsWithLockSuffix(const std::string& name)
{
    const std::string suffix = LockSuffix;
    return name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Fills options from the arguments after the command; returns a usage error
// message, or an empty string.
std::string ParseOptions(int argc, char* argv[], Options* options)
{
    std::string keyText = DefaultKeyText;
    ::opterr = 0;  // we word the complaints ourselves
    ::optind = 1;
    for (int option; (option = ::getopt(argc, argv, ":k:fo:")) != -1;) {
        switch (option) {
        case 'k':
            keyText = ::optarg;
            break;
        case 'f':
            options->force = true;
            break;
        case 'o':
            options->output = ::optarg;
            break;
        case ':':
            return Format("-%s には値が必要です", std::string(1, static_cast<char>(::optopt)));
        default:
            return Format("'-%s' という指定はありません", std::string(1, static_cast<char>(::optopt)));
        }
    }
    options->files.assign(argv + ::optind, argv + argc);

    if (!options->output.empty() && (options->files.size() != 1 || options->files[0] == StandardStream))
        return "-o は 1 つのファイルと一緒に使います";
    try {
        options->key = KeyByteFromText(keyText);
    } catch (const EConvertError& error) {
        return error.Message();
    }
    return {};
}

bool ShiftStandardStreams(const Options& options)
{
    const ShiftResult result = ShiftStream(STDIN_FILENO, STDOUT_FILENO, options.key, options.direction);
    if (!result.Succeeded())
        Complain(FailureMessage(result, "標準入力", "標準出力"));
    return result.Succeeded();
}

// The destination of one FILE, or an empty string after complaining.
std::string DestinationFor(const std::string& file, const Options& options)
{
    if (!options.output.empty())
        return options.output;
    if (options.direction == ShiftDirection::Lock)
        return file + LockSuffix;
    if (!EndsWithLockSuffix(file)) {
        Complain(Format("'%s' は名前が ebo で終わっていません (出力先は -o で指定できます)", file));
        return {};
    }
    return file.substr(0, file.size() - std::strlen(LockSuffix));
}

bool ShiftOneFile(const std::string& file, const Options& options)
{
    if (file == StandardStream)
        return ShiftStandardStreams(options);
    const std::string destination = DestinationFor(file, options);
    if (destination.empty())
        return false;
    if (!options.force && Exists(destination)) {
        Complain(Format("'%s' は既にあります (置き換えるには -f)", destination));
        return false;
    }
    const ShiftResult result = ShiftFile(file, destination, options.key, options.direction);
    if (!result.Succeeded())
        Complain(FailureMessage(result, file, destination));
    return result.Succeeded();
}

}  // namespace

int RunEboCli(int argc, char* argv[])
{
    if (argc < 2)
        return UsageFailure("lock か unlock を指定してください");
    const std::string command = argv[1];
    if (command == "--help") {
        std::fputs(HelpText, stdout);
        return Success;
    }
    if (command == "--version") {
        std::printf("%s %s\n", ProgramName, EBO_VERSION);
        return Success;
    }
    Options options;
    if (command == "unlock")
        options.direction = ShiftDirection::Unlock;
    else if (command != "lock")
        return UsageFailure(Format("'%s' は lock でも unlock でもありません", command));

    if (const std::string error = ParseOptions(argc - 1, argv + 1, &options); !error.empty())
        return UsageFailure(error);

    if (options.files.empty())
        return ShiftStandardStreams(options) ? Success : SomeFailed;
    bool allSucceeded = true;
    for (const std::string& file : options.files)
        allSucceeded = ShiftOneFile(file, options) && allSucceeded;
    return allSucceeded ? Success : SomeFailed;
}

}  // namespace ebo
