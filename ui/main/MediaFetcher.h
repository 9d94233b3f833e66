#pragma once

#include "engine/MediaLookup.h"

#include <QObject>

#include <atomic>
#include <cstdint>
#include <memory>

// The file data the candidate list's new names ask for, without ever reading
// a file on the interface thread.
//
// The list computes the names of the rows it paints as it paints them. A
// name that needs a file's data (a %{...} placeholder, or the date taken)
// asks Find, which answers from the process's shared cache only; a file not
// read yet counts a miss, and the row shows no new name for now. The file
// goes to a worker thread that reads it into the same cache (newest requests
// first: the rows in sight), and Arrived has the list painted again, which
// now finds it. Everything else that computes names (the marks worker, the
// run, the command line) reads through that cache and waits, so each file is
// read once whichever asks first.
class CMediaFetcher : public QObject, public engine::IMediaLookup {
    Q_OBJECT
public:
    explicit CMediaFetcher(QObject *parent = nullptr);
    // Stops the worker after the file it is reading.
    ~CMediaFetcher() override;

    // Interface thread only. An entry without an inode (never kept in the
    // cache) has no data.
    std::shared_ptr<const platform::MediaInfo> Find(const CFileEntry &entry) const override;
    // How many times Find has found nothing so far: a name computed while it
    // grew lacks data still to come.
    std::uint64_t Misses() const { return m_misses; }

signals:
    // Files asked for have been read (once for a burst of them).
    void Arrived();

private:
    std::atomic<bool> m_arrivalPosted{false};
    mutable std::uint64_t m_misses = 0;
    class Reader; // the worker thread and the files waiting for it; ends first
    std::unique_ptr<Reader> m_reader;
};
