#pragma once

// Shared by the benchmarks: a program folder's database filled with many cheques, the
// connection, and the process's memory as Linux counts it.

#include "core/globals/PubDm.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iterator>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace bench {

// The shipped database beside the benchmarks (build/Quillet/data/data.db).
inline QString shippedDatabase()
{
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    return QString::fromStdString((self.parent_path().parent_path() / "Quillet" / "data" / "data.db").string());
}

inline void fail(const QString &what)
{
    std::fprintf(stderr, "%s\n", qPrintable(what));
    std::exit(1);
}

inline void exec(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        fail(query.lastError().text());
}

// The cheque table of the shipped database holding `rows` cheques with every column filled,
// made once per size in the temporary folder.
inline QString chequeDatabase(int rows)
{
    const QString path = QStringLiteral("/tmp/quillet-bench-cheques-%1.db").arg(rows);
    if (QFile::exists(path))
        return path;
    const QString building = path + QStringLiteral(".part");
    QFile::remove(building);
    if (!QFile::copy(shippedDatabase(), building))
        fail(QStringLiteral("cannot copy %1").arg(shippedDatabase()));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-build"));
        db.setDatabaseName(building);
        if (!db.open())
            fail(db.lastError().text());
        QStringList columns;
        QStringList values;
        QSqlQuery info(db);
        info.exec(QStringLiteral("select name, type from pragma_table_info('银行转帐单') where name <> 'id'"));
        while (info.next()) {
            const QString name = info.value(0).toString();
            const QString type = info.value(1).toString().toLower();
            columns.append(QStringLiteral("\"%1\"").arg(name));
            if (name == QLatin1String("NoteName") || name == QLatin1String("NoteTypeName"))
                values.append(QStringLiteral("'支票'"));
            else if (name == QLatin1String("Refno"))
                values.append(QStringLiteral("cast(i as text)"));
            else if (type == QLatin1String("money"))
                values.append(QStringLiteral("(i * 7919 % 1000003) / 100.0"));
            else if (type == QLatin1String("datetime"))
                values.append(QStringLiteral("date('2020-01-01', '+' || (i % 1500) || ' days')"));
            else if (type.startsWith(QLatin1String("int")) || type == QLatin1String("bit"))
                values.append(QStringLiteral("i % 2"));
            else if (type.contains(QLatin1String("(1)")))
                values.append(QStringLiteral("cast(i % 10 as text)"));
            else
                values.append(QStringLiteral("'%1 ' || i").arg(name));
        }
        exec(db, QStringLiteral("begin"));
        exec(db, QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
                                "insert into 银行转帐单 (%2) select %3 from n")
                     .arg(rows)
                     .arg(columns.join(u','), values.join(u',')));
        exec(db, QStringLiteral("commit"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-build"));
    QFile::rename(building, path);
    return path;
}

inline void openCurAdo(const QString &path)
{
    if (CurAdo.isValid() && CurAdo.databaseName() == path)
        return;
    if (CurAdo.isValid()) {
        const QString name = CurAdo.connectionName();
        CurAdo.close();
        CurAdo = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
    db.setDatabaseName(path);
    if (!db.open())
        fail(db.lastError().text());
    CurAdo = db;
}

inline long statusKb(const char *key)
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == key) {
            long kb = 0;
            status >> kb;
            return kb;
        }
    return 0;
}

// Peak memory of one subject: the high-water mark is reset before it and read after it.
class PeakMemory
{
public:
    PeakMemory()
    {
        std::ofstream("/proc/self/clear_refs") << "5";
        m_start = statusKb("VmRSS:");
    }
    // Megabytes above what the process held before.
    double megabytes() const { return double(statusKb("VmHWM:") - m_start) / 1024.0; }

private:
    long m_start = 0;
};

inline void reportMemory(benchmark::State &state, double megabytes)
{
    state.counters["peak_MB"] = benchmark::Counter(megabytes, benchmark::Counter::kAvgIterations);
}

// Keeps each benchmark's times (the median when repeated) for the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    struct Times
    {
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, Times> times;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || median)
                if (median || !times.count(run.run_name.str()))
                    times[run.run_name.str()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        }
    }
    // "what  wall a / b = r x  cpu r x", in the benchmarks' own time unit.
    void ratio(const char *what, const std::string &a, const std::string &b) const
    {
        const auto x = times.find(a);
        const auto y = times.find(b);
        if (x == times.end() || y == times.end() || y->second.real <= 0 || y->second.cpu <= 0)
            return;
        std::printf("%-48s wall %.3f / %.3f = %.2fx  cpu %.2fx\n", what, x->second.real, y->second.real,
                    x->second.real / y->second.real, x->second.cpu / y->second.cpu);
    }
};

// One side of a paired figure: `prepare` runs untimed before each run (fresh files, a cleared
// target), `run` is the job the user waits for.
struct Side
{
    std::function<void()> prepare;
    std::function<void()> run;
    // For a side that is a process of its own: its peak memory in MB, read after `run`.
    std::function<double()> processPeakMb = {};
};

