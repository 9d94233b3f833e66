// A million candidates in the list control: one keystroke in the renumber
// panel (the visible rows painted again), the warning marks of all rows
// computed on the worker thread, and how long the interface thread is kept
// from its events meanwhile. The entries are made in memory, in one empty
// folder, so that the plan checks them against a real folder listing.
#include "ui/main/CandidateList.h"
#include "ui/main/CandidateMarks.h"
#include "ui/widgets/FileListCtrl.h"

#include "engine/RenameSettings.h"
#include "model/FileEntry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kRowCount = 1000000;

// The candidates and the control that shows them, made once.
struct Scene {
    explicit Scene(const std::string &folder)
    {
        settings.RenameMode = RenameKind::Renumber;
        settings.RenumStr1 = "photo";
        const char *const extensions[] = {"jpg", "JPG", "png", "txt", "mp4"};
        for (int i = 0; i < kRowCount; ++i) {
            platform::DirEntryInfo info;
            info.directory = folder;
            info.name = "IMG_" + std::to_string(i) + "." + extensions[i % 5];
            info.size = 1000 + i;
            list.Append(CFileEntry(info));
        }
        list.SetSettings(&settings);
        control.SetColumns(CCandidateList::Columns(settings));
        control.SetSource(&list);
        control.resize(800, 600);
        control.show();
        QApplication::processEvents();
        report = control.findChild<QTreeView *>(QStringLiteral("reportView"));
    }

    // The prefix typed one letter longer, up to eight letters.
    void type()
    {
        settings.RenumStr1 = settings.RenumStr1.size() < 8 ? settings.RenumStr1 + "p" : std::string("p");
    }
    void repaint()
    {
        control.UpdateAll();
        report->viewport()->repaint();
    }

    CRenameSettings settings;
    CCandidateList list;
    CFileListCtrl control;
    QTreeView *report = nullptr;
};

Scene *g_scene = nullptr;

// One keystroke: the setting changes and the visible rows are drawn again.
void Keystroke(benchmark::State &state)
{
    for (auto _ : state) {
        g_scene->type();
        g_scene->repaint();
    }
}
BENCHMARK(Keystroke)->Unit(benchmark::kMillisecond)->Iterations(20);

// A reordering of every row with a few selected: only the indexes the
// selection and the views hold are moved. (The source keeps its order; the
// cost measured is the control's.)
void ReorderAllRows(benchmark::State &state)
{
    CFileListCtrl &control = g_scene->control;
    control.SetSelectedRows({3, 4, 5, 900000});
    control.SetCurrentRow(4);
    std::vector<int> reversed(kRowCount);
    for (int row = 0; row < kRowCount; ++row)
        reversed[std::size_t(row)] = kRowCount - 1 - row;
    for (auto _ : state) {
        control.ReorderRows([&reversed] { return reversed; });
        QApplication::processEvents();
    }
    state.counters["selected"] = control.SelectedCount();
    control.ClearSelection();
}
BENCHMARK(ReorderAllRows)->Unit(benchmark::kMillisecond)->Iterations(5);

// From Start to MarksReady, with a timer on the interface thread that records
// the longest time between two of its ticks.
void MarksOfAllRows(benchmark::State &state)
{
    CCandidateMarks marks;
    QEventLoop loop;
    std::size_t marked = 0;
    QObject::connect(&marks, &CCandidateMarks::MarksReady, &loop, [&](std::vector<exec::PlanProblem> m) {
        marked = m.size();
        loop.quit();
    });
    QTimer ticks;
    ticks.setInterval(5);
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QObject::connect(&ticks, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
    for (auto _ : state) {
        g_scene->type();
        marks.Start(g_scene->list.Entries(), g_scene->settings, {});
        sinceTick.start();
        ticks.start();
        loop.exec();
        ticks.stop();
    }
    state.counters["rows"] = double(marked);
    state.counters["longest_gap_ms"] = double(longestGap);
}
BENCHMARK(MarksOfAllRows)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// A keystroke while the marks of the previous one are still being computed:
// that computation is told to stop, the next one started, the rows drawn.
// Counters: the longest a keystroke waited in Start for the marks worker, and
// the longest from the keystroke until its rows were painted; the marks of the
// last keystroke are then waited for, so that they are known to arrive.
void KeystrokeWhileMarking(benchmark::State &state)
{
    CCandidateMarks marks;
    std::size_t marked = 0;
    QObject::connect(&marks, &CCandidateMarks::MarksReady,
                     [&marked](std::vector<exec::PlanProblem> m) { marked = m.size(); });
    marks.Start(g_scene->list.Entries(), g_scene->settings, {});
    double longestWaitMs = 0;
    double longestPaintedMs = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        g_scene->type();
        marks.Start(g_scene->list.Entries(), g_scene->settings, {});
        longestWaitMs = std::max(longestWaitMs, static_cast<double>(clock.nsecsElapsed()) / 1e6);
        g_scene->repaint();
        longestPaintedMs = std::max(longestPaintedMs, static_cast<double>(clock.nsecsElapsed()) / 1e6);
        state.PauseTiming();
        QThread::msleep(200); // well into planning
        state.ResumeTiming();
    }
    while (marked == 0)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    state.counters["marks_wait_ms"] = longestWaitMs;
    state.counters["painted_ms"] = longestPaintedMs;
    state.counters["rows_marked"] = static_cast<double>(marked);
}
BENCHMARK(KeystrokeWhileMarking)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    char pattern[] = "/tmp/kestrel-bench-candidates-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    {
        Scene scene(folder);
        g_scene = &scene;
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    std::filesystem::remove(folder);
    return 0;
}
