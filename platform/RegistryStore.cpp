#include "platform/RegistryStore.h"

#include "platform/StoreFileFormat.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QString>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString ToQString(const std::string &name)
{
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

QString LocalPath(const std::string &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// True when the bytes survive the trip through QString unchanged, so they can
// be stored as readable text; other bytes are stored as a byte array.
bool SurvivesAsText(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

bool PathExists(const std::string &path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// Keeps a store file that cannot be used aside under a name that is not yet
// taken, so that nothing of it is lost when the store is written again.
// Returns 0 or the errno value of the failed move.
int MoveAside(const std::string &path)
{
    std::string target = path + ".broken";
    for (int n = 2; PathExists(target); ++n)
        target = path + ".broken." + std::to_string(n);
    return std::rename(path.c_str(), target.c_str()) == 0 ? 0 : errno;
}

// The toolkit tells only that the store file could not be replaced. This
// finds out why from what the replacement needs: a path that is a writable
// file (or a symbolic link to one) or nothing yet, and a folder that takes
// new files (the temporary file, the lock file); a folder that is missing
// must be creatable in the nearest one that exists.
int WhyNotWritten(const std::string &path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return EISDIR;
        if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
            return errno;
    } else {
        const int code = errno;
        // Not there, or a symbolic link that leads nowhere.
        if (code != ENOENT || ::lstat(path.c_str(), &st) == 0)
            return code;
    }
    std::string folder = path;
    while (folder.rfind('/') != std::string::npos) {
        folder.resize(std::max<std::size_t>(folder.rfind('/'), 1));
        const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            break;
        }
        if (errno == EOPNOTSUPP || errno == EISDIR) { // no unnamed files here
            if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
                return errno;
            break;
        }
        if (errno != ENOENT || folder == "/")
            return errno;
    }
    return EIO; // nothing to blame: a failure of the disk itself
}

// Why the write callback below failed. It runs within QSettings::sync(), on
// the thread of the store object that asked for the write.
thread_local int t_writeError = 0;

bool IsIntegerType(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

QVariant ToVariant(const platform::StoredValue &value)
{
    switch (value.kind) {
    case platform::StoredValue::Kind::Integer:
        return QVariant(qlonglong(value.number));
    case platform::StoredValue::Kind::Text:
        return QString::fromStdString(value.bytes);
    case platform::StoredValue::Kind::Bytes:
        return QByteArray::fromStdString(value.bytes);
    }
    return {};
}

platform::StoredValue FromVariant(const QVariant &v)
{
    platform::StoredValue value;
    if (IsIntegerType(v)) {
        value.number = v.toLongLong();
    } else if (v.metaType().id() == QMetaType::QByteArray) {
        value.kind = platform::StoredValue::Kind::Bytes;
        value.bytes = v.toByteArray().toStdString();
    } else {
        value.kind = platform::StoredValue::Kind::Text;
        value.bytes = v.toString().toStdString();
    }
    return value;
}

// A file that is not read (too large) or not parsed is treated as broken.
bool ReadStoreFile(QIODevice &device, QSettings::SettingsMap &map)
{
    if (device.size() > qint64(platform::kMaxStoreFileBytes))
        return false;
    const QByteArray content = device.readAll(); // it may have grown meanwhile
    if (std::size_t(content.size()) > platform::kMaxStoreFileBytes)
        return false;
    const auto values =
        platform::ParseStoreFile(std::string_view(content.data(), std::size_t(content.size())));
    if (!values)
        return false;
    for (const auto &[key, value] : *values)
        map.insert(QString::fromStdString(key), ToVariant(value));
    return true;
}

// QSettings writes into a temporary file that replaces the store file only
// when this returns true. The write is flushed and synced here so that a full
// disk or any other write error is seen before the replacement: the toolkit
// does not check the last flush of the temporary file itself. A failure
// leaves its errno value in t_writeError.
bool WriteStoreFile(QIODevice &device, const QSettings::SettingsMap &map)
{
    platform::StoredValues values;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        values[it.key().toStdString()] = FromVariant(it.value());
    const std::string text = platform::FormatStoreFile(values);
    // Written, it would be kept aside as broken at the next start.
    if (text.size() > platform::kMaxStoreFileBytes) {
        t_writeError = EFBIG;
        return false;
    }
    errno = 0;
    auto *file = qobject_cast<QFileDevice *>(&device);
    if (device.write(text.data(), qint64(text.size())) == qint64(text.size()) &&
        (!file || (file->flush() && ::fsync(file->handle()) == 0)))
        return true;
    t_writeError = errno != 0 ? errno : EIO;
    return false;
}

QSettings::Format StoreFormat()
{
    static const QSettings::Format format = QSettings::registerFormat("ini", ReadStoreFile, WriteStoreFile);
    return format;
}

std::unique_ptr<QSettings> OpenSettings(const std::string &path)
{
    return std::make_unique<QSettings>(LocalPath(path), StoreFormat());
}

} // namespace

struct CRegistryStore::Impl {
    std::unique_ptr<QSettings> settings;
    // Lower-case value name -> spelling used in the file.
    QHash<QString, QString> names;
    bool dirty = false;
    bool readOnly = false;
    // Why a broken file could not be moved aside (readOnly).
    int asideError = 0;
    // The key's name can be written to the file.
    bool storableKey = true;

    QVariant value(const std::string &name) const
    {
        const auto it = names.constFind(ToQString(name).toLower());
        return it == names.constEnd() ? QVariant() : settings->value(*it);
    }

    // The bytes of a value of any kind (a number as its text); nothing when
    // there is no such value.
    std::optional<QByteArray> storedBytes(const std::string &name, bool keyExisted) const
    {
        if (!settings || !keyExisted)
            return std::nullopt;
        const QVariant v = value(name);
        if (v.metaType().id() == QMetaType::QByteArray)
            return v.toByteArray();
        if (v.metaType().id() == QMetaType::QString || IsIntegerType(v))
            return v.toString().toUtf8();
        return std::nullopt;
    }

    void setValue(const std::string &name, const QVariant &v)
    {
        if (readOnly || !storableKey || !platform::IsStorableName(name))
            return;
        const QString given = ToQString(name);
        auto it = names.find(given.toLower());
        if (it == names.end())
            it = names.insert(given.toLower(), given);
        settings->setValue(*it, v);
        dirty = true;
    }
};

CRegistryStore::CRegistryStore() : m_impl(std::make_unique<Impl>()) {}

CRegistryStore::~CRegistryStore()
{
    Close();
}

std::string CRegistryStore::FilePath()
{
    const char *config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config && config[0] == '/') {
        base = config;
    } else {
        const char *home = std::getenv("HOME");
        base = std::string(home ? home : "") + "/.config";
    }
    return base + "/Velmora/Kestrel.ini";
}

bool CRegistryStore::Open(const std::string &subkey)
{
    Close();
    const std::string path = FilePath();
    auto settings = OpenSettings(path);
    if (settings->status() == QSettings::FormatError) {
        settings.reset();
        m_impl->asideError = MoveAside(path);
        settings = OpenSettings(path);
    }
    // A broken file that could not be moved aside is only read, never
    // written over.
    m_impl->readOnly = settings->status() == QSettings::FormatError;
    if (m_impl->readOnly && m_impl->asideError == 0)
        m_impl->asideError = EBADMSG; // broken again before it could be read
    m_impl->storableKey = platform::IsStorableName(subkey);
    // Never fall back on writing the file in place: a failed write must leave
    // the old file whole.
    settings->setAtomicSyncRequired(true);

    QString group = ToQString(subkey);
    const QStringList groups = settings->childGroups();
    for (const QString &existing : groups) {
        if (existing.compare(group, Qt::CaseInsensitive) == 0) {
            group = existing;
            m_existed = true;
            break;
        }
    }
    settings->beginGroup(group);
    const QStringList keys = settings->childKeys();
    for (const QString &key : keys)
        m_impl->names.insert(key.toLower(), key);
    m_impl->settings = std::move(settings);
    return m_existed;
}

bool CRegistryStore::Close()
{
    m_writeError = m_impl->readOnly ? m_impl->asideError : 0;
    if (m_impl->settings && m_impl->dirty) {
        const QString fileName = m_impl->settings->fileName();
        QDir().mkpath(QFileInfo(fileName).absolutePath());
        t_writeError = 0;
        m_impl->settings->sync();
        if (m_impl->settings->status() != QSettings::NoError)
            m_writeError =
                t_writeError != 0 ? t_writeError : WhyNotWritten(QFile::encodeName(fileName).toStdString());
    }
    m_impl->settings.reset();
    m_impl->names.clear();
    m_impl->dirty = false;
    m_impl->readOnly = false;
    m_impl->asideError = 0;
    m_impl->storableKey = true;
    m_existed = false;
    return m_writeError == 0;
}

std::optional<std::int32_t> CRegistryStore::QueryDword(const std::string &name) const
{
    if (!m_impl->settings || !m_existed)
        return std::nullopt;
    const QVariant v = m_impl->value(name);
    if (v.metaType().id() != QMetaType::QString && !IsIntegerType(v))
        return std::nullopt;
    bool ok = false;
    const qlonglong number = v.toString().trimmed().toLongLong(&ok, 10);
    // Four bytes hold any signed or unsigned 32-bit number.
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > qlonglong(std::numeric_limits<std::uint32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
}

std::optional<std::string> CRegistryStore::QueryString(const std::string &name) const
{
    const auto bytes = m_impl->storedBytes(name, m_existed);
    if (!bytes || std::size_t(bytes->size()) + 1 > kMaxValueBytes)
        return std::nullopt;
    const qsizetype nul = bytes->indexOf('\0');
    return bytes->left(nul < 0 ? bytes->size() : nul).toStdString();
}

std::optional<std::vector<unsigned char>> CRegistryStore::QueryBinary(const std::string &name,
                                                                      std::size_t maxSize) const
{
    const auto bytes = m_impl->storedBytes(name, m_existed);
    if (!bytes || std::size_t(bytes->size()) > maxSize)
        return std::nullopt;
    return std::vector<unsigned char>(bytes->begin(), bytes->end());
}

std::int32_t CRegistryStore::ReadDword(const std::string &name, std::int32_t defaultValue)
{
    if (const auto stored = QueryDword(name))
        return *stored;
    WriteDword(name, defaultValue);
    return defaultValue;
}

std::string CRegistryStore::ReadString(const std::string &name, const std::string &defaultValue)
{
    if (auto stored = QueryString(name))
        return std::move(*stored);
    WriteString(name, defaultValue);
    return defaultValue.substr(0, defaultValue.find('\0'));
}

std::vector<unsigned char> CRegistryStore::ReadBinary(const std::string &name,
                                                      const std::vector<unsigned char> &defaultValue,
                                                      std::size_t maxSize)
{
    if (auto stored = QueryBinary(name, maxSize))
        return std::move(*stored);
    WriteBinary(name, defaultValue);
    return defaultValue;
}

void CRegistryStore::WriteDword(const std::string &name, std::int32_t value)
{
    if (m_impl->settings)
        m_impl->setValue(name, int(value));
}

void CRegistryStore::WriteString(const std::string &name, const std::string &text)
{
    if (!m_impl->settings)
        return;
    const QByteArray bytes = QByteArray::fromStdString(text.substr(0, text.find('\0')));
    if (SurvivesAsText(bytes))
        m_impl->setValue(name, QString::fromUtf8(bytes));
    else
        m_impl->setValue(name, bytes);
}

void CRegistryStore::WriteBinary(const std::string &name, const std::vector<unsigned char> &data)
{
    if (m_impl->settings)
        m_impl->setValue(name,
                         QByteArray(reinterpret_cast<const char *>(data.data()), qsizetype(data.size())));
}

std::int32_t CRegistryStore::ReadKeyDword(const std::string &subkey, const std::string &name,
                                          std::int32_t defaultValue)
{
    CRegistryStore store;
    store.Open(subkey);
    const std::int32_t value = store.ReadDword(name, defaultValue);
    store.Close();
    return value;
}

void CRegistryStore::DeleteAll()
{
    const std::string path = FilePath();
    {
        // Through QSettings first, so that no cached copy of the tree lives on.
        const auto settings = OpenSettings(path);
        settings->clear();
        settings->sync();
    }
    QFile::remove(LocalPath(path));
    QDir().rmdir(QFileInfo(LocalPath(path)).absolutePath()); // only when empty
}
