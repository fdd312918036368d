// The figures of the tool at scale, each beside a baseline measured in the same
// run, printed as one table.
//
// usage: dehnwerk_bench INPUT_FOLDER [benchmark options]
#include "bench/bench_seam.h"
#include "core/tool.h"
#include "generate/resize_command.h"
#include "generate/resize_commands_file.h"
#include "import/form_import.h"
#include "project/project_file.h"
#include "ui/gadget_list_model.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

std::string inputs;
std::string scratchFolder;

// Every 50th gadget has a comment line above it that names a keyword: a record too.
qsizetype ExpectedRecords(long n) {
    return n + (n > 7 ? (n - 8) / 50 + 1 : 0);
}

QString FormPath(long n) {
    return QString::fromStdString(inputs + "/form_" + std::to_string(n) + ".pbf");
}
QString ProjectPath(long n) {
    return QString::fromStdString(inputs + "/project_" + std::to_string(n) + ".dwkp");
}

// A plain line reader: a 4096-byte buffer, the line ends of the form reader, a count.
void BM_ReadLinesBaseline(benchmark::State& state) {
    const QByteArray path = FormPath(state.range(0)).toLocal8Bit();
    for (auto _ : state) {
        const int fd = ::open(path.constData(), O_RDONLY);
        unsigned char buffer[4096];
        long lines = 0;
        ssize_t got;
        bool inLine = false;
        while ((got = ::read(fd, buffer, sizeof buffer)) > 0) {
            for (ssize_t i = 0; i < got; ++i) {
                const unsigned char c = buffer[i];
                if (c == '\n' || c == '\r' || c == 0) {
                    lines += inLine;
                    inLine = false;
                } else {
                    inLine = true;
                }
            }
        }
        ::close(fd);
        benchmark::DoNotOptimize(lines);
    }
}

void BM_Import(benchmark::State& state) {
    dw::bench::BenchUser user;
    dw::Tool tool(user);
    tool.state.formPath = FormPath(state.range(0));
    for (auto _ : state)
        dw::ImportFormFile(tool, true);
    if (tool.records.size() != ExpectedRecords(state.range(0)))
        state.SkipWithError("the import found another number of gadgets");
}

dw::Tool& ImportedTool(dw::bench::BenchUser& user, long n) {
    static std::map<long, std::unique_ptr<dw::Tool>> tools;
    auto& slot = tools[n];
    if (!slot) {
        slot = std::make_unique<dw::Tool>(user);
        slot->state.formPath = FormPath(n);
        dw::ImportFormFile(*slot, true);
        int i = 0;
        for (dw::GadgetRecord& r : slot->records) {
            r.dynX = i & 1;
            r.dynY = (i >> 1) & 1;
            r.dynWidth = (i >> 2) & 1;
            r.dynHeight = (i >> 3) & 1;
            ++i;
        }
    }
    return *slot;
}

dw::bench::BenchUser sharedUser;

// The same bytes as the command writer's, written through a 4096-byte buffer.
void BM_WriteBaseline(benchmark::State& state) {
    dw::Tool& tool = ImportedTool(sharedUser, state.range(0));
    QByteArray bytes;
    for (const dw::GadgetRecord& r : tool.records)
        bytes += dw::ResizeCommandLine(r, tool.state).toUtf8() + "\r\n";
    const std::string path = scratchFolder + "/baseline.txt";
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (qsizetype at = 0; at < bytes.size(); at += 4096) {
            const ssize_t put = ::write(fd, bytes.constData() + at, std::min<qsizetype>(4096, bytes.size() - at));
            benchmark::DoNotOptimize(put);
        }
        ::close(fd);
    }
}

void BM_WriteCommands(benchmark::State& state) {
    dw::Tool& tool = ImportedTool(sharedUser, state.range(0));
    sharedUser.path = QString::fromStdString(scratchFolder + "/commands.txt");
    for (auto _ : state)
        dw::SaveResizeCommands(tool);
}

void BM_SaveProject(benchmark::State& state) {
    dw::Tool& tool = ImportedTool(sharedUser, state.range(0));
    sharedUser.path = QString::fromStdString(scratchFolder + "/project.dwkp");
    for (auto _ : state)
        dw::SaveProject(tool);
}

