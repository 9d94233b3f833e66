// Export of a 100,000-row list to a file: the whole command after the dialog.
#include "exec/FileListExport.h"
#include "platform/DirectoryList.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

std::vector<exec::ExportRow> MakeRows(int count)
{
    std::vector<exec::ExportRow> rows;
    rows.reserve(static_cast<std::size_t>(count));
    platform::DirEntryInfo info;
    info.directory = "/home/user/写真";
    for (int i = 0; i < count; ++i) {
        info.isDirectory = i % 100 == 0;
        info.name = (i % 2 ? "旅行_" : "IMG_") + std::to_string(i) + (info.isDirectory ? "" : ".jpeg");
        info.size = static_cast<std::uint64_t>(i) * 977;
        exec::ExportRow row{CFileEntry(info), {}, {}};
        row.entry.typeName = info.isDirectory ? "フォルダ" : "JPEG 画像";
        row.secondColumnText = row.entry.GetSizeText(false);
        row.thirdColumnText = row.entry.typeName;
        rows.push_back(std::move(row));
    }
    return rows;
}

void BM_ExportFileList(benchmark::State &state)
{
    const std::vector<exec::ExportRow> rows = MakeRows(static_cast<int>(state.range(0)));
    exec::ExportOptions options;
    options.quoteNames = options.addPrefix = options.addSuffix = true;
    options.prefix = "copy";
    options.suffix = "backup/";
    const std::string path = "/tmp/kestrel-bench-export-" + std::to_string(getpid()) + ".txt";
    for (auto _ : state) {
        if (exec::ExportFileList(path, rows, options) != 0)
            state.SkipWithError("the list could not be written");
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExportFileList)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
