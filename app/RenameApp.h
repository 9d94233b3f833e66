#pragma once

#include "app/SingleInstance.h"

#include <QObject>

#include <string>

// The application object: decides at start whether this process may open a
// window at all, and carries the program's version strings.
class CRenameApp : public QObject {
    Q_OBJECT
public:
    explicit CRenameApp(QObject *parent = nullptr);

    // Loads the environment settings (the defaults on a first start)
    // and applies the single-instance rule. False when another instance was
    // asked to come forward and this one should end without a window.
    bool InitInstance();

    // The version record of the build, read by the about box.
    static const std::string &InternalName();
    static const std::string &FileVersion();
    static const std::string &LegalCopyright();

signals:
    // A later start asked this instance to restore or raise its window.
    void activationRequested();

private:
    CSingleInstance m_instance;
};
