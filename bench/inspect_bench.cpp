// Running the rule script and building the overview map on a level whose 32 rooms are all
// reachable. For every tile the rule script runs from its first byte, so the time must grow in
// proportion to the script: it is measured with the shipped script and with one 16 times as long.
#include "bench_levels.h"
#include "budget_report.h"

#include "inspect/overview_map.h"
#include "inspect/overview_picture.h"
#include "inspect/problems_dock.h"
#include "inspect/reachable_rooms.h"
#include "inspect/rule_reports.h"
#include "level/level_layout.h"
#include "text/message_texts.h"
#include "text/text_catalogue.h"
#include "ui/widget_modals.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace qv2;
using namespace qv2bench;

constexpr int kScriptCopies = 16;

QByteArray ReadFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    return file.readAll();
}

void WriteFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// The rules of the script `copies` times over, with one end mark.
QByteArray RepeatRules(const QByteArray &script, int copies) {
    const QByteArray rules = script.left(script.lastIndexOf('.'));
    return rules.repeated(copies) + ".\n";
}

void RegisterRuleScript(const char *name, const LevelStore &level, const QString &scriptPath,
                        const MessageTexts &texts) {
    const int tileRuns = static_cast<int>(ReachableRooms(level).size()) * kTilesPerRoom;
    benchmark::RegisterBenchmark(
        name,
        [=](benchmark::State &state) {
            for (auto _ : state) {
                ReportListing listing = ListRuleReports(level, scriptPath, texts);
                benchmark::DoNotOptimize(listing.lines.data());
            }
            state.counters["per_tile_run"] =
                benchmark::Counter(tileRuns, benchmark::Counter::kIsIterationInvariantRate |
                                                 benchmark::Counter::kInvert);
            state.counters["reports"] =
                static_cast<double>(ListRuleReports(level, scriptPath, texts).reports.size());
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The overview writes room numbers, which need fonts; the Problems list is a widget.
    QApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(argc, argv);

    // A city level: its rooms pass the shipped rules, so no report limit cuts the run short.
    LevelStore level = SampleLevel(2000);
    JoinAllRooms(level, 4);

    MessageTexts texts;
    const QString programDir = ProgramDir();
    if (const auto language =
            ReadLanguageFile(LanguageFilePath(programDir, ReadLanguageName(programDir))))
        ApplyLanguageFile(*language, {}, texts);

    QTemporaryDir folder;
    const QString shipped = RuleScriptPath(programDir);
    const QString longer = folder.filePath(QStringLiteral("errors16.txt"));
    WriteFile(longer, RepeatRules(ReadFile(shipped), kScriptCopies));
    RegisterRuleScript("RuleScript/shipped", level, shipped, texts);
    RegisterRuleScript("RuleScript/script16x", level, longer, texts);

    // What every change of the level costs while the Problems list is open: the shipped script
    // read and run again, and the list filled.
    EditorState editing;
    editing.level = level;
    editing.levelOpen = true;
    editing.programDir = programDir;
    editing.texts = texts;
    WidgetModals modals;
    Services services{modals, [] {}};
    ProblemsDock problems(editing, services, nullptr);
    benchmark::RegisterBenchmark("ProblemsDock/check",
                                 [&](benchmark::State &state) {
                                     for (auto _ : state)
                                         problems.check();
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

    benchmark::RegisterBenchmark("Overview/build",
                                 [&](benchmark::State &state) {
                                     for (auto _ : state)
                                         benchmark::DoNotOptimize(BuildOverviewMap(level));
                                 })
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
    const OverviewMap map = BuildOverviewMap(level);
    benchmark::RegisterBenchmark("Overview/draw",
                                 [&](benchmark::State &state) {
                                     for (auto _ : state) {
                                         QImage picture = DrawOverview(map);
                                         benchmark::DoNotOptimize(picture.constBits());
                                     }
                                 })
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();

    return RunAndJudge(
        {
            {"RuleScript/shipped", "", 5.0},
            // Linear: 16 times the rules take at most 16 times as long, with a quarter for noise.
            {"RuleScript/script16x", "RuleScript/shipped", kScriptCopies * 1.25},
            // Editing must not wait for it.
            {"ProblemsDock/check", "", 5.0},
            {"Overview/build", "", 0},
            {"Overview/draw", "", 0},
        },
        options);
}
