#include "app/RenameApp.h"

#include "app/EnvSettings.h"

#include "KestrelVersion.h"

CRenameApp::CRenameApp(QObject *parent) : QObject(parent)
{
    connect(&m_instance, &CSingleInstance::activationRequested, this, &CRenameApp::activationRequested);
}

bool CRenameApp::InitInstance()
{
    CEnvSettings env;
    env.Load();
    if (env.IsMultiExec == 0 && CSingleInstance::NotifyRunningInstance())
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
