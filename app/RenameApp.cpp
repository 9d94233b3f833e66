#include "app/RenameApp.h"

#include "app/EnvSettings.h"
#include "platform/Paths.h"

#include "KestrelVersion.h"

namespace {

// The arguments as absolute paths of this process's working directory, as bytes.
QList<QByteArray> AbsolutePaths(const std::vector<std::string> &args)
{
    std::string workingDirectory = "/";
    platform::GetWorkingDirectory(workingDirectory);
    QList<QByteArray> paths;
    for (const std::string &arg : args) {
        if (arg.empty())
            continue;
        const std::string path = platform::AbsolutePath(arg, workingDirectory);
        paths.append(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
    }
    return paths;
}

} // namespace

CRenameApp::CRenameApp(QObject *parent) : QObject(parent)
{
    connect(&m_instance, &CSingleInstance::activationRequested, this, [this](const QList<QByteArray> &paths) {
        std::vector<std::string> given;
        for (const QByteArray &path : paths)
            given.emplace_back(path.constData(), static_cast<std::size_t>(path.size()));
        emit activationRequested(given);
    });
}

bool CRenameApp::InitInstance(const std::vector<std::string> &args)
{
    CEnvSettings env;
    env.Load();
    if (env.IsMultiExec == 0 && CSingleInstance::NotifyRunningInstance(AbsolutePaths(args)))
        return false;
    // With several instances allowed, the first one that listens answers
    // later starts; the others simply run.
    m_instance.Listen();
    return true;
}

const std::string &CRenameApp::InternalName()
{
    static const std::string name = "Kestrel";
    return name;
}

const std::string &CRenameApp::FileVersion()
{
    static const std::string version = kKestrelVersion;
    return version;
}

const std::string &CRenameApp::LegalCopyright()
{
    static const std::string notice = "Copyright (C) Velmora";
    return notice;
}
