#pragma once

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include <fcntl.h>
#include <unistd.h>

// A folder of empty files made for a benchmark under the temporary folder and
// removed at exit. The benchmark also gets settings of its own, not the user's.
class BenchDirectory {
public:
    // `name(i)` names entry i; every `folderEvery`-th entry is a folder.
    BenchDirectory(const std::string &tag, int count, int folderEvery,
                   const std::function<std::string(int)> &name)
    {
        std::string pattern = "/tmp/kestrel-bench-" + tag + "-XXXXXX";
        m_root = mkdtemp(pattern.data());
        for (int i = 0; i < count; ++i) {
            const std::string path = m_root + "/" + name(i);
            if (i % folderEvery == 0) {
                std::filesystem::create_directory(path);
                continue;
            }
            const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            if (fd >= 0)
                close(fd);
        }
        setenv("XDG_CONFIG_HOME", (m_root + "-config").c_str(), 1);
        setenv("XDG_STATE_HOME", (m_root + "-state").c_str(), 1);
    }
    ~BenchDirectory()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
        std::filesystem::remove_all(m_root + "-config", ec);
        std::filesystem::remove_all(m_root + "-state", ec);
    }
    BenchDirectory(const BenchDirectory &) = delete;
    BenchDirectory &operator=(const BenchDirectory &) = delete;

    const std::string &path() const { return m_root; }

    // Five kinds of extension in turn.
    static std::string Extension(int i)
    {
        static const char *const extensions[] = {"jpg", "JPG", "png", "txt", "mp4"};
        return extensions[i % 5];
    }

private:
    std::string m_root;
};
