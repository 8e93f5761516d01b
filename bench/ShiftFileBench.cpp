// Throughput of ShiftFile beside a plain copy loop through the same buffer,
// and the peak resident memory of ShiftFile for a small and a large source.
//
// The files live in EBO_BENCH_DIR (default /dev/shm, a tmpfs), so both loops
// read from and write to memory and the figures show the loop, not the disk.

#include "FileHandle.h"
#include "ShiftFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr std::size_t MiB = 1024 * 1024;
constexpr std::size_t ThroughputFileSize = 256 * MiB;

std::string BenchDirectory()
{
    const char* configured = std::getenv("EBO_BENCH_DIR");
    if (configured && *configured)
        return configured;
    return ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
}

std::string MakeSourceFile(std::size_t size)
{
    const std::string path = BenchDirectory() + "/ebo-bench-" + std::to_string(size / MiB) + "MiB";
    const int out = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::uint8_t> block(MiB);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i * 131 + 7);
    for (std::size_t done = 0; done < size; done += block.size())
        if (ebo::FileWrite(out, block.data(), block.size()) < 0) {
            std::perror(path.c_str());
            std::exit(1);
        }
    ::close(out);
    return path;
}

// The same loop as ShiftFile without the shift and without the temporary file.
void PlainCopy(const std::string& source, const std::string& destination)
{
    const int in = ebo::FileOpenRead(source.c_str());
    const int out = ::open(destination.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    while (ebo::FileEof(in) == 0) {
        const long count = ebo::FileRead(in, ebo::TransferBuffer, ebo::TransferChunkSize);
        if (count <= 0 || ebo::FileWrite(out, ebo::TransferBuffer, static_cast<std::size_t>(count)) != count)
            break;
    }
    ebo::FileClose(in);
    ebo::FileClose(out);
}

const std::string& ThroughputSource()
{
    static const std::string path = MakeSourceFile(ThroughputFileSize);
    return path;
}

void BM_ShiftFile(benchmark::State& state)
{
    const std::string& source = ThroughputSource();
    const std::string destination = source + ".locked";
    for (auto _ : state)
        if (!ebo::ShiftFile(source, destination, 59, ebo::ShiftDirection::Lock).Succeeded())
            state.SkipWithError("ShiftFile failed");
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(ThroughputFileSize));
    ::unlink(destination.c_str());
}

void BM_PlainCopy(benchmark::State& state)
{
    const std::string& source = ThroughputSource();
    const std::string destination = source + ".copy";
    for (auto _ : state)
        PlainCopy(source, destination);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(ThroughputFileSize));
    ::unlink(destination.c_str());
}

// Repeated and interleaved at random, so that a slow spell of the machine
// does not fall on one of the two alone; the ratio is of the medians.
constexpr int Repetitions = 9;
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime()->Repetitions(Repetitions);
BENCHMARK(BM_ShiftFile)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime()->Repetitions(Repetitions);

// Prints the usual table, then the ratio of the two throughputs.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medianBytesPerSecond_[run.run_name.function_name] = run.counters.at("bytes_per_second").value;
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double shift = medianBytesPerSecond_["BM_ShiftFile"];
        const double copy = medianBytesPerSecond_["BM_PlainCopy"];
        std::printf("\nmedians of %d runs each\nShiftFile   %8.1f MiB/s\nplain copy  %8.1f MiB/s\n"
                    "ratio       %8.3f  (ShiftFile / plain copy)\n",
                    Repetitions, shift / MiB, copy / MiB, copy > 0 ? shift / copy : 0.0);
    }

private:
    std::map<std::string, double> medianBytesPerSecond_;
};

// Runs ShiftFile once in this (fresh) process and prints its peak RSS in KiB.
int MeasurePeakResidentMemory(const char* source)
{
    const std::string destination = std::string(source) + ".locked";
    const bool ok = ebo::ShiftFile(source, destination, 59, ebo::ShiftDirection::Lock).Succeeded();
    ::unlink(destination.c_str());
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
    return ok ? 0 : 1;
}

long PeakResidentMemoryKiB(const std::string& source)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::string self = "/proc/self/exe", flag = "--peak-rss-of";
    std::string sourceArgument = source;
    char* argv[] = {self.data(), flag.data(), sourceArgument.data(), nullptr};
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, "/proc/self/exe", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    char text[64] = {};
    const ssize_t got = spawned == 0 ? ::read(pipeEnds[0], text, sizeof text - 1) : -1;
    ::close(pipeEnds[0]);
    int status = 0;
    if (spawned == 0)
        ::waitpid(child, &status, 0);
    return got > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? std::atol(text) : -1;
}

void ReportPeakResidentMemory()
{
    std::printf("\npeak resident memory of one ShiftFile call, in a fresh process:\n");
    for (const std::size_t size : {16 * MiB, 1024 * MiB}) {
        const std::string source = MakeSourceFile(size);
        std::printf("  %5zu MiB source: %6ld KiB\n", size / MiB, PeakResidentMemoryKiB(source));
        ::unlink(source.c_str());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--peak-rss-of") == 0)
        return MeasurePeakResidentMemory(argv[2]);

    std::printf("files in %s\n", BenchDirectory().c_str());
    std::vector<char*> arguments(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave.data());
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    ::unlink(ThroughputSource().c_str());

    ReportPeakResidentMemory();
    return 0;
}