void BM_LoadProject(benchmark::State& state) {
    dw::bench::BenchUser user;
    user.path = ProjectPath(state.range(0));
    dw::Tool tool(user);
    for (auto _ : state)
        dw::LoadProject(tool);
    if (tool.records.size() != ExpectedRecords(state.range(0)) || user.messages != 0)
        state.SkipWithError("the project did not load");
}

void BM_FillList(benchmark::State& state) {
    dw::bench::BenchUser user;
    dw::Tool tool(user);
    tool.state.formPath = FormPath(state.range(0));
    dw::ImportFormFile(tool, true);
    const std::span<const dw::GadgetRecord> records(tool.records.begin(), tool.records.end());
    dw::MainWindow window([](const dw::Event&) {});
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.gadgetRows().clear();
        window.gadgetRows().append(records);  // the list makes its own rows of the records
        QCoreApplication::processEvents();  // the view takes the rows in and draws what is on screen
    }
}

BENCHMARK(BM_ReadLinesBaseline)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import)->Arg(1000000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBaseline)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteCommands)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveProject)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveProject)->Arg(1000000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProject)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProject)->Arg(1000000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillList)->Arg(100000)->Iterations(3)->Unit(benchmark::kMillisecond);

// Keeps every run's real time per iteration, by name, for the table.
// Keeps the median of the repetitions of each benchmark (or its only run).
class Collector : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median)
                continue;
            std::string name = run.run_name.str();
            name = name.substr(0, name.find("/iterations:"));
            name = name.substr(0, name.find("/repeats:"));
            if (median || !seconds.count(name))
                seconds[name] = run.GetAdjustedRealTime() / 1e3;  // reported in ms
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

struct ProcessFigures {
    double seconds = 0;
    double rssKiB = 0;
    double cpuSeconds = 0;
    double reported = -1;  // a second number the process printed, if any
};

// Starts program with args as a whole process, headless, and reads the RSS it prints.
ProcessFigures RunProcess(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const std::string out = scratchFolder + "/probe.out";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    ProcessFigures figures;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) != 0)
        return figures;
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    figures.seconds = clock.nsecsElapsed() / 1e9;
    figures.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                         usage.ru_stime.tv_usec / 1e6;
    posix_spawn_file_actions_destroy(&actions);
    if (FILE* f = std::fopen(out.c_str(), "r")) {
        if (std::fscanf(f, "%lf %lf", &figures.rssKiB, &figures.reported) < 1)
            figures.rssKiB = 0;
        std::fclose(f);
    }
    return figures;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void Row(const char* figure, double value, const char* unit, const char* baselineName, double baseline,
         const char* target, double limit) {
    const double ratio = baseline > 0 ? value / baseline : 0;
    if (value <= 0 || baseline <= 0) {
        std::printf("| %-44s | %14s | %-34s | %14s | %7s | %-8s | %-4s |\n", figure, "no figure", baselineName, "-",
                    "-", target, "MISS");
        return;
    }
    std::printf("| %-44s | %10.4g %-3s | %-34s | %10.4g %-3s | %7.2f | %-8s | %-4s |\n", figure, value, unit,
                baselineName, baseline, unit, ratio, target, ratio <= limit ? "met" : "MISS");
}

