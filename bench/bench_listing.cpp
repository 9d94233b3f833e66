// The selection list over a real directory of 1,000,000 empty files, read by
// the background lister as the window uses it: how soon the first rows show,
// how long the interface thread is kept busy at a stretch, how long the whole
// listing takes, and how much memory a row costs.
#include "BenchDirectory.h"
#include "ui/main/CandidatePane.h"
#include "ui/main/DirectoryLister.h"
#include "ui/main/MainDlg.h"
#include "ui/main/ModeArea.h"
#include "ui/main/SelectionList.h"
#include "ui/main/SelectionPane.h"
#include "ui/panels/ModePanel.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <malloc.h>

namespace {

// KESTREL_BENCH_FILES gives another count, for a quick look with a profiler.
int FileCount()
{
    const char *count = std::getenv("KESTREL_BENCH_FILES");
    return count ? std::atoi(count) : 1000000;
}

BenchDirectory *g_dir = nullptr;

// One listing driven by the event loop as the window drives it, with a timer
// ticking every millisecond to find the longest stretch the loop was busy.
struct ListingFigures {
    double firstRowsMs = 0;
    double longestGapMs = 0;
    double finishedMs = 0;
    double longestMoveMs = 0; // MoveInto of one batch
    double applyOrderMs = 0;
    int rows = 0;
};

ListingFigures ListOnce(CSelectionList &rows)
{
    CDirectoryLister lister;
    ListingFigures figures;
    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    bool finished = false;

    QObject::connect(&lister, &CDirectoryLister::RowsReady, [&] {
        if (figures.firstRowsMs == 0)
            figures.firstRowsMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        QElapsedTimer move;
        move.start();
        lister.MoveInto(rows);
        figures.longestMoveMs =
            std::max(figures.longestMoveMs, static_cast<double>(move.nsecsElapsed()) / 1e6);
    });
    QObject::connect(&lister, &CDirectoryLister::OrderReady, [&] {
        QElapsedTimer apply;
        apply.start();
        lister.ApplyOrder(rows);
        figures.applyOrderMs = static_cast<double>(apply.nsecsElapsed()) / 1e6;
    });
    QObject::connect(&lister, &CDirectoryLister::Finished, [&] {
        figures.finishedMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        finished = true;
    });
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        figures.longestGapMs =
            std::max(figures.longestGapMs, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.restart();
    });

