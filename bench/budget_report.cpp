#include "budget_report.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <unistd.h>

namespace qv2bench {

namespace {

// Google Benchmark's console table, and the median real time of every benchmark by its name.
class MedianReporter : public benchmark::ConsoleReporter {
  public:
    MedianReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &run : runs) {
            if (run.error_occurred) {
                m_failed = true;
                continue;
            }
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (median || single)
                m_seconds[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    const double *seconds(const std::string &name) const {
        const auto found = m_seconds.find(name);
        return found == m_seconds.end() ? nullptr : &found->second;
    }
    bool failed() const { return m_failed; }

  private:
    std::map<std::string, double> m_seconds;
    bool m_failed = false;
};

const char *Verdict(double value, double limit, bool judged) {
    if (limit <= 0 || !judged)
        return "";
    return value <= limit ? "  ok" : "  OVER BUDGET";
}

} // namespace

BenchOptions ParseBenchOptions(int &argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    BenchOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) {
            options.quick = true;
            continue;
        }
        std::fprintf(stderr, "%s: unknown option %s (besides Google Benchmark's, only --quick)\n",
                     argv[0], argv[i]);
        std::exit(2);
    }
    return options;
}

int RunAndJudge(const std::vector<Budget> &budgets, const BenchOptions &options) {
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool missed = false;
    std::printf("\n%-36s %10s  %-32s %10s %8s\n", "benchmark", "ms", "floor", "ms", "ratio");
    for (const Budget &budget : budgets) {
        const double *seconds = reporter.seconds(budget.name);
        const double *floor = budget.floor.empty() ? nullptr : reporter.seconds(budget.floor);
        if (!seconds || (!budget.floor.empty() && !floor))
            continue; // not run: filtered out, or too large for a quick run
        const double ms = *seconds * 1e3;
        if (floor) {
            const double ratio = *seconds / *floor;
            std::printf("%-36s %10.3f  %-32s %10.3f %8.2f", budget.name.c_str(), ms,
                        budget.floor.c_str(), *floor * 1e3, ratio);
            if (budget.limit > 0)
                std::printf("  budget <= %.2f%s", budget.limit,
                            Verdict(ratio, budget.limit, !options.quick));
            missed = missed || (budget.limit > 0 && ratio > budget.limit);
        } else {
            std::printf("%-36s %10.3f  %-32s %10s %8s", budget.name.c_str(), ms, "", "", "");
            if (budget.limit > 0)
                std::printf("  budget <= %.1f ms%s", budget.limit,
                            Verdict(ms, budget.limit, !options.quick));
            missed = missed || (budget.limit > 0 && ms > budget.limit);
        }
        std::printf("\n");
    }
    std::fflush(stdout);
    return reporter.failed() || (missed && !options.quick) ? 1 : 0;
}

} // namespace qv2bench