// A process run to its end the way a user starts it: standard output kept, its peak memory
// (maximum resident set) taken from the kernel when it is waited for.
struct ProcessRun
{
    int exitCode = -1;
    std::string output;
    std::string errors;
    double peakMb = 0;
};

inline ProcessRun runProcess(const std::vector<std::string> &command, const std::string &folder = {},
                             const std::vector<std::string> &environment = {})
{
    ProcessRun run;
    char outName[] = "/tmp/quillet-bench-out-XXXXXX";
    char errName[] = "/tmp/quillet-bench-err-XXXXXX";
    const int out = mkstemp(outName);
    const int err = mkstemp(errName);
    const pid_t child = fork();
    if (child == 0) {
        dup2(out, 1);
        dup2(err, 2);
        if (!folder.empty() && chdir(folder.c_str()) != 0)
            _exit(126);
        for (const std::string &variable : environment)
            putenv(const_cast<char *>(variable.c_str()));
        std::vector<char *> argv;
        for (const std::string &word : command)
            argv.push_back(const_cast<char *>(word.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    struct rusage usage{};
    wait4(child, &status, 0, &usage);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakMb = double(usage.ru_maxrss) / 1024.0;
    auto slurp = [](const char *name) {
        std::ifstream file(name);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    run.output = slurp(outName);
    run.errors = slurp(errName);
    close(out);
    close(err);
    unlink(outName);
    unlink(errName);
    return run;
}

// Rounds of a paired figure: QUILLET_BENCH_ROUNDS, else `fallback`.
inline int roundsOr(int fallback)
{
    const QByteArray rounds = qgetenv("QUILLET_BENCH_ROUNDS");
    return rounds.toInt() > 0 ? rounds.toInt() : fallback;
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Paired interleaved rounds: each round (one benchmark iteration) runs the subject and its
// baseline once each, the order swapped every round, so a machine that others load slows both
// of a pair alike; the figure is the median of the per-round ratios. The iteration time is the
// subject's; the counters give the baseline's median time, the ratio's median and range, and
// the peak memory of each side (the largest over the rounds). A summary line is printed too.
inline void pairedRounds(benchmark::State &state, const char *what, const Side &subject, const Side &baseline)
{
    std::vector<double> ratios, subjectTimes, baselineTimes;
    double subjectPeak = 0;
    double baselinePeak = 0;
    auto timed = [](const Side &side, double &peakMb) {
        if (side.prepare)
            side.prepare();
        const PeakMemory peak;
        const auto start = std::chrono::steady_clock::now();
        side.run();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        peakMb = std::max(peakMb, side.processPeakMb ? side.processPeakMb() : peak.megabytes());
        return seconds;
    };
    int round = 0;
    for (auto _ : state) {
        double a = 0;
        double b = 0;
        if (round++ % 2 == 0) {
            a = timed(subject, subjectPeak);
            b = timed(baseline, baselinePeak);
        } else {
            b = timed(baseline, baselinePeak);
            a = timed(subject, subjectPeak);
        }
        state.SetIterationTime(a);
        subjectTimes.push_back(a);
        baselineTimes.push_back(b);
        ratios.push_back(b > 0 ? a / b : 0);
    }
    const auto [low, high] = std::minmax_element(ratios.begin(), ratios.end());
    state.counters["ratio"] = median(ratios);
    state.counters["ratio_min"] = ratios.empty() ? 0 : *low;
    state.counters["ratio_max"] = ratios.empty() ? 0 : *high;
    state.counters["base_ms"] = median(baselineTimes) * 1000;
    state.counters["peak_MB"] = subjectPeak;
    state.counters["base_peak_MB"] = baselinePeak;
    std::printf("%-44s median of %zu paired rounds %.2fx (%.2f-%.2f), %.1f ms / %.1f ms, peak %.1f MB / %.1f MB\n", what,
                ratios.size(), median(ratios), ratios.empty() ? 0 : *low, ratios.empty() ? 0 : *high,
                median(subjectTimes) * 1000, median(baselineTimes) * 1000, subjectPeak, baselinePeak);
    std::fflush(stdout);
}

// Registers a paired figure as one benchmark of `rounds` iterations.
inline benchmark::internal::Benchmark *registerPaired(const std::string &name, const char *what,
                                                      std::function<Side()> subject, std::function<Side()> baseline,
                                                      int rounds)
{
    return benchmark::RegisterBenchmark(name.c_str(),
                                        [=](benchmark::State &state) {
                                            const Side a = subject();
                                            const Side b = baseline();
                                            pairedRounds(state, what, a, b);
                                        })
        ->Iterations(roundsOr(rounds))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench

// main() of a benchmark that needs Qt's SQL drivers.
#define QUILLET_BENCHMARK_MAIN()                                                                                       \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        QCoreApplication app(argc, argv);                                                                              \
        benchmark::Initialize(&argc, argv);                                                                            \
        benchmark::RunSpecifiedBenchmarks();                                                                           \
        benchmark::Shutdown();                                                                                         \
        return 0;                                                                                                      \
    }
