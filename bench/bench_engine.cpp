// New names for a million candidate entries in each rename mode that computes
// names per entry.
#include "engine/RenameSettings.h"
#include "model/FileEntry.h"
#include "platform/DirectoryList.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kEntryCount = 1'000'000;

const std::vector<CFileEntry> &Entries()
{
    static const std::vector<CFileEntry> entries = [] {
        std::vector<CFileEntry> list;
        list.reserve(kEntryCount);
        platform::DirEntryInfo info;
        info.directory = "/home/user/写真/2024";
        for (int i = 0; i < kEntryCount; ++i) {
            info.name = (i % 3 == 0 ? "旅行ｶﾒﾗ_" : "IMG_") + std::to_string(i) + (i % 2 ? ".JPG" : ".jpeg");
            info.lastWriteTime = 1700000000 + i * 61;
            list.emplace_back(info);
        }
        return list;
    }();
    return entries;
}

CRenameSettings SettingsFor(RenameKind kind)
{
    CRenameSettings s;
    s.RenameMode = kind;
    s.RenumStr1 = "img_";
    s.NumberWidth = 6;
    s.OrgStr1 = "pre_";
    s.OrgStr2 = "_post";
    s.IsCase = 1;
    s.FileCase = LetterCase::Capitalised;
    s.ExtensionCase = LetterCase::Lower;
    s.IsConvAlpha = s.IsConvNum = s.IsConvKana = 1;
    s.ConvAlpha = CharWidth::Full;
    s.ConvKana = CharWidth::Full;
    s.ReplaceStr1 = "img";
    s.ReplaceStr2 = "photo";
    s.IsReplaceCase = 1;
    s.ReplaceMode = RangePosition::FromFront;
    s.ReplaceNum = 2;
    s.ReplaceWidth = 3;
    s.ReplaceStr = "X";
    s.InsertMode = InsertPosition::FromBack;
    s.InsertNum = 2;
    s.InsertStr = "_%n";
    s.FormatStr = "%f_%n3:2:5_%Y%m%d";
    return s;
}

// A million names, from the first count entries over and over.
void NameAll(benchmark::State &state, const CRenameSettings &settings, int count = kEntryCount)
{
    const auto &entries = Entries();
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (int round = 0; round < kEntryCount / count; ++round) {
            for (int i = 0; i < count; ++i)
                bytes += settings.ComputeNewName(entries[static_cast<std::size_t>(i)], i).size();
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kEntryCount);
}

void ComputeAllNames(benchmark::State &state)
{
    NameAll(state, SettingsFor(static_cast<RenameKind>(state.range(0))));
}

BENCHMARK(ComputeAllNames)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// The same modes over the first thousand entries a thousand times: the
// entries stay in the cache, so this is the computation without fetching
// them from memory.
void ComputeCachedNames(benchmark::State &state)
{
    NameAll(state, SettingsFor(static_cast<RenameKind>(state.range(0))), 1000);
}

BENCHMARK(ComputeCachedNames)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// The replace mode with a regular expression: a simple pattern with a group
// (`^IMG_(\d+)` to `photo-$1`), compiled once, matched in UTF mode.
void RegexReplaceAllNames(benchmark::State &state)
{
    CRenameSettings settings = SettingsFor(RenameKind::Replace);
    settings.IsReplaceRegex = true;
    settings.IsReplaceCase = false;
    settings.ReplaceStr1 = "^IMG_(\\d+)";
    settings.ReplaceStr2 = "photo-$1";
    NameAll(state, settings);
}

BENCHMARK(RegexReplaceAllNames)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
