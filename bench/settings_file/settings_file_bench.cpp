// How the settings file scales: parsing the largest file against a plain
// pass over its bytes, the growth of parse time with file size, composing
// the text, and the whole save to a file. Ends with the ratios.
#include "schedule/store.h"
#include "settings_file/platform.h"
#include "settings_file/reference/settings_text_scan.h"
#include "settings_file/settings_file.h"
#include "settings_file/settings_text.h"

#include <benchmark/benchmark.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <unistd.h>

namespace {

// What the benchmarks read into and write from.
Schedule schedule;
BoardState board;

// 'messages' messages of 127-byte texts with 100 dates each, every value at
// its longest: the largest file the writer makes when messages is 100.
void fillStore(int messages)
{
    resetStore(schedule);
    schedule.settings = {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN};
    schedule.table.MessageNum = messages;
    for (int i = 0; i < messages; ++i) {
        MessageEntry& entry = schedule.table.entries[i];
        std::memset(entry.text, 'x', kMessageTextSize - 1);
        entry.text[kMessageTextSize - 1] = '\0';
        entry.dateNum = kMaxDatesPerMessage;
        for (DateCode& code : entry.dates) code = INT32_MIN;
    }
}

std::string fileOf(int messages)
{
    fillStore(messages);
    std::string text(kSettingsFileMaxBytes, '\0');
    text.resize(static_cast<size_t>(composeSettingsText(schedule, text.data(), kSettingsFileMaxBytes)));
    return text;
}

int countLineEnds(const std::string& text);

const std::string& largestFile()
{
    static const std::string text = fileOf(kMaxMessages);
    return text;
}

void BM_ParseLargestFile(benchmark::State& state)
{
    const std::string& text = largestFile();
    for (auto _ : state) {
        applySettingsText(text, schedule);
        benchmark::DoNotOptimize(schedule);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseLargestFile)->Repetitions(9)->DisplayAggregatesOnly(true);

// The floor: one look at every byte.
void BM_CountLineEndsOfLargestFile(benchmark::State& state)
{
    const std::string& text = largestFile();
    for (auto _ : state) benchmark::DoNotOptimize(countLineEnds(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CountLineEndsOfLargestFile)->Repetitions(9)->DisplayAggregatesOnly(true);

// Parse time against file size: 25, 50 and 100 messages of 100 dates.
void BM_ParseFileOfMessages(benchmark::State& state)
{
    static std::map<int, std::string> files;
    const int messages = static_cast<int>(state.range(0));
    if (files.count(messages) == 0) files[messages] = fileOf(messages);
    const std::string& text = files[messages];
    for (auto _ : state) {
        applySettingsText(text, schedule);
        benchmark::DoNotOptimize(schedule);
    }
    state.counters["file_bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ParseFileOfMessages)->Arg(25)->Arg(50)->Arg(100)->Repetitions(9)->DisplayAggregatesOnly(true);

// The plain key search over the same largest file, for contrast.
void BM_ParseLargestFileByScan(benchmark::State& state)
{
    const std::string& text = largestFile();
    for (auto _ : state) {
        applySettingsTextByScan(text, schedule);
        benchmark::DoNotOptimize(schedule);
    }
}
BENCHMARK(BM_ParseLargestFileByScan)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ComposeLargestText(benchmark::State& state)
{
    fillStore(kMaxMessages);
    static char text[kSettingsFileMaxBytes];
    for (auto _ : state) benchmark::DoNotOptimize(composeSettingsText(schedule, text, kSettingsFileMaxBytes));
}
BENCHMARK(BM_ComposeLargestText);

// Compose, write a temporary file, flush it to disk, rename it over the old.
void BM_SaveLargestStoreToFile(benchmark::State& state)
{
    char directory[] = "/tmp/notavex-bench-XXXXXX";
    char previous[4096];
    if (mkdtemp(directory) == nullptr || getcwd(previous, sizeof previous) == nullptr || chdir(directory) != 0) {
        state.SkipWithError("no scratch directory");
        return;
    }
    settingsPlatform = kSystemSettingsPlatform;
    resetBoardState(board);
    fillStore(kMaxMessages);
    board.schedule = schedule;
    for (auto _ : state)
        if (saveSettings(board, nullptr) != 0) state.SkipWithError("save failed");
    std::remove("notavex.ini");
    if (chdir(previous) != 0 || rmdir(directory) != 0) state.SkipWithError("scratch directory left behind");
}
BENCHMARK(BM_SaveLargestStoreToFile)->Unit(benchmark::kMillisecond);

// The targets are ratios. Timing both sides alternately inside one
// benchmark, in this thread's CPU time, lets them share whatever else the
// machine is doing at that moment.
double threadSeconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

int countLineEnds(const std::string& text)
{
    int lineEnds = 0;
    for (const char byte : text) {
        benchmark::DoNotOptimize(byte);
        if (byte == '\n') ++lineEnds;
    }
    return lineEnds;
}

double parseSeconds(const std::string& text)
{
    const double start = threadSeconds();
    applySettingsText(text, schedule);
    benchmark::DoNotOptimize(schedule);
    return threadSeconds() - start;
}

void BM_RatioParseToLineCount(benchmark::State& state)
{
    const std::string& text = largestFile();
    double parse = 0, count = 0;
    for (auto _ : state) {
        parse += parseSeconds(text);
        const double start = threadSeconds();
        benchmark::DoNotOptimize(countLineEnds(text));
        count += threadSeconds() - start;
    }
    state.counters["ratio"] = parse / count;
}
BENCHMARK(BM_RatioParseToLineCount)->Repetitions(5)->DisplayAggregatesOnly(true);

// Parse time of the 100-message file over the 50-message one (twice the bytes).
void BM_RatioParseDoubledFile(benchmark::State& state)
{
    static const std::string half = fileOf(kMaxMessages / 2);
    const std::string& full = largestFile();
    double halfTime = 0, fullTime = 0;
    for (auto _ : state) {
        halfTime += parseSeconds(half);
        fullTime += parseSeconds(full);
    }
    state.counters["ratio"] = fullTime / halfTime;
    state.counters["bytes_ratio"] = static_cast<double>(full.size()) / static_cast<double>(half.size());
}
BENCHMARK(BM_RatioParseDoubledFile)->Repetitions(5)->DisplayAggregatesOnly(true);

// Prints the ratios the targets are stated in, after the usual table: from
// the median CPU time of the repetitions, so that other work on the machine
// does not tilt them.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) { }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!median && !(run.run_type == Run::RT_Iteration && run.repetitions <= 1)) continue;
            nanoseconds_[nameOf(run)] = run.GetAdjustedCPUTime() * unitNanoseconds(run.time_unit);
            const auto ratio = run.counters.find("ratio");
            if (ratio != run.counters.end()) ratios_[nameOf(run)] = ratio->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nmedian ratios, both sides timed alternately:\n");
        measured("parse / line-end count, largest file (target <= 20)", "BM_RatioParseToLineCount");
        measured("parse of a file twice as long (target <= 2.5)", "BM_RatioParseDoubledFile");
        std::printf("from two separate benchmarks:\n");
        ratio("plain key search / indexed parse, largest file", "BM_ParseLargestFileByScan", "BM_ParseLargestFile");
    }

private:
    void ratio(const char* what, const std::string& over, const std::string& under)
    {
        if (nanoseconds_.count(over) == 0 || nanoseconds_.count(under) == 0) return;
        std::printf("  %-54s %8.2f\n", what, nanoseconds_[over] / nanoseconds_[under]);
    }
    // The function and its argument, without repetition or iteration marks.
    static std::string nameOf(const Run& run)
    {
        const std::string& args = run.run_name.args;
        return run.run_name.function_name + (args.empty() ? "" : "/" + args);
    }
    static double unitNanoseconds(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kSecond: return 1e9;
        case benchmark::kMillisecond: return 1e6;
        case benchmark::kMicrosecond: return 1e3;
        default: return 1.0;
        }
    }
    void measured(const char* what, const std::string& name)
    {
        if (ratios_.count(name) == 1) std::printf("  %-54s %8.2f\n", what, ratios_[name]);
    }
    std::map<std::string, double> nanoseconds_;
    std::map<std::string, double> ratios_;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
