// Renames 100,000 empty files of one directory with a rotation (every new name
// is another entry's old name, the last file takes the first one's): once
// through the execution engine, once as the least a program can do, one
// rename(2) per file in the right order and one more for the temporary name
// the cycle needs. bench/exec_rename.sh compares the two.
#include "engine/RenameSettings.h"
#include "exec/Run.h"
#include "model/FileEntry.h"
#include "platform/DirectoryList.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kFiles = 100'000;

class SilentHost : public exec::IExecutionHost {
public:
    bool Ask(exec::QuestionKind, const std::string &, const std::string &) override { return true; }
    exec::OverwriteAnswer AskOverwrite(const std::string &) override { return exec::OverwriteAnswer::No; }
    void ShowMessage(const std::string &, const std::string &, exec::MessageIcon) override {}
    void ReportProgress(int, int) override {}
};

std::string Name(int i)
{
    char name[16];
    std::snprintf(name, sizeof name, "f%06d", i % kFiles);
    return name;
}

// A fresh directory with kFiles empty files (next to the build, on a real disk).
std::string MakeFiles()
{
    std::string dir = (std::filesystem::current_path() / "bench-rename-XXXXXX").string();
    if (!mkdtemp(dir.data()))
        std::abort();
    for (int i = 0; i < kFiles; ++i)
        close(open((dir + "/" + Name(i)).c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644));
    return dir;
}

void Engine(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const std::string dir = MakeFiles();
        exec::CRunRequest request;
        request.confirm = false;
        std::vector<CFileEntry> &entries = request.rows;
        CRenameSettings settings;
        settings.RenameMode = RenameKind::FromFile;
        for (int i = 0; i < kFiles; ++i) {
            platform::DirEntryInfo info;
            platform::ReadDirEntry(dir + "/" + Name(i), info);
            entries.emplace_back(info);
            settings.InputLines.push_back(Name(i + 1));
        }
        exec::CUndoList undo;
        SilentHost host;
        state.ResumeTiming();
        exec::Run(request, settings, undo, host);
        state.PauseTiming();
        if (undo.records.back().status != exec::RenameStatus::Renamed)
            state.SkipWithError("a rename failed");
        std::filesystem::remove_all(dir);
        state.ResumeTiming();
    }
}

void BareLoop(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const std::string dir = MakeFiles();
        std::vector<std::string> paths;
        for (int i = 0; i < kFiles; ++i)
            paths.push_back(dir + "/" + Name(i));
        const std::string temp = dir + "/KEST$0000000";
        state.ResumeTiming();
        std::rename(paths[0].c_str(), temp.c_str());
        for (int i = kFiles - 1; i > 0; --i)
            std::rename(paths[i].c_str(), paths[(i + 1) % kFiles].c_str());
        std::rename(temp.c_str(), paths[1].c_str());
        state.PauseTiming();
        std::filesystem::remove_all(dir);
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(Engine)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BareLoop)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
