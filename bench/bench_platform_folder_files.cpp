// The walk that adds the files of a dropped folder: 100,000 empty files in
// 100 sub-folders of 1,000 each, two patterns, every sub-folder entered.
#include "platform/FolderFiles.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kFolderCount = 100;
constexpr int kFilesPerFolder = 1000;

// The tree under the temporary folder, removed at exit.
class Tree {
public:
    Tree()
    {
        std::string pattern = "/tmp/kestrel-bench-walk-XXXXXX";
        m_root = mkdtemp(pattern.data());
        for (int folder = 0; folder < kFolderCount; ++folder) {
            const std::string path = m_root + "/day" + std::to_string(folder);
            std::filesystem::create_directory(path);
            for (int file = 0; file < kFilesPerFolder; ++file) {
                const std::string name = path + "/IMG_" + std::to_string(file) + (file % 2 ? ".JPG" : ".png");
                const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
                if (fd >= 0)
                    close(fd);
            }
        }
    }
    ~Tree()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    const std::string &Root() const { return m_root; }

private:
    std::string m_root;
};

const Tree &SharedTree()
{
    static const Tree tree;
    return tree;
}

void CollectRecursively(benchmark::State &state)
{
    const std::string &root = SharedTree().Root();
    std::size_t found = 0;
    for (auto _ : state) {
        found = platform::CollectFolderFiles(root, {"*.jpg", "*.png"}, true).size();
        benchmark::DoNotOptimize(found);
    }
    if (found != std::size_t(kFolderCount) * kFilesPerFolder)
        state.SkipWithError("not every file was found");
}
BENCHMARK(CollectRecursively)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
