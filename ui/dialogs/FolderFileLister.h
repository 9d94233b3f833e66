#pragma once

#include "model/FileEntry.h"
#include "ui/widgets/EndingWorkers.h"

#include <QObject>

#include <memory>
#include <string>
#include <thread>
#include <vector>

// Reads the files (not the folders) of one folder on a worker thread and
// sorts them by name, so that a folder of very many files never holds up the
// window. Starting another listing abandons the running one: its result never
// arrives. Every member function is called, and Finished arrives, on the
// interface thread.
class CFolderFileLister : public QObject {
    Q_OBJECT
public:
    explicit CFolderFileLister(QObject *parent = nullptr);
    // Abandons the running listing and waits for every worker to end.
    ~CFolderFileLister() override;

    // folder is a full path ("/" for the root).
    void Start(const std::string &folder);
    void Cancel();
    bool IsRunning() const { return m_run != nullptr; }

    // The files of the finished listing, sorted by name (none for a folder
    // that cannot be read); taking them leaves the lister empty.
    std::vector<CFileEntry> TakeFiles() { return std::move(m_files); }

signals:
    void Finished();

private:
    struct Run;
    static void Work(CFolderFileLister *owner, const std::shared_ptr<Run> &run);
    void OnListed(const std::shared_ptr<Run> &run, std::vector<CFileEntry> files);

    std::shared_ptr<Run> m_run;
    CEndingWorkers m_workers;
    std::vector<CFileEntry> m_files;
};
