#include "ui/dialogs/FolderFileLister.h"

#include "model/EntrySort.h"
#include "platform/DirectoryList.h"
#include "platform/Paths.h"

#include <QMetaObject>

#include <atomic>

struct CFolderFileLister::Run {
    std::string folder;
    std::atomic<bool> cancelled{false};
    std::atomic<bool> ended{false};
};

CFolderFileLister::CFolderFileLister(QObject *parent) : QObject(parent) {}

CFolderFileLister::~CFolderFileLister()
{
    Cancel();
    m_workers.JoinEnded(true);
}

void CFolderFileLister::Start(const std::string &folder)
{
    Cancel();
    m_workers.JoinEnded(false);
    m_files.clear();
    m_run = std::make_shared<Run>();
    m_run->folder = platform::NormalizeDirectory(folder);
    m_workers.Add(std::thread(&CFolderFileLister::Work, this, m_run),
                  std::shared_ptr<const std::atomic<bool>>(m_run, &m_run->ended));
}

void CFolderFileLister::Cancel()
{
    if (m_run)
        m_run->cancelled = true;
    m_run.reset();
}

void CFolderFileLister::Work(CFolderFileLister *owner, const std::shared_ptr<Run> &run)
{
    std::vector<CFileEntry> listed;
    platform::ListDirectoryWhile(
        run->folder, {},
        [&](const platform::DirEntryInfo &info) {
            if (!info.isDirectory)
                listed.emplace_back(info);
            return !run->cancelled;
        },
        platform::StoredFlags::Skip);
    std::vector<std::string> names;
    names.reserve(listed.size());
    for (const CFileEntry &entry : listed)
        names.push_back(entry.fileName);
    std::vector<CFileEntry> sorted;
    sorted.reserve(listed.size());
    for (const std::size_t index : CollatedOrder(std::move(names), 1))
        sorted.push_back(std::move(listed[index]));
    if (!run->cancelled)
        QMetaObject::invokeMethod(
            owner,
            [owner, run, files = std::move(sorted)]() mutable { owner->OnListed(run, std::move(files)); },
            Qt::QueuedConnection);
    run->ended = true;
}

void CFolderFileLister::OnListed(const std::shared_ptr<Run> &run, std::vector<CFileEntry> files)
{
    if (run != m_run)
        return;
    m_run.reset();
    m_files = std::move(files);
    m_workers.JoinEnded(false);
    emit Finished();
}