    rows.Clear();
    clock.start();
    sinceTick.start();
    lister.Start(g_dir->path(), {}, {SortKey::Name, true});
    ticker.start();
    while (!finished)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // The last stretch: the order applied and Finished handled.
    figures.longestGapMs =
        std::max(figures.longestGapMs, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
    figures.rows = rows.RowCount();
    return figures;
}

// Start to the first rows, the longest busy stretch of the event loop, and
// Start to Finished (rows sorted by name, numeric).
void BackgroundListing(benchmark::State &state)
{
    ListingFigures worst;
    for (auto _ : state) {
        CSelectionList rows;
        const ListingFigures figures = ListOnce(rows);
        worst.firstRowsMs = std::max(worst.firstRowsMs, figures.firstRowsMs);
        worst.longestGapMs = std::max(worst.longestGapMs, figures.longestGapMs);
        worst.finishedMs = std::max(worst.finishedMs, figures.finishedMs);
        worst.longestMoveMs = std::max(worst.longestMoveMs, figures.longestMoveMs);
        worst.applyOrderMs = std::max(worst.applyOrderMs, figures.applyOrderMs);
        worst.rows = figures.rows;
    }
    state.counters["first_rows_ms"] = worst.firstRowsMs;
    state.counters["longest_gap_ms"] = worst.longestGapMs;
    state.counters["finished_ms"] = worst.finishedMs;
    state.counters["longest_move_ms"] = worst.longestMoveMs;
    state.counters["apply_order_ms"] = worst.applyOrderMs;
    state.counters["rows"] = worst.rows;
}
BENCHMARK(BackgroundListing)->Unit(benchmark::kMillisecond)->Iterations(3);

// Bytes in use on the heap, the blocks malloc maps on their own included.
std::size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

std::size_t NameBytes(const CSelectionList &rows)
{
    std::size_t bytes = 0;
    for (int i = 0; i < rows.RowCount(); ++i)
        bytes += rows.Name(i).size();
    return bytes;
}

// Memory the list holds per row beyond the bytes of the row's name after a
// background listing.
void BytesPerRow(benchmark::State &state)
{
    for (auto _ : state) {
        CSelectionList rows;
        const std::size_t before = HeapInUse();
        ListOnce(rows);
        const std::size_t after = HeapInUse();
        const double perRow =
            (static_cast<double>(after - before) - static_cast<double>(NameBytes(rows))) / rows.RowCount();
        state.counters["bytes_per_row"] = perRow;
        state.counters["rows"] = rows.RowCount();
    }
}
BENCHMARK(BytesPerRow)->Unit(benchmark::kMillisecond)->Iterations(1);

// The longest stretch the event loop of the interface thread was busy while
// `done` was false, found with a timer ticking every millisecond.
class LoopGaps {
public:
    LoopGaps()
    {
        m_ticker.setTimerType(Qt::PreciseTimer);
        m_ticker.setInterval(1);
        QObject::connect(&m_ticker, &QTimer::timeout, [this] {
            m_longestMs = std::max(m_longestMs, static_cast<double>(m_sinceTick.nsecsElapsed()) / 1e6);
            m_sinceTick.restart();
        });
        m_sinceTick.start();
        m_ticker.start();
    }
    double LongestMs() const { return m_longestMs; }

private:
    QTimer m_ticker;
    QElapsedTimer m_sinceTick;
    double m_longestMs = 0;
};

double Milliseconds(const QElapsedTimer &clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// The main window shown at 1000 × 700 over the folder, its first listing done.
std::unique_ptr<CMainDlg> OpenWindow()
{
    auto window = std::make_unique<CMainDlg>(std::vector<std::string>{g_dir->path()});
    window->resize(1000, 700);
    window->show();
    window->Selection().WaitForListing();
    return window;
}

// A refresh of the window's selection list: until the list control shows its
// first rows, and until all are in and sorted; the window painting throughout.
void WindowListing(benchmark::State &state)
{
    const auto window = OpenWindow();
    CSelectionPane &pane = window->Selection();
    double firstRows = 0, longestGap = 0, finished = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        pane.Refresh();
        LoopGaps gaps;
        double first = 0;
        while (pane.IsListing()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (first == 0 && pane.List()->RowCount() > 1)
                first = Milliseconds(clock);
        }
        firstRows = std::max(firstRows, first);
        finished = std::max(finished, Milliseconds(clock));
        longestGap = std::max(longestGap, gaps.LongestMs());
    }
    state.counters["first_rows_ms"] = firstRows;
    state.counters["longest_gap_ms"] = longestGap;
    state.counters["finished_ms"] = finished;
    state.counters["rows"] = pane.Rows().RowCount();
}
BENCHMARK(WindowListing)->Unit(benchmark::kMillisecond)->Iterations(3);

// 全て追加 of every file into the candidate list.
void WindowAddAll(benchmark::State &state)
{
    const auto window = OpenWindow();
    for (auto _ : state) {
        state.PauseTiming();
        window->Candidates().Clear();
        state.ResumeTiming();
        window->AddAll();
    }
    state.counters["rows"] = window->Candidates().Rows().RowCount();
}
BENCHMARK(WindowAddAll)->Unit(benchmark::kMillisecond)->Iterations(3);

// One keystroke in the renumber panel's prefix field with every file a
// candidate: until the visible rows are painted with the new names, and
// until the marks of all rows follow, with the longest busy stretch of the
// event loop meanwhile.
void WindowKeystroke(benchmark::State &state)
{
    const auto window = OpenWindow();
    window->AddAll();
    CCandidatePane &candidates = window->Candidates();
    while (!candidates.MarksCurrent())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    CHistoryComboBox *prefix = window->Modes().Panel()->findChildren<CHistoryComboBox *>().front();
    QWidget *viewport = candidates.List()->CurrentView()->viewport();
    std::string text;
    double painted = 0, marked = 0, longestGap = 0;
    for (auto _ : state) {
        text = text.size() < 8 ? text + "p" : std::string();
        QElapsedTimer clock;
        clock.start();
        prefix->SetCurrentText(text);
        // The panel reports its change from the event loop; the rows follow at once.
        QCoreApplication::processEvents();
        viewport->repaint();
        painted = std::max(painted, Milliseconds(clock));
        LoopGaps gaps;
        while (!candidates.MarksCurrent())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        marked = std::max(marked, Milliseconds(clock));
        longestGap = std::max(longestGap, gaps.LongestMs());
    }
    state.counters["painted_ms"] = painted;
    state.counters["marks_ms"] = marked;
    state.counters["longest_gap_ms"] = longestGap;
    state.counters["rows"] = candidates.Rows().RowCount();
}
BENCHMARK(WindowKeystroke)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Half the names fit in a string's own buffer, half need one of their own;
    // every thousandth entry is a folder.
    BenchDirectory dir("listing", FileCount(), 1000, [](int i) {
        char name[64];
        std::snprintf(name, sizeof name, i % 2 == 0 ? "IMG_%d." : "holiday photo %07d.", i);
        return name + BenchDirectory::Extension(i);
    });
    g_dir = &dir;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
