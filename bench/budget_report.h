#pragma once

#include <string>
#include <vector>

// Runs the registered benchmarks and judges them by budgets. The machines they run on are shared
// and noisy, so a budget compares a benchmark with a floor measured in the same run (the plainest
// way to do the same work), not with a fixed time. Every figure is the median of the repetitions
// when there are several (run them interleaved), the single run's time otherwise.
namespace qv2bench {

struct Budget {
    std::string name;  // the benchmark judged
    std::string floor; // the benchmark it is divided by; empty: `limit` is in milliseconds
    double limit = 0;  // the largest ratio (or time) that passes; 0 only prints the figures
};

struct BenchOptions {
    bool quick = false; // small sizes, figures printed but not judged
};

// Lets Google Benchmark take its flags, then reads ours (--quick); exits with a usage message on
// anything else.
BenchOptions ParseBenchOptions(int &argc, char **argv);

// Runs what was registered, printing Google Benchmark's own table, then one line per budget: the
// benchmark, its floor, the ratio and the verdict. Returns the exit status: 1 when a benchmark
// failed or, in a run that is not quick, a budget was missed; 0 otherwise.
int RunAndJudge(const std::vector<Budget> &budgets, const BenchOptions &options);

} // namespace qv2bench
