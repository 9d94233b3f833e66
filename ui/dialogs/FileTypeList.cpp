#include "ui/dialogs/FileTypeList.h"

#include <QMimeDatabase>
#include <QSet>
#include <QThreadPool>

#include <condition_variable>
#include <mutex>

namespace {

std::vector<FileTypeRow> ReadKnownFileTypes()
{
    const QMimeDatabase db;
    std::vector<FileTypeRow> rows;
    QSet<QString> seen;
    for (const QMimeType &type : db.allMimeTypes()) {
        for (const QString &suffix : type.suffixes()) {
            if (suffix.isEmpty() || seen.contains(suffix))
                continue;
            seen.insert(suffix);
            // Several types may claim a suffix; describe it as the type the
            // file lists show for a file of that name.
            const QMimeType shown =
                db.mimeTypeForFile(QStringLiteral("x.") + suffix, QMimeDatabase::MatchExtension);
            const QMimeType &described = shown.isDefault() ? type : shown;
            rows.push_back({described.comment(), suffix, described.iconName(), described.genericIconName()});
        }
    }
    return rows;
}

// The rows of the process and how far their reading is.
struct KnownTypes {
    enum class State { NotStarted, Reading, Read };
    std::mutex mutex;
    std::condition_variable read;
    State state = State::NotStarted;
    std::vector<FileTypeRow> rows;
};

KnownTypes &Shared()
{
    static KnownTypes known;
    return known;
}

// Reads the rows unless another thread reads or has read them, in which case
// it waits until they are there.
void ReadOnce()
{
    KnownTypes &known = Shared();
    {
        std::unique_lock lock(known.mutex);
        if (known.state != KnownTypes::State::NotStarted) {
            known.read.wait(lock, [&known] { return known.state == KnownTypes::State::Read; });
            return;
        }
        known.state = KnownTypes::State::Reading;
    }
    std::vector<FileTypeRow> rows = ReadKnownFileTypes();
    {
        const std::lock_guard lock(known.mutex);
        known.rows = std::move(rows);
        known.state = KnownTypes::State::Read;
    }
    known.read.notify_all();
}

} // namespace

const std::vector<FileTypeRow> &KnownFileTypes()
{
    ReadOnce();
    return Shared().rows;
}

void StartReadingKnownFileTypes()
{
    {
        KnownTypes &known = Shared();
        const std::lock_guard lock(known.mutex);
        if (known.state != KnownTypes::State::NotStarted)
            return;
    }
    // The application waits for the global pool's workers before it ends.
    QThreadPool::globalInstance()->start(ReadOnce);
}
