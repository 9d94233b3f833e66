// Names from the date a picture was taken, for 10,000 JPEG files made at the
// start: read from the files into a fresh cache (cold), and computed again
// from the process's cache once every file is in it (warm).
#include "BenchDirectory.h"
#include "support/MediaSamples.h"

#include "engine/MediaLookup.h"
#include "engine/RenameSettings.h"
#include "model/FileEntry.h"
#include "platform/DirectoryList.h"
#include "platform/MediaInfoCache.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kPictures = 10'000;

std::string PictureName(int i)
{
    return "DSC_" + std::to_string(i) + ".JPG";
}

// The pictures' folder (entry 0 a sub-folder, left out), each picture taken a
// minute after the one before, and its entries in the order listed.
const std::vector<CFileEntry> &Pictures()
{
    static BenchDirectory directory("date-taken", kPictures + 1, kPictures + 1,
                                    [](int i) { return i == 0 ? std::string("sub") : PictureName(i); });
    static const std::vector<CFileEntry> entries = [] {
        for (int i = 1; i <= kPictures; ++i) {
            char taken[32];
            std::snprintf(taken, sizeof taken, "2023:01:%02d %02d:%02d:00", 1 + i / 1440, i / 60 % 24,
                          i % 60);
            testing_support::WriteJpeg(
                directory.path() + "/" + PictureName(i),
                {{"Exif.Image.Model", "Bench"}, {"Exif.Photo.DateTimeOriginal", taken}});
        }
        std::vector<CFileEntry> list;
        platform::ListDirectory(directory.path(), "*.JPG",
                                [&](const platform::DirEntryInfo &info) { list.emplace_back(info); });
        return list;
    }();
    return entries;
}

CRenameSettings DateTakenFormat()
{
    CRenameSettings settings;
    settings.RenameMode = RenameKind::Format;
    settings.DateSource = TimeSource::Taken;
    settings.FormatStr = "%Y%m%d_%H%M%s";
    return settings;
}

// Every file read into a cache of its own, as at the first preview.
void DateTakenCold(benchmark::State &state)
{
    const auto &entries = Pictures();
    for (auto _ : state) {
        platform::MediaInfoCache cache;
        std::size_t known = 0;
        for (const CFileEntry &entry : entries)
            known += cache.Read(engine::MediaKeyOf(entry), entry.fullPath)->taken.has_value();
        if (known != entries.size())
            state.SkipWithError("a picture without its date taken");
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(entries.size()));
}

// The names of every file, their data kept from before: a keystroke's or a
// run's cost once the files are read.
void DateTakenWarm(benchmark::State &state)
{
    const auto &entries = Pictures();
    const CRenameSettings settings = DateTakenFormat();
    for (const CFileEntry &entry : entries)
        engine::ReadingMediaLookup().Find(entry);
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (std::size_t i = 0; i < entries.size(); ++i)
            bytes += settings.ComputeNewName(entries[i], static_cast<int>(i)).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(entries.size()));
}

BENCHMARK(DateTakenCold)->Unit(benchmark::kMillisecond);
BENCHMARK(DateTakenWarm)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
