// The folder browser over a real folder of 100,000 empty files: the files
// listed into its file list, the longest time the window waits for its event
// loop meanwhile, and the sub-folder probe that decides a tree node's "+".
#include "BenchDirectory.h"
#include "platform/FolderScan.h"
#include "ui/dialogs/FolderBrowseDlg.h"
#include "ui/dialogs/FolderFileList.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace {

constexpr int kFileCount = 100000;

BenchDirectory *g_dir = nullptr;

// From choosing the folder to every file shown; the counter is the longest
// stretch in which the window took no input.
void ListFolderFiles(benchmark::State &state)
{
    CFolderBrowseDlg dialog(nullptr, {}, {});
    dialog.show();
    auto *files = dialog.findChild<CFolderFileList *>(QStringLiteral("files"));
    const auto *model = dialog.findChild<QAbstractItemModel *>(QStringLiteral("filesModel"));
    qint64 longestStall = 0;
    for (auto _ : state) {
        files->ShowFolder(g_dir->path());
        QElapsedTimer stall;
        stall.start();
        while (files->IsListing()) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            longestStall = std::max(longestStall, stall.restart());
        }
        QApplication::processEvents();
        longestStall = std::max(longestStall, stall.elapsed());
        benchmark::DoNotOptimize(model->rowCount());
    }
    state.counters["longest_stall_ms"] = double(longestStall);
}
BENCHMARK(ListFolderFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

// A folder without sub-folders is read to its end to learn that.
void ProbeFolderOfFiles(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::ProbeFolder(g_dir->path()).hasSubFolders);
}
BENCHMARK(ProbeFolderOfFiles)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchDirectory dir("folder-browser", kFileCount, kFileCount + 1,
                       [](int i) { return "IMG_" + std::to_string(i) + "." + BenchDirectory::Extension(i); });
    // Entry 0 is always made a folder; the probe is to find none.
    std::filesystem::remove(dir.path() + "/IMG_0.jpg");
    g_dir = &dir;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