void AbsoluteRow(const char* figure, double value, const char* unit, const char* target, double limit) {
    std::printf("| %-44s | %10.4g %-3s | %-34s | %14s | %7s | %-8s | %-4s |\n", figure, value, unit, "-", "-", "-",
                target, value > 0 && value <= limit ? "met" : "MISS");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s INPUT_FOLDER [benchmark options]\n", argv[0]);
        return 2;
    }
    inputs = argv[1];
    scratchFolder = inputs + "/scratch";
    ::mkdir(scratchFolder.c_str(), 0755);
    argv[1] = argv[0];
    // The machines are shared: each figure is the median of five repetitions
    // unless the caller asks for something else.
    std::vector<char*> benchArgs(argv + 1, argv + argc);
    char repetitions[] = "--benchmark_repetitions=5";
    char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    const bool chosen = std::any_of(benchArgs.begin(), benchArgs.end(), [](const char* a) {
        return std::string(a).rfind("--benchmark_repetitions", 0) == 0;
    });
    if (!chosen) {
        benchArgs.insert(benchArgs.begin() + 1, aggregatesOnly);
        benchArgs.insert(benchArgs.begin() + 1, repetitions);
    }
    benchArgs.push_back(nullptr);
    int benchArgc = static_cast<int>(benchArgs.size()) - 1;
    char** benchArgv = benchArgs.data();
    QApplication qt(benchArgc, benchArgv);
    benchmark::Initialize(&benchArgc, benchArgv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    std::vector<double> toolStart, bareStart, toolRss, bareRss;
    for (int i = 0; i < 21; ++i) {
        const ProcessFigures tool = RunProcess({DW_STARTUP_PROBE, "tool"});
        const ProcessFigures bare = RunProcess({DW_STARTUP_PROBE, "bare"});
        toolStart.push_back(tool.seconds);
        bareStart.push_back(bare.seconds);
        toolRss.push_back(tool.rssKiB);
        bareRss.push_back(bare.rssKiB);
    }
    const ProcessFigures idle = RunProcess({DW_STARTUP_PROBE, "idle"});

    auto& s = collector.seconds;
    auto t = [&](const std::string& name) { return s.count(name) ? s[name] : 0.0; };
    const double import100k = t("BM_Import/100000");
    std::printf("\n| %-44s | %14s | %-34s | %14s | %7s | %-8s | %-4s |\n", "figure", "value", "baseline", "baseline",
                "ratio", "target", "");
    std::printf("|%s|%s|%s|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(16, '-').c_str(),
                std::string(36, '-').c_str(), std::string(16, '-').c_str(), std::string(9, '-').c_str(),
                std::string(10, '-').c_str(), std::string(6, '-').c_str());
    Row("form import, 100k gadget lines", import100k * 1e3, "ms", "read and count lines, 4 KiB buffer",
        t("BM_ReadLinesBaseline/100000") * 1e3, "<= 4x", 4);
    Row("resize commands, 100k records", t("BM_WriteCommands/100000") * 1e3, "ms", "write the same bytes, 4 KiB buffer",
        t("BM_WriteBaseline/100000") * 1e3, "<= 3x", 3);
    Row("project save, 100k records", t("BM_SaveProject/100000") * 1e3, "ms", "form import, 100k", import100k * 1e3,
        "<= 4x", 4);
    Row("project load, 100k records", t("BM_LoadProject/100000") * 1e3, "ms", "form import, 100k", import100k * 1e3,
        "<= 4x", 4);
    Row("project save, 100k against 10k", t("BM_SaveProject/100000") * 1e3, "ms", "project save, 10k",
        t("BM_SaveProject/10000") * 1e3, "<= 12x", 12);
    Row("project save, 1M against 100k", t("BM_SaveProject/1000000") * 1e3, "ms", "project save, 100k",
        t("BM_SaveProject/100000") * 1e3, "<= 12x", 12);
    Row("project load, 100k against 10k", t("BM_LoadProject/100000") * 1e3, "ms", "project load, 10k",
        t("BM_LoadProject/10000") * 1e3, "<= 12x", 12);
    Row("project load, 1M against 100k", t("BM_LoadProject/1000000") * 1e3, "ms", "project load, 100k",
        t("BM_LoadProject/100000") * 1e3, "<= 12x", 12);
    Row("form import, 1M against 100k", t("BM_Import/1000000") * 1e3, "ms", "form import, 100k", import100k * 1e3,
        "<= 12x", 12);
    AbsoluteRow("gadget list filled with 100k rows (offscreen)", t("BM_FillList/100000"), "s", "<= 0.5 s", 0.5);
    Row("start-up to the shown window (median of 21)", Median(toolStart), "s", "bare QMainWindow with a menu bar",
        Median(bareStart), "<= 1.3x", 1.3);
    Row("resident memory after start (median of 21)", Median(toolRss), "KiB", "bare QMainWindow with a menu bar",
        Median(bareRss), "<= 1.3x", 1.3);
    // What 10 s of waiting cost once the window is shown: the 300 ms tick and nothing else.
    AbsoluteRow("CPU of 10 s idle with the window shown", idle.reported, "s", "<= 0.1 s", 0.1);
    return 0;
}
