// Sorting and listing at the size of a large directory: 100,000 entries.
#include "model/EntrySort.h"
#include "model/FileEntry.h"
#include "platform/Attributes.h"
#include "platform/DirectoryList.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kEntryCount = 100'000;

// Names as a camera folder holds them, with a few folders, in shuffled order.
std::vector<CFileEntry> MakeEntries(int count)
{
    std::vector<CFileEntry> entries;
    entries.reserve(count);
    platform::DirEntryInfo info;
    info.directory = "/home/user/写真";
    for (int i = 0; i < count; ++i) {
        info.isDirectory = i % 100 == 0;
        info.name = (i % 3 == 0   ? "旅行_"
                     : i % 3 == 1 ? "IMG_"
                                  : "img") +
                    std::to_string(i) +
                    (info.isDirectory ? ""
                     : i % 2          ? ".JPG"
                                      : ".jpeg");
        info.size = static_cast<std::uint64_t>(i) * 977;
        entries.emplace_back(info);
    }
    std::shuffle(entries.begin(), entries.end(), std::mt19937(42));
    return entries;
}

std::vector<CFileEntry *> Pointers(std::vector<CFileEntry> &entries)
{
    std::vector<CFileEntry *> pointers;
    for (CFileEntry &e : entries)
        pointers.push_back(&e);
    return pointers;
}

void BM_SortByNameNumeric(benchmark::State &state)
{
    std::vector<CFileEntry> entries = MakeEntries(static_cast<int>(state.range(0)));
    const std::vector<CFileEntry *> shuffled = Pointers(entries);
    for (auto _ : state) {
        std::vector<CFileEntry *> list = shuffled;
        SortEntries(list, SortKey::Name, true, 1);
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(BM_SortByNameNumeric)->Arg(kEntryCount)->Unit(benchmark::kMillisecond);

// The same order with keys built afresh at every comparison, for comparison.
void BM_SortByNameNumericPerComparison(benchmark::State &state)
{
    std::vector<CFileEntry> entries = MakeEntries(static_cast<int>(state.range(0)));
    const std::vector<CFileEntry *> shuffled = Pointers(entries);
    for (auto _ : state) {
        std::vector<CFileEntry *> list = shuffled;
        std::stable_sort(list.begin(), list.end(), [](const CFileEntry *a, const CFileEntry *b) {
            return CFileEntry::CompareEntries(*a, *b, SortKey::Name, true, 1) < 0;
        });
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(BM_SortByNameNumericPerComparison)->Arg(10'000)->Unit(benchmark::kMillisecond);

void BM_SortBySize(benchmark::State &state)
{
    std::vector<CFileEntry> entries = MakeEntries(static_cast<int>(state.range(0)));
    const std::vector<CFileEntry *> shuffled = Pointers(entries);
    for (auto _ : state) {
        std::vector<CFileEntry *> list = shuffled;
        SortEntries(list, SortKey::Size, false, -1);
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(BM_SortBySize)->Arg(kEntryCount)->Unit(benchmark::kMillisecond);

// A directory of 100,000 empty files, made once and removed at exit.
struct LargeDirectoryFixture {
    std::string path;
    LargeDirectoryFixture()
    {
        path = (std::filesystem::temp_directory_path() / "kestrel-bench-XXXXXX").string();
        if (!mkdtemp(path.data()))
            std::abort();
        for (int i = 0; i < kEntryCount; ++i) {
            const std::string name = path + "/file" + std::to_string(i) + ".txt";
            const int fd = open(name.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
            if (fd < 0)
                std::abort();
            close(fd);
        }
    }
    ~LargeDirectoryFixture() { std::filesystem::remove_all(path); }
};

const std::string &LargeDirectory()
{
    static const LargeDirectoryFixture fixture;
    return fixture.path;
}

void BM_ListDirectoryIntoEntries(benchmark::State &state)
{
    const std::string &dir = LargeDirectory();
    for (auto _ : state) {
        std::vector<CFileEntry> entries;
        entries.reserve(kEntryCount);
        platform::ListDirectory(dir, "*.*",
                                [&](const platform::DirEntryInfo &info) { entries.emplace_back(info); });
        if (entries.size() != kEntryCount)
            state.SkipWithError("listing incomplete");
    }
}
BENCHMARK(BM_ListDirectoryIntoEntries)->Unit(benchmark::kMillisecond);

// The part of the listing spent on the stored-flags extended attribute.
void BM_ReadStoredAttributes(benchmark::State &state)
{
    const std::string &dir = LargeDirectory();
    for (auto _ : state) {
        std::uint32_t all = 0;
        for (int i = 0; i < kEntryCount; ++i)
            all |= platform::ReadStoredAttributes(dir + "/file" + std::to_string(i) + ".txt");
        benchmark::DoNotOptimize(all);
    }
}
BENCHMARK(BM_ReadStoredAttributes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
