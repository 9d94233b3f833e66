// The selection list over a real directory of 100,000 empty files: ordering
// the rows, and a whole listing by the main window; the candidate
// list holding all of them: adding them, and typing in the panel meanwhile.
// Also a header click on a selection list of a million rows made in memory.
#include "BenchDirectory.h"
#include "EventLoopStalls.h"
#include "app/EnvSettings.h"
#include "app/LaunchList.h"
#include "engine/RenameSettings.h"
#include "ui/main/CandidatePane.h"
#include "ui/main/MainDlg.h"
#include "ui/main/ModeArea.h"
#include "ui/main/SelectionList.h"
#include "ui/main/SelectionPane.h"
#include "ui/panels/ModePanel.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kFileCount = 100000;

BenchDirectory *g_dir = nullptr;

void SortRows(benchmark::State &state)
{
    // The rows as the window lists them.
    CMainDlg window({g_dir->path()});
    window.Selection().WaitForListing();
    CSelectionList &list = window.Selection().Rows();
    const SortKey key = CSelectionList::KeyOfColumn(static_cast<int>(state.range(0)));
    bool descending = false;
    for (auto _ : state) {
        list.Sort({key, key == SortKey::Name, descending});
        descending = !descending;
    }
}
// 0 name (numeric), 1 size, 2 type (type names found per extension first).
BENCHMARK(SortRows)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);

// Everything the window does for a listing: directory, filter, rows read on a
// worker thread and handed over in batches, first sort.
void WindowListing(benchmark::State &state)
{
    CMainDlg window({g_dir->path()});
    for (auto _ : state) {
        window.Selection().Refresh();
        window.Selection().WaitForListing();
        benchmark::DoNotOptimize(window.Selection().Rows().RowCount());
    }
}
BENCHMARK(WindowListing)->Unit(benchmark::kMillisecond)->Iterations(3);

// 全て追加: every file of the directory into the candidate list, the window
// kept painted with its progress bar.
void AddAllCandidates(benchmark::State &state)
{
    CMainDlg window({g_dir->path()});
    window.show();
    window.Selection().WaitForListing();
    for (auto _ : state) {
        window.Candidates().ClearAll();
        window.AddAll();
        benchmark::DoNotOptimize(window.Candidates().Rows().RowCount());
    }
}
BENCHMARK(AddAllCandidates)->Unit(benchmark::kMillisecond)->Iterations(3);

// One keystroke in the renumber panel's prefix field with every file a
// candidate: the change reaches the settings, the warning marks are computed
// for all rows and the visible rows are painted again.
void TypeInPanelWithAllCandidates(benchmark::State &state)
{
    CMainDlg window({g_dir->path()});
    window.show();
    window.Selection().WaitForListing();
    window.AddAll();
    QApplication::processEvents();
    CHistoryComboBox *prefix = window.Modes().Panel()->findChild<CHistoryComboBox *>();
    std::string text;
    for (auto _ : state) {
        text = text.size() < 8 ? text + "p" : std::string();
        prefix->SetCurrentText(text);
        QApplication::processEvents();
    }
    state.counters["rows"] = window.Candidates().Rows().RowCount();
}
BENCHMARK(TypeInPanelWithAllCandidates)->Unit(benchmark::kMillisecond)->Iterations(10);

// A million rows as a directory gives them: half named like a camera's files,
// half with a space, every thousandth a folder, in no order.
std::vector<ListedEntry> MillionRows()
{
    constexpr int kRows = 1000000;
    std::vector<ListedEntry> rows(kRows);
    for (int i = 0; i < kRows; ++i) {
        ListedEntry &row = rows[static_cast<std::size_t>(i)];
        row.isFolder = i % 1000 == 0;
        const std::string stem = i % 2 ? "holiday photo " : "IMG_";
        row.name = row.isFolder ? "dir_" + std::to_string(i)
                                : stem + std::to_string(i) + "." + BenchDirectory::Extension(i);
        row.size = row.isFolder ? 0 : static_cast<std::uint64_t>(i * 7919 % 100003);
        row.lastWriteTime = 1700000000 + i % 86400;
    }
    std::shuffle(rows.begin(), rows.end(), std::mt19937(7));
    return rows;
}

// A click on a header of the selection list holding a million rows (column 0
// the name with the numeric flag, 1 the size, 2 the type): from the click until
// the rows are in the new order, and the longest the event loop waited from the
// click until 100 ms after that (the views catching up with the new order
// included).
void HeaderSortOfAMillionRows(benchmark::State &state)
{
    QWidget window;
    CEnvSettings env;
    env.IsSortNum = 1;
    CRenameSettings settings;
    CLaunchList launchers;
    CSelectionPane pane(&window, env, settings, launchers);
    pane.List()->setGeometry(0, 0, 600, 600);
    window.resize(600, 600);
    window.show();
    pane.List()->Reset([&pane] { pane.Rows().AppendRows("/nonexistent", MillionRows()); });
    pane.Rows().Sort({SortKey::Name, true});
    pane.List()->SetSelectedRows({3, 4, 500000});
    pane.List()->SetCurrentRow(4);
    QApplication::processEvents();

    bool sorted = false;
    QObject::connect(&pane, &CSelectionPane::Changed, [&sorted] { sorted = true; });
    EventLoopStalls stalls;
    double longestStall = 0;
    for (auto _ : state) {
        sorted = false;
        stalls.Start();
        pane.SortByColumn(static_cast<int>(state.range(0)));
        while (!sorted)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.PauseTiming();
        QElapsedTimer settling;
        settling.start();
        while (settling.elapsed() < 100)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        longestStall = std::max(longestStall, stalls.Stop());
        state.ResumeTiming();
    }
    state.counters["longest_stall_ms"] = longestStall;
    state.counters["selected"] = pane.List()->SelectedCount();
}
BENCHMARK(HeaderSortOfAMillionRows)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4)
    ->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Files named like a camera's, every hundredth entry a folder.
    BenchDirectory dir("selection", kFileCount, 100, [](int i) {
        return i % 100 == 0 ? "dir_" + std::to_string(i)
                            : "IMG_" + std::to_string(i) + "." + BenchDirectory::Extension(i);
    });
    g_dir = &dir;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
