#include "ui/main/MediaFetcher.h"

#include "model/FileEntry.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

class CMediaFetcher::Reader {
public:
    // read: called on the worker after each file.
    explicit Reader(std::function<void()> read) : m_read(std::move(read)) {}

    ~Reader()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_one();
        if (m_worker.joinable())
            m_worker.join();
    }

    // The file at path is read unless it waits already; the worker starts
    // with the first.
    void Request(const platform::MediaFileKey &key, const std::string &path)
    {
        {
            const std::lock_guard lock(m_mutex);
            if (!m_waiting.insert(path).second)
                return;
            m_requests.push_back({key, path});
            if (!m_worker.joinable())
                m_worker = std::thread(&Reader::work, this);
        }
        m_wake.notify_one();
    }

private:
    struct File {
        platform::MediaFileKey key;
        std::string path;
    };

    void work()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_stop || !m_requests.empty(); });
            if (m_stop)
                return;
            const File next = std::move(m_requests.back());
            m_requests.pop_back();
            lock.unlock();
            platform::SharedMediaInfoCache().Read(next.key, next.path);
            m_read();
            lock.lock();
            m_waiting.erase(next.path);
        }
    }

    std::function<void()> m_read;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<File> m_requests;    // the newest at the back
    std::set<std::string> m_waiting; // paths requested and not read yet
    bool m_stop = false;
    std::thread m_worker;
};

CMediaFetcher::CMediaFetcher(QObject *parent)
    : QObject(parent), m_reader(std::make_unique<Reader>([this] {
          if (!m_arrivalPosted.exchange(true))
              QMetaObject::invokeMethod(
                  this,
                  [this] {
                      m_arrivalPosted = false;
                      emit Arrived();
                  },
                  Qt::QueuedConnection);
      }))
{
}

CMediaFetcher::~CMediaFetcher() = default;

std::shared_ptr<const platform::MediaInfo> CMediaFetcher::Find(const CFileEntry &entry) const
{
    const platform::MediaFileKey key = engine::MediaKeyOf(entry);
    if (key.inode == 0)
        return nullptr;
    auto values = platform::SharedMediaInfoCache().Find(key);
    if (!values) {
        ++m_misses;
        m_reader->Request(key, entry.fullPath);
    }
    return values;
}
